#include "sim_model_state.h"

#include <nlohmann/json.hpp>

#include <string>

using json = nlohmann::ordered_json;

namespace {

json counters_to_json(const std::map<uint32_t, uint64_t> &counters)
{
    json obj = json::object();
    for (const auto &[offset, value] : counters)
        obj[std::to_string(offset)] = value;
    return obj;
}

std::map<uint32_t, uint64_t> counters_from_json(const json &obj)
{
    std::map<uint32_t, uint64_t> counters;
    for (const auto &item : obj.items())
        counters[static_cast<uint32_t>(std::stoul(item.key()))] = item.value().get<uint64_t>();
    return counters;
}

} // namespace

void sim_phy_to_json(const sim_phy_state &phy, json *obj)
{
    (*obj)["phy"] = {{"present", phy.present}, {"fw_ver", phy.fw_ver}, {"stats", counters_to_json(phy.stats)}};
}

void sim_phy_from_json(const json &obj, sim_phy_state *phy)
{
    if (!obj.contains("phy"))
        return;
    const json &p = obj.at("phy");
    phy->present = p.at("present");
    phy->fw_ver = p.at("fw_ver");
    phy->stats = counters_from_json(p.at("stats"));
}

void sim_function_models_to_json(const sim_function_models &m, json *obj)
{
    (*obj)["ipfc"] = {{"enabled", m.ipfc.enabled}, {"mtu", m.ipfc.mtu}, {"stats", counters_to_json(m.ipfc.stats)}};
    (*obj)["auth"] = {{"policy", m.auth.policy}, {"algo", m.auth.algo},     {"group", m.auth.group},
                      {"source", m.auth.source}, {"secret", m.auth.secret}, {"stats", counters_to_json(m.auth.stats)}};
    json levels = json::object();
    for (const auto &[module, level] : m.log_levels)
        levels[std::to_string(module)] = level;
    (*obj)["log_levels"] = levels;
    sim_aen_to_json(m.aen, obj);
    (*obj)["debug"] = {{"drv_trace", m.debug.drv_trace}, {"fw_saved_clear", m.debug.fw_saved_clear}, {"plog_cleared", m.debug.plog_cleared}};
    json vports = json::array();
    for (const sim_vport &v : m.vports.list)
        vports.push_back({{"pwwn", v.pwwn}, {"nwwn", v.nwwn}, {"number", v.number}, {"preboot", v.preboot},
                          {"stats_cleared", v.stats_cleared}, {"stopped", v.stopped}});
    (*obj)["vports"] = {{"list", vports}, {"next", m.vports.next}};
    json masks = json::array();
    for (const sim_lun_mask &e : m.fcpim.masks)
        masks.push_back({{"lp_wwn", e.lp_wwn}, {"rp_wwn", e.rp_wwn}, {"lun", e.lun}});
    const sim_fcpim_state &f = m.fcpim;
    (*obj)["fcpim"] = {{"path_tov", f.path_tov},         {"q_depth", f.q_depth},           {"profile", f.profile},
                       {"lunmask", f.lunmask},           {"masks", masks},                 {"throttle_cur", f.throttle_cur},
                       {"throttle_cfg", f.throttle_cfg}};
}

void sim_function_models_from_json(const json &obj, sim_function_models *m)
{
    if (obj.contains("ipfc")) {
        const json &i = obj.at("ipfc");
        m->ipfc.enabled = i.at("enabled");
        m->ipfc.mtu = i.at("mtu");
        m->ipfc.stats = counters_from_json(i.at("stats"));
    }
    if (obj.contains("auth")) {
        const json &a = obj.at("auth");
        m->auth.policy = a.at("policy");
        m->auth.algo = a.at("algo");
        m->auth.group = a.at("group");
        m->auth.source = a.at("source");
        m->auth.secret = a.at("secret").get<std::vector<uint32_t>>();
        m->auth.stats = counters_from_json(a.at("stats"));
    }
    if (obj.contains("log_levels"))
        for (const auto &item : obj.at("log_levels").items())
            m->log_levels[std::stoi(item.key())] = item.value().get<uint32_t>();
    sim_aen_from_json(obj, &m->aen);
    if (obj.contains("debug")) {
        m->debug.drv_trace = obj.at("debug").at("drv_trace");
        m->debug.fw_saved_clear = obj.at("debug").at("fw_saved_clear");
        m->debug.plog_cleared = obj.at("debug").value("plog_cleared", false);
    }
    if (obj.contains("vports")) {
        const json &v = obj.at("vports");
        m->vports.next = v.at("next");
        for (const json &e : v.at("list"))
            m->vports.list.push_back(
                {e.at("pwwn"), e.at("nwwn"), e.at("number"), e.at("preboot"), e.at("stats_cleared"),
                 e.value("stopped", false)});
    }
    if (obj.contains("fcpim")) {
        const json &f = obj.at("fcpim");
        sim_fcpim_state &to = m->fcpim;
        to.path_tov = f.at("path_tov");
        to.q_depth = f.at("q_depth");
        to.profile = f.at("profile");
        to.lunmask = f.at("lunmask");
        for (const json &e : f.at("masks"))
            to.masks.push_back({e.at("lp_wwn"), e.at("rp_wwn"), e.at("lun")});
        to.throttle_cur = f.at("throttle_cur");
        to.throttle_cfg = f.at("throttle_cfg");
    }
}
