// libFuzzer target for the resolution of a command's target word: every
// kind of target and driver path of the command table, and the resolvers
// behind them, on one emulated host made once per process. Any word
// resolves without a fault, to a status a target may answer, and a word
// that resolves names an object of the adapter model of the kind asked for.

#include "ixo_errors.h"
#include "ixo_id.h"
#include "ixotable.h"
#include "sim_kernel.h"
#include "sim_state.h"
#include "sim_topology.h"
#include "xell_adapter.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// Besides the default host's HBA and converged adapter (adapters 1 and 2):
// an HBA whose port 0 function has no SCSI host (so no port 0 in the
// model) and that carries a name, a converged adapter whose FCoE function
// starts disabled (so the operational function of its port is the Ethernet
// one), a NIC, and an HBA of device 0x17 whose second function the library
// does not report (so its port 1 is only in the hardware port count).
// SCSI hosts and interface names follow the default host's.
constexpr const char *extra_adapters = R"({"adapters": [
  {"serial": "TSF00000011", "name": "lab-hba", "nports": 2, "functions": [
    {"pci": "0000:11:00.0", "type": "fc", "port": 0, "bound": false},
    {"pci": "0000:11:00.1", "type": "fc", "port": 1, "host": 6}]},
  {"serial": "TSC00000012", "functions": [
    {"pci": "0000:12:00.0", "type": "fcoe", "port": 0, "host": 7, "enabled": false},
    {"pci": "0000:12:00.1", "type": "eth", "port": 0, "eth_name": "eth4"}]},
  {"serial": "TSN00000013", "functions": [
    {"pci": "0000:13:00.0", "type": "eth", "port": 0, "eth_name": "eth5"},
    {"pci": "0000:13:00.1", "type": "eth", "port": 1, "eth_name": "eth6"}]},
  {"serial": "TSF00000014", "device_id": "0x17", "nports": 2, "functions": [
    {"pci": "0000:14:00.0", "type": "fc", "port": 0, "host": 8},
    {"pci": "0000:14:00.1", "type": "fc", "port": 1, "host": 9}]}
]})";

void tear_down();

// A failed check ends the process without atexit; the emulated root goes
// first (a sanitizer's report cannot remove it, so CI runs under a TMPDIR
// of its own).
[[noreturn]] void fail(const char *what, const std::string &word)
{
    std::fprintf(stderr, "ixo_target_fuzz: %s (word \"%s\")\n", what, word.c_str());
    tear_down();
    std::abort();
}

void check(bool ok, const char *what, const std::string &word)
{
    if (!ok)
        fail(what, word);
}

// The emulated host and the adapter model scanned from it. Made on the
// heap and torn down by atexit, before the library's own statics go.
struct FuzzHost {
    std::string root;
    std::unique_ptr<SimHost> host;
    std::unique_ptr<EmulatedSys> kernel;
    std::set<const xell_t *> iocs;
    std::set<const xell_adapter_t *> adapters;
    // One command row for each target kind and driver path the table uses.
    std::vector<std::pair<int, int>> rows;
    unsigned runs = 0;
};

FuzzHost *fuzz_host = nullptr;

void tear_down()
{
    xell_adapter_free();
    xell_os_install(nullptr);
    if (fuzz_host != nullptr) {
        std::string root = fuzz_host->root;
        delete fuzz_host;
        fuzz_host = nullptr;
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
}

void set_up()
{
    sim_topology topology;
    sim_topology extra;
    std::string error;
    if (!sim_preset_topology("default", &topology) || !sim_parse_topology(extra_adapters, &extra, &error)) {
        std::fprintf(stderr, "ixo_target_fuzz: no topology: %s\n", error.c_str());
        std::exit(1);
    }
    topology.adapters.insert(topology.adapters.end(), extra.adapters.begin(), extra.adapters.end());

    std::string pattern = (std::filesystem::temp_directory_path() / "ixo-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("ixo_target_fuzz: mkdtemp");
        std::exit(1);
    }
    fuzz_host = new FuzzHost;
    fuzz_host->root = pattern;
    std::atexit(tear_down);
    if (!sim_create_host_from(fuzz_host->root, topology, &error)) {
        std::fprintf(stderr, "ixo_target_fuzz: cannot create the host: %s\n", error.c_str());
        std::exit(1);
    }
    fuzz_host->host = std::make_unique<SimHost>(fuzz_host->root);
    fuzz_host->kernel = std::make_unique<EmulatedSys>(*fuzz_host->host);
    xell_os_install(fuzz_host->kernel.get());
    int count = xell_adapter_scan();
    if (count != static_cast<int>(topology.adapters.size())) {
        std::fprintf(stderr, "ixo_target_fuzz: the scan found %d adapters\n", count);
        std::exit(1);
    }

    for (int id = 1; id <= count; id++) {
        xell_adapter_t *adapter = xell_adapter_get_by_idx(id);
        fuzz_host->adapters.insert(adapter);
        for (auto &port : adapter->port_list)
            for (auto *list : {&port->fcioc_list, &port->ethioc_list})
                for (auto &ioc : *list)
                    fuzz_host->iocs.insert(ioc.get());
    }
    std::set<std::pair<int, int>> kinds;
    for (int cls = 0; std::strcmp(ixo_class_desc[cls].name, "none") != 0; cls++)
        for (int cmd = 0; cmd < ixo_class_desc[cls].num_cmd; cmd++) {
            const ixo_cmd_desc_t &row = ixo_class_desc[cls].cmds[cmd];
            if (kinds.insert({row.id_desc, row.drv_path}).second)
                fuzz_host->rows.emplace_back(cls, cmd);
        }
}

bool is_ioc(const xell_t *ioc)
{
    return fuzz_host->iocs.count(ioc) != 0;
}

// A word looked up as text names the IOC by an identity it has; an unset
// one (no port name) is no identity.
bool names_ioc(const std::string &word, const xell_t *ioc)
{
    return !word.empty() && (word == ioc->ioc_hwpath || word == ioc->port_name || word == ioc->serialnum);
}

bool names_adapter(const std::string &word, const xell_adapter_t *adapter)
{
    if (!word.empty() && word.find_first_not_of("0123456789") == std::string::npos)
        return word.substr(std::min(word.find_first_not_of('0'), word.size())) == std::to_string(adapter->id);
    return !word.empty() && (word == adapter->serial_num || word == adapter->name || word == adapter->adapter_hwpath);
}

// A resolved IOC is one of the model's, of the kind the path asks for.
void check_ioc(const xell_t *ioc, int ioc_type, const std::string &word)
{
    check(is_ioc(ioc), "resolved to no IOC of the model", word);
    if (ioc_type == IXO_IOC_TYPE_ETH)
        check(!xell_ioc_is_storage(ioc), "a network target resolved to a storage IOC", word);
    else
        check(xell_ioc_is_storage(ioc), "a storage target resolved to a network IOC", word);
}

void check_status(int status, std::initializer_list<int> allowed, const std::string &word)
{
    for (int code : allowed)
        if (status == code)
            return;
    std::fprintf(stderr, "ixo_target_fuzz: status %d\n", status);
    fail("a status no target answers", word);
}

// The general resolver and the ones that refine it, for one IOC type.
void resolve_ports(const std::string &word, int ioc_type)
{
    const char *text = word.c_str();
    xell_t *ioc = nullptr;
    xell_t *last = nullptr;
    port_id_type_t form = e_id_unknown;
    int status = ixo_get_port_id_any(text, ioc_type, &ioc, &form, &last);
    check_status(status, {E_CLI_NO_ERROR, E_CLI_INCORRECT_PORT_ID, E_CLI_NO_FC_INFO, E_CLI_NO_ETH_INFO}, word);
    if (status == E_CLI_NO_ERROR && form != e_id_unknown) {
        check_ioc(ioc, ioc_type, word);
        bool range = word.find('-') != std::string::npos && word.find('/') != std::string::npos &&
                     word.find(':') == std::string::npos;
        if (range) {
            // The last IOC is the first one's, or the one the second word names.
            check(is_ioc(last), "a range without its last IOC", word);
            std::string second = word.substr(word.find('-') + 1);
            xell_t *named = nullptr;
            check(last == ioc || names_ioc(second, last) ||
                      (ixo_get_port_id(second.c_str(), ioc_type, &named) == E_CLI_NO_ERROR && named == last),
                  "a range ends at an IOC its second word does not name", word);
        }
    }

    xell_t *plain = nullptr;
    int plain_status = ixo_get_port_id(text, ioc_type, &plain);
    check(plain_status == (status == E_CLI_NO_ERROR && form == e_id_unknown ? E_CLI_INCORRECT_PORT_ID : status),
          "the resolver and the general one disagree", word);

    // The strict forms accept a subset of the same words, with the same IOC.
    xell_t *strict = nullptr;
    status = ixo_get_port_id_strict(text, ioc_type, &strict);
    check_status(status, {E_CLI_NO_ERROR, E_CLI_INCORRECT_PORT_ID, E_CLI_NO_FC_INFO, E_CLI_NO_ETH_INFO}, word);
    if (status == E_CLI_NO_ERROR)
        check(plain_status == E_CLI_NO_ERROR && strict == plain, "the strict port form names another IOC", word);
    status = ixo_get_pcifn_id_strict(text, ioc_type, &strict);
    check_status(status,
                 {E_CLI_NO_ERROR, E_CLI_INCORRECT_PORT_ID, E_CLI_INCORRECT_PCIFN_ID, E_CLI_NO_FC_INFO,
                  E_CLI_NO_ETH_INFO},
                 word);
    if (status == E_CLI_NO_ERROR)
        check(plain_status == E_CLI_NO_ERROR && strict == plain, "the strict function form names another IOC", word);

    for (auto lookup : {ixo_get_ioc_by_wwn, ixo_get_ioc_by_hwpath, ixo_get_ioc_by_portname}) {
        status = lookup(text, ioc_type, &ioc);
        check_status(status, {E_CLI_NO_ERROR, E_CLI_INCORRECT_PORT_ID, E_CLI_NO_FC_INFO, E_CLI_NO_ETH_INFO}, word);
        if (status == E_CLI_NO_ERROR)
            check_ioc(ioc, ioc_type, word);
    }
    for (auto lookup : {ixo_get_ioc_by_hwpath, ixo_get_ioc_by_portname})
        if (lookup(text, ioc_type, &ioc) == E_CLI_NO_ERROR)
            check(names_ioc(word, ioc), "a word found an IOC it does not name", word);
}

void resolve_numbers(const std::string &word)
{
    for (bool hw_ports : {false, true}) {
        ixo_pcifn_t numbers{-2, -2, -2};
        if (!ixo_get_adapter_port_id(word.c_str(), &numbers, hw_ports))
            continue;
        check(numbers.adapter >= 0 && numbers.adapter <= static_cast<int>(xell_adapter_get_count()),
              "an adapter number out of range", word);
        check(numbers.port >= -1 && numbers.pcifn_id >= -1, "a port or function number out of range", word);
        if (numbers.adapter != 0 && !hw_ports)
            check(numbers.port < xell_adapter_get_port_count(numbers.adapter), "a port beyond the count", word);
    }
}

// Each row kind as the command runner resolves it.
void resolve_rows(const std::string &word)
{
    for (auto [cls, cmd] : fuzz_host->rows) {
        const ixo_cmd_desc_t &row = ixo_class_desc[cls].cmds[cmd];
        ixo_id_t id{};
        int status = ixo_get_id(word.c_str(), cls, cmd, &id);
        switch (row.id_desc) {
        case PORT_ID:
        case PCIFN_ID:
            check_status(status, {E_CLI_NO_ERROR, E_CLI_INCORRECT_PORT_ID, E_CLI_NO_FC_INFO, E_CLI_NO_ETH_INFO},
                         word);
            if (status != E_CLI_NO_ERROR)
                break;
            // Any path but the operational one keeps the kind it resolved.
            if (row.drv_path == PATH_FC || row.drv_path == PATH_ETH)
                check_ioc(id.xell, row.drv_path == PATH_ETH ? IXO_IOC_TYPE_ETH : IXO_IOC_TYPE_FC, word);
            else
                check(is_ioc(id.xell), "resolved to no IOC of the model", word);
            break;
        case ADAPTER_ID:
            check_status(status, {E_CLI_NO_ERROR, E_CLI_INCORRECT_ADAPTER_ID}, word);
            if (status == E_CLI_NO_ERROR)
                check(fuzz_host->adapters.count(id.adapter) != 0 && names_adapter(word, id.adapter),
                      "resolved to an adapter the word does not name", word);
            break;
        case PORT_FIRST_IOC:
        case PCIFN_FIRST_IOC: {
            check_status(status,
                         {E_CLI_NO_ERROR, E_CLI_INCORRECT_PORT_ID, E_CLI_INCORRECT_PCIFN_ID, E_CLI_PORT0_ABSENT},
                         word);
            if (status != E_CLI_NO_ERROR)
                break;
            bool pfn = row.id_desc == PCIFN_FIRST_IOC;
            const xell_t *ioc = pfn ? id.pfn_ioc.xell : id.port_ioc.xell;
            check(is_ioc(ioc) && ioc->port_num == 0, "the first IOC is not on port 0", word);
            check((pfn ? id.pfn_ioc.port : id.port_ioc.port) >= 0, "a negative port number", word);
            if (pfn)
                check(id.pfn_ioc.pfn >= 0, "a negative function number", word);
            break;
        }
        case PCIFN_ID_STRICT:
        case TEAM_ID:
        case ID_NONE:
            check_status(status, {E_CLI_NO_ERROR}, word);
            break;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    set_up();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A command line word ends at its first NUL.
    std::string word(reinterpret_cast<const char *>(data), size);
    word.resize(std::strlen(word.c_str()));

    resolve_rows(word);
    resolve_ports(word, IXO_IOC_TYPE_FC);
    resolve_ports(word, IXO_IOC_TYPE_ETH);
    resolve_numbers(word);

    // Requests the resolvers send are logged by the emulated host; keep the
    // log from growing over a long run.
    if (++fuzz_host->runs % 4096 == 0)
        sim_store(fuzz_host->root).clear_log();
    return 0;
}
