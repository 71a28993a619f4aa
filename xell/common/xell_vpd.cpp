// The PCI VPD image as the adapter query shows it: the identifier string
// (the product name), then the read-only keywords. The image is the 512
// bytes the adapter reported; no length field inside it can move a walk
// past them.
#include "xell_vpd.h"

#include "xell_vpd_checksum.h"

#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

constexpr uint8_t vpd_id_string_tag = 0x82;
constexpr uint8_t vpd_vpdr_tag = 0x90;
constexpr size_t vpd_id_string_at = 3;
constexpr size_t vpd_id_string_max = 128;
constexpr size_t vpd_vpdr_tag_at = 131;
constexpr size_t vpd_kword0_data_at = 137;
constexpr size_t vpd_shown_from = 153;
constexpr size_t vpd_split_name_max = 23;

bool xell_vpd_supported_vendor(uint8_t vendor)
{
    static const uint8_t supported_pci_vendor_table[] = {0x08, 0x10, 0x20, 0xF8};
    for (uint8_t v : supported_pci_vendor_table)
        if (v == vendor)
            return true;
    return false;
}

size_t xell_vpdr_length(const uint8_t *vpd)
{
    return vpd[XELL_VPD_VPDR_LEN_OFFSET] | (vpd[XELL_VPD_VPDR_LEN_OFFSET + 1] << 8);
}

size_t xell_vpd_clamp(size_t end)
{
    return end < XELL_VPD_SIZE ? end : XELL_VPD_SIZE;
}

// One keyword of the walk: its two characters and its data, which lies
// wholly inside the image.
struct xell_vpd_keyword {
    char key[2];
    const uint8_t *data;
    size_t len;
};

// Calls visit for each keyword from `from` up to `end` (both inside the
// image); a keyword whose data would run past the image ends the walk.
template <typename Visit>
void xell_vpd_walk(const uint8_t *vpd, size_t from, size_t end, Visit visit)
{
    for (size_t at = from; at + 3 <= end;) {
        size_t n = vpd[at + 2];
        if (at + 3 + n > XELL_VPD_SIZE)
            return;
        xell_vpd_keyword kw{{static_cast<char>(vpd[at]), static_cast<char>(vpd[at + 1])}, vpd + at + 3, n};
        if (!visit(kw))
            return;
        at += 3 + n;
    }
}

// The display name of a keyword, or null for one that is not shown.
const char *xell_vpd_keyword_name(const char key[2], uint8_t vendor, char *vendor_name, size_t size)
{
    static const struct {
        const char *key;
        const char *name;
    } names[] = {{"PN", "Part Number"}, {"EC", "EC Level"},        {"FG", "Fabric Geography"},
                 {"LC", "Location"},    {"MN", "Manufacture ID"},  {"PG", "PCI Geography"},
                 {"SN", "Serial Number"}, {"CP", "Ext Capability"}};
    for (const auto &n : names) {
        if (key[0] != n.key[0] || key[1] != n.key[1])
            continue;
        if (key[0] == 'E' && (vendor == 0x20 || vendor == 0x10))
            return "EDC";
        return n.name;
    }
    bool vendor_key = key[0] == 'V' && ((key[1] >= '0' && key[1] <= '9') || (key[1] >= 'A' && key[1] <= 'Z'));
    if (!vendor_key)
        return nullptr;
    std::snprintf(vendor_name, size, "Vendor%c Data", key[1]);
    return vendor_name;
}

template <size_t N>
void xell_vpd_put(char (&field)[N], const uint8_t *data, size_t len)
{
    len = strnlen(reinterpret_cast<const char *>(data), len);
    if (len > N - 1)
        len = N - 1;
    std::memcpy(field, data, len);
    field[len] = '\0';
}

bool xell_vpd_contains(const xell_vpd_keyword &kw, std::string_view what)
{
    std::string_view data(reinterpret_cast<const char *>(kw.data), strnlen(reinterpret_cast<const char *>(kw.data), kw.len));
    return data.find(what) != std::string_view::npos;
}

// A vendor keyword's entry: a FRU line continues the one before; a "PW"
// or "MD" line carries its own name before its first colon.
void xell_vpd_fill_vendor(const xell_vpd_keyword &kw, const char *name, xell_vpd_name_value_t *entry)
{
    if (xell_vpd_contains(kw, "FRU")) {
        entry->name[0] = '\0';
        xell_vpd_put(entry->value, kw.data, kw.len);
        return;
    }
    if (!xell_vpd_contains(kw, "PW") && !xell_vpd_contains(kw, "MD")) {
        std::snprintf(entry->name, sizeof entry->name, "%s", name);
        xell_vpd_put(entry->value, kw.data, kw.len);
        return;
    }
    size_t len = strnlen(reinterpret_cast<const char *>(kw.data), kw.len);
    const void *colon = std::memchr(kw.data, ':', len);
    entry->name[0] = '\0';
    if (colon == nullptr) {
        xell_vpd_put(entry->value, kw.data, len);
        return;
    }
    size_t name_len = static_cast<size_t>(static_cast<const uint8_t *>(colon) - kw.data);
    xell_vpd_put(entry->name, kw.data, name_len < vpd_split_name_max ? name_len : vpd_split_name_max);
    xell_vpd_put(entry->value, kw.data + name_len + 1, len - name_len - 1);
}

} // namespace

size_t xell_vpd_id_string_len(const uint8_t *vpd)
{
    size_t len = vpd[1] | (vpd[2] << 8);
    if (len == 0 || len > vpd_id_string_max)
        len = vpd_id_string_max;
    return strnlen(reinterpret_cast<const char *>(vpd + vpd_id_string_at), len);
}

xel_status_t xell_vpd_get_size(const uint8_t *vpd, int *count, bool *oem, uint8_t vendor)
{
    if (!xell_vpd_supported_vendor(vendor))
        return XEL_STATUS_UNSUPP_VENDOR;
    size_t rv = 0;
    xell_vpd_walk(vpd, XELL_VPD_KEYWORDS_OFFSET, xell_vpd_clamp(XELL_VPD_KEYWORDS_OFFSET + xell_vpdr_length(vpd)),
                  [&](const xell_vpd_keyword &kw) {
                      if (kw.key[0] == 'R' && kw.key[1] == 'V' && kw.len > 0)
                          rv = static_cast<size_t>(kw.data - vpd);
                      return rv == 0;
                  });
    if (rv == 0)
        return XEL_STATUS_CORR_VPD_DATA;
    unsigned sum = 0;
    for (size_t i = 0; i <= rv; i++)
        sum += vpd[i];
    if (sum % 256 != 0 && (rv + 1 >= XELL_VPD_SIZE || (sum + vpd[rv + 1]) % 256 != 0))
        return XEL_STATUS_VPD_CHK_SUM_ERR;
    if (vpd[0] != vpd_id_string_tag)
        return XEL_STATUS_LR_STR_TAG_ERR;
    if (vpd[vpd_vpdr_tag_at] != vpd_vpdr_tag)
        return XEL_STATUS_LR_VPDR_TAG_ERR;
    if (vpd[XELL_VPD_KEYWORDS_OFFSET] != 'V' || vpd[XELL_VPD_KEYWORDS_OFFSET + 1] != '0')
        return XEL_STATUS_VPD_TSRY_HDR_ERR;
    *oem = vpd[vpd_kword0_data_at] != 0;
    int shown = 1;
    char scratch[25];
    xell_vpd_walk(vpd, vpd_shown_from, xell_vpd_clamp(vpd_shown_from + xell_vpdr_length(vpd)),
                  [&](const xell_vpd_keyword &kw) {
                      if (xell_vpd_keyword_name(kw.key, vendor, scratch, sizeof scratch) != nullptr)
                          shown++;
                      return true;
                  });
    *count = shown;
    return XEL_STATUS_OK;
}

xel_status_t xell_vpd_populate_params(const uint8_t *vpd, uint8_t vendor, xell_vpd_name_value_t *dst, int count)
{
    if (count < 1)
        return XEL_STATUS_ENOMEM;
    std::memset(dst, 0, sizeof *dst * static_cast<size_t>(count));
    std::snprintf(dst[0].name, sizeof dst[0].name, "%s", vendor == 0x20 ? "Product ID" : "Product Desc");
    xell_vpd_put(dst[0].value, vpd + vpd_id_string_at, xell_vpd_id_string_len(vpd));
    int used = 1;
    xel_status_t status = XEL_STATUS_OK;
    xell_vpd_walk(vpd, vpd_shown_from, xell_vpd_clamp(vpd_shown_from + xell_vpdr_length(vpd)),
                  [&](const xell_vpd_keyword &kw) {
                      char vendor_name[25];
                      const char *name = xell_vpd_keyword_name(kw.key, vendor, vendor_name, sizeof vendor_name);
                      if (name == nullptr)
                          return true;
                      if (used >= count) {
                          status = XEL_STATUS_ENOMEM;
                          return false;
                      }
                      xell_vpd_name_value_t *entry = &dst[used++];
                      if (kw.key[0] == 'V' && name == vendor_name) {
                          xell_vpd_fill_vendor(kw, name, entry);
                      } else {
                          std::snprintf(entry->name, sizeof entry->name, "%s", name);
                          xell_vpd_put(entry->value, kw.data, kw.len);
                      }
                      return true;
                  });
    return status;
}
