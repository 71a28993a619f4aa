// FC link authentication of a storage function: the policy, algorithm,
// DH group, secret source and secret the driver holds, and the state the
// last authentication with the fabric reached: none with the policy off,
// waiting without a link, failed when the fabric refuses the function
// (the topology's authfail) or no secret is set, else success.
#include "sim_port.h"
#include "xel_auth_records.h"

#include <algorithm>

namespace {

sim_auth_state &auth_of(sim_call &call)
{
    return call.st.models.auth;
}

void fill_attr(sim_call &call, xel_auth_attr_t *a)
{
    const sim_auth_state &auth = auth_of(call);
    const sim_port_state &port = sim_port_of(call);
    a->algo = auth.algo;
    a->dh_grp = auth.group;
    a->secret_set = auth.secret.empty() ? 0 : 1;
    if (!auth.policy) {
        a->status = XEL_AUTH_STATUS_NONE;
    } else if (!sim_port_has_link(port)) {
        a->status = XEL_AUTH_UNINIT;
    } else if (port.authfail || auth.secret.empty()) {
        a->status = XEL_AUTH_FAILED;
        a->rjt_code = XEL_AUTH_RJT_CODE_AUTH_FAILURE;
        a->rjt_code_exp = XEL_AUTH_AUTH_FAILED;
    } else {
        a->status = XEL_AUTH_SUCCESS;
    }
}

bool valid_group(uint32_t group)
{
    return group == XEL_AUTH_GROUP_DHNULL || group == XEL_AUTH_GROUP_DH768 || group == XEL_AUTH_GROUP_DH1024 ||
           group == XEL_AUTH_GROUP_DH1280 || group == XEL_AUTH_GROUP_DH1536 || group == XEL_AUTH_GROUP_ALL;
}

// A one-word setting; valid says which values the driver takes.
template <typename Valid, typename Set>
int32_t set_word(sim_call &call, Valid valid, Set set)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    uint32_t value = load<xel_ioctl_auth_set_t>(call).value;
    if (!valid(value))
        return XEL_STATUS_EINVAL;
    set(auth_of(call), value);
    call.changed = true;
    return XEL_STATUS_OK;
}

} // namespace

int32_t sim_auth_get_attr(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = answer_record<xel_ioctl_auth_attr_t>(call);
    fill_attr(call, &record.attr);
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_auth_get_stats(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = answer_record<xel_ioctl_auth_stats_t>(call);
    sim_put_counters(auth_of(call).stats, reinterpret_cast<uint8_t *>(&record.stats), sizeof record.stats,
                     sizeof(uint32_t));
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_auth_reset_stats(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auth_of(call).stats.clear();
    call.changed = true;
    return XEL_STATUS_OK;
}

int32_t sim_auth_reinit(sim_call &call)
{
    return call.fn().storage() ? XEL_STATUS_OK : XEL_STATUS_CMD_NOTSUPP;
}

int32_t sim_auth_set_policy(sim_call &call)
{
    return set_word(
        call, [](uint32_t v) { return v <= 1; }, [](sim_auth_state &a, uint32_t v) { a.policy = v != 0; });
}

int32_t sim_auth_set_algo(sim_call &call)
{
    return set_word(
        call, [](uint32_t v) { return v >= XEL_AUTH_ALGO_MD5 && v <= XEL_AUTH_ALGO_SM; },
        [](sim_auth_state &a, uint32_t v) { a.algo = v; });
}

int32_t sim_auth_set_group(sim_call &call)
{
    return set_word(call, valid_group, [](sim_auth_state &a, uint32_t v) { a.group = v; });
}

int32_t sim_auth_set_secretsource(sim_call &call)
{
    return set_word(
        call, [](uint32_t v) { return v >= XEL_AUTH_SECSRC_LOCAL && v <= XEL_AUTH_SECSRC_TACACS; },
        [](sim_auth_state &a, uint32_t v) { a.source = v; });
}

// The driver keeps the encoded words; their count must fit the array.
int32_t sim_auth_set_secret(sim_call &call)
{
    if (!call.fn().storage())
        return XEL_STATUS_CMD_NOTSUPP;
    auto record = load<xel_ioctl_auth_secret_t>(call);
    if (record.len == 0 || record.len > XEL_AUTH_SECRET_MAX)
        return XEL_STATUS_EINVAL;
    auth_of(call).secret.assign(record.encrypt, record.encrypt + record.len);
    call.changed = true;
    return XEL_STATUS_OK;
}
