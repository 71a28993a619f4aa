// Topology files: reading them with defaults and checks, writing them back.
#include "sim_topology.h"

#include "xel_bsg.h"
#include "xel_ioctl.h"
#include "xell_state.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <initializer_list>
#include <set>
#include <sstream>

using json = nlohmann::ordered_json;

const char *sim_function::driver() const
{
    return storage() ? "xel" : "kwo";
}

uint32_t sim_function::pci_function() const
{
    return static_cast<uint32_t>(pci.back() - '0');
}

std::vector<sim_function_ref> sim_driver_functions(const sim_topology &topology, const std::string &driver)
{
    std::vector<sim_function_ref> refs;
    for (size_t a = 0; a < topology.adapters.size(); a++)
        for (const auto &fn : topology.adapters[a].functions)
            if (fn.driver() == driver && !(fn.storage() && fn.host < 0))
                refs.push_back({a, &topology.adapters[a], &fn});
    std::sort(refs.begin(), refs.end(), [](auto &x, auto &y) { return x.function->pci < y.function->pci; });
    return refs;
}

// ---- identities as text ----

namespace {

std::string hex_bytes(const uint8_t *bytes, int count)
{
    std::string text;
    char part[4];
    for (int i = 0; i < count; i++) {
        std::snprintf(part, sizeof part, i ? ":%02x" : "%02x", bytes[i]);
        text += part;
    }
    return text;
}

bool parse_hex_bytes(const std::string &text, uint8_t *bytes, int count)
{
    if (text.size() != static_cast<size_t>(count * 3 - 1))
        return false;
    for (int i = 0; i < count; i++) {
        const char *p = text.c_str() + i * 3;
        if (!std::isxdigit(static_cast<unsigned char>(p[0])) || !std::isxdigit(static_cast<unsigned char>(p[1])))
            return false;
        if (i + 1 < count && p[2] != ':')
            return false;
        bytes[i] = static_cast<uint8_t>(std::stoul(std::string(p, 2), nullptr, 16));
    }
    return true;
}

} // namespace

std::string sim_wwn_text(wwn_t wwn)
{
    uint8_t bytes[8];
    std::memcpy(bytes, &wwn, sizeof bytes);
    return hex_bytes(bytes, 8);
}

bool sim_parse_wwn(const std::string &text, wwn_t *wwn)
{
    uint8_t bytes[8];
    if (!parse_hex_bytes(text, bytes, 8))
        return false;
    std::memcpy(wwn, bytes, sizeof bytes);
    return true;
}

std::string sim_mac_text(const mac_t &mac)
{
    return hex_bytes(mac.mac, 6);
}

bool sim_parse_mac(const std::string &text, mac_t *mac)
{
    return parse_hex_bytes(text, mac->mac, 6);
}

bool sim_valid_pci(const std::string &text)
{
    // dddd:bb:ss.f in lower-case hexadecimal, as sysfs names functions.
    static const char shape[] = "xxxx:xx:xx.x";
    if (text.size() != sizeof shape - 1)
        return false;
    for (size_t i = 0; i < text.size(); i++) {
        bool hex = std::isxdigit(static_cast<unsigned char>(text[i])) && !std::isupper(static_cast<unsigned char>(text[i]));
        if (shape[i] == 'x' ? !hex : text[i] != shape[i])
            return false;
    }
    return text.back() <= '7';
}

// ---- reading ----

namespace {

// Collects the first error with the place it was found at.
struct reader {
    std::string *error;
    bool ok = true;

    bool fail(const std::string &place, const std::string &what)
    {
        if (ok)
            *error = place + ": " + what;
        ok = false;
        return false;
    }

    bool only_keys(const json &obj, const std::string &place, std::initializer_list<const char *> keys)
    {
        if (!obj.is_object())
            return fail(place, "expected an object");
        for (const auto &item : obj.items())
            if (std::none_of(keys.begin(), keys.end(), [&](const char *k) { return item.key() == k; }))
                return fail(place, "unknown key \"" + item.key() + "\"");
        return true;
    }

    // A number, or a string holding one ("0x22" or "34").
    uint32_t number(const json &obj, const char *key, const std::string &place, uint32_t fallback, uint32_t max)
    {
        return static_cast<uint32_t>(number64(obj, key, place, fallback, max));
    }

    uint64_t number64(const json &obj, const char *key, const std::string &place, uint64_t fallback, uint64_t max)
    {
        if (!obj.contains(key))
            return fallback;
        const json &v = obj[key];
        uint64_t value = 0;
        if (v.is_number_integer() && v.get<int64_t>() >= 0) {
            value = v.get<uint64_t>();
        } else if (v.is_string()) {
            const std::string &s = v.get_ref<const std::string &>();
            char *end = nullptr;
            value = std::strtoull(s.c_str(), &end, 0);
            if (s.empty() || *end != '\0' || s[0] == '-') {
                fail(place + "." + key, "expected a number, got \"" + s + "\"");
                return fallback;
            }
        } else {
            fail(place + "." + key, "expected a non-negative number");
            return fallback;
        }
        if (value > max) {
            fail(place + "." + key, "out of range (at most " + std::to_string(max) + ")");
            return fallback;
        }
        return value;
    }

    std::string text(const json &obj, const char *key, const std::string &place, const std::string &fallback,
                     size_t max_len)
    {
        if (!obj.contains(key))
            return fallback;
        if (!obj[key].is_string()) {
            fail(place + "." + key, "expected a string");
            return fallback;
        }
        std::string value = obj[key].get<std::string>();
        if (value.size() > max_len)
            fail(place + "." + key, "longer than " + std::to_string(max_len) + " characters");
        return value;
    }

    bool flag(const json &obj, const char *key, const std::string &place, bool fallback)
    {
        if (!obj.contains(key))
            return fallback;
        if (!obj[key].is_boolean()) {
            fail(place + "." + key, "expected true or false");
            return fallback;
        }
        return obj[key].get<bool>();
    }
};

uint8_t pci_bus(const std::string &pci)
{
    return static_cast<uint8_t>(std::stoul(pci.substr(5, 2), nullptr, 16));
}

bool read_ioc_type(reader &r, const json &obj, const std::string &place, uint32_t *type)
{
    static const std::pair<const char *, uint32_t> names[] = {
        {"fc", XEL_IOC_TYPE_FC}, {"fcoe", XEL_IOC_TYPE_FCoE}, {"eth", XEL_IOC_TYPE_LL}};
    std::string word = r.text(obj, "type", place, "", 8);
    for (const auto &[name, value] : names)
        if (word == name) {
            *type = value;
            return true;
        }
    return r.fail(place + ".type", word.empty() ? "missing (fc, fcoe or eth)" : "\"" + word + "\" is not fc, fcoe or eth");
}

wwn_t default_wwn(uint8_t naa, const sim_function &fn)
{
    const uint8_t bytes[8] = {naa, 0x00, 0x00, 0x7a, 0x3c, pci_bus(fn.pci), static_cast<uint8_t>(fn.pci_function()),
                              static_cast<uint8_t>(fn.port)};
    wwn_t wwn;
    std::memcpy(&wwn, bytes, sizeof wwn);
    return wwn;
}

mac_t default_mac(const sim_function &fn)
{
    return mac_t{{0x00, 0x7a, 0x3c, pci_bus(fn.pci), static_cast<uint8_t>(0x10 + fn.pci_function()),
                  static_cast<uint8_t>(fn.port)}};
}

bool read_identity(reader &r, const json &obj, const std::string &place, sim_function *fn)
{
    if (fn->storage()) {
        std::string pwwn = r.text(obj, "pwwn", place, sim_wwn_text(default_wwn(0x10, *fn)), 23);
        std::string nwwn = r.text(obj, "nwwn", place, sim_wwn_text(default_wwn(0x20, *fn)), 23);
        if (!sim_parse_wwn(pwwn, &fn->pwwn))
            return r.fail(place + ".pwwn", "\"" + pwwn + "\" is not a WWN like 10:00:00:7a:3c:05:00:00");
        if (!sim_parse_wwn(nwwn, &fn->nwwn))
            return r.fail(place + ".nwwn", "\"" + nwwn + "\" is not a WWN like 20:00:00:7a:3c:05:00:00");
    } else if (obj.contains("pwwn") || obj.contains("nwwn")) {
        return r.fail(place, "an Ethernet function has no WWN");
    }
    if (fn->ioc_type == XEL_IOC_TYPE_FC) {
        if (obj.contains("mac"))
            return r.fail(place, "an FC function has no MAC address");
        return true;
    }
    std::string mac = r.text(obj, "mac", place, sim_mac_text(default_mac(*fn)), 17);
    if (!sim_parse_mac(mac, &fn->mac))
        return r.fail(place + ".mac", "\"" + mac + "\" is not a MAC address like 00:7a:3c:06:12:00");
    return true;
}

// The pre-boot configuration's LUNs: "PWWN,LUN" words, LUN in decimal.
bool read_pbc_luns(reader &r, const json &obj, const std::string &place, sim_function *fn)
{
    if (!obj.contains("pbc_luns"))
        return r.ok;
    const json &luns = obj.at("pbc_luns");
    std::string where = place + ".pbc_luns";
    if (!fn->storage())
        return r.fail(where, "only a storage function has a pre-boot configuration");
    if (!luns.is_array() || luns.size() > 8)
        return r.fail(where, "not a list of at most 8 \"PWWN,LUN\" words");
    for (const auto &item : luns) {
        std::string text = item.is_string() ? item.get<std::string>() : "";
        size_t comma = text.find(',');
        wwn_t wwn = 0;
        std::string number = comma == std::string::npos ? "" : text.substr(comma + 1);
        if (comma == std::string::npos || !sim_parse_wwn(text.substr(0, comma), &wwn) || number.empty() ||
            number.size() > 5 || number.find_first_not_of("0123456789") != std::string::npos ||
            std::stoul(number) > 0xFFFF)
            return r.fail(where, "\"" + text + "\" is not a word like 20:00:00:7a:3c:05:00:01,3");
        fn->pbc_luns.emplace_back(wwn, static_cast<uint16_t>(std::stoul(number)));
    }
    return r.ok;
}

// The pre-boot configuration's virtual ports: "PWWN" or "PWWN,NWWN" words
// (the function's node WWN when none is given), each WWN its own.
bool read_pbc_vports(reader &r, const json &obj, const std::string &place, sim_function *fn)
{
    if (!obj.contains("pbc_vports"))
        return r.ok;
    const json &vports = obj.at("pbc_vports");
    std::string where = place + ".pbc_vports";
    if (!fn->storage() || fn->host < 0)
        return r.fail(where, "only a bound storage function has pre-boot virtual ports");
    if (!vports.is_array() || vports.size() > 16)
        return r.fail(where, "not a list of at most 16 \"PWWN[,NWWN]\" words");
    for (const auto &item : vports) {
        std::string text = item.is_string() ? item.get<std::string>() : "";
        size_t comma = text.find(',');
        wwn_t pwwn = 0;
        wwn_t nwwn = fn->nwwn;
        bool ok = sim_parse_wwn(text.substr(0, comma), &pwwn) && pwwn != fn->pwwn &&
                  (comma == std::string::npos || sim_parse_wwn(text.substr(comma + 1), &nwwn));
        for (const auto &[p, n] : fn->pbc_vports)
            ok = ok && p != pwwn;
        if (!ok)
            return r.fail(where, "\"" + text + "\" is not a word like 21:00:00:7a:3c:05:10:00 with a WWN of its own");
        fn->pbc_vports.emplace_back(pwwn, nwwn);
    }
    return r.ok;
}

// What a function says about its port: its link, SFP, modes and settings.
bool read_port_shape(reader &r, const json &obj, const std::string &place, sim_function *fn)
{
    fn->link = r.flag(obj, "link", place, true);
    fn->loopback = r.flag(obj, "loopback", place, false);
    fn->sfp_media = r.number(obj, "sfp_media", place, XEL_SFP_MEDIA_SW, XEL_SFP_MEDIA_UNSUPPORT);
    fn->sfp_present = r.flag(obj, "sfp_present", place, true);
    fn->dport = r.flag(obj, "dport", place, false);
    fn->preboot_disabled = r.flag(obj, "preboot_disabled", place, false);
    bool fc = fn->ioc_type == XEL_IOC_TYPE_FC;
    if (fn->dport && !fc)
        return r.fail(place + ".dport", "only an FC function has a D-port mode");
    if (fn->preboot_disabled && !fc)
        return r.fail(place + ".preboot_disabled", "only an FC function's port is disabled by its pre-boot configuration");
    fn->authfail = r.flag(obj, "authfail", place, false);
    fn->qos = r.number(obj, "qos", place, 0, 255);
    fn->ratelimit = r.number(obj, "ratelimit", place, 0, 255);
    if (!fn->storage() && (obj.contains("authfail") || obj.contains("qos") || obj.contains("ratelimit")))
        return r.fail(place, "only a storage function has fabric authentication, QoS and rate limiting");
    fn->phy = r.flag(obj, "phy", place, true);
    fn->cee_reason = r.number(obj, "cee_reason", place, 0, 255);
    fn->cee_pfc_primap = r.number(obj, "cee_pfc_primap", place, 0x08, 255);
    fn->lldp_chassis_id = r.text(obj, "lldp_chassis_id", place, "", 127);
    fn->lldp_port_id = r.text(obj, "lldp_port_id", place, "", 127);
    if (fn->ioc_type == XEL_IOC_TYPE_FC &&
        (obj.contains("phy") || obj.contains("cee_reason") || obj.contains("cee_pfc_primap") || obj.contains("lldp_chassis_id") || obj.contains("lldp_port_id")))
        return r.fail(place, "only a converged or Ethernet function's port has a PHY and DCB");
    return read_pbc_luns(r, obj, place, fn);
}

// An interface name, as the driver reports it and sysfs lists it under the
// function's net/ directory. Linux keeps names to 15 characters; longer
// ones are let in to show how the port list cuts them.
bool read_eth_name(reader &r, const json &obj, const std::string &place, int eth_index, sim_function *fn)
{
    fn->eth_name = r.text(obj, "eth_name", place, "eth" + std::to_string(2 + eth_index), 63);
    if (fn->eth_name.empty() || fn->eth_name == "." || fn->eth_name == ".." ||
        fn->eth_name.find('/') != std::string::npos)
        return r.fail(place + ".eth_name", fn->eth_name.empty() ? "empty" : "\"" + fn->eth_name + "\" is not a file name");
    return r.ok;
}

bool read_function(reader &r, const json &obj, const std::string &place, int eth_index, sim_function *fn)
{
    if (!r.only_keys(obj, place, {"pci", "type", "port", "host", "bound", "pwwn", "nwwn", "mac", "eth_name", "enabled", "link",
                                   "dport", "preboot_disabled", "loopback", "authfail", "sfp_media", "sfp_present", "qos", "ratelimit",
                                   "roles", "phy", "cee_reason", "cee_pfc_primap", "lldp_chassis_id", "lldp_port_id", "pbc_luns",
                                   "pbc_vports", "io_rate", "byte_rate"}))
        return false;
    fn->pci = r.text(obj, "pci", place, "", 12);
    if (r.ok && !sim_valid_pci(fn->pci))
        return r.fail(place + ".pci", fn->pci.empty() ? "missing" : "\"" + fn->pci + "\" is not a PCI address like 0000:05:00.0");
    if (!read_ioc_type(r, obj, place, &fn->ioc_type))
        return false;
    if (!obj.contains("port"))
        return r.fail(place, "missing \"port\"");
    fn->port = r.number(obj, "port", place, 0, 15);
    fn->enabled = r.flag(obj, "enabled", place, true);
    if (!read_port_shape(r, obj, place, fn))
        return false;
    if (obj.contains("roles") && !fn->storage())
        return r.fail(place, "only a storage function has logical ports");
    fn->roles = r.number(obj, "roles", place, 1, 7);
    if (r.ok && fn->roles == 0)
        return r.fail(place + ".roles", "a logical port has at least one role (1, 2 or 4)");
    if (fn->storage()) {
        bool bound = r.flag(obj, "bound", place, true);
        fn->host = bound ? static_cast<int>(r.number(obj, "host", place, 0x7fffffff, 9999)) : -1;
    } else if (obj.contains("host") || obj.contains("bound")) {
        return r.fail(place, "an Ethernet function has no SCSI host");
    }
    if (fn->ioc_type == XEL_IOC_TYPE_LL) {
        if (!read_eth_name(r, obj, place, eth_index, fn))
            return false;
    } else if (obj.contains("eth_name")) {
        return r.fail(place, "only an Ethernet function has an interface name");
    }
    if ((obj.contains("io_rate") || obj.contains("byte_rate")) && !fn->storage())
        return r.fail(place, "only a storage function carries I/O traffic");
    fn->io_rate = r.number(obj, "io_rate", place, 0, UINT32_MAX);
    fn->byte_rate = r.number(obj, "byte_rate", place, 0, UINT32_MAX);
    return r.ok && read_identity(r, obj, place, fn) && read_pbc_vports(r, obj, place, fn);
}

// What an adapter is when its file leaves the model out: an FC HBA, a
// converged adapter (it has FCoE functions) or a NIC.
struct adapter_defaults {
    const char *model;
    const char *kind;
    uint32_t card_type;
    uint16_t device_id;
    uint16_t ssid;
    uint32_t max_speed;
    uint32_t cap_bm;
    uint32_t port_mode;
    const char *chip_rev;
    const char *hw_ver;
    char serial_letter;
};

const adapter_defaults &defaults_for(const std::vector<sim_function> &functions)
{
    static const adapter_defaults hba = {"XF1602", "FC HBA", 1602, 0x21, 0x0016, 16, XEL_CAP_STORAGE, 1, "C2", "Rev-C", 'F'};
    static const adapter_defaults cna = {"XC1002", "CNA", 1002, 0x22, 0x0010, 10, XEL_CAP_CONVERGED, 2, "B1", "Rev-B", 'C'};
    static const adapter_defaults nic = {"XN1002", "NIC", 1012, 0x22, 0x0011, 10, XEL_CAP_NETWORK, 3, "B1", "Rev-B", 'N'};
    bool fcoe = std::any_of(functions.begin(), functions.end(), [](auto &f) { return f.ioc_type == XEL_IOC_TYPE_FCoE; });
    bool fc = std::any_of(functions.begin(), functions.end(), [](auto &f) { return f.ioc_type == XEL_IOC_TYPE_FC; });
    return fcoe ? cna : fc ? hba : nic;
}

// The VPD's keywords, the FRU area and the PCI link. The keywords and the
// identity must fit the 512-byte VPD image beside the fixed ones.
void read_product_data(reader &r, const json &obj, const std::string &place, sim_adapter *ad)
{
    ad->vpd_part_number = r.text(obj, "vpd_part_number", place, "P" + ad->model + "-01", 16);
    ad->vpd_fru = r.text(obj, "vpd_fru", place, "", 16);
    ad->fru_size = r.number(obj, "fru_size", place, 10000, 0x100000);
    ad->prototype = r.flag(obj, "prototype", place, false);
    ad->serial_unprogrammed = r.flag(obj, "serial_unprogrammed", place, false);
    ad->pcie_gen = r.number(obj, "pcie_gen", place, 2, 255);
    ad->pcie_lanes = r.number(obj, "pcie_lanes", place, 8, 255);
    ad->pcie_lanes_orig = r.number(obj, "pcie_lanes_orig", place, 8, 255);
    ad->vpd_keywords.clear();
    if (!r.ok || !obj.contains("vpd_keywords"))
        return;
    const json &kws = obj["vpd_keywords"];
    if (!kws.is_object()) {
        r.fail(place + ".vpd_keywords", "expected an object of keyword texts");
        return;
    }
    size_t room = 512 - 153 - 4 * 3 - ad->vpd_part_number.size() - 1 - ad->serial.size() - 4 - 4 - 1;
    for (const auto &[key, value] : kws.items()) {
        bool name_ok = key.size() == 2 && std::isupper(static_cast<unsigned char>(key[0])) &&
                       std::isalnum(static_cast<unsigned char>(key[1])) && key != "RV" && key != "V0";
        if (!name_ok || !value.is_string() || value.get<std::string>().size() > 255) {
            r.fail(place + ".vpd_keywords." + key, "a keyword is two upper-case characters (not RV or V0) with a text of at most 255");
            return;
        }
        std::string text = value.get<std::string>();
        if (text.size() + 3 > room) {
            r.fail(place + ".vpd_keywords." + key, "the keywords do not fit the 512-byte VPD image");
            return;
        }
        room -= text.size() + 3;
        ad->vpd_keywords.emplace_back(key, text);
    }
}

void read_adapter_fields(reader &r, const json &obj, const std::string &place, size_t index, sim_adapter *ad)
{
    const adapter_defaults &d = defaults_for(ad->functions);
    char serial[32]; // room for any index the format can print
    std::snprintf(serial, sizeof serial, "TS%c%08zu", d.serial_letter, index + 1);
    uint32_t highest_port = 0;
    for (const auto &fn : ad->functions)
        highest_port = std::max(highest_port, fn.port);

    ad->serial = r.text(obj, "serial", place, serial, 11);
    ad->model = r.text(obj, "model", place, d.model, 15);
    ad->card_type = r.number(obj, "card_type", place, d.card_type, 0xffffffff);
    ad->device_id = static_cast<uint16_t>(r.number(obj, "device_id", place, d.device_id, 0xffff));
    ad->ssid = static_cast<uint16_t>(r.number(obj, "ssid", place, d.ssid, 0xffff));
    ad->ssvid = static_cast<uint16_t>(r.number(obj, "ssvid", place, XEL_PCI_VENDOR_ID, 0xffff));
    ad->max_speed = r.number(obj, "max_speed", place, d.max_speed, 255);
    ad->model_descr = r.text(obj, "model_descr", place,
                             "Tessary " + ad->model + " " + std::to_string(ad->max_speed) + "Gbps " + d.kind, 127);
    ad->chip_rev = r.text(obj, "chip_rev", place, d.chip_rev, 7);
    ad->hw_ver = r.text(obj, "hw_ver", place, d.hw_ver, 63);
    ad->fw_ver = r.text(obj, "fw_ver", place, "4.2.0.7", 63);
    ad->optrom_ver = r.text(obj, "optrom_ver", place, "4.2.0.7", 63);
    ad->driver_ver = r.text(obj, "driver_ver", place, "4.2.0.7", 63);
    ad->nports = r.number(obj, "nports", place, highest_port + 1, 16);
    ad->cna_capable = r.flag(obj, "cna_capable", place, d.port_mode != 1);
    ad->is_mezz = r.flag(obj, "is_mezz", place, false);
    ad->trunk_capable = r.flag(obj, "trunk_capable", place, d.port_mode == 1 && ad->nports == 2);
    ad->trunked = r.flag(obj, "trunked", place, false);
    if (r.ok && ad->trunked && !ad->trunk_capable)
        r.fail(place + ".trunked", "the adapter is not trunk capable");
    ad->cap_bm = r.number(obj, "cap_bm", place, d.cap_bm, 0xffffffff);
    ad->port_mode = r.number(obj, "port_mode", place, d.port_mode, 3);
    ad->vpd_vendor = r.number(obj, "vpd_vendor", place, 0x08, 255);
    ad->name = r.text(obj, "name", place, "", 63);
    read_product_data(r, obj, place, ad);
    ad->temp_junction = static_cast<uint16_t>(r.number(obj, "temp_junction", place, ad->temp_junction, 0x3ff));
    ad->temp_board = static_cast<uint16_t>(r.number(obj, "temp_board", place, ad->temp_board, 0xffff));
    if (r.ok && highest_port >= ad->nports)
        r.fail(place + ".nports", std::to_string(ad->nports) + " is not more than port " + std::to_string(highest_port));
}

bool read_adapter(reader &r, const json &obj, const std::string &place, size_t index, int *eth_count, sim_adapter *ad)
{
    if (!r.only_keys(obj, place,
                     {"serial", "model", "model_descr", "card_type", "device_id", "ssid", "ssvid", "chip_rev", "hw_ver",
                      "fw_ver", "optrom_ver", "driver_ver", "nports", "max_speed", "cna_capable", "is_mezz",
                      "trunk_capable", "trunked", "cap_bm", "port_mode", "vpd_vendor", "name", "temp_junction", "temp_board", "functions",
                      "vpd_part_number", "vpd_fru", "vpd_keywords", "fru_size", "prototype", "serial_unprogrammed",
                      "pcie_gen", "pcie_lanes", "pcie_lanes_orig"}))
        return false;
    if (!obj.contains("functions") || !obj["functions"].is_array() || obj["functions"].empty())
        return r.fail(place + ".functions", "expected a non-empty list of PCI functions");
    for (size_t i = 0; i < obj["functions"].size(); i++) {
        sim_function fn;
        const json &item = obj["functions"][i];
        if (!read_function(r, item, place + ".functions[" + std::to_string(i) + "]", *eth_count, &fn))
            return false;
        *eth_count += fn.ioc_type == XEL_IOC_TYPE_LL;
        ad->functions.push_back(fn);
    }
    std::sort(ad->functions.begin(), ad->functions.end(), [](auto &a, auto &b) { return a.pci < b.pci; });
    read_adapter_fields(r, obj, place, index, ad);
    return r.ok;
}

// Checks what spans adapters: unique addresses, hosts and names, one PCI
// bus per adapter (the library groups functions into adapters by bus), and
// every function's driver loaded. Hosts left open are numbered from 2.
bool check_topology(reader &r, sim_topology *topo)
{
    std::set<std::string> pcis, buses, eth_names;
    std::set<int> hosts;
    for (size_t a = 0; a < topo->adapters.size(); a++) {
        std::string place = "adapters[" + std::to_string(a) + "]";
        std::string bus = topo->adapters[a].functions.front().pci.substr(0, 7);
        if (!buses.insert(bus).second)
            return r.fail(place, "bus " + bus + " already belongs to another adapter");
        for (const auto &fn : topo->adapters[a].functions) {
            if (fn.pci.substr(0, 7) != bus)
                return r.fail(place, fn.pci + " is not on the adapter's bus " + bus);
            if (!pcis.insert(fn.pci).second)
                return r.fail(place, "PCI function " + fn.pci + " appears twice");
            if (!(fn.storage() ? topo->xel_loaded : topo->kwo_loaded))
                return r.fail(place, fn.pci + " needs driver " + fn.driver() + ", which is not loaded");
            if (!fn.eth_name.empty() && !eth_names.insert(fn.eth_name).second)
                return r.fail(place, "interface name " + fn.eth_name + " appears twice");
            if (fn.host >= 0 && fn.host != 0x7fffffff && !hosts.insert(fn.host).second)
                return r.fail(place, "SCSI host " + std::to_string(fn.host) + " appears twice");
        }
    }
    int next_host = 2;
    for (auto &ad : topo->adapters)
        for (auto &fn : ad.functions)
            if (fn.host == 0x7fffffff) {
                while (hosts.count(next_host))
                    next_host++;
                fn.host = next_host;
                hosts.insert(next_host);
            }
    return true;
}

bool read_drivers(reader &r, const json &doc, sim_topology *topo)
{
    if (!doc.contains("drivers"))
        return true;
    if (!doc["drivers"].is_array())
        return r.fail("drivers", "expected a list of driver names");
    topo->xel_loaded = topo->kwo_loaded = false;
    for (const auto &name : doc["drivers"]) {
        if (name == "xel")
            topo->xel_loaded = true;
        else if (name == "kwo")
            topo->kwo_loaded = true;
        else
            return r.fail("drivers", name.dump() + " is not xel or kwo");
    }
    return true;
}

} // namespace

mac_t sim_default_mac(const sim_function &fn)
{
    return default_mac(fn);
}

bool sim_topology_from_json(const json &doc, sim_topology *topology, std::string *error)
{
    reader r{error};
    sim_topology topo;
    if (!r.only_keys(doc, "topology", {"drivers", "traffic", "counter_base", "driver_version", "flash_latency_ms", "adapters"}) ||
        !read_drivers(r, doc, &topo))
        return false;
    topo.traffic = r.flag(doc, "traffic", "topology", false);
    topo.counter_base = r.number64(doc, "counter_base", "topology", 0, uint64_t{1} << 62);
    topo.driver_version = r.number(doc, "driver_version", "topology", XEL_DRV_VERSION, 0xffffffff);
    topo.flash_latency_ms = r.number(doc, "flash_latency_ms", "topology", 0, 10000);
    if (doc.contains("adapters") && !doc["adapters"].is_array())
        return r.fail("adapters", "expected a list of adapters");
    int eth_count = 0;
    for (size_t i = 0; r.ok && doc.contains("adapters") && i < doc["adapters"].size(); i++) {
        sim_adapter ad;
        if (read_adapter(r, doc["adapters"][i], "adapters[" + std::to_string(i) + "]", i, &eth_count, &ad))
            topo.adapters.push_back(std::move(ad));
    }
    if (!r.ok || !check_topology(r, &topo))
        return false;
    *topology = std::move(topo);
    return true;
}

bool sim_parse_topology(const std::string &json_text, sim_topology *topology, std::string *error)
{
    json doc = json::parse(json_text, nullptr, false);
    if (doc.is_discarded()) {
        *error = "not valid JSON";
        return false;
    }
    return sim_topology_from_json(doc, topology, error);
}

bool sim_load_topology_file(const std::string &path, sim_topology *topology, std::string *error)
{
    constexpr std::streamsize max_size = 1 << 20;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = path + ": cannot open: " + std::strerror(errno);
        return false;
    }
    std::string text(max_size + 1, '\0');
    in.read(text.data(), max_size + 1);
    if (in.gcount() > max_size) {
        *error = path + ": larger than 1 MiB";
        return false;
    }
    text.resize(static_cast<size_t>(in.gcount()));
    if (sim_parse_topology(text, topology, error))
        return true;
    *error = path + ": " + *error;
    return false;
}

// ---- writing ----

namespace {

std::string hex16(uint16_t value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%04x", value);
    return text;
}

json function_to_json(const sim_function &fn)
{
    static const char *type_names[] = {"", "fc", "fcoe", "eth"};
    // A type without a name is written as its number, which reads back as an error.
    std::string type = fn.ioc_type >= XEL_IOC_TYPE_FC && fn.ioc_type <= XEL_IOC_TYPE_LL ? type_names[fn.ioc_type]
                                                                                      : std::to_string(fn.ioc_type);
    json obj = {{"pci", fn.pci}, {"type", type}, {"port", fn.port}};
    if (fn.storage()) {
        if (fn.host >= 0)
            obj["host"] = fn.host;
        else
            obj["bound"] = false;
        obj["pwwn"] = sim_wwn_text(fn.pwwn);
        obj["nwwn"] = sim_wwn_text(fn.nwwn);
    }
    if (fn.ioc_type != XEL_IOC_TYPE_FC)
        obj["mac"] = sim_mac_text(fn.mac);
    if (!fn.eth_name.empty())
        obj["eth_name"] = fn.eth_name;
    obj["enabled"] = fn.enabled;
    obj["link"] = fn.link;
    obj["loopback"] = fn.loopback;
    obj["sfp_media"] = fn.sfp_media;
    obj["sfp_present"] = fn.sfp_present;
    if (fn.ioc_type == XEL_IOC_TYPE_FC) {
        obj["dport"] = fn.dport;
        obj["preboot_disabled"] = fn.preboot_disabled;
    }
    if (fn.ioc_type != XEL_IOC_TYPE_FC) {
        obj["phy"] = fn.phy;
        obj["cee_reason"] = fn.cee_reason;
        obj["cee_pfc_primap"] = fn.cee_pfc_primap;
        obj["lldp_chassis_id"] = fn.lldp_chassis_id;
        obj["lldp_port_id"] = fn.lldp_port_id;
    }
    if (fn.storage()) {
        obj["authfail"] = fn.authfail;
        obj["qos"] = fn.qos;
        obj["ratelimit"] = fn.ratelimit;
        obj["roles"] = fn.roles;
        if (!fn.pbc_luns.empty()) {
            json luns = json::array();
            for (const auto &[wwn, lun] : fn.pbc_luns)
                luns.push_back(sim_wwn_text(wwn) + "," + std::to_string(lun));
            obj["pbc_luns"] = luns;
        }
        if (fn.io_rate != 0 || fn.byte_rate != 0) {
            obj["io_rate"] = fn.io_rate;
            obj["byte_rate"] = fn.byte_rate;
        }
        if (!fn.pbc_vports.empty()) {
            json vports = json::array();
            for (const auto &[pwwn, nwwn] : fn.pbc_vports)
                vports.push_back(sim_wwn_text(pwwn) + "," + sim_wwn_text(nwwn));
            obj["pbc_vports"] = vports;
        }
    }
    return obj;
}

json adapter_to_json(const sim_adapter &ad)
{
    json obj = {{"serial", ad.serial},         {"model", ad.model},
                {"model_descr", ad.model_descr}, {"card_type", ad.card_type},
                {"device_id", hex16(ad.device_id)}, {"ssid", hex16(ad.ssid)},
                {"ssvid", hex16(ad.ssvid)},     {"chip_rev", ad.chip_rev},
                {"hw_ver", ad.hw_ver},          {"fw_ver", ad.fw_ver},
                {"optrom_ver", ad.optrom_ver},  {"driver_ver", ad.driver_ver},
                {"nports", ad.nports},          {"max_speed", ad.max_speed},
                {"cna_capable", ad.cna_capable}, {"is_mezz", ad.is_mezz},
                {"trunk_capable", ad.trunk_capable}, {"trunked", ad.trunked},
                {"cap_bm", ad.cap_bm},
                {"port_mode", ad.port_mode},    {"vpd_vendor", ad.vpd_vendor},
                {"name", ad.name},
                {"temp_junction", ad.temp_junction}, {"temp_board", ad.temp_board},
                {"vpd_part_number", ad.vpd_part_number}, {"vpd_fru", ad.vpd_fru},
                {"fru_size", ad.fru_size},      {"prototype", ad.prototype},
                {"serial_unprogrammed", ad.serial_unprogrammed}, {"pcie_gen", ad.pcie_gen},
                {"pcie_lanes", ad.pcie_lanes},  {"pcie_lanes_orig", ad.pcie_lanes_orig}};
    obj["vpd_keywords"] = json::object();
    for (const auto &[key, value] : ad.vpd_keywords)
        obj["vpd_keywords"][key] = value;
    obj["functions"] = json::array();
    for (const auto &fn : ad.functions)
        obj["functions"].push_back(function_to_json(fn));
    return obj;
}

} // namespace

json sim_topology_to_json(const sim_topology &topology)
{
    json drivers = json::array();
    if (topology.xel_loaded)
        drivers.push_back("xel");
    if (topology.kwo_loaded)
        drivers.push_back("kwo");
    json doc = {{"drivers", drivers},
                {"traffic", topology.traffic},
                {"counter_base", topology.counter_base},
                {"driver_version", topology.driver_version},
                {"flash_latency_ms", topology.flash_latency_ms}};
    doc["adapters"] = json::array();
    for (const auto &ad : topology.adapters)
        doc["adapters"].push_back(adapter_to_json(ad));
    return doc;
}

bool sim_check_topology(const sim_topology &topology, std::string *error)
{
    // The written form spells out every field, so reading it back runs every
    // check a file goes through on exactly this topology.
    sim_topology again;
    return sim_topology_from_json(sim_topology_to_json(topology), &again, error);
}
