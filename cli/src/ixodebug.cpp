// The debug commands: traces, saved state and the firmware core to files,
// trace control, driver memory and adapter registers.
#include "ixodebug.h"

#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_usage.h"
#include "ixo_values.h"
#include "xell_debug.h"
#include "xell_diag.h"
#include "xell_pcifn.h"

#include "xell_state.h"

#include <cinttypes>
#include <ctime>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

void ixo_debug_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo debug [OPTIONS] [ARGUMENTS] ...\n"
               "Direct Debugging commands using this option\n"
               "Example: ixo debug --portlog <pcifn>\n"
               "Available commands are:\n"
               "\t--dsave <pcifn> <outfile>\n"
               "\t\tSaves driver data structure states in raw form in <outfile>\n\n"
               "\t--dstart <pcifn>\n"
               "\t\tStarts the driver trace accumulation\n\n"
               "\t--dstop <pcifn>\n"
               "\t\tStops the driver trace accumulation\n\n"
               "\t--dtrc <pcifn> <outfile>\n"
               "\t\tDump driver trace information to <outfile>\n\n"
               "\t--fcoresave <port_id> <outfile>\n"
               "\t\tSaves firmware core dump in raw form in <outfile>\n\n"
               "\t--fsave <pcifn> <outfile>\n"
               "\t\tDump saved firmware trace information to file <outfile>\n\n"
               "\t--fsaveclr <pcifn>\n"
               "\t\tClears the saved firmware trace information\n\n"
               "\t--ftrc <port_id> <outfile>\n"
               "\t\tDump firmware trace information to file <outfile>\n\n"
               "\t--itrc <outfile>\n"
               "\t\tDump IM driver trace information to <outfile>\n\n"
               "\t--membase <pcifn>\n"
               "\t\tRead kva base\n\n"
               "\t--memread <pcifn> [kva] [nwords]\n"
               "\t\tRead nwords from kva offset = kva\n\n"
               "\t--portlog <pcifn>\n"
               "\t\tDisplay port log contents\n\n"
               "\t--portlogclear <pcifn>\n"
               "\t\tClears the port log for <pcifn>\n\n"
               "\t--portlogctl <pcifn> <enable | disable>\n"
               "\t\tEnables/disables port logging\n\n"
               "\t--regread <port_id> <addr> [<nwords>] [--force]\n"
               "\t\tRead register/memory contents\n\n"
               "\t--regwrite <port_id> <addr> <value> [--force]\n"
               "\t\tWrite to register/memory\n"
               "\t\t--force option forces register read/write\n\n",
               stdout);
    ixo_usage_port_id_forms();
    ixo_usage_pcifn_id_fn_form();
}

namespace {

// The most words one register read asks for: the adapter's whole
// register window.
constexpr uint64_t ixo_reg_max_words = 0x20000;

// Hexadecimal digits, with or without 0x, that fit max.
bool ixo_debug_hex(const char *text, uint64_t max, uint64_t *value)
{
    if (text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text += 2;
    if (text[0] == '\0' || std::strlen(text) > 16)
        return false;
    uint64_t result = 0;
    for (const char *p = text; *p != '\0'; p++) {
        char c = *p;
        uint64_t digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<uint64_t>(c - '0');
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<uint64_t>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            digit = static_cast<uint64_t>(c - 'A' + 10);
        else
            return false;
        if (result > (max - digit) / 16)
            return false;
        result = result * 16 + digit;
    }
    *value = result;
    return true;
}

bool ixo_debug_count(const char *text, uint64_t max, uint32_t *count)
{
    uint64_t value = 0;
    if (!ixo_parse_uint(text, max, &value) || value == 0)
        return false;
    *count = static_cast<uint32_t>(value);
    return true;
}

using ixo_save_fn = xel_status_t (*)(xell_t *, const char *);

int ixo_debug_save(char **argv, int argc, ixo_id_t *id, ixo_save_fn save)
{
    if (id->xell == nullptr || argc < 5)
        return XEL_STATUS_FAILED;
    std::string path;
    try {
        path = argv[4];
    } catch (const std::bad_alloc &) {
        return E_CLI_SYSTEM_BUSY;
    }
    return save(id->xell, path.c_str());
}

int ixo_driver_controltrace(ixo_id_t *id, bool start)
{
    if (id->xell == nullptr)
        return XEL_STATUS_FAILED;
    xel_status_t status = xell_debug_control_dtrc(id->xell, start);
    if (status == XEL_STATUS_OK)
        std::printf("Driver tracing has been %s\n", start ? "started" : "stopped");
    return status;
}

int ixo_fw_controltrace(ixo_id_t *id, bool start)
{
    xel_status_t status = xell_debug_control_ftrc(id->xell, start);
    if (status == XEL_STATUS_OK)
        std::printf("Firmware tracing has been %s\n", start ? "started" : "stopped");
    return status;
}

} // namespace

// Words eight to a line, each line led by the address of its first word.
void ixo_debug_print_words(uint64_t addr, const uint32_t *words, uint32_t count, bool wide)
{
    for (uint32_t i = 0; i < count; i++) {
        if (i % 8 == 0) {
            if (i != 0)
                std::fputs("\n", stdout);
            uint64_t at = addr + static_cast<uint64_t>(i) * 4;
            if (wide)
                std::printf("%" PRIx64 ": ", at);
            else
                std::printf("%08x: ", static_cast<uint32_t>(at));
        }
        std::printf("%08x ", words[i]);
    }
    std::fputs("\n", stdout);
}

void ixo_debug_print_registers(uint32_t addr, const uint32_t *words, uint32_t count)
{
    std::printf("data read from address: %x length: %d is:\n", addr, static_cast<int>(count));
    ixo_debug_print_words(addr, words, count, false);
}

int ixo_driver_dumptrace(char **argv, int argc, ixo_id_t *id)
{
    return ixo_debug_save(argv, argc, id, xell_debug_drv_trace);
}

int ixo_driver_dumpstate(char **argv, int argc, ixo_id_t *id)
{
    return ixo_debug_save(argv, argc, id, xell_debug_drv_state);
}

int ixo_fw_dumptrace(char **argv, int argc, ixo_id_t *id)
{
    return ixo_debug_save(argv, argc, id, xell_debug_fw_trace);
}

int ixo_fw_dumpstate(char **argv, int argc, ixo_id_t *id)
{
    return ixo_debug_save(argv, argc, id, xell_debug_fw_state);
}

int ixo_fw_dumpcore(char **argv, int argc, ixo_id_t *id)
{
    return ixo_debug_save(argv, argc, id, xell_debug_fw_core);
}

int ixo_fw_state_clear(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    return xell_debug_fw_state_clr(id->xell);
}

int ixo_driver_controltrace_start(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    return ixo_driver_controltrace(id, true);
}

int ixo_driver_controltrace_stop(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    return ixo_driver_controltrace(id, false);
}

int ixo_fw_controltrace_start(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    return ixo_fw_controltrace(id, true);
}

int ixo_fw_controltrace_stop(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    return ixo_fw_controltrace(id, false);
}

int ixo_imdriver_dumptrace(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    (void)id;
    return XEL_STATUS_CMD_NOTSUPP;
}

int ixo_diag_membase(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    uint64_t kva = 0;
    xel_status_t status = xell_diag_memread(id->xell, 0, 0, nullptr, &kva);
    if (status == XEL_STATUS_OK)
        std::printf("Memory Base = %" PRIx64 "\n", kva);
    return status;
}

int ixo_diag_memread(char **argv, int argc, ixo_id_t *id)
{
    uint64_t addr = 0;
    uint32_t count = 1;
    if (argc >= 5 && !ixo_debug_hex(argv[4], UINT64_MAX, &addr))
        return E_CLI_INCORRECT_CMD;
    if (argc >= 6 && !ixo_debug_count(argv[5], XEL_MEMREAD_MAX_WORDS, &count))
        return E_CLI_INCORRECT_CMD;
    std::vector<uint32_t> words(count);
    uint64_t kva = 0;
    xel_status_t status = xell_diag_memread(id->xell, addr, count, words.data(), &kva);
    if (status == XEL_STATUS_OK)
        ixo_debug_print_words(addr, words.data(), count, true);
    return status;
}

int ixo_diag_readregister(char **argv, int argc, ixo_id_t *id)
{
    uint64_t addr = 0;
    uint32_t count = 1;
    uint32_t force = 0;
    if (!ixo_debug_hex(argv[4], UINT32_MAX, &addr))
        return E_CLI_INCORRECT_CMD;
    if (argc >= 6) {
        bool forced = std::strcmp(argv[5], "--force") == 0;
        if (forced)
            force = 1;
        else if (!ixo_debug_count(argv[5], ixo_reg_max_words, &count))
            return E_CLI_INCORRECT_CMD;
        if (argc == 7) {
            if (forced ? !ixo_debug_count(argv[6], ixo_reg_max_words, &count) : std::strcmp(argv[6], "--force") != 0)
                return E_CLI_INCORRECT_ARG;
            force = 1;
        }
    }
    if (id->xell == nullptr)
        return XEL_STATUS_FAILED;
    std::vector<uint32_t> words(count);
    xel_status_t status =
        xell_diag_regread(id->xell, static_cast<uint32_t>(addr), static_cast<int>(count), words.data(), force);
    if (status != XEL_STATUS_OK)
        return status;
    ixo_debug_print_registers(static_cast<uint32_t>(addr), words.data(), count);
    return XEL_STATUS_OK;
}

int ixo_diag_writeregister(char **argv, int argc, ixo_id_t *id)
{
    uint64_t addr = 0;
    uint64_t value = 0;
    if (!ixo_debug_hex(argv[4], UINT32_MAX, &addr) || !ixo_debug_hex(argv[5], UINT32_MAX, &value))
        return E_CLI_INCORRECT_CMD;
    uint32_t force = 0;
    if (argc == 7) {
        if (std::strcmp(argv[6], "--force") != 0)
            return E_CLI_INCORRECT_ARG;
        force = 1;
    }
    if (id->xell == nullptr)
        return XEL_STATUS_FAILED;
    std::printf("address is 0x%x\n and value is 0x%x\n", static_cast<uint32_t>(addr), static_cast<uint32_t>(value));
    return xell_diag_regwrite(id->xell, static_cast<uint32_t>(addr), static_cast<uint32_t>(value), force);
}

namespace {

void ixo_plog_rule(const char *tail)
{
    std::printf("-----------------------------------------------------%s", tail);
}

void ixo_plog_print_rec(const xel_plog_rec_t &rec)
{
    char when[32] = "";
    auto seconds = static_cast<time_t>(rec.tv);
    struct tm tm {};
    if (gmtime_r(&seconds, &tm) != nullptr)
        std::strftime(when, sizeof when, "%b %d %H:%M:%S %Y", &tm);
    int mid = rec.mid > 7 ? 0 : rec.mid;
    int eid = rec.eid > 24 ? 0 : rec.eid;
    std::printf("%-19s %-8s %-8s %-4d ", when, xel_plog_mid_strings(mid), xel_plog_eid_strings(eid), rec.misc);
    const auto *entry = reinterpret_cast<const char *>(rec.log_entry);
    if (rec.log_type == XEL_PLOG_TYPE_STRING) {
        // The entry holds no terminator when the string fills it.
        std::printf("%.*s\n", static_cast<int>(strnlen(entry, sizeof rec.log_entry)), entry);
    } else if (rec.log_type == XEL_PLOG_TYPE_INT) {
        int count = rec.log_num_ints > 8 ? 8 : rec.log_num_ints;
        for (int i = 0; i < count; i++) {
            const uint8_t *b = rec.log_entry + 4 * i;
            uint32_t v = (uint32_t{b[0]} << 24) | (uint32_t{b[1]} << 16) | (uint32_t{b[2]} << 8) | b[3];
            std::printf(i == 0 ? "%08x" : ",%08x", v);
        }
        std::fputs("\n", stdout);
    } else {
        std::fputs("Invalid plog rec!!!!\n", stdout);
    }
}

} // namespace

void ixo_debug_portlog_print(const xel_plog_t &plog)
{
    if (std::memcmp(plog.plog_sig, "12pl123", 8) != 0) {
        std::fputs("Log signature mismatch.\n", stdout);
        std::printf("sig: %.*s\n", static_cast<int>(strnlen(plog.plog_sig, sizeof plog.plog_sig)), plog.plog_sig);
    }
    if (!plog.plog_enabled) {
        std::fputs("Portlog disabled\n", stdout);
        return;
    }
    if (plog.head == plog.tail) {
        std::fputs("Portlog is empty\n", stdout);
        return;
    }
    int head = plog.head % XEL_PLOG_RECS;
    int tail = plog.tail % XEL_PLOG_RECS;
    int count = head < tail ? tail - head : XEL_PLOG_RECS;
    std::printf("Total records present = %d\n", count);
    ixo_plog_rule("-------------------------\n");
    std::printf("%-19s %-8s %-8s %-4s %s\n", "Time Stamp", "Module", "Event", "Len", "Log info");
    ixo_plog_rule("-------------------------\n");
    // A ring that has wrapped is full: every record, the oldest at head.
    for (int n = 0; n < count; n++)
        ixo_plog_print_rec(plog.plog_recs[(head + n) % XEL_PLOG_RECS]);
    ixo_plog_rule("----------------------\n");
}

int ixo_portlog(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    xel_plog_t plog{};
    xel_status_t status = xell_debug_portlog(id->xell, &plog);
    if (status == XEL_STATUS_OK)
        ixo_debug_portlog_print(plog);
    return status;
}

int ixo_portlogclr(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    xel_status_t status = xell_debug_portlog_clr(id->xell);
    if (status == XEL_STATUS_OK)
        std::fputs("port log is successfully cleared\n", stdout);
    return status;
}

// Switching the port log to the state it is already in is refused.
int ixo_portlogctl(char **argv, int argc, ixo_id_t *id)
{
    (void)argc;
    bool enable = std::strcmp(argv[4], "enable") == 0;
    if (!enable && std::strcmp(argv[4], "disable") != 0)
        return E_CLI_INCORRECT_CMD;
    if (id->xell == nullptr)
        return XEL_STATUS_FAILED;
    xel_vhba_attr_t attr{};
    xel_status_t status = xell_vhba_get_attr(id->xell, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    if (enable && attr.plog_enabled)
        return XEL_STATUS_PORTLOG_ENABLED;
    if (!enable && !attr.plog_enabled)
        return XEL_STATUS_PORTLOG_DISABLED;
    status = xell_debug_portlog_ctl(id->xell, enable);
    if (status == XEL_STATUS_OK)
        std::printf("port log %s\n", enable ? "enabled" : "disabled");
    return status;
}
