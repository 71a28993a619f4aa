// The SFP of a port: its media and the speeds it runs.
#include "sim_port.h"

bool sim_sfp_supports(const sim_call &call, uint32_t speed)
{
    if (speed == XEL_PORT_SPEED_AUTO)
        return true;
    if (!sim_is_fc(call))
        return speed == XEL_PORT_SPEED_10GBPS;
    switch (call.adapter().max_speed) {
    case 16:
        return speed == 2 || speed == 4 || speed == 8 || speed == 16;
    case 8:
        return speed == 2 || speed == 4 || speed == 8 || (speed == 1 && call.adapter().is_mezz);
    default:
        return speed == 1 || speed == 2 || speed == 4;
    }
}

int32_t sim_sfp_media(sim_call &call)
{
    auto record = answer_record<xel_ioctl_sfp_media_t>(call);
    record.media = sim_port_of(call).sfp_media;
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_sfp_speed(sim_call &call)
{
    return sim_sfp_supports(call, load<xel_ioctl_sfp_speed_t>(call).speed) ? XEL_STATUS_OK
                                                                           : XEL_STATUS_UNSUPP_SFP_SPEED;
}
