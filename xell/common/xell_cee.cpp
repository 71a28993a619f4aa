#include "xell_cee.h"

#include "xell_request.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// The CEE reads: their data travels behind the record. Returns the
// transport's failure or the driver's status; *delivered says whether the
// request went through (the data is then the driver's).
xel_status_t xell_cee_read(xell_t *ioc, uint32_t cmd, void *data, uint32_t size, bool *delivered)
{
    xel_ioctl_cee_t record{};
    record.bufsz = size;
    xel_status_t status = xell_request_data(ioc, cmd, &record, data, size, 0, 0);
    *delivered = status == static_cast<xel_status_t>(record.status);
    return status;
}

} // namespace

xel_status_t xell_cee_get_attr(xell_t *ioc, xel_cee_attr_t *attr)
{
    if (ioc->ioc_type == XEL_IOC_TYPE_FC)
        return XEL_STATUS_CMD_NOTSUPP;
    xel_cee_attr_t data{};
    bool delivered = false;
    xel_status_t status = xell_cee_read(ioc, XEL_CMD_CEE_GET_ATTR, &data, sizeof data, &delivered);
    // The attributes go to the caller whatever the driver answered: when
    // DCB is not up they say why.
    if (delivered)
        *attr = data;
    return status;
}

xel_status_t xell_cee_get_stats(xell_t *ioc, const xell_stats_t **desc, xel_cee_stats_t *stats)
{
    if (ioc->ioc_type == XEL_IOC_TYPE_FC)
        return XEL_STATUS_CMD_NOTSUPP;
    xel_cee_stats_t data{};
    bool delivered = false;
    xel_status_t status = xell_cee_read(ioc, XEL_CMD_CEE_GET_STATS, &data, sizeof data, &delivered);
    if (status == XEL_STATUS_OK) {
        *stats = data;
        *desc = &xell_xel_cee_stats;
    }
    return status;
}

xel_status_t xell_cee_reset_stats(xell_t *ioc)
{
    if (ioc->ioc_type == XEL_IOC_TYPE_FC)
        return XEL_STATUS_CMD_NOTSUPP;
    return xell_header_request(ioc, XEL_CMD_CEE_RESET_STATS, 0, 0, 8);
}

// ---- LLDP identifiers -------------------------------------------------------

namespace {

constexpr size_t lldp_value_size = sizeof(xel_cee_lldp_str_t::value);

// Appends to out, never past its 128 characters.
void xell_lldp_append(char *out, const char *format, unsigned value)
{
    size_t used = std::strlen(out);
    if (used + 1 < XELL_LLDP_TEXT_SIZE)
        std::snprintf(out + used, XELL_LLDP_TEXT_SIZE - used, format, value);
}

void xell_lldp_mac(const uint8_t *value, char *out)
{
    std::snprintf(out, XELL_LLDP_TEXT_SIZE, "%02x:%02x:%02x:%02x:%02x:%02x", value[0], value[1], value[2],
                  value[3], value[4], value[5]);
}

void xell_lldp_ipv4(const uint8_t *value, char *out)
{
    std::snprintf(out, XELL_LLDP_TEXT_SIZE, "%d:%d:%d:%d", value[0], value[1], value[2], value[3]);
}

// A value without a NUL stops at the end of its field.
void xell_lldp_text(const uint8_t *value, char *out)
{
    size_t n = std::min(strnlen(reinterpret_cast<const char *>(value), lldp_value_size), XELL_LLDP_TEXT_SIZE - 1);
    std::memcpy(out, value, n);
    out[n] = '\0';
}

} // namespace

void xell_dcb_get_chassis_id(uint8_t sub_type, const uint8_t *value, uint8_t len, char *out)
{
    std::memset(out, 0, XELL_LLDP_TEXT_SIZE);
    if (len == 0)
        return;
    if (sub_type == 4) {
        xell_lldp_mac(value, out);
    } else if (sub_type == 5) {
        // Byte 0 is the address family; the address follows.
        if (value[0] == 1) {
            xell_lldp_ipv4(value + 1, out);
        } else if (value[0] == 2) {
            for (size_t i = 1; i <= 16; i++)
                xell_lldp_append(out, i == 1 ? "%x" : (i % 2 == 1 ? ":%x" : "%x"), value[i]);
        } else {
            size_t end = std::min<size_t>(len, lldp_value_size);
            for (size_t i = 1; i < end; i++)
                xell_lldp_append(out, i == 1 ? "%02x" : ":%02x", value[i]);
        }
    } else {
        xell_lldp_text(value, out);
    }
}

void xell_dcb_get_port_id(uint8_t sub_type, const uint8_t *value, char *out)
{
    std::memset(out, 0, XELL_LLDP_TEXT_SIZE);
    if (sub_type == 3)
        xell_lldp_mac(value, out);
    else if (sub_type == 4)
        xell_lldp_ipv4(value, out);
    else
        xell_lldp_text(value, out);
}
