#include "xell_auth.h"

#include "xell_request.h"

#include <cstring>

namespace {

xel_status_t xell_auth_set(xell_t *ioc, uint32_t cmd, uint32_t value)
{
    xel_ioctl_auth_set_t record{};
    record.value = value;
    return xell_request(ioc, cmd, &record, 0, 0, sizeof record);
}

} // namespace

xel_status_t xell_auth_get_attr(xell_t *ioc, xel_auth_attr_t *attr)
{
    xel_ioctl_auth_attr_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_AUTH_GET_ATTR, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK)
        *attr = record.attr;
    return status;
}

xel_status_t xell_auth_get_stats(xell_t *ioc, xel_auth_stats_t *stats)
{
    xel_ioctl_auth_stats_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_AUTH_GET_STATS, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK)
        *stats = record.stats;
    return status;
}

xel_status_t xell_auth_reset_stats(xell_t *ioc)
{
    return xell_header_request(ioc, XEL_CMD_AUTH_RESET_STATS, 0, 0, 8);
}

xel_status_t xell_auth_reinit(xell_t *ioc)
{
    return xell_header_request(ioc, XEL_CMD_AUTH_REINIT, 0, 0, 8);
}

xel_status_t xell_auth_set_policy(xell_t *ioc, bool on)
{
    return xell_config_persist_if(xell_auth_set(ioc, XEL_CMD_AUTH_SET_POLICY, on ? 1 : 0),
                                  [&] { xell_config_auth_policy(ioc, on); });
}

xel_status_t xell_auth_set_algo(xell_t *ioc, uint32_t algo)
{
    return xell_config_persist_if(xell_auth_set(ioc, XEL_CMD_AUTH_SET_ALGO, algo),
                                  [&] { xell_config_auth_algo(ioc, static_cast<int>(algo)); });
}

xel_status_t xell_auth_set_group(xell_t *ioc, uint32_t group)
{
    return xell_config_persist_if(xell_auth_set(ioc, XEL_CMD_AUTH_SET_GROUP, group),
                                  [&] { xell_config_auth_group(ioc, static_cast<int>(group)); });
}

xel_status_t xell_auth_set_secretsource(xell_t *ioc, uint32_t source)
{
    return xell_config_persist_if(xell_auth_set(ioc, XEL_CMD_AUTH_SET_SECRETSOURCE, source),
                                  [&] { xell_config_auth_secretsource(ioc, static_cast<int>(source)); });
}

xel_status_t xell_auth_set_secretstring(xell_t *ioc, const char *secret)
{
    xel_ioctl_auth_secret_t record{};
    if (!xell_encrypt_string(secret, record.encrypt))
        return XEL_STATUS_EINVAL;
    size_t len = std::strlen(secret);
    record.len = static_cast<uint16_t>(len);
    std::memcpy(record.secret, secret, len);
    xel_status_t status = xell_request(ioc, XEL_CMD_AUTH_SET_SECRETSTRING, &record, 0, 0, sizeof record);
    if (status != XEL_STATUS_OK)
        return status;
    return xell_config_persist([&] { xell_config_auth_secretstring(ioc, std::span(record.encrypt, len)); });
}

xel_status_t xell_auth_set_encryptstring(xell_t *ioc, const uint32_t *words, size_t count)
{
    if (count > XEL_AUTH_SECRET_MAX)
        return XEL_STATUS_EINVAL;
    xel_ioctl_auth_secret_t record{};
    record.len = static_cast<uint16_t>(count);
    std::memcpy(record.encrypt, words, count * sizeof *words);
    return xell_request(ioc, XEL_CMD_AUTH_SET_SECRETSTRING, &record, 0, 0, sizeof record);
}

uint32_t xell_power(uint32_t base, uint32_t exp, uint32_t mod)
{
    uint32_t result = 1;
    while (exp != 0) {
        if ((exp & 1) != 0)
            result = result * base % mod;
        base = base * base % mod;
        exp >>= 1;
    }
    return result;
}

bool xell_encrypt_string(const char *str, uint32_t words[XEL_AUTH_SECRET_MAX])
{
    size_t len = std::strlen(str);
    if (len > XEL_AUTH_SECRET_MAX)
        return false;
    // Bytes above 127 would enter as negative numbers and wrap the 32-bit
    // arithmetic: refused before anything is computed.
    for (size_t i = 0; i < len; i++)
        if (static_cast<unsigned char>(str[i]) > 127)
            return false;
    for (size_t i = 0; i < len; i++)
        words[i] = xell_power(static_cast<uint32_t>(static_cast<signed char>(str[i])), 27121, 31151);
    return true;
}
