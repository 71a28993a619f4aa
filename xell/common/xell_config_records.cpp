// Configuration records: lookup and creation by key, registration at
// discovery, and virtual port entries.

#include "xell_config_internal.h"
#include "xell_ioc.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <unordered_map>

namespace {

xell_ioc_config_t *ioc_record(int idx)
{
    if (idx < 0 || idx >= XELL_CONFIG_MAX_RECORDS)
        return nullptr;
    return &xell_cfg().ioc[static_cast<size_t>(idx)];
}

// The first record whose flag `setting` is clear.
int first_free_ioc(int setting)
{
    for (int i = 0; i < XELL_CONFIG_MAX_RECORDS; i++)
        if (!xell_cfg_flag_test(xell_cfg().ioc[static_cast<size_t>(i)].flags, setting))
            return i;
    return -1;
}

// The fields keep their places, an empty one included, so that an entry
// with an empty field reads back as it was written.
std::vector<std::string_view> split_fields(std::string_view text)
{
    std::vector<std::string_view> fields;
    for (;;) {
        size_t comma = text.find(',');
        fields.push_back(text.substr(0, comma));
        if (comma == std::string_view::npos)
            return fields;
        text.remove_prefix(comma + 1);
    }
}

// Fills the entry from the fields after the key; absent fields leave it as it was.
void fill_vport(xell_vf_config_t &entry, const std::vector<std::string_view> &fields)
{
    if (fields.size() > 1)
        xell_cfg_copy_text(entry.nwwn, fields[1]);
    if (fields.size() > 2)
        xell_cfg_copy_text(entry.name, xell_config_filter_space(fields[2]));
    if (fields.size() > 3)
        xell_cfg_copy_text(entry.role, fields[3]);
    if (fields.size() > 4)
        entry.vf_id = static_cast<uint16_t>(std::max(xell_config_get_num(fields[4]), 0));
}

// Where each port WWN sits in a record's list, so that loading many
// entries stays linear. An index whose size differs from its list's (after
// a removal or a new load) is built again.
struct vport_index {
    std::unordered_map<std::string, size_t> at;
};
std::array<vport_index, XELL_CONFIG_MAX_RECORDS> vport_indexes;

vport_index &index_of(int idx, const std::vector<xell_vf_config_t> &list)
{
    vport_index &index = vport_indexes[static_cast<size_t>(idx)];
    if (index.at.size() != list.size()) {
        index.at.clear();
        for (size_t i = 0; i < list.size(); i++)
            index.at.emplace(list[i].pwwn, i);
    }
    return index;
}

} // namespace

std::string xell_cfg_wwn_text(wwn_t wwn)
{
    uint8_t b[8];
    std::memcpy(b, &wwn, sizeof b);
    char text[32];
    std::snprintf(text, sizeof text, "%02x:%02x:%02x:%02x:%02x:%02x:%02x:%02x", b[0], b[1], b[2], b[3], b[4], b[5],
                  b[6], b[7]);
    return text;
}

std::string xell_cfg_mac_text(const mac_t &mac)
{
    const uint8_t *b = mac.mac;
    char text[32];
    std::snprintf(text, sizeof text, "%02x:%02x:%02x:%02x:%02x:%02x", b[0], b[1], b[2], b[3], b[4], b[5]);
    return text;
}

wwn_t xell_wwn_convert(const char *value)
{
    uint8_t b[8] = {};
    if (value != nullptr) {
        std::string_view text = value;
        for (size_t i = 0; i < 8 && !text.empty(); i++) {
            size_t colon = text.find(':');
            std::string_view piece = text.substr(0, colon);
            text.remove_prefix(colon == std::string_view::npos ? text.size() : colon + 1);
            unsigned v = 0;
            for (char c : piece) {
                int d = (c >= '0' && c <= '9')   ? c - '0'
                        : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                        : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                                 : -1;
                if (d < 0)
                    break;
                v = (v << 4 | static_cast<unsigned>(d)) & 0xffU;
            }
            b[i] = static_cast<uint8_t>(v);
        }
    }
    wwn_t wwn;
    std::memcpy(&wwn, b, sizeof wwn);
    return wwn;
}

void xell_cfg_vport_index_forget()
{
    for (vport_index &index : vport_indexes)
        index.at.clear();
}

const xell_ad_config_t *xell_config_ad_get(int idx)
{
    if (idx < 0 || idx >= XELL_CONFIG_MAX_RECORDS)
        return nullptr;
    return &xell_cfg().ad[static_cast<size_t>(idx)];
}

const xell_ioc_config_t *xell_config_ioc_get(int idx)
{
    return ioc_record(idx);
}

bool xell_config_global_isset(int setting)
{
    return setting >= 0 && setting < XELL_CFG_NUM_SETTINGS && xell_cfg_flag_test(xell_cfg().config_all, setting);
}

int xell_config_ad_lookup(const char *serialnum)
{
    for (int i = 0; i < XELL_CONFIG_MAX_RECORDS; i++)
        if (std::strcmp(xell_cfg().ad[static_cast<size_t>(i)].id, serialnum) == 0)
            return i;
    return -1;
}

// A record without a port WWN belongs to no FC port, whatever WWN is asked
// for (an Ethernet function's is 0, which an empty text would match).
int xell_config_ioc_lookup(wwn_t wwn)
{
    for (int i = 0; i < XELL_CONFIG_MAX_RECORDS; i++) {
        const xell_ioc_config_t &rec = xell_cfg().ioc[static_cast<size_t>(i)];
        if (xell_cfg_flag_test(rec.flags, XELL_CFG_PWWN) && xell_wwn_convert(rec.pwwn) == wwn)
            return i;
    }
    return -1;
}

int xell_config_ethioc_lookup(const mac_t &mac)
{
    std::string text = xell_cfg_mac_text(mac);
    for (int i = 0; i < XELL_CONFIG_MAX_RECORDS; i++)
        if (std::strncmp(xell_cfg().ioc[static_cast<size_t>(i)].mac, text.c_str(), 17) == 0)
            return i;
    return -1;
}

int xell_config_ad_add(const char *serialnum)
{
    if (xell_cfg_text_refused(XELL_CFG_AD_ID, serialnum))
        return -1;
    for (int i = 0; i < XELL_CONFIG_MAX_RECORDS; i++) {
        xell_ad_config_t &rec = xell_cfg().ad[static_cast<size_t>(i)];
        if (!xell_cfg_flag_test(rec.flags, XELL_CFG_AD_ID)) {
            xell_cfg_flag_set(rec.flags, XELL_CFG_AD_ID);
            xell_cfg_copy_text(rec.id, serialnum);
            return i;
        }
    }
    return -1;
}

void xell_config_ioc_pwwn(int inst, wwn_t wwn)
{
    if (xell_ioc_config_t *rec = ioc_record(inst)) {
        xell_cfg_flag_set(rec->flags, XELL_CFG_PWWN);
        xell_cfg_copy_text(rec->pwwn, xell_cfg_wwn_text(wwn));
    }
}

void xell_config_ethioc_mac(int inst, const mac_t &mac)
{
    if (xell_ioc_config_t *rec = ioc_record(inst)) {
        xell_cfg_flag_set(rec->flags, XELL_CFG_MAC);
        xell_cfg_copy_text(rec->mac, xell_cfg_mac_text(mac));
    }
}

int xell_config_ioc_add(wwn_t wwn)
{
    int idx = first_free_ioc(XELL_CFG_PWWN);
    xell_config_ioc_pwwn(idx, wwn);
    return idx;
}

int xell_config_ethioc_add(const mac_t &mac)
{
    int idx = first_free_ioc(XELL_CFG_MAC);
    xell_config_ethioc_mac(idx, mac);
    return idx;
}

int xell_config_ad_get_num()
{
    int n = 0;
    for (const xell_ad_config_t &rec : xell_cfg().ad)
        n += xell_cfg_flag_test(rec.flags, XELL_CFG_AD_ID);
    return n;
}

int xell_config_ioc_get_num()
{
    int n = 0;
    for (const xell_ioc_config_t &rec : xell_cfg().ioc)
        n += xell_cfg_flag_test(rec.flags, XELL_CFG_PWWN);
    return n;
}

xel_status_t xell_config_register(const std::vector<const xell_t *> &iocs, const std::vector<const char *> &serials)
{
    xel_status_t status = xell_config_load(xell_get_cfg_path());
    if (status != XEL_STATUS_OK)
        return status;
    for (const xell_t *ioc : iocs) {
        if (xell_ioc_is_storage(ioc)) {
            if (xell_config_ioc_lookup(ioc->pwwn) == -1)
                xell_config_ioc_add(ioc->pwwn);
        } else if (xell_config_ethioc_lookup(ioc->mac) == -1) {
            xell_config_ethioc_add(ioc->mac);
        }
    }
    for (const char *serialnum : serials)
        if (xell_config_ad_lookup(serialnum) == -1)
            xell_config_ad_add(serialnum);
    return xell_config_sync(xell_get_cfg_path());
}

bool xell_config_get_ad_name_exists(const char *ad_serial, const char *nm, const char *snum)
{
    if (nm == nullptr || nm[0] == '\0')
        return false;
    int idx = xell_config_ad_lookup(ad_serial);
    if (idx == -1)
        return false;
    return std::strcmp(xell_cfg().ad[static_cast<size_t>(idx)].name, nm) == 0 && std::strcmp(snum, ad_serial) != 0;
}

xel_status_t xell_conf_cleanup(const xell_port_t *port)
{
    (void)port;
    return XEL_STATUS_OK;
}

void xell_config_set_vportdata(int idx, std::string_view data)
{
    xell_ioc_config_t *rec = ioc_record(idx);
    if (rec == nullptr)
        return;
    xell_cfg_flag_set(rec->flags, XELL_CFG_VPORT);
    // An empty value (one space after trimming) holds no entry.
    if (xell_config_filter_space(data).empty())
        return;
    std::vector<std::string_view> fields = split_fields(data);
    std::lock_guard<std::mutex> guard(xell_cfg_vportmutex());
    xell_vf_config_t entry;
    xell_cfg_copy_text(entry.pwwn, fields[0]);
    vport_index &index = index_of(idx, rec->vport);
    auto found = index.at.find(entry.pwwn);
    if (found != index.at.end()) {
        fill_vport(rec->vport[found->second], fields);
        return;
    }
    fill_vport(entry, fields);
    index.at.emplace(entry.pwwn, rec->vport.size());
    rec->vport.push_back(entry);
}
