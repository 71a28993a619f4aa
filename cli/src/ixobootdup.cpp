// The boot duplication commands an update framework runs: the firmware
// and driver inventories as XML, the boot code update with its execution
// report, and a copy of the running firmware image. Every run keeps a
// plain-text log.
#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_usage.h"
#include "ixobootdup.h"
#include "ixobootdup_xml.h"
#include "xell_adapter.h"
#include "xell_boot.h"
#include "xell_flash.h"

#include <unistd.h>

#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

void ixo_bootdup_usage(bool bhelp)
{
    std::fputs("\nUsage: ixo bootdup [OPTIONS] [ARGUMENTS] ...\n", stdout);
    if (!bhelp)
        return;

    std::fputs("Direct boot update package specific commands using this option\n"
               "Example: ixo bootdup --query -a -o <out_file>\n"
               "Available commands are:\n"
               "\t--query {<ad_id> | -a} [-o <out_file>] [-l <log_file>]\n"
               "\t\tWrite the firmware inventory of the adapter, or of all\n"
               "\t\tthe adapters with -a, as XML\n\n"
               "\t--read <ad_id> -f <fw_file>\n"
               "\t\tRead the firmware image of the adapter into <fw_file>\n"
               "\t\tand its hex dump into <fw_file>.hex\n\n"
               "\t--swquery {<ad_id> | -a} [-o <out_file>] [-l <log_file>]\n"
               "\t\tWrite the driver inventory of the adapter, or of all\n"
               "\t\tthe adapters with -a, as XML\n\n"
               "\t--update {<ad_id> | -a} -s <image_file> [-o <out_file>] [-l <log_file>]\n"
               "\t\tUpdate the boot code of the adapter, or of all the adapters\n"
               "\t\twith -a, and write the execution report as XML\n\n"
               "\n\tThe XML is written to <out_file>, or to the standard output\n"
               "\twhen -o is not given\n"
               "\tThe log is written to <log_file>, by default bootdup_log.txt\n",
               stdout);
    ixo_usage_ad_id_forms();
}

namespace {

constexpr const char *bootdup_default_log = "bootdup_log.txt";

enum class bootdup_oper { query, swquery, update };

// The files of one run; a null stream stands for standard output.
struct bootdup_run {
    FILE *outfp = nullptr;
    FILE *logfp = nullptr;
    std::string out_name;
    std::string log_name;
    std::string pkg_name;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();

    bootdup_run() = default;
    bootdup_run(const bootdup_run &) = delete;
    bootdup_run &operator=(const bootdup_run &) = delete;
    ~bootdup_run()
    {
        if (outfp != nullptr)
            std::fclose(outfp);
        if (logfp != nullptr)
            std::fclose(logfp);
    }
};

FILE *stream(FILE *fp)
{
    return fp != nullptr ? fp : stdout;
}

void write_to_bootdup_logfile(int, FILE *fp, const char *text)
{
    if (text == nullptr || *text == '\0')
        return;
    std::fputs(text, stream(fp));
    std::fputc('\n', stream(fp));
}

__attribute__((format(printf, 2, 3))) void bootdup_log(FILE *fp, const char *fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    va_list copy;
    va_copy(copy, ap);
    int len = std::vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    std::string text(len > 0 ? static_cast<size_t>(len) : 0, '\0');
    if (len > 0)
        std::vsnprintf(text.data(), text.size() + 1, fmt, ap);
    va_end(ap);
    write_to_bootdup_logfile(0, fp, text.c_str());
}

void bootdup_file_remove_if_exists(const char *fname)
{
    if (access(fname, F_OK) == 0)
        unlink(fname);
}

FILE *bootdup_open(const char *fname)
{
    bootdup_file_remove_if_exists(fname);
    return std::fopen(fname, "a");
}

std::string local_time()
{
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    char text[64] = {};
    asctime_r(&tm, text);
    return text;
}

// A fixed character field of a driver record, never read past its width.
template <size_t N> std::string field(const char (&text)[N])
{
    return std::string(text, strnlen(text, N));
}

std::string serial_of(const xell_adapter_t *adapter)
{
    return field(adapter->serial_num);
}

// Frame step 1: the option pairs after the target.
int bootdup_options(char **argv, int argc, bool with_package, bootdup_run *run)
{
    for (int w = 4; w < argc; w += 2) {
        bool out = std::strcmp(argv[w], "-o") == 0;
        bool log = std::strcmp(argv[w], "-l") == 0;
        bool pkg = with_package && std::strcmp(argv[w], "-s") == 0;
        if (!out && !log && !pkg)
            return E_CLI_INCORRECT_CMD;
        if (w + 1 >= argc)
            return E_CLI_TOO_FEW_ARGS;
        const char *name = argv[w + 1];
        if (pkg) {
            run->pkg_name = name;
        } else if (out) {
            run->out_name = name;
            if (run->outfp != nullptr)
                std::fclose(run->outfp);
            if ((run->outfp = bootdup_open(name)) == nullptr)
                bootdup_log(run->logfp, "Output File (%s) failed to open", name);
        } else {
            run->log_name = name;
            if (run->logfp != nullptr)
                std::fclose(run->logfp);
            if ((run->logfp = bootdup_open(name)) == nullptr) {
                std::printf("Log Flle open(%s) fails. So output will be logged to stdout\n", name);
                bootdup_log(run->logfp, "Output File (%s) Open failed", name);
            }
        }
    }
    return 0;
}

// Frame steps 2 and 3.
void bootdup_log_start(bootdup_run *run)
{
    if (run->log_name.empty()) {
        run->log_name = bootdup_default_log;
        run->logfp = bootdup_open(bootdup_default_log);
        bootdup_log(run->logfp, "Default Log file Name is %s", bootdup_default_log);
    }
    bootdup_log(run->logfp, "*****Log started on %s*****\nLog file (%s) is successfully opened for writing.",
                local_time().c_str(), run->log_name.c_str());
}

// Frame step 6.
void bootdup_log_end(const bootdup_run &run)
{
    if (!run.out_name.empty() && run.outfp != nullptr)
        bootdup_log(run.logfp, "Output file (%s) generated successfully.\n", run.out_name.c_str());
    bootdup_log(run.logfp, "Log file (%s) written successfully.\n", run.log_name.c_str());
    double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - run.start).count();
    bootdup_log(run.logfp, "(Total Execution took:%.2lf seconds)\n*****Log file closed on %s *****", elapsed,
                local_time().c_str());
}

void ixo_bootdup_write_err(FILE *outfp)
{
    bootdup_xml_line(outfp, bootdup_xml_decl());
    bootdup_xml_line(outfp, std::string(dell_xml_tags_table[XML_SVM_INVENTORY]) + dell_xml_tags_table[XML_LANG_EMPTY]);
}

// The PCI address "dddd:bb:ss.f" (the domain may be absent) as its bus,
// device and function texts.
struct pci_pieces {
    std::string bus, device, function;
};

pci_pieces split_pci_path(const char *path)
{
    pci_pieces p;
    std::string text(path);
    size_t dot = text.rfind('.');
    std::string head = text.substr(0, dot);
    if (dot != std::string::npos)
        p.function = text.substr(dot + 1);
    size_t colon = head.rfind(':');
    p.device = colon == std::string::npos ? head : head.substr(colon + 1);
    if (colon != std::string::npos) {
        std::string rest = head.substr(0, colon);
        size_t before = rest.rfind(':');
        p.bus = before == std::string::npos ? rest : rest.substr(before + 1);
    }
    return p;
}

std::string hex_id(unsigned value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%x", value);
    return text;
}

// What the execution report says of one adapter.
struct bootdup_report {
    bool enabled = false;
    bool success = false;
    bool reboot = false;
};

void bootdup_fw_device(FILE *outfp, const xel_ioc_attr_t &first, const xel_ioc_attr_t &attr, xell_t *ioc,
                       const std::string &version, const bootdup_report &report)
{
    char devpath[256] = {}, hwpath[32] = {}, ad_hwpath[32] = {};
    xell_ioc_get_path(ioc, devpath, hwpath, ad_hwpath);
    pci_pieces pci = split_pci_path(hwpath);
    const char *const *t = dell_xml_tags_table;
    std::string descr = field(first.adapter_attr.model_descr);
    std::string model = field(first.adapter_attr.model);

    bootdup_xml_element device(t[XML_DEVICE_VENDOR], hex_id(first.pci_attr.vendor_id));
    device.attr(t[XML_DEVICE_ID], hex_id(first.pci_attr.device_id));
    device.attr(t[XML_SUB_DEVICE_ID], hex_id(first.pci_attr.ssid));
    device.attr(t[XML_SUB_VENDOR_ID], hex_id(attr.pci_attr.ssvid));
    device.attr(t[XML_BUS], pci.bus);
    device.attr(t[XML_DEVICE], pci.device);
    device.attr(t[XML_FUNCTION], pci.function);
    device.attr(t[XML_DISPLAY], descr);
    bootdup_xml_line(outfp, device.text() + ">");

    bootdup_xml_element app(t[XML_APPLICATION], t[XML_FRMW]);
    app.attr(t[XML_VERSION], version);
    app.attr(t[XML_DISPLAY], model);
    if (!report.enabled) {
        bootdup_xml_line(outfp, app.text() + "/>");
    } else {
        bootdup_xml_line(outfp, app.text() + ">");
        bootdup_xml_line(outfp, bootdup_xml_element(t[XML_PACKAGE], version).text() + "/>");
        bootdup_xml_line(outfp, bootdup_xml_element(t[XML_SPSTATUS], report.reboot ? "true" : "false").text() + " >");
        bootdup_xml_line(outfp, bootdup_xml_element(t[XML_MESSAGE], report.success ? "0" : "1").text() + "> " +
                                    (report.success ? "Update success." : "Update failed.") + " " +
                                    t[XML_MESSAGE_END]);
        bootdup_xml_line(outfp, t[XML_SPSTATUS_END]);
        bootdup_xml_line(outfp, t[XML_APPLICATION_END]);
    }
    bootdup_xml_line(outfp, t[XML_DEVICE_END]);
}

void bootdup_sw_device(FILE *outfp, const xel_ioc_attr_t &first, const xel_ioc_attr_t &attr)
{
    const char *const *t = dell_xml_tags_table;
    std::string model = field(first.adapter_attr.model);
    bootdup_xml_element device(t[XML_DEVICE_COMPONENT], hex_id(first.pci_attr.vendor_id));
    device.attr(t[XML_ENUM], model);
    device.attr(t[XML_DISPLAY], model);
    bootdup_xml_line(outfp, device.text() + ">");
    bootdup_xml_element app(t[XML_APPLICATION], t[XML_DRVR]);
    app.attr(t[XML_VERSION], field(attr.driver_attr.driver_ver));
    app.attr(t[XML_DISPLAY], model);
    bootdup_xml_line(outfp, app.text() + "/>");
    bootdup_xml_line(outfp, t[XML_DEVICE_END]);
}

// The boot configuration version of the flash, "NA" when it cannot be read.
std::string bootdup_fw_version(xell_t *ioc)
{
    xel_flash_attr_t flash{};
    char cfg_ver[65] = {};
    if (xell_flash_get_attr(ioc, &flash) != XEL_STATUS_OK || xell_boot_get_cfg_version(ioc, cfg_ver) != XEL_STATUS_OK)
        return "NA";
    return std::string(cfg_ver, strnlen(cfg_ver, 64));
}

// One adapter of the walk: its first IOC's attributes, then a device
// entry per IOC of each port.
xel_status_t bootdup_adapter(xell_adapter_t *adapter, int ad_id, FILE *logfp, FILE *outfp, bootdup_oper oper,
                             uint16_t update_status, bool reboot_req, bool single)
{
    if (adapter == nullptr) {
        bootdup_log(logfp, "ERROR: Unable to open handle to Adapter id %d", ad_id);
        return XEL_STATUS_FAILED;
    }
    xell_t *first_ioc = xell_adapter_get_first_ioc(adapter);
    if (first_ioc == nullptr) {
        bootdup_log(logfp, "ERROR: Unable to open Ioc handle to Adapter id %d", ad_id);
        return XEL_STATUS_FAILED;
    }
    xel_ioc_attr_t first{};
    xel_status_t status = xell_ioc_get_attr(first_ioc, &first);
    if (status != XEL_STATUS_OK) {
        bootdup_log(logfp, "ERROR:in Adapter (%d) Attribute retrieval", ad_id);
        return status;
    }
    std::string version = oper == bootdup_oper::swquery ? std::string() : bootdup_fw_version(first_ioc);
    bootdup_report report;
    if (oper == bootdup_oper::update) {
        report.enabled = true;
        report.reboot = reboot_req;
        report.success = single ? update_status == 1 : (update_status & (1u << (ad_id - 1))) != 0;
        const char *fmt =
            report.success ? "Boot update success on adapter %s.\n" : "Boot update failed on adapter %s.\n";
        bootdup_log(logfp, fmt, serial_of(adapter).c_str());
    }
    for (int p = 0; p < adapter->port_count; p++) {
        xell_port_t *port = xell_adapter_get_port(adapter, p);
        if (port == nullptr)
            continue;
        for (int position = 0; position < xell_port_get_ioc_count(port); position++) {
            xell_t *ioc = xell_port_get_ioc(port, position);
            if (ioc == nullptr)
                continue;
            xel_ioc_attr_t attr{};
            if ((status = xell_ioc_get_attr(ioc, &attr)) != XEL_STATUS_OK)
                return status;
            if (oper == bootdup_oper::swquery)
                bootdup_sw_device(outfp, first, attr);
            else
                bootdup_fw_device(outfp, first, attr, ioc, version, report);
        }
    }
    return XEL_STATUS_OK;
}

xel_status_t bootdup_walk(xell_adapter_t *pa, FILE *logfp, FILE *outfp, bootdup_oper oper, uint16_t update_status,
                          bool reboot_req)
{
    int count = static_cast<int>(xell_adapter_get_count());
    if (count == 0) {
        write_to_bootdup_logfile(0, logfp, "No Supported Device");
        ixo_bootdup_write_err(outfp);
        return XEL_STATUS_OK;
    }
    const char *const *t = dell_xml_tags_table;
    bool report = oper == bootdup_oper::update;
    bootdup_xml_line(outfp, bootdup_xml_decl());
    bootdup_xml_line(outfp, std::string(t[report ? XML_SVM_EXECUTION : XML_SVM_INVENTORY]) + t[XML_LANG]);
    int from = pa != nullptr ? pa->id : 1;
    int to = pa != nullptr ? pa->id : count;
    for (int ad_id = from; ad_id <= to; ad_id++) {
        xell_adapter_t *adapter = pa != nullptr ? pa : xell_adapter_get_by_idx(ad_id);
        xel_status_t status =
            bootdup_adapter(adapter, ad_id, logfp, outfp, oper, update_status, reboot_req, pa != nullptr);
        if (status != XEL_STATUS_OK)
            return status;
    }
    if (report) {
        bootdup_xml_line(outfp, std::string(t[XML_REBOOT]) + (reboot_req ? "1" : "0") + t[XML_REBOOT_END]);
        bootdup_xml_line(outfp, t[XML_SVM_EXECUTION_END]);
    } else {
        bootdup_xml_line(outfp, t[XML_SVM_INVENTORY_END]);
    }
    return XEL_STATUS_OK;
}

} // namespace

xel_status_t ixo_bootdup_query_internal(xell_adapter_t *pa, FILE *logfp, FILE *outfp, bool bupdate_oper,
                                        uint16_t bootdup_update_status, bool breboot_req)
{
    return bootdup_walk(pa, logfp, outfp, bupdate_oper ? bootdup_oper::update : bootdup_oper::query,
                        bootdup_update_status, breboot_req);
}

xel_status_t ixo_bootdup_swquery_internal(xell_adapter_t *pa, FILE *logfp, FILE *outfp, bool, uint16_t, bool)
{
    return bootdup_walk(pa, logfp, outfp, bootdup_oper::swquery, 0, false);
}

xel_status_t ixo_bootdup_update_internal(xell_adapter_t *pa, const char *fw_file, FILE *logfp, FILE *outfp)
{
    xell_t *ioc = nullptr;
    if (pa != nullptr && (ioc = xell_adapter_get_first_ioc(pa)) == nullptr)
        return XEL_STATUS_FAILED;
    uint16_t mask = 0;
    xel_status_t codes[XELL_BOOT_MAX_ADAPTERS] = {};
    xel_status_t status = xell_boot_fwupdate(ioc, fw_file, 0, &mask, codes);
    if (status != XEL_STATUS_OK) {
        std::fflush(stdout);
        std::fprintf(stderr, "ERROR(%d)-Boot update failed\n%s\n", static_cast<int>(status),
                     xell_status_to_string(status));
        bootdup_log(logfp, "ERROR(%d)-Boot update failed-(%s)", static_cast<int>(status),
                    xell_status_to_string(status));
        return status;
    }
    bool reboot = true;
    xel_status_t all_failed = XEL_STATUS_OK;
    if (pa != nullptr) {
        mask = 1;
        write_to_bootdup_logfile(0, logfp, "\nBoot code updated successfully");
    } else {
        unsigned count = xell_adapter_get_count();
        int updated = 0;
        for (unsigned i = 0; i < count && i < XELL_BOOT_MAX_ADAPTERS; i++) {
            if (mask & (1u << i))
                updated++;
            else if (all_failed == XEL_STATUS_OK)
                all_failed = codes[i] != XEL_STATUS_OK ? codes[i] : XEL_STATUS_FAILED;
        }
        bootdup_log(logfp, "Boot code successfully updated for %d adapters\n", updated);
        reboot = updated != 0;
        if (reboot)
            all_failed = XEL_STATUS_OK;
    }
    status = ixo_bootdup_query_internal(pa, logfp, outfp, true, mask, reboot);
    if (reboot)
        write_to_bootdup_logfile(0, logfp,
                                 "A reboot of the system is needed for the newly updated image to be effective\n");
    // A report in which every adapter failed is no success.
    return status != XEL_STATUS_OK ? status : all_failed;
}

xel_status_t ixo_bootdup_pbc_dump_hex(const char *file)
{
    return ixo_flash_hex_dump(file);
}

xel_status_t ixo_bootdup_fw_read(xell_adapter_t *pa, const char *fw_file, FILE *logfp)
{
    std::string serial = serial_of(pa);
    xell_t *ioc = xell_adapter_get_first_ioc(pa);
    if (ioc == nullptr) {
        bootdup_log(logfp, "Adapter (%s) Read Instance failed\n", serial.c_str());
        return XEL_STATUS_FAILED;
    }
    xel_flash_attr_t attr{};
    xel_status_t status = xell_flash_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    bootdup_log(logfp, "Success in reading the Adapter (%s) Attributes\n", serial.c_str());
    // The size is the firmware image partition's own, wherever the table
    // lists it.
    const xel_flash_part_attr_t *part = xell_flash_find_part(attr, XEL_FLASH_PART_FWIMG);
    status = part != nullptr ? xell_flash_read_part(ioc, XEL_FLASH_PART_FWIMG, 0, const_cast<char *>(fw_file),
                                                    part->part_size, true)
                             : XEL_STATUS_FAILED;
    if (status != XEL_STATUS_OK) {
        bootdup_log(logfp, "Firmware read failed for the Adapter (%s)\n", serial.c_str());
        return status;
    }
    bootdup_log(logfp, "Firmware read written successfully for the adapter (%s) to (%s)\n", serial.c_str(), fw_file);
    return ixo_bootdup_pbc_dump_hex(fw_file);
}

namespace {

int bootdup_command(char **argv, int argc, bootdup_oper oper)
{
    bootdup_run run;
    bool update = oper == bootdup_oper::update;
    int err = bootdup_options(argv, argc, update, &run);
    if (err != 0)
        return err;
    if (update && run.pkg_name.empty())
        return E_CLI_TOO_FEW_ARGS;
    bootdup_log_start(&run);
    const char *what = update ? "Update" : "Query";
    xell_adapter_t *pa = nullptr;
    if (std::strcmp(argv[3], "-a") == 0) {
        bootdup_log(run.logfp, "\n%s operation is for all the adapter instances.\n", what);
    } else if ((pa = ixo_get_adapter_id(argv[3])) == nullptr) {
        ixo_bootdup_write_err(run.outfp);
        return E_CLI_INCORRECT_ADAPTER_ID;
    } else {
        bootdup_log(run.logfp, "\n%s operation is for Adapter %s.\n", what, serial_of(pa).c_str());
    }
    xel_status_t status;
    if (update)
        status = ixo_bootdup_update_internal(pa, run.pkg_name.c_str(), run.logfp, run.outfp);
    else if (oper == bootdup_oper::swquery)
        status = ixo_bootdup_swquery_internal(pa, run.logfp, run.outfp, false, 0, false);
    else
        status = ixo_bootdup_query_internal(pa, run.logfp, run.outfp, false, 0, false);
    std::fflush(stream(run.outfp));
    bootdup_log_end(run);
    return status;
}

} // namespace

int ixo_bootdup_query(char **argv, int argc, ixo_id_t *)
{
    return bootdup_command(argv, argc, bootdup_oper::query);
}

int ixo_bootdup_swquery(char **argv, int argc, ixo_id_t *)
{
    return bootdup_command(argv, argc, bootdup_oper::swquery);
}

int ixo_bootdup_update(char **argv, int argc, ixo_id_t *)
{
    return bootdup_command(argv, argc, bootdup_oper::update);
}

int ixo_bootdup_read(char **argv, int argc, ixo_id_t *id)
{
    if (std::strcmp(argv[4], "-f") != 0)
        return E_CLI_INCORRECT_CMD;
    if (argc < 6)
        return E_CLI_TOO_FEW_ARGS;
    bootdup_run run;
    bootdup_log_start(&run);
    bootdup_log(run.logfp, "\nFirmware read operation is for Adapter %s.\n", serial_of(id->adapter).c_str());
    xel_status_t status = ixo_bootdup_fw_read(id->adapter, argv[5], run.logfp);
    bootdup_log_end(run);
    return status;
}
