// The identity records of a PCI function: IOC information, IOC attributes
// with the adapter's VPD, and the adapter's flash partition table.
#include "sim_driver.h"

#include "xel_bsg.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Copies text into a fixed character field, cut to leave a NUL.
template <size_t N>
void put_text(char (&field)[N], const std::string &text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), std::min(text.size(), N - 1));
}

void put_bytes(uint8_t *at, const std::string &text)
{
    std::memcpy(at, text.data(), text.size());
}

// A PCI VPD image as the PCI standard lays it out: the identifier string
// (the product name in a 128-byte field), the VPD-R area with "V0" first
// (its first byte 0 on the maker's own cards), the keywords, and "RV",
// whose first byte makes every byte up to it sum to 0; then the end tag.
size_t build_pci_vpd(const sim_adapter &ad, uint8_t *data)
{
    std::string product = ad.model_descr.substr(0, 128);
    data[0] = 0x82;
    data[1] = 128;
    data[2] = 0;
    put_bytes(data + 3, product);
    data[131] = 0x90;
    put_bytes(data + 134, "V0");
    data[136] = 16;
    if (ad.vpd_vendor != 0x08)
        put_bytes(data + 137, "OEM");
    size_t at = 153;
    std::vector<std::pair<std::string, std::string>> keywords = {
        {"PN", ad.vpd_part_number}, {"EC", "A"}, {"SN", ad.serial}, {"MN", "7A3C"}};
    if (!ad.vpd_fru.empty())
        keywords.emplace_back("V1", "FRU " + ad.vpd_fru);
    keywords.insert(keywords.end(), ad.vpd_keywords.begin(), ad.vpd_keywords.end());
    for (const auto &[keyword, value] : keywords) {
        put_bytes(data + at, keyword);
        data[at + 2] = static_cast<uint8_t>(value.size());
        put_bytes(data + at + 3, value);
        at += 3 + value.size();
    }
    put_bytes(data + at, "RV");
    data[at + 2] = 1;
    size_t rv = at + 3;
    at = rv + 1;
    data[132] = static_cast<uint8_t>(at - 134);
    data[133] = static_cast<uint8_t>((at - 134) >> 8);
    uint8_t sum = 0;
    for (size_t i = 0; i < rv; i++)
        sum = static_cast<uint8_t>(sum + data[i]);
    data[rv] = static_cast<uint8_t>(-sum);
    data[at] = 0x78;
    return at + 1;
}

// An OEM overlay: fixed character fields at the offsets the OEM's record
// gives (IBM 1, HP 2, DELL 3).
void build_oem_vpd(const sim_adapter &ad, uint8_t *data)
{
    auto field = [&](size_t offset, size_t width, const std::string &text) {
        std::memcpy(data + offset, text.data(), std::min(text.size(), width));
    };
    switch (ad.vpd_vendor) {
    case 1:
        field(0, 80, ad.model_descr), field(80, 16, ad.vpd_part_number), field(96, 16, "A");
        field(112, 16, ad.vpd_fru), field(128, 24, ad.serial);
        break;
    case 2:
        field(0, 64, ad.model_descr), field(64, 16, ad.vpd_part_number), field(80, 16, "A");
        field(96, 16, ad.serial), field(112, 16, ""), field(128, 8, "2014");
        break;
    case 3:
        field(0, 64, ad.model_descr), field(64, 16, ad.vpd_part_number), field(80, 16, "A");
        field(96, 32, ad.serial);
        break;
    default:
        break;
    }
}

void fill_vpd(const sim_adapter &ad, xel_mfg_vpd_s *vpd)
{
    std::memset(vpd, 0, sizeof *vpd);
    if (ad.vpd_vendor == 0)
        return;
    vpd->version = 1;
    std::memcpy(vpd->vpd_sig, "VPD", 3);
    vpd->vendor = static_cast<uint8_t>(ad.vpd_vendor);
    size_t used = 1;
    if (ad.vpd_vendor >= 8)
        used = build_pci_vpd(ad, vpd->data);
    else if (ad.vpd_vendor <= 3)
        build_oem_vpd(ad, vpd->data), used = 152;
    vpd->len = static_cast<uint8_t>(std::min<size_t>(used, 255));
    uint8_t sum = 0;
    for (uint8_t byte : vpd->data)
        sum = static_cast<uint8_t>(sum + byte);
    vpd->chksum = static_cast<uint8_t>(-sum);
}

// The serial number the adapter reports: an unprogrammed field starts
// with erased flash.
std::string reported_serial(const sim_adapter &ad)
{
    std::string serial = ad.serial;
    if (ad.serial_unprogrammed && !serial.empty())
        serial[0] = static_cast<char>(0xff);
    return serial;
}

void fill_adapter_attr(const sim_call &call, xel_adapter_attr_s *a)
{
    const sim_adapter &ad = call.adapter();
    put_text(a->serial_num, reported_serial(ad));
    a->card_type = ad.card_type;
    put_text(a->model, ad.model);
    put_text(a->model_descr, ad.model_descr);
    a->pwwn = call.fn().pwwn;
    put_text(a->node_symname, ad.model + " | " + ad.driver_ver + " | Linux");
    put_text(a->hw_ver, ad.hw_ver);
    put_text(a->fw_ver, ad.fw_ver);
    put_text(a->optrom_ver, ad.optrom_ver);
    put_text(a->os_type, "Linux");
    fill_vpd(ad, &a->vpd);
    a->mac = call.fn().mac;
    a->nports = static_cast<uint8_t>(ad.nports);
    a->max_speed = static_cast<uint8_t>(ad.max_speed);
    a->prototype = ad.prototype;
    a->pcie_gen = static_cast<uint8_t>(ad.pcie_gen);
    a->pcie_lanes_orig = static_cast<uint8_t>(ad.pcie_lanes_orig);
    a->pcie_lanes = static_cast<uint8_t>(ad.pcie_lanes);
    a->cna_capable = ad.cna_capable;
    a->is_mezz = ad.is_mezz;
    a->trunk_capable = ad.trunk_capable;
    a->mfg_day = 14;
    a->mfg_month = 3;
    a->mfg_year = 2014;
}

} // namespace

void sim_fill_ioc_info(const sim_call &call, xel_ioctl_ioc_info_t *info)
{
    const sim_adapter &ad = call.adapter();
    const sim_function &fn = call.fn();
    put_text(info->serialnum, reported_serial(ad));
    put_text(info->hwpath, fn.pci);
    put_text(info->adapter_hwpath, ad.hwpath());
    put_text(info->guid, ad.serial + ":" + fn.pci);
    put_text(info->name, call.host.adapter_names[call.ref.adapter_index]);
    put_text(info->port_name, call.st.name);
    put_text(info->eth_name, fn.eth_name);
    if (fn.storage()) {
        info->pwwn = info->factorypwwn = fn.pwwn;
        info->nwwn = info->factorynwwn = fn.nwwn;
    }
    if (fn.ioc_type != XEL_IOC_TYPE_FC)
        info->mac = info->factory_mac = info->current_mac = fn.mac;
    info->ioc_type = fn.ioc_type;
    info->host = fn.storage() ? static_cast<uint32_t>(fn.host) : 0;
    info->bandwidth = (fn.ioc_type == XEL_IOC_TYPE_FC ? ad.max_speed : 10) * 1000;
}

void sim_fill_ioc_attr(const sim_call &call, xel_ioc_attr_t *attr)
{
    const sim_adapter &ad = call.adapter();
    attr->ioc_type = call.fn().ioc_type;
    attr->state = call.st.ioc_state;
    fill_adapter_attr(call, &attr->adapter_attr);
    put_text(attr->driver_attr.driver, call.fn().driver());
    put_text(attr->driver_attr.driver_ver, ad.driver_ver);
    put_text(attr->driver_attr.fw_ver, ad.fw_ver);
    put_text(attr->driver_attr.bios_ver, ad.optrom_ver);
    put_text(attr->driver_attr.efi_ver, ad.optrom_ver);
    put_text(attr->driver_attr.ob_ver, ad.optrom_ver);
    attr->pci_attr.vendor_id = static_cast<uint16_t>(XEL_PCI_VENDOR_ID);
    attr->pci_attr.device_id = ad.device_id;
    attr->pci_attr.ssid = ad.ssid;
    attr->pci_attr.ssvid = ad.ssvid;
    attr->pci_attr.pcifn = call.fn().pci_function();
    put_text(attr->pci_attr.chip_rev, ad.chip_rev);
    attr->port_id = call.fn().port;
    attr->port_mode = ad.port_mode;
    attr->cap_bm = ad.cap_bm;
    attr->port_mode_cfg = sim_port_mode_cfg(call);
}

void sim_fill_flash_attr(const sim_adapter &ad, xel_flash_attr_t *attr)
{
    struct partition {
        uint32_t type, size, len;
        bool present;
    };
    bool asic = ad.device_id == 0x22;
    bool network_boot = ad.cna_capable;
    // In flash order; configuration and port blocks come once per port
    // (a port's boot partition holds its boot configuration).
    const partition layout[] = {
        {1, 0x40000, 0x30000, true},       {2, 0x180000, 0x140000, true}, {3, 0x10000, 0x1000, true},
        {4, 0x10000, 0x1000, true},        {5, 0x10000, 0x400, true},     {6, 0x10000, 0x2800, asic},
        {7, 0x10000, 0x100, true},         {8, 0x40000, 0x28000, network_boot}, {9, 0x10000, 0x200, true},
        {10, 0x10000, 0x200, true},        {11, 0x20000, 0x10000, true}, {12, 0x40000, 0, true},
        {13, 0x10000, 0x100, network_boot}, {14, 0x20000, 0x10000, network_boot}, {15, 0x10000, 0x80, true},
        {16, 0x10000, 0x2800, asic},
    };
    std::memset(attr, 0, sizeof *attr);
    uint32_t offset = 0x10000;
    for (const auto &p : layout) {
        bool per_port = p.type == 3 || p.type == 4 || p.type == 5 || p.type == 10 || p.type == 13 || p.type == 15;
        uint32_t instances = per_port ? ad.nports : 1;
        for (uint32_t i = 0; p.present && i < instances && attr->npart < 32; i++) {
            attr->part[attr->npart++] = {p.type, i, offset, p.size, p.len, 0, {}};
            offset += p.size;
        }
    }
}
