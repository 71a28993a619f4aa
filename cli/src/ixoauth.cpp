// The auth commands: FC link authentication of a storage function.
#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_usage.h"
#include "ixo_values.h"
#include "xell_auth.h"
#include "xell_port.h"
#include "xell_state.h"

#include <strings.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <vector>

void ixo_auth_usage(bool bhelp)
{
    std::fputs("\nUsage: ixo auth [OPTIONS] [ARGUMENTS] ...\n"
               "Direct authentication specific commands using this option\n"
               "Example: ixo auth --show <pcifn>\n"
               "Available commands are:\n"
               "\t--algo <pcifn> {md5 | sha1 | ms | sm}\n"
               "\t\tSet the authentication hash algorithm\n\n",
               stdout);
    if (bhelp)
        std::fputs("\t--encrypt <pcifn> <word,word,...>\n"
                   "\t\tSet the secret from its encoded words\n\n",
                   stdout);
    std::fputs("\t--policy <pcifn> {on | off}\n"
               "\t\tTurn authentication on or off\n\n"
               "\t--secret <pcifn> <secret>\n"
               "\t\tSet the authentication secret\n"
               "\t\tSecret should contain 8 to 40 alphanumeric characters\n\n"
               "\t--show <pcifn>\n"
               "\t\tShow the authentication settings and status\n\n"
               "\t--stats <pcifn>\n"
               "\t\tDisplay the authentication statistics\n\n"
               "\t--statsclr <pcifn>\n"
               "\t\tClear the authentication statistics\n\n",
               stdout);
    ixo_usage_pcifn_id_forms();
}

namespace {

constexpr uint8_t ixo_auth_rule_width = 74;
constexpr size_t ixo_secret_min = 8;
constexpr size_t ixo_secret_max = 40;

bool ixo_secret_ok(const char *secret)
{
    size_t len = std::strlen(secret);
    if (len < ixo_secret_min || len > ixo_secret_max)
        return false;
    for (size_t i = 0; i < len; i++)
        if (std::isalnum(static_cast<unsigned char>(secret[i])) == 0)
            return false;
    return true;
}

// One number of an encoded secret: its decimal digits from the right, a
// newline skipped, up to the first other character.
uint32_t ixo_encrypt_word(const char *piece, size_t len)
{
    uint32_t value = 0;
    uint32_t scale = 1;
    for (size_t i = len; i > 0; i--) {
        char c = piece[i - 1];
        if (c == '\n')
            continue;
        if (c < '0' || c > '9')
            break;
        value += static_cast<uint32_t>(c - '0') * scale;
        scale *= 10;
    }
    return value;
}

// Runs request on the target's IOC, prints done on success, closes it.
template <typename Request>
int ixo_auth_request(ixo_id_t *id, Request request, const char *done)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_status_t status = request(ioc);
    if (status == XEL_STATUS_OK)
        std::fputs(done, stdout);
    xell_ioc_close(ioc);
    return status;
}

void ixo_print_auth_proto_stats(const auth_proto_stats_t &stats)
{
    std::printf("auth_rjts:\t\t%d\n", static_cast<int>(stats.auth_rjts));
    std::printf("auth_negs:\t\t%d\n", static_cast<int>(stats.auth_negs));
    std::printf("auth_dones:\t\t%d\n", static_cast<int>(stats.auth_dones));
    std::printf("dhchap_challenges:\t%d\n", static_cast<int>(stats.dhchap_challenges));
    std::printf("dhchap_replies:\t\t%d\n", static_cast<int>(stats.dhchap_replies));
    std::printf("dhchap_successes:\t%d\n", static_cast<int>(stats.dhchap_successes));
}

void ixo_print_auth_line(const xel_port_attr_s &port, const xel_auth_attr_t &auth)
{
    const char *port_status = port.loopback != 0   ? "Loopback"
                              : port.authfail != 0 ? "auth failure"
                                                   : xell_port_get_state_name(static_cast<int>(port.port_state));
    std::printf("%-12s  ", port_status);
    if (auth.status != XEL_AUTH_STATUS_NONE) {
        if (auth.algo >= XEL_AUTH_ALGO_MD5 && auth.algo <= XEL_AUTH_ALGO_SM)
            std::printf("%s\t ", xell_auth_algo_to_string(static_cast<int32_t>(auth.algo)));
        if (auth.dh_grp < 257)
            std::printf("%-12s", xell_auth_group_to_string(static_cast<int32_t>(auth.dh_grp)));
    } else {
        std::printf("%23s", "");
    }
    std::printf("%-s", xell_auth_status_to_string(static_cast<int32_t>(auth.status)));
    if (auth.status != XEL_AUTH_STATUS_NONE && auth.rjt_code >= 1 && auth.rjt_code <= 254) {
        std::printf("(%s-", xell_auth_rej_code_to_string(static_cast<int32_t>(auth.rjt_code)));
        std::printf("%s)", xell_auth_rej_code_exp_to_string(static_cast<int32_t>(auth.rjt_code_exp)));
    }
    std::fputs("\n", stdout);
}

} // namespace

int ixo_auth_show(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    int ad = xell_ioc_get_adapter_id(ioc);
    int port_idx = xell_ioc_get_port_id(ioc);
    int pcifn = xell_ioc_get_pcifn(ioc);
    xel_port_attr_s port{};
    xel_auth_attr_t auth{};
    xel_status_t status = pcifn < 0 ? XEL_STATUS_FAILED : xell_port_get_attr(ioc, &port);
    if (status == XEL_STATUS_OK)
        status = xell_auth_get_attr(ioc, &auth);
    if (status != XEL_STATUS_OK) {
        xell_ioc_close(ioc);
        return status;
    }
    ixo_print_header_line(ixo_auth_rule_width);
    std::fputs("Port\tPort Status   Hash Type\t Group Type  Auth Status\n", stdout);
    ixo_print_header_line(ixo_auth_rule_width);
    std::printf("%d/%d/%d\t", ad, port_idx, pcifn);
    ixo_print_auth_line(port, auth);
    ixo_print_header_line(ixo_auth_rule_width);
    xell_ioc_close(ioc);
    return XEL_STATUS_OK;
}

int ixo_auth_setpolicy(char **argv, int /*argc*/, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    bool on = strcasecmp(argv[4], "on") == 0;
    if (!on && strcasecmp(argv[4], "off") != 0) {
        xell_ioc_close(ioc);
        return E_CLI_INCORRECT_CMD;
    }
    xel_auth_attr_t attr{};
    if (xell_auth_get_attr(ioc, &attr) == XEL_STATUS_OK) {
        bool is_on = attr.status != XEL_AUTH_STATUS_NONE;
        if (is_on == on) {
            xell_ioc_close(ioc);
            return on ? XEL_STATUS_AUTH_ENABLED : XEL_STATUS_AUTH_DISABLED;
        }
    }
    xel_status_t status = xell_auth_set_policy(ioc, on);
    if (status == XEL_STATUS_OK) {
        std::fputs(on ? "Authentication turned on\n" : "Authentication turned off\n", stdout);
        std::fputs("Setting will be applied after port --disable and port --enable\n", stdout);
    }
    xell_ioc_close(ioc);
    return status;
}

int ixo_auth_setalgo(char **argv, int /*argc*/, ixo_id_t *id)
{
    static constexpr const char *names[] = {"md5", "sha1", "ms", "sm"};
    uint32_t algo = 0;
    for (uint32_t i = 0; i < std::size(names); i++)
        if (strcasecmp(argv[4], names[i]) == 0)
            algo = i + 1;
    if (id->xell == nullptr)
        return XEL_STATUS_FAILED;
    if (algo == 0) {
        xell_ioc_close(id->xell);
        return E_CLI_INCORRECT_CMD;
    }
    return ixo_auth_request(id, [&](xell_t *ioc) { return xell_auth_set_algo(ioc, algo); },
                            "Authentication algorithm set\n");
}

int ixo_auth_setsecretstring(char **argv, int /*argc*/, ixo_id_t *id)
{
    if (id->xell == nullptr)
        return XEL_STATUS_FAILED;
    if (!ixo_secret_ok(argv[4])) {
        xell_ioc_close(id->xell);
        return E_CLI_INCORRECT_CMD;
    }
    return ixo_auth_request(id, [&](xell_t *ioc) { return xell_auth_set_secretstring(ioc, argv[4]); },
                            "Successfully set the auth secret\n");
}

int ixo_auth_setencryptstring(char **argv, int /*argc*/, ixo_id_t *id)
{
    if (id->xell == nullptr)
        return XEL_STATUS_FAILED;
    std::vector<uint32_t> words;
    const char *text = argv[4];
    for (;;) {
        const char *comma = std::strchr(text, ',');
        size_t len = comma != nullptr ? static_cast<size_t>(comma - text) : std::strlen(text);
        words.push_back(ixo_encrypt_word(text, len));
        if (comma == nullptr)
            break;
        text = comma + 1;
    }
    // No more words than the request's array holds.
    if (words.size() > XEL_AUTH_SECRET_MAX) {
        xell_ioc_close(id->xell);
        return E_CLI_INCORRECT_CMD;
    }
    return ixo_auth_request(
        id, [&](xell_t *ioc) { return xell_auth_set_encryptstring(ioc, words.data(), words.size()); }, "");
}

int ixo_auth_stats(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_auth_stats_t stats{};
    xel_status_t status = xell_auth_get_stats(ioc, &stats);
    if (status == XEL_STATUS_OK) {
        std::printf("successes:\t\t%d\n", static_cast<int>(stats.auth_successes));
        std::printf("failures:\t\t%d\n", static_cast<int>(stats.auth_failures));
        std::fputs("\nauth_rx_stats:\n", stdout);
        ixo_print_auth_proto_stats(stats.auth_rx_stats);
        std::fputs("\nauth_tx_stats:\n", stdout);
        ixo_print_auth_proto_stats(stats.auth_tx_stats);
    }
    xell_ioc_close(ioc);
    return status;
}

int ixo_auth_statsclr(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    return ixo_auth_request(id, xell_auth_reset_stats, "Successfully reset the auth level stats\n");
}
