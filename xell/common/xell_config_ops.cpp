// Per-setting entry points: each records one accepted change in the record
// of one IOC (or adapter). The caller holds the lock of a successful load.

#include "xell_config_internal.h"
#include "xell_ioc.h"

#include <cstring>

namespace {

// The port settings live in an FC function's record; an Ethernet function
// has none, and its settings are not kept.
xell_ioc_config_t *record_of(const xell_t *xell)
{
    if (!xell_ioc_is_storage(xell))
        return nullptr;
    int idx = xell_config_ioc_lookup(xell->pwwn);
    return idx == -1 ? nullptr : &xell_cfg().ioc[static_cast<size_t>(idx)];
}

// A record that leaves the value the global line gives it ends the global
// form: from then on every record is written with its own line.
void global_check(int setting, bool differs)
{
    if (differs)
        xell_cfg_flag_clear(xell_cfg().config_all, setting);
}

void set_flag(xell_ioc_config_t &rec, int setting, bool on)
{
    if (on)
        xell_cfg_flag_set(rec.flags, setting);
    else
        xell_cfg_flag_clear(rec.flags, setting);
}

// The common order: global check, flag by the default, store.
void set_value(const xell_t *xell, int setting, int64_t value, int64_t default_value)
{
    xell_ioc_config_t *rec = record_of(xell);
    if (rec == nullptr)
        return;
    global_check(setting, xell_cfg_get_int(setting, *rec) != value);
    set_flag(*rec, setting, value != default_value);
    xell_cfg_set_int(setting, *rec, value);
}

std::string roles_text(uint32_t roles)
{
    static constexpr const char *names[] = {"IM", "TM", "IP"};
    std::string text;
    for (int bit = 0; bit < 3; bit++) {
        if (roles & (1U << bit)) {
            if (!text.empty())
                text += " + ";
            text += names[bit];
        }
    }
    return text;
}

// A comma would split the name into the entry's later fields.
bool bad_symname(const char *sym_name)
{
    return sym_name == nullptr || xell_cfg_text_refused(XELL_CFG_VPORT, sym_name) ||
           std::strchr(sym_name, ',') != nullptr;
}

} // namespace

void xell_config_speed(const xell_t *xell, int speed)
{
    set_value(xell, XELL_CFG_SPEED, speed == XELL_CFG_SPEED_AUTO ? 0 : speed, 0);
}

void xell_config_topology(const xell_t *xell, int topo)
{
    set_value(xell, XELL_CFG_TOPOLOGY, topo, 0);
}

void xell_config_alpa(const xell_t *xell, uint8_t alpa, bool mode)
{
    if (xell_ioc_config_t *rec = record_of(xell)) {
        set_flag(*rec, XELL_CFG_ALPA, mode);
        rec->alpa = alpa;
    }
}

void xell_config_maxfrsz(const xell_t *xell, uint16_t maxfrsz)
{
    set_value(xell, XELL_CFG_MAXFRSZ, maxfrsz, 2112);
}

void xell_config_trunk(const xell_t *xell, uint32_t pp_bmap, bool mode)
{
    if (xell_ioc_config_t *rec = record_of(xell)) {
        global_check(XELL_CFG_TRUNK, rec->trunking != pp_bmap);
        set_flag(*rec, XELL_CFG_TRUNK, mode);
        rec->trunking = pp_bmap;
    }
}

void xell_config_enable(const xell_t *xell, bool enable)
{
    set_value(xell, XELL_CFG_ENABLE, enable, true);
}

void xell_config_ipfc_enable(const xell_t *xell, bool enable)
{
    set_value(xell, XELL_CFG_IPFC_ENABLE, enable, true);
}

void xell_config_log_level(const xell_t *xell, int log_level)
{
    set_value(xell, XELL_CFG_LOG, log_level, 0);
}

void xell_config_vf_mode(const xell_t *xell, uint16_t vf_id, bool mode)
{
    set_value(xell, XELL_CFG_VF_ENABLE, mode, false);
    set_value(xell, XELL_CFG_VF_DEFAULT, vf_id, 1);
}

void xell_config_vf_list(const xell_t *xell, uint16_t vf_id, bool mode)
{
    xell_ioc_config_t *rec = record_of(xell);
    if (rec == nullptr)
        return;
    auto bit = static_cast<uint16_t>(1U << (vf_id % 32));
    global_check(XELL_CFG_VF_LIST, ((rec->vf_list & bit) != 0) != mode);
    if (mode)
        rec->vf_list = static_cast<uint16_t>(rec->vf_list | bit);
    else
        rec->vf_list = static_cast<uint16_t>(rec->vf_list & ~bit);
    set_flag(*rec, XELL_CFG_VF_LIST, rec->vf_list != 0);
}

void xell_config_auth_policy(const xell_t *xell, bool mode)
{
    set_value(xell, XELL_CFG_AUTH_POLICY, mode, false);
}

void xell_config_auth_algo(const xell_t *xell, int algo)
{
    set_value(xell, XELL_CFG_AUTH_ALGO, algo, 0);
}

void xell_config_auth_group(const xell_t *xell, int group)
{
    set_value(xell, XELL_CFG_AUTH_GROUP, group, 1);
}

void xell_config_auth_secretsource(const xell_t *xell, int source)
{
    set_value(xell, XELL_CFG_AUTH_SSOURCE, source, 1);
}

xel_status_t xell_config_auth_secretstring(const xell_t *xell, std::span<const uint32_t> encrypt_data)
{
    std::string text;
    for (uint32_t word : encrypt_data) {
        if (!text.empty())
            text += ',';
        text += std::to_string(static_cast<int32_t>(word));
    }
    // Cutting the list would store a different secret; refuse it whole.
    if (text.size() > XELL_CFG_SECRET_TEXT_MAX)
        return XEL_STATUS_EINVAL;
    xell_ioc_config_t *rec = record_of(xell);
    if (rec == nullptr)
        return XEL_STATUS_OK;
    global_check(XELL_CFG_AUTH_SSTRING, text != rec->authsstring);
    set_flag(*rec, XELL_CFG_AUTH_SSTRING, !text.empty());
    xell_cfg_copy_text(rec->authsstring, text);
    return XEL_STATUS_OK;
}

void xell_config_fcpim(const xell_t *xell, uint16_t pathtov)
{
    set_value(xell, XELL_CFG_PATHTOV, pathtov, 0);
}

void xell_config_qdepth(const xell_t *xell, uint16_t qdepth)
{
    set_value(xell, XELL_CFG_QDEPTH, qdepth, 0);
}

void xell_config_qos(const xell_t *xell, bool mode)
{
    set_value(xell, XELL_CFG_QOS, mode, false);
}

void xell_config_ratelim(const xell_t *xell, bool mode)
{
    set_value(xell, XELL_CFG_RATELIM, mode, false);
}

void xell_config_defspeed(const xell_t *xell, int speed)
{
    // Automatic is stored as 0, which is not the default (1 Gbit/s).
    set_value(xell, XELL_CFG_DEFSPEED, speed == XELL_CFG_SPEED_AUTO ? 0 : speed, 1);
}

void xell_config_pbind(const xell_t *xell, bool mode)
{
    set_value(xell, XELL_CFG_BINDING, mode, false);
}

void xell_config_iocfc_intr(const xell_t *xell, bool coalesce, uint16_t delay, uint16_t latency)
{
    xell_ioc_config_t *rec = record_of(xell);
    if (rec == nullptr)
        return;
    global_check(XELL_CFG_COALESCE, rec->coalesce != coalesce);
    global_check(XELL_CFG_DELAY, rec->delay != delay);
    global_check(XELL_CFG_LATENCY, rec->latency != latency);
    bool defaults = delay == 1125 && latency == 225;
    set_flag(*rec, XELL_CFG_COALESCE, !coalesce);
    set_flag(*rec, XELL_CFG_DELAY, !(defaults || (!coalesce && delay == 0)));
    set_flag(*rec, XELL_CFG_LATENCY, !(defaults || (!coalesce && latency == 0)));
    rec->coalesce = coalesce;
    if (coalesce) {
        rec->delay = delay;
        rec->latency = latency;
    }
}

xel_status_t xell_config_ad_name(const char *serialnum, const char *name)
{
    if (xell_cfg_text_refused(XELL_CFG_AD_NAME, name))
        return XEL_STATUS_EINVAL;
    int idx = xell_config_ad_lookup(serialnum);
    if (idx == -1)
        return XEL_STATUS_OK;
    xell_ad_config_t &rec = xell_cfg().ad[static_cast<size_t>(idx)];
    if (name[0] != '\0')
        xell_cfg_flag_set(rec.flags, XELL_CFG_AD_NAME);
    else
        xell_cfg_flag_clear(rec.flags, XELL_CFG_AD_NAME);
    xell_cfg_copy_text(rec.name, name);
    return XEL_STATUS_OK;
}

void xell_config_ad_trunk(const char *serialnum, bool mode)
{
    int idx = xell_config_ad_lookup(serialnum);
    if (idx == -1)
        return;
    xell_ad_config_t &rec = xell_cfg().ad[static_cast<size_t>(idx)];
    if (mode)
        xell_cfg_flag_set(rec.flags, XELL_CFG_AD_TRUNK);
    else
        xell_cfg_flag_clear(rec.flags, XELL_CFG_AD_TRUNK);
    rec.ad_trunk = mode;
}

xel_status_t xell_config_check_ioc_name(const xell_t *xell, const char *name)
{
    return xell_cfg_text_refused(xell_ioc_is_storage(xell) ? XELL_CFG_NAME : XELL_CFG_ETHNAME, name)
               ? XEL_STATUS_EINVAL
               : XEL_STATUS_OK;
}

xel_status_t xell_config_ioc_name(const xell_t *xell, const char *name)
{
    bool fc = xell_ioc_is_storage(xell);
    if (xell_config_check_ioc_name(xell, name) != XEL_STATUS_OK)
        return XEL_STATUS_EINVAL;
    int idx = fc ? xell_config_ioc_lookup(xell->pwwn) : xell_config_ethioc_lookup(xell->mac);
    if (idx == -1)
        return XEL_STATUS_OK;
    xell_ioc_config_t &rec = xell_cfg().ioc[static_cast<size_t>(idx)];
    int setting = fc ? XELL_CFG_NAME : XELL_CFG_ETHNAME;
    set_flag(rec, setting, name[0] != '\0');
    xell_cfg_copy_text(fc ? std::span<char>(rec.name) : std::span<char>(rec.ethname), name);
    return XEL_STATUS_OK;
}

xel_status_t xell_config_vport_add(const xell_t *xell, uint16_t vf_id, wwn_t vpwwn, wwn_t vnwwn,
                                   const char *sym_name, uint32_t roles)
{
    if (bad_symname(sym_name))
        return XEL_STATUS_EINVAL;
    int idx = xell_config_ioc_lookup(xell->pwwn);
    if (idx == -1)
        return XEL_STATUS_OK;
    std::string text = xell_cfg_wwn_text(vpwwn) + "," + xell_cfg_wwn_text(vnwwn) + ",\"" + sym_name + "\"," +
                       roles_text(roles) + "," + std::to_string(vf_id);
    xell_config_set_vportdata(idx, text);
    return XEL_STATUS_OK;
}

void xell_config_vport_del(const xell_t *xell, wwn_t vpwwn)
{
    int idx = xell_config_ioc_lookup(xell->pwwn);
    if (idx == -1)
        return;
    std::string key = xell_cfg_wwn_text(vpwwn);
    std::lock_guard<std::mutex> guard(xell_cfg_vportmutex());
    std::vector<xell_vf_config_t> &list = xell_cfg().ioc[static_cast<size_t>(idx)].vport;
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (key == it->pwwn) {
            list.erase(it);
            return;
        }
    }
}

xel_status_t xell_config_check_vport_name(const char *sym_name)
{
    return bad_symname(sym_name) ? XEL_STATUS_EINVAL : XEL_STATUS_OK;
}

xel_status_t xell_config_vport(const xell_t *xell, uint16_t vf_id, wwn_t vpwwn, wwn_t vnwwn, const char *sym_name,
                               uint32_t roles, bool del)
{
    if (!del && bad_symname(sym_name))
        return XEL_STATUS_EINVAL;
    xel_status_t status = xell_config_load(xell_get_cfg_path());
    if (status != XEL_STATUS_OK)
        return status;
    if (del)
        xell_config_vport_del(xell, vpwwn);
    else
        xell_config_vport_add(xell, vf_id, vpwwn, vnwwn, sym_name, roles);
    return xell_config_commit(xell_get_cfg_path());
}
