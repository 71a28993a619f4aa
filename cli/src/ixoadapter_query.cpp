// The adapter query: model, OEM data, PCI data, the PCI functions and
// ports, flash and firmware versions, and the VPD.
#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_values.h"
#include "xel_ioctl.h"
#include "xell_adapter.h"
#include "xell_boot.h"
#include "xell_flash.h"
#include "xell_state.h"
#include "xell_vpd.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <vector>

namespace {

// A fixed character field up to its first NUL, never past its width.
std::string ixo_field(const uint8_t *data, size_t offset, size_t width)
{
    const char *text = reinterpret_cast<const char *>(data + offset);
    return std::string(text, strnlen(text, width));
}

void ixo_label(const char *label, const std::string &value)
{
    std::printf("%-20s%s\n", label, value.c_str());
}

void ixo_label_hex(const char *label, unsigned value)
{
    std::printf("%-20s%s%04x\n", label, "0x", value);
}

bool ixo_vpd_oem(const xel_mfg_vpd_s &vpd)
{
    if (vpd.version == 0 || vpd.len == 0)
        return false;
    return vpd.vendor <= 3 || vpd.vendor >= 8;
}

void ixo_print_oem_info(const xel_mfg_vpd_s &vpd, bool oem)
{
    std::printf("%-20s", "\tOEM info:");
    const uint8_t *d = vpd.data;
    if (!oem) {
        std::printf("N/A\n");
    } else if (vpd.vendor == 1) {
        std::printf("IBM - PN:%s, FRU:%s, SN:%s\n", ixo_field(d, 80, 16).c_str(), ixo_field(d, 112, 16).c_str(),
                    ixo_field(d, 128, 24).c_str());
    } else if (vpd.vendor == 2) {
        std::printf("HP - PN:%s, SN:%s\n", ixo_field(d, 64, 16).c_str(), ixo_field(d, 96, 16).c_str());
    } else if (vpd.vendor == 3) {
        std::printf("DELL - PN:%s, SN:%s\n", ixo_field(d, 64, 16).c_str(), ixo_field(d, 96, 32).c_str());
    } else {
        std::printf("%.*s\n", static_cast<int>(xell_vpd_id_string_len(d)), reinterpret_cast<const char *>(d + 3));
    }
}

void ixo_print_oem_block(const xel_mfg_vpd_s &vpd)
{
    const uint8_t *d = vpd.data;
    if (vpd.vendor < 1 || vpd.vendor > 3)
        return;
    std::printf("OEM Details:\n");
    if (vpd.vendor == 1) {
        ixo_label("\tOEM:", "IBM");
        ixo_label("\tProduct Desc:", ixo_field(d, 0, 80));
        ixo_label("\tpart num:", ixo_field(d, 80, 16));
        ixo_label("\tEC Level:", ixo_field(d, 96, 16));
        ixo_label("\tFRU num:", ixo_field(d, 112, 16));
        ixo_label("\tserial num:", ixo_field(d, 128, 24));
    } else if (vpd.vendor == 2) {
        ixo_label("\tOEM", "HP");
        ixo_label("\tProduct Desc:", ixo_field(d, 0, 64));
        ixo_label("\tpart num:", ixo_field(d, 64, 16));
        ixo_label("\tEDC:", ixo_field(d, 80, 16));
        ixo_label("\tmisc:", ixo_field(d, 112, 16));
        ixo_label("\tMDC:", ixo_field(d, 128, 8));
        ixo_label("\tserial num:", ixo_field(d, 96, 16));
    } else {
        ixo_label("\tOEM:", "DELL");
        ixo_label("\tProduct ID:", ixo_field(d, 0, 64));
        ixo_label("\tpart num:", ixo_field(d, 64, 16));
        ixo_label("\tEDC:", ixo_field(d, 80, 16));
        ixo_label("\tserial num:", ixo_field(d, 96, 32));
    }
}

void print_pci_vpd_data(const uint8_t *vpd, uint8_t vendor)
{
    int count = 0;
    bool oem = false;
    xel_status_t status = xell_vpd_get_size(vpd, &count, &oem, vendor);
    if (status == XEL_STATUS_UNSUPP_VENDOR)
        return;
    if (status != XEL_STATUS_OK) {
        std::printf("%s Exiting...\n", xell_status_to_string(status));
        return;
    }
    std::printf("\n");
    std::vector<xell_vpd_name_value_t> items;
    try {
        items.resize(static_cast<size_t>(count));
    } catch (const std::bad_alloc &) {
        std::printf("Not Enough Memory for VPD. Exiting...\n");
        return;
    }
    std::printf(oem ? "OEM VPD Details: \n" : "Tessary VPD Details:\n");
    status = xell_vpd_populate_params(vpd, vendor, items.data(), count);
    if (status != XEL_STATUS_OK) {
        std::printf("%s Exiting...\n", xell_status_to_string(status));
        return;
    }
    for (const auto &item : items) {
        if (item.name[0] != '\0')
            std::printf("\t%-19s%s\n", (std::string(item.name) + ":").c_str(), item.value);
        else
            std::printf("\t%s\n", item.value);
    }
}

void ixo_print_pci_info(xell_adapter_t *adapter, int port_count)
{
    for (int p = 0; p < port_count; p++) {
        xell_port_t *port = xell_adapter_get_port(adapter, p);
        if (port == nullptr)
            break;
        for (int position = 0; position < xell_port_get_ioc_count(port); position++) {
            xell_t *ioc = xell_port_get_ioc(port, position);
            xel_ioc_attr_t attr{};
            if (ioc == nullptr || xell_ioc_get_attr(ioc, &attr) != XEL_STATUS_OK)
                continue;
            std::printf("%s%d%s\n", "\tPCI function", static_cast<int>(attr.pci_attr.pcifn), ":");
            ixo_label_hex("\t        ssid:", attr.pci_attr.ssid);
            std::printf("%-20s%d\n", "\t        port:", xell_ioc_get_port_id(ioc));
            const char *type = attr.ioc_type == 1 ? "FC" : attr.ioc_type == 2 ? "FC/FCoE" : "Ethernet";
            ixo_label("\t        type:", type);
            xell_ioc_close(ioc);
        }
    }
}

int ixo_print_port_info(xell_adapter_t *adapter, int port_count)
{
    std::printf("Port Information:\n");
    for (int p = 0; p < port_count; p++) {
        xell_port_t *port = xell_adapter_get_port(adapter, p);
        if (port != nullptr)
            std::printf("\tPort %d:\n", p);
        for (int position = 0; position < xell_port_get_ioc_count(port); position++) {
            xell_t *ioc = xell_port_get_ioc(port, position);
            if (ioc == nullptr)
                continue;
            xel_ioc_attr_t attr{};
            xel_status_t status = xell_ioc_get_attr(ioc, &attr);
            if (status != XEL_STATUS_OK) {
                xell_ioc_close(ioc);
                return status;
            }
            ixo_label("\t        name:", xell_ioc_get_name(ioc));
            if (attr.ioc_type == 1 || attr.ioc_type == 2) {
                std::printf("%-20s", "\t        pwwn:");
                ixo_print_pwwn(xell_ioc_get_pwwn(ioc));
                std::printf("\n%-20s", "\t        nwwn:");
                ixo_print_pwwn(xell_ioc_get_nwwn(ioc));
                std::printf("\n");
            } else {
                std::printf("%-20s", "\t        mac:");
                ixo_print_mac(xell_ioc_get_mac(ioc));
                std::printf("\n");
            }
            char devpath[256], hwpath[32], ad_hwpath[32];
            xell_ioc_get_path(ioc, devpath, hwpath, ad_hwpath);
            ixo_label("\t        hwpath:", hwpath);
            xell_ioc_close(ioc);
        }
    }
    return 0;
}

void ixo_print_adapter_info(xell_adapter_t *adapter, const xel_ioc_attr_t &attr, bool verbose, int idx)
{
    const xel_adapter_attr_s &ad = attr.adapter_attr;
    char serial[64] = {}, model[256] = {}, hwpath[64] = {};
    xell_adapter_get_serial_num(adapter, serial);
    xell_adapter_get_model(adapter, model);
    xell_adapter_get_hw_path(adapter, hwpath);
    std::printf("Adapter Information:\n");
    std::printf("%-20s%s%s\n", "\tmodel info:", model, ad.prototype != 0 ? "(PROTOTYPE)" : "");
    ixo_print_oem_info(ad.vpd, ixo_vpd_oem(ad.vpd));
    std::printf("%-20s%d\n", "\tnum ports:", ad.nports);
    if (verbose)
        ixo_label("\tchip revision:", ixo_field(reinterpret_cast<const uint8_t *>(attr.pci_attr.chip_rev), 0,
                                                sizeof attr.pci_attr.chip_rev));
    ixo_label("\thw path:", hwpath);
    ixo_label("\tSerial Num:", serial);
    const char *name = xell_adapter_get_name(idx);
    ixo_label("\tname:", name != nullptr ? name : "");
}

void ixo_print_pci_attr(const xel_ioc_attr_t &attr)
{
    const xel_adapter_attr_s &ad = attr.adapter_attr;
    std::printf("PCI Information:\n");
    ixo_label_hex("\tvendor id:", attr.pci_attr.vendor_id);
    ixo_label_hex("\tdevice id:", attr.pci_attr.device_id);
    ixo_label_hex("\tssvid:", attr.pci_attr.ssvid);
    std::printf("%-20s%s%d\n", "\tPCIe Gen:", "Gen", ad.pcie_gen);
    std::printf("%-20s%d%s%d%s\n", "\tPCIe lanes:", ad.pcie_lanes, "(Initial number of lanes = ", ad.pcie_lanes_orig,
                ")");
}

void ixo_print_flash_info(const xel_ioc_attr_t &attr, const xel_flash_attr_t *flash, const char *cfg_ver)
{
    std::printf("Flash Information:\n");
    if (flash != nullptr) {
        ixo_label("\tstatus:", xell_flash_status_to_string(static_cast<int32_t>(flash->status)));
        std::printf("\toption ROM version:\n");
        ixo_label("\t        current:", ixo_field(reinterpret_cast<const uint8_t *>(attr.driver_attr.bios_ver), 0,
                                                  sizeof attr.driver_attr.bios_ver));
        ixo_label("\t        flashed:", cfg_ver);
    } else {
        ixo_label("\tstatus:", "NA");
    }
    ixo_label("\tfw version:",
              ixo_field(reinterpret_cast<const uint8_t *>(attr.driver_attr.fw_ver), 0, sizeof attr.driver_attr.fw_ver));
    std::printf("\n");
}

int ixo_adapter_info_query(xell_adapter_t *adapter, bool verbose)
{
    xell_t *ioc = xell_adapter_get_first_ioc(adapter);
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    int idx = xell_ioc_get_adapter_id(ioc);
    int port_count = xell_adapter_get_port_count(idx);
    xel_ioc_attr_t attr{};
    xel_status_t status = xell_ioc_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK) {
        xell_ioc_close(ioc);
        return status;
    }
    xel_flash_attr_t flash{};
    bool have_flash = xell_flash_get_attr(ioc, &flash) == XEL_STATUS_OK;
    char cfg_ver[65] = {};
    if (have_flash && xell_boot_get_cfg_version(ioc, cfg_ver) != XEL_STATUS_OK)
        std::snprintf(cfg_ver, sizeof cfg_ver, "NA");
    ixo_print_adapter_info(adapter, attr, verbose, idx);
    ixo_print_pci_attr(attr);
    xell_ioc_close(ioc);
    ixo_print_pci_info(adapter, port_count);
    status = static_cast<xel_status_t>(ixo_print_port_info(adapter, port_count));
    if (status != XEL_STATUS_OK)
        return status;
    ixo_print_flash_info(attr, have_flash ? &flash : nullptr, cfg_ver);
    const xel_mfg_vpd_s &vpd = attr.adapter_attr.vpd;
    if (ixo_vpd_oem(vpd)) {
        ixo_print_oem_block(vpd);
        print_pci_vpd_data(vpd.data, vpd.vendor);
    }
    return 0;
}

} // namespace

int ixo_adapter_query(char **argv, int argc, ixo_id_t *id)
{
    if (argc > 4 && std::strcmp(argv[4], "-v") != 0)
        return E_CLI_INCORRECT_CMD;
    return ixo_adapter_info_query(id->adapter, argc > 4);
}
