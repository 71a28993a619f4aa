// The manufacturing block's service command: every word is checked
// before anything is written.
#include "ixomfg.h"

#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_usage.h"
#include "ixo_values.h"
#include "xell_adapter.h"
#include "xell_vpd.h"

#include <cstdio>
#include <cstring>
#include <string>

void ixo_mfg_usage(bool bhelp)
{
    std::fputs("\nUsage: ixo mfg [OPTIONS] [ARGUMENTS] ...\n", stdout);
    if (!bhelp)
        return;

    std::fputs("Direct manufacturing block specific commands using this option\n"
               "Example: ixo mfg --update <ad_id> <serial_num> <part_num> <card_type>"
               " <nports> <mode> <pwwn>\n"
               "Available commands are:\n"
               "\t--update <ad_id> <serial_num> <part_num> <card_type> <nports> <mode> <pwwn>"
               " [<mac>] [--cap <capabilities>] [--ablk <asic_block_file>]\n"
               "\t\tWrite the manufacturing block of the adapter\n"
               "\t\tserial_num can contain a maximum of 11 characters\n"
               "\t\tcard_type is the card model number\n"
               "\t\tmode is the initial mode {hba | cna | nic}\n"
               "\t\tmac is required or refused depending on the card type\n"
               "\t\tcapabilities is a comma separated list of:\n"
               "\t\t\thba, cna, nic, fc16g, sriov, mezz\n"
               "\t\t--cap and --ablk are used by the newer card types only\n\n",
               stdout);
    ixo_usage_ad_id_forms();
}

namespace {

// A comma-separated capability list; 0 for an unknown word or an empty list.
uint32_t ixo_mfg_init_cap(const char *list)
{
    static const struct {
        const char *upper;
        const char *lower;
        uint32_t bit;
    } caps[] = {{"HBA", "hba", XELL_MFG_CAP_HBA},       {"CNA", "cna", XELL_MFG_CAP_CNA},
                {"NIC", "nic", XELL_MFG_CAP_NIC},       {"FC16G", "fc16g", XELL_MFG_CAP_FC16G},
                {"SRIOV", "sriov", XELL_MFG_CAP_SRIOV}, {"MEZZ", "mezz", XELL_MFG_CAP_MEZZ}};
    uint32_t cm = 0;
    std::string text = list;
    size_t from = 0;
    while (from <= text.size()) {
        size_t comma = text.find(',', from);
        std::string word = text.substr(from, comma == std::string::npos ? std::string::npos : comma - from);
        bool known = false;
        for (const auto &cap : caps)
            if (word == cap.upper || word == cap.lower) {
                cm |= cap.bit;
                known = true;
            }
        if (!known)
            return 0;
        if (comma == std::string::npos)
            break;
        from = comma + 1;
    }
    return cm;
}

// The option words from first on: --cap LIST and --ablk FILE, once each.
int ixo_mfg_options(char **argv, int argc, int first, ixo_mfg_args *a)
{
    bool have_cap = false;
    for (int i = first; i < argc; i += 2) {
        bool cap = std::strcmp(argv[i], "--cap") == 0;
        bool ablk = std::strcmp(argv[i], "--ablk") == 0;
        if ((!cap && !ablk) || i + 1 >= argc || (cap && have_cap) || (ablk && a->asic_file != nullptr))
            return E_CLI_INCORRECT_ARG;
        if (ablk) {
            a->asic_file = argv[i + 1];
            continue;
        }
        have_cap = true;
        a->cm = ixo_mfg_init_cap(argv[i + 1]);
        if (a->cm == 0)
            return E_CLI_INCORRECT_CAPABILITY;
        if (a->has_mac && !(a->cm & (XELL_MFG_CAP_CNA | XELL_MFG_CAP_NIC)))
            return E_CLI_INCORRECT_MAC_OPTION;
    }
    return 0;
}

} // namespace

int ixo_mfg_parse(char **argv, int argc, ixo_mfg_args *a)
{
    a->serial = argv[4];
    a->partnum = argv[5];
    if (std::strlen(a->serial) > 11)
        return E_CLI_INCORRECT_CMD;
    uint64_t number = 0;
    if (!ixo_parse_uint(argv[6], 0xffffffffu, &number))
        number = 0;
    if (number == 0 || std::strlen(argv[6]) > 16)
        return E_CLI_BAD_CARD_TYPE;
    a->card_type = static_cast<uint32_t>(number);
    a->card_name = argv[6];
    if (!ixo_parse_uint(argv[7], 255, &number) || number == 0)
        return E_CLI_BAD_NPORTS;
    a->nports = static_cast<uint8_t>(number);
    const char *mode = argv[8];
    bool cna = std::strcmp(mode, "CNA") == 0 || std::strcmp(mode, "cna") == 0;
    bool nic = std::strcmp(mode, "NIC") == 0 || std::strcmp(mode, "nic") == 0;
    a->mode = cna ? "cna" : nic ? "nic" : "hba";
    if (!ixo_get_port_wwn(argv[9], &a->pwwn))
        return E_CLI_BAD_WWN;
    if (argc == 10)
        return 0;
    int first = 10;
    if (std::strchr(argv[10], ':') != nullptr) {
        if (!ixo_get_mac_number(argv[10], &a->mac))
            return E_CLI_BAD_MAC;
        a->has_mac = true;
        first = 11;
    }
    if (!a->has_mac && xell_mfg_card_type_needs_mac(a->card_type))
        return E_CLI_BAD_MAC;
    if (a->has_mac && xell_mfg_card_type_refuses_mac(a->card_type))
        return E_CLI_INCORRECT_MAC_OPTION;
    return ixo_mfg_options(argv, argc, first, a);
}

int ixo_mfg_update(char **argv, int argc, ixo_id_t *id)
{
    ixo_mfg_args a{};
    int status = ixo_mfg_parse(argv, argc, &a);
    if (status != 0)
        return status;
    xell_t *ioc = xell_adapter_get_first_ioc(id->adapter);
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    status = xell_mfg_update(ioc, a.serial, a.partnum, a.pwwn, a.has_mac ? &a.mac : nullptr, a.card_type, a.nports,
                             a.card_name, a.cm, a.mode, a.asic_file, (a.cm & XELL_MFG_CAP_NIC) != 0);
    if (status == XEL_STATUS_OK)
        std::printf("Successfully updated the mfg block\nA host reboot is needed for the changes to be effective\n\n");
    xell_ioc_close(ioc);
    return status;
}
