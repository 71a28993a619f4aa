// LUN masking commands of the fcpim class: enable, disable, clear, query,
// add and delete.
#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_lpwwn.h"
#include "ixo_values.h"
#include "xell_fcpim.h"
#include "xell_ioc.h"

#include <cstdio>
#include <cstring>

namespace {

// A LUN in the display form "hhhh-hhhh-hhhh-hhhh" or as its 16 digits
// alone; dashes anywhere else would move digits into other bytes.
bool ixo_parse_lun_text(const char *text, lun_t *lun)
{
    size_t length = std::strlen(text);
    char digits[17] = {};
    if (length == 16)
        std::memcpy(digits, text, 16);
    else if (length == 19 && text[4] == '-' && text[9] == '-' && text[14] == '-')
        for (int group = 0; group < 4; group++)
            std::memcpy(digits + 4 * group, text + 5 * group, 4);
    else
        return false;
    return std::strchr(digits, '-') == nullptr && ixo_convert_string_to_lun(digits, 16, lun);
}

int ixo_lm_args(char **argv, int argc, wwn_t *rpwwn, lun_t *lun, wwn_t *lpwwn)
{
    if (!ixo_get_port_wwn(argv[4], rpwwn))
        return E_CLI_BAD_WWN;
    if (!ixo_verify_lun(argv[5]) || !ixo_parse_lun_text(argv[5], lun))
        return E_CLI_INCORRECT_CMD;
    uint16_t vf_id = 0;
    return ixo_fill_vfid_lpwwn(argv, argc, 6, &vf_id, lpwwn);
}

void ixo_lm_report(const char *done, lun_t lun, wwn_t rpwwn, wwn_t lpwwn)
{
    std::fputs(done, stdout);
    std::fputs("LUN           : ", stdout);
    char text[32];
    ixo_convert_lun_to_string(lun, text, sizeof text);
    std::printf("%s\n", text);
    std::fputs("Target        : ", stdout);
    ixo_print_pwwn(rpwwn);
    std::fputs("\nInitiator     : ", stdout);
    ixo_print_pwwn(lpwwn);
    std::fputs("\n", stdout);
}

using ixo_lm_change_t = xel_status_t (*)(xell_t *, uint16_t, wwn_t *, wwn_t, wwn_t);

int ixo_lm_change(char **argv, int argc, ixo_id_t *id, ixo_lm_change_t change, const char *done)
{
    wwn_t rpwwn = 0;
    wwn_t lpwwn = 0;
    lun_t lun = 0;
    int error = ixo_lm_args(argv, argc, &rpwwn, &lun, &lpwwn);
    if (error != E_CLI_NO_ERROR)
        return error;
    xel_status_t status = change(id->xell, 0, &lpwwn, rpwwn, lun);
    if (status == XEL_STATUS_OK)
        ixo_lm_report(done, lun, rpwwn, lpwwn);
    return status;
}

const char *ixo_lm_status_text(uint8_t status)
{
    switch (status) {
    case XEL_LUNMASK_ENABLED:
        return "LUN Mask status is : Enabled\n";
    case XEL_LUNMASK_DISABLED:
        return "LUN Mask status is : Disabled\n";
    case XEL_LUNMASK_UNINITIALIZED:
        return "LUN Mask status is : Uninitialized\n";
    default:
        return "LUN Mask status is : Unknown\n";
    }
}

// "-r <rpwwn>" and "-l <lpwwn>" pairs from argv[4].
int ixo_lm_query_filters(char **argv, int argc, wwn_t *rpwwn, wwn_t *lpwwn)
{
    for (int i = 4; i < argc; i += 2) {
        bool is_r = std::strcmp(argv[i], "-r") == 0;
        if (!is_r && std::strcmp(argv[i], "-l") != 0)
            return E_CLI_INCORRECT_CMD;
        if (i + 1 >= argc)
            return E_CLI_TOO_FEW_ARGS;
        if (!ixo_get_port_wwn(argv[i + 1], is_r ? rpwwn : lpwwn))
            return E_CLI_BAD_WWN;
    }
    return E_CLI_NO_ERROR;
}

void ixo_lm_rule()
{
    std::fputs("--------------------------------------------------------"
               "-------------------------------\n",
               stdout);
}

} // namespace

int ixo_fcpim_lm_en_hdlr(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    xell_t *ioc = id->xell;
    xel_lunmask_cfg_s cfg{};
    xel_status_t status = xell_fcpim_lunmask_query(ioc, &cfg);
    if (status != XEL_STATUS_OK)
        return status;
    int in_use = 0;
    for (const xel_lun_mask_s &entry : cfg.lun_list)
        in_use += entry.state == 1 ? 1 : 0;
    status = xell_fcpim_lunmask_enable(ioc);
    if (status != XEL_STATUS_OK)
        return status;
    std::printf("Lun masking enabled on %2d/%-2d\n", xell_ioc_get_adapter_id(ioc), xell_ioc_get_port_id(ioc));
    if (in_use == 0)
        std::fputs("Warning: LUN Masking enabled without any LUNs configured in LUN Mask\n", stdout);
    return status;
}

int ixo_fcpim_lm_dis_hdlr(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    xel_status_t status = xell_fcpim_lunmask_disable(id->xell);
    if (status == XEL_STATUS_OK)
        std::printf("Lun masking disabled on %2d/%-2d\n", xell_ioc_get_adapter_id(id->xell),
                    xell_ioc_get_port_id(id->xell));
    return status;
}

int ixo_fcpim_lm_clear_hdlr(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    xel_status_t status = xell_fcpim_lunmask_clear(id->xell);
    if (status == XEL_STATUS_OK)
        std::fputs("Lun Mask List cleared\n", stdout);
    return status;
}

int ixo_fcpim_lm_query_hdlr(char **argv, int argc, ixo_id_t *id)
{
    wwn_t rpwwn = 0;
    wwn_t lpwwn = 0;
    int error = ixo_lm_query_filters(argv, argc, &rpwwn, &lpwwn);
    if (error != E_CLI_NO_ERROR)
        return error;
    xel_lunmask_cfg_s cfg{};
    xel_status_t status = xell_fcpim_lunmask_query(id->xell, &cfg);
    if (status != XEL_STATUS_OK)
        return status;
    std::fputs(ixo_lm_status_text(cfg.status), stdout);
    ixo_lm_rule();
    std::fputs(" Lport-WWN\t\t Rport-WWN \t\t\t Lun#\n", stdout);
    ixo_lm_rule();
    for (const xel_lun_mask_s &entry : cfg.lun_list) {
        if (entry.state != 1 || (rpwwn != 0 && entry.rp_wwn != rpwwn) || (lpwwn != 0 && entry.lp_wwn != lpwwn))
            continue;
        ixo_print_pwwn(entry.lp_wwn);
        std::fputs("\t ", stdout);
        ixo_print_pwwn(entry.rp_wwn);
        std::fputs("\t ", stdout);
        char text[32];
        ixo_convert_lun_to_string(entry.lun, text, sizeof text);
        std::printf("%s\n", text);
    }
    return status;
}

int ixo_fcpim_lm_add_hdlr(char **argv, int argc, ixo_id_t *id)
{
    return ixo_lm_change(argv, argc, id, xell_fcpim_lunmask_add, "LUN Mask added:\n");
}

int ixo_fcpim_lm_del_hdlr(char **argv, int argc, ixo_id_t *id)
{
    return ixo_lm_change(argv, argc, id, xell_fcpim_lunmask_delete, "LUN Mask deleted:\n");
}
