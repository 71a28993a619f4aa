// The firmware's built-in tests and the port LEDs: memory test, FC and
// Ethernet loopback, the firmware ping, the request queue test, the LED
// test, the beacon and the temperature sensors. A test that an injected
// result fault meets runs and reports that status in its result record,
// with the errors it would have found.
#include "sim_port.h"

#include "xel_diag_records.h"

#include <bit>

namespace {

bool operational(const sim_call &call)
{
    return call.st.ioc_state == XEL_IOC_OPERATIONAL;
}

uint32_t from_big_endian(uint32_t value)
{
    if constexpr (std::endian::native == std::endian::little)
        return __builtin_bswap32(value);
    return value;
}

// A port loops back only while it is disabled; a cable loopback needs the
// cable looped back to the port.
int32_t loopback_refusal(const sim_call &call, uint32_t opmode)
{
    if (!operational(call))
        return XEL_STATUS_IOC_NON_OP;
    const sim_port_state &port = sim_port_of(call);
    if (port.enabled || port.in_transit)
        return XEL_STATUS_PORT_NOT_DISABLED;
    if (opmode != XEL_PORT_OPMODE_LB_INT && opmode != XEL_PORT_OPMODE_LB_EXT && opmode != XEL_PORT_OPMODE_LB_CBL)
        return XEL_STATUS_EINVAL;
    return XEL_STATUS_OK;
}

xel_diag_loopback_result_t loopback_result(const sim_call &call, uint32_t opmode, uint32_t count)
{
    xel_diag_loopback_result_t r{};
    r.numtxmfrm = count;
    r.numrcvfrm = count;
    if (opmode == XEL_PORT_OPMODE_LB_CBL && !sim_port_of(call).loopback) {
        r.numrcvfrm = 0; // nothing comes back on an open cable
        r.status = XEL_STATUS_FAILED;
    }
    if (call.result_fault != 0) {
        r.numrcvfrm = count - 1;
        r.badfrmnum = 1;
        r.badfrminf = 0x10;
        r.status = static_cast<uint8_t>(call.result_fault);
    }
    return r;
}

} // namespace

int32_t sim_diag_loopback(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = load<xel_ioctl_diag_loopback_t>(call);
    if (int32_t refusal = loopback_refusal(call, record.opmode))
        return refusal;
    if (record.speed != XEL_PORT_SPEED_AUTO && !sim_sfp_supports(call, record.speed))
        return XEL_STATUS_UNSUPP_SPEED;
    record.result = loopback_result(call, record.opmode, from_big_endian(record.lpcnt));
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_diag_eth_loopback(sim_call &call)
{
    if (call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = load<xel_ioctl_diag_eth_loopback_t>(call);
    if (record.opmode == XEL_PORT_OPMODE_LB_INT)
        return XEL_STATUS_EINVAL;
    if (int32_t refusal = loopback_refusal(call, record.opmode))
        return refusal;
    record.result = loopback_result(call, record.opmode, record.lpcnt);
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_diag_get_lb_status(sim_call &call)
{
    return operational(call) ? XEL_STATUS_OK : XEL_STATUS_IOC_NON_OP;
}

// The memory test takes the adapter's memory for itself: every function
// of the adapter must be disabled first.
int32_t sim_diag_memtest(sim_call &call)
{
    for (const auto &fn : call.adapter().functions)
        if (call.host.functions.at(fn.pci).ioc_state != XEL_IOC_DISABLED)
            return XEL_STATUS_ADAPTER_ENABLED;
    auto record = load<xel_ioctl_diag_memtest_t>(call);
    record.result = {};
    record.result.algo = 2; // march-Y, the last one run
    if (call.result_fault != 0) {
        record.result.status = static_cast<uint32_t>(call.result_fault);
        record.result.addr = record.result.err_addr = 0x00400100;
        record.result.exp = 0xa5a5a5a5;
        record.result.act = 0xa5a4a5a5;
        record.result.err_status = 0x1;
    }
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_diag_fwping(sim_call &call)
{
    if (!operational(call))
        return XEL_STATUS_IOC_NON_OP;
    auto record = load<xel_ioctl_diag_fwping_t>(call);
    record.result = {};
    record.result.data = record.pattern;
    if (call.result_fault != 0) {
        record.result.data = ~record.pattern;
        record.result.status = static_cast<uint32_t>(call.result_fault);
        record.result.dmastatus = 1;
    }
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_diag_queuetest(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    if (!operational(call))
        return XEL_STATUS_IOC_NON_OP;
    auto record = load<xel_ioctl_diag_qtest_t>(call);
    if (record.queue > 4)
        return XEL_STATUS_EINVAL;
    record.result = {};
    record.result.queue = static_cast<uint8_t>(record.queue);
    record.result.count = 16; // requests sent through each queue
    if (call.result_fault != 0) {
        record.result.status = static_cast<uint32_t>(call.result_fault);
        record.result.count = 15;
    }
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_diag_led_test(sim_call &call)
{
    if (!operational(call))
        return XEL_STATUS_IOC_NON_OP;
    const xel_diag_ledtest_t led = load<xel_ioctl_diag_led_t>(call).ledtest;
    bool known_cmd = led.cmd == XEL_LED_OFF || led.cmd == XEL_LED_ON || led.cmd == XEL_LED_BLINK;
    if (!known_cmd || led.color > 1 || led.led == 0 || led.led > 7)
        return XEL_STATUS_EINVAL;
    return XEL_STATUS_OK;
}

// The port LED beacons, alone or with the switch port at the far end; the
// port attributes show it.
int32_t sim_diag_beacon(sim_call &call)
{
    auto record = load<xel_ioctl_diag_beacon_t>(call);
    sim_port_state &port = sim_port_of(call);
    port.beacon = record.beacon != 0;
    port.link_e2e_beacon = record.link_e2e_beacon != 0;
    port.beacon_seconds = port.beacon ? record.second : 0;
    port.beacon_until_ms = port.beacon ? sim_beacon_end_ms(record.second) : 0;
    call.changed = true;
    return XEL_STATUS_OK;
}

int32_t sim_diag_tsensor_query(sim_call &call)
{
    auto record = answer_record<xel_ioctl_diag_temp_t>(call);
    record.result.temp = call.adapter().temp_junction;
    record.result.brd_temp = call.adapter().temp_board;
    record.result.ts_junc = 1;
    record.result.ts_brd = 1;
    record.result.status = static_cast<uint32_t>(call.result_fault);
    store(call, record);
    return XEL_STATUS_OK;
}
