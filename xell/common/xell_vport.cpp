// Virtual ports: created and deleted through the FC transport, and kept in
// the configuration store so that they come back.
#include "xell_lport.h"

#include "xell_config.h"
#include "xell_request.h"
#include "xell_stats.h"

#include <cstring>
#include <string>

namespace {

bool roles_supported(uint32_t roles)
{
    return roles == 1 || roles == 4 || roles == 5;
}

std::string symname_of(const xel_lport_cfg_t &cfg)
{
    return std::string(cfg.sym_name, strnlen(cfg.sym_name, sizeof cfg.sym_name));
}

xel_status_t vport_request(xell_t *ioc, uint32_t cmd, uint16_t vf_id, wwn_t vpwwn, wwn_t vnwwn)
{
    xel_ioctl_vport_t record{};
    record.vf_id = vf_id;
    record.vpwwn = vpwwn;
    record.vnwwn = vnwwn;
    return xell_request(ioc, cmd, &record, 0, 0, sizeof record);
}

} // namespace

xel_status_t xell_vport_create(xell_t *ioc, uint16_t vf_id, const xel_lport_cfg_t *cfg)
{
    if (ioc == nullptr || cfg == nullptr)
        return XEL_STATUS_FAILED;
    xel_ioctl_vport_create_t record{};
    record.vf_id = vf_id;
    record.port_cfg = *cfg;
    record.vpwwn = cfg->pwwn;
    if (record.port_cfg.nwwn == 0) {
        xel_ioctl_ioc_info_t info{};
        xel_status_t status = xell_ioc_get_info(ioc, &info);
        if (status != XEL_STATUS_OK)
            return status;
        record.port_cfg.nwwn = info.nwwn;
    }
    if (!roles_supported(record.port_cfg.roles))
        return XEL_STATUS_FAILED;
    // A name the store would refuse is refused before anything is made.
    std::string symname = symname_of(record.port_cfg);
    if (xell_config_check_vport_name(symname.c_str()) != XEL_STATUS_OK)
        return XEL_STATUS_EINVAL;
    xel_status_t status = xell_request(ioc, XEL_CMD_VPORT_CREATE, &record, 0, 0, sizeof record);
    if (status != XEL_STATUS_OK)
        return status;
    status = xell_config_vport(ioc, vf_id, record.port_cfg.pwwn, record.port_cfg.nwwn, symname.c_str(),
                               record.port_cfg.roles, false);
    // The kernel and the file must not disagree: undo a port not recorded.
    if (status != XEL_STATUS_OK)
        vport_request(ioc, XEL_CMD_VPORT_DELETE, vf_id, record.port_cfg.pwwn, record.port_cfg.nwwn);
    return status;
}

xel_status_t xell_vport_delete(xell_t *ioc, uint16_t vf_id, wwn_t vpwwn, wwn_t vnwwn)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_status_t status = vport_request(ioc, XEL_CMD_VPORT_DELETE, vf_id, vpwwn, vnwwn);
    if (status != XEL_STATUS_OK)
        return status;
    return xell_config_vport(ioc, vf_id, vpwwn, 0, "", 0, true);
}

xel_status_t xell_vport_start(xell_t *ioc, uint16_t vf_id, wwn_t vpwwn)
{
    return ioc == nullptr ? XEL_STATUS_FAILED : vport_request(ioc, XEL_CMD_VPORT_START, vf_id, vpwwn, 0);
}

xel_status_t xell_vport_stop(xell_t *ioc, uint16_t vf_id, wwn_t vpwwn)
{
    return ioc == nullptr ? XEL_STATUS_FAILED : vport_request(ioc, XEL_CMD_VPORT_STOP, vf_id, vpwwn, 0);
}

xel_status_t xell_vport_get_stats(xell_t *ioc, uint16_t vf_id, wwn_t vpwwn, const xell_stats_t **desc,
                                  xel_vport_stats_t *stats)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_ioctl_vport_stats_t record{};
    record.vf_id = vf_id;
    record.vpwwn = vpwwn;
    xel_status_t status = xell_request(ioc, XEL_CMD_VPORT_GET_STATS, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK) {
        *stats = record.stats;
        *desc = &xell_xel_vport_stats;
    }
    return status;
}

xel_status_t xell_vport_reset_stats(xell_t *ioc, uint16_t vf_id, wwn_t vpwwn)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_ioctl_vport_reset_stats_t record{};
    record.vf_id = vf_id;
    record.vpwwn = vpwwn;
    return xell_request(ioc, XEL_CMD_VPORT_RESET_STATS, &record, 0, 0, sizeof record);
}
