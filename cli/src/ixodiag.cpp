// The diag commands: the usage, the argument helpers the tests share,
// beacon, LED test, D-port, temperature and memory test. The loopbacks and
// queue test are in ixodiag_loopback.cpp, the SFP display in ixodiag_sfp.cpp.
#include "ixodiag.h"

#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_usage.h"
#include "ixo_values.h"
#include "xell_adapter.h"
#include "xell_diag.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

void ixo_diag_usage(bool bhelp)
{
    (void)bhelp;
    std::fputs("\nUsage: ixo diag [OPTIONS] [ARGUMENTS] ...\n"
               "Direct diagnostic commands using this option\n"
               "Example: ixo diag --sfpshow <port_id>\n\n"
               "Available commands are:\n"
               "\t--beacon <port_id> {on | off} [<duration>]\n"
               "\t\tTurns the port beacon on or off for <duration> seconds\n"
               "\t\tduration = 0 means infinite beaconing\n\n"
               "\t--dportdisable <port_id>\n"
               "\t\tTakes the port out of D-port mode\n\n"
               "\t--dportenable <port_id>\n"
               "\t\tPuts the port in D-port mode\n\n"
               "\t--ethloopback <port_id> [-t <loopback-type>]\n"
               "\t\t[-c <frame-count>] [-p <pattern>]\n"
               "\t\tRuns the Ethernet loopback test on the port\n"
               "\t\tloopback-type: {serdes | ext}, default is serdes\n"
               "\t\tframe-count: 1 to 131072, default is 131072\n"
               "\t\tpattern should be one hex word upto 4 bytes in size\n\n"
               "\t--ledtest <port_id> <led> {on | off | blink} [<color>] [<freq>]\n"
               "\t\tTests the adapter LEDs\n"
               "\t\tled: LED bit map from 1 to 7\n"
               "\t\tcolor: {green | amber}, required with on and blink\n"
               "\t\tfreq: blinks per 10 seconds, required with blink\n\n"
               "\t--loopback <port_id> [-t <loopback-type>] [-s <speed>]\n"
               "\t\t[-c <frame-count>] [-p <pattern>]\n"
               "\t\tRuns the FC loopback test on the port\n"
               "\t\tloopback-type: {int | serdes | ext}, default is serdes\n"
               "\t\tspeed: {10 | 16 | 8 | 4 | 2 |1}\n"
               "\t\tDefault speed for 16G/8G/4G FC HBAs is 4G\n"
               "\t\tDefault speed for 10G FCoE CNAs is 10G\n"
               "\t\tframe-count: default is 131072\n"
               "\t\tpattern should be one hex word upto 4 bytes in size\n\n"
               "\t--memtest <ad_id>\n"
               "\t\tRuns the memory test on the adapter\n\n"
               "\t--pciloopback <pcifn> <pattern> [-c <count>]\n"
               "\t\tRuns the PCI loopback test between host and adapter\n"
               "\t\tpattern should be one hex word upto 4 bytes in size\n"
               "\t\tcount: number of frames, default is 1\n\n"
               "\t--queuetest <port_id> [-q <queue number>]\n"
               "\t\tTests the request queues of the port\n"
               "\t\t<queue number>: CPE queue no. from 0 to 3\n"
               "\t\tdefault: test all queues\n\n"
               "\t--sfpshow <port_id>\n"
               "\t\tDisplays the SFP information of the port\n\n"
               "\t--tempshow <ad_id>\n"
               "\t\tDisplays the adapter temperature\n\n",
               stdout);
    ixo_usage_port_id_forms();
    ixo_usage_pcifn_id_fn_form();
}

// ---- argument helpers -----------------------------------------------------

int ixo_diag_get_type(const char *word, uint32_t *opmode, bool fc_lp)
{
    if (fc_lp && std::strcmp(word, "int") == 0)
        *opmode = XEL_PORT_OPMODE_LB_INT;
    else if (std::strcmp(word, "ext") == 0)
        *opmode = XEL_PORT_OPMODE_LB_CBL;
    else if (std::strcmp(word, "serdes") == 0)
        *opmode = XEL_PORT_OPMODE_LB_EXT;
    else
        return E_CLI_INCORRECT_CMD;
    return E_CLI_NO_ERROR;
}

int ixo_diag_get_speed(const char *word, uint32_t *speed)
{
    return ixo_set_speed(word, speed) ? E_CLI_NO_ERROR : E_CLI_INCORRECT_CMD;
}

bool ixo_diag_get_count(const char *word, uint64_t max, uint32_t *count)
{
    uint64_t value = 0;
    if (!ixo_parse_uint(word, max, &value) || value == 0)
        return false;
    *count = static_cast<uint32_t>(value);
    return true;
}

bool ixo_diag_get_pattern(const char *word, uint32_t *pattern)
{
    if (!ixo_verify_pattern(word))
        return false;
    *pattern = static_cast<uint32_t>(std::strtoul(word, nullptr, 16));
    return true;
}

// ---- beacon and LEDs --------------------------------------------------------

namespace {

// A request that drives the port's LEDs, which a mezzanine card does not
// have: the attributes are read first, and done printed on success.
template <typename Request>
xel_status_t ixo_diag_led_request(xell_t *ioc, Request request, const char *done)
{
    xel_ioc_attr_t attr{};
    xel_status_t status = xell_ioc_get_attr(ioc, &attr);
    if (status == XEL_STATUS_OK && attr.adapter_attr.is_mezz != 0) {
        std::fputs("This command is not applicable to Mezz cards.\n", stdout);
    } else {
        if (status == XEL_STATUS_OK)
            status = request();
        if (status == XEL_STATUS_OK)
            std::fputs(done, stdout);
    }
    xell_ioc_close(ioc);
    return status;
}

// The duration of "on", or the lone "off": 0 or a front-end code.
int ixo_diag_beacon_args(char **argv, int argc, bool *on, uint32_t *seconds)
{
    *seconds = 0;
    if (std::strcmp(argv[4], "off") == 0) {
        *on = false;
        return argc > 5 ? E_CLI_INCORRECT_ARG : E_CLI_NO_ERROR;
    }
    // Any other word is a typo, not a request to turn the beacon off.
    if (std::strcmp(argv[4], "on") != 0)
        return E_CLI_INCORRECT_CMD;
    *on = true;
    uint64_t value = 0;
    if (argc > 5) {
        if (!ixo_parse_uint(argv[5], UINT32_MAX, &value))
            return E_CLI_INCORRECT_CMD;
        *seconds = static_cast<uint32_t>(value);
    }
    return E_CLI_NO_ERROR;
}

bool ixo_led_color(const char *word, uint32_t *color)
{
    if (std::strcmp(word, "green") == 0)
        *color = 0;
    else if (std::strcmp(word, "amber") == 0)
        *color = 1;
    else
        return false;
    return true;
}

// The blink frequency and color in either order; the frequency is the
// word that begins with a digit and must be a whole 16-bit number.
bool ixo_led_blink_args(char **argv, xel_diag_ledtest_t *led)
{
    bool freq_first = std::isdigit(static_cast<unsigned char>(argv[6][0])) != 0;
    const char *freq = freq_first ? argv[6] : argv[7];
    const char *color = freq_first ? argv[7] : argv[6];
    uint64_t value = 0;
    if (!ixo_parse_uint(freq, UINT16_MAX, &value))
        return false;
    led->freq = static_cast<uint16_t>(value);
    return ixo_led_color(color, &led->color);
}

int ixo_led_args(char **argv, int argc, xel_diag_ledtest_t *led)
{
    uint64_t map = 0;
    if (!ixo_parse_uint(argv[4], 7, &map) || map == 0)
        return E_CLI_INCORRECT_CMD;
    led->led = static_cast<uint8_t>(map);
    const char *command = argv[5];
    if (std::strcmp(command, "on") == 0) {
        led->cmd = XEL_LED_ON;
        return argc == 7 && ixo_led_color(argv[6], &led->color) ? E_CLI_NO_ERROR : E_CLI_INCORRECT_CMD;
    }
    if (std::strcmp(command, "off") == 0) {
        led->cmd = XEL_LED_OFF;
        return argc <= 6 ? E_CLI_NO_ERROR : E_CLI_INCORRECT_CMD;
    }
    if (std::strcmp(command, "blink") == 0) {
        led->cmd = XEL_LED_BLINK;
        return argc == 8 && ixo_led_blink_args(argv, led) ? E_CLI_NO_ERROR : E_CLI_INCORRECT_CMD;
    }
    return E_CLI_INCORRECT_CMD;
}

} // namespace

int ixo_diag_beacon(char **argv, int argc, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    bool on = false;
    uint32_t seconds = 0;
    int error = ixo_diag_beacon_args(argv, argc, &on, &seconds);
    if (error != E_CLI_NO_ERROR)
        return error;
    return ixo_diag_led_request(
        ioc, [&] { return xell_diag_beacon_lport(ioc, on, seconds); },
        on ? "beacon turned on\n" : "beacon turned off\n");
}

int ixo_diag_led_test(char **argv, int argc, ixo_id_t *id)
{
    xel_diag_ledtest_t led{};
    int error = ixo_led_args(argv, argc, &led);
    if (error != E_CLI_NO_ERROR)
        return error;
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    return ixo_diag_led_request(ioc, [&] { return xell_diag_led_test(ioc, &led); }, "diag ledtest successful\n");
}

// ---- D-port -----------------------------------------------------------------

namespace {

int ixo_diag_dport(ixo_id_t *id, xel_status_t (*request)(xell_t *), const char *done_format)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_status_t status = request(ioc);
    if (status == XEL_STATUS_OK)
        std::printf(done_format, xell_ioc_get_adapter_id(ioc), xell_ioc_get_port_id(ioc));
    return status;
}

} // namespace

int ixo_diag_dport_enable(char **, int, ixo_id_t *id)
{
    return ixo_diag_dport(id, xell_diag_dport_enable, "D-port mode for port %d/%d enabled.\n");
}

int ixo_diag_dport_disable(char **, int, ixo_id_t *id)
{
    return ixo_diag_dport(id, xell_diag_dport_disable, "D-port mode for port %d/%d disabled\n");
}

// ---- adapter sensors and memory ---------------------------------------------

int ixo_diag_showtemp(char **, int, ixo_id_t *id)
{
    xell_t *ioc = id->adapter ? xell_adapter_get_first_ioc(id->adapter) : nullptr;
    if (ioc == nullptr)
        return XEL_STATUS_NO_ADAPTER;
    xel_diag_showtemp_t temp{};
    xel_status_t status = xell_diag_tsensor_query(ioc, &temp);
    xell_ioc_close(ioc);
    if (status != XEL_STATUS_OK)
        return status;
    // A sensor the firmware could not read is no reading at all.
    if (temp.status != XEL_STATUS_OK)
        return static_cast<int>(temp.status);
    if (temp.ts_junc)
        std::printf("Junction temperature :\t%-f C\n", temp.junc_temp);
    if (temp.ts_brd)
        std::printf("Board tempsensor     :\t%-f C\n", temp.brd_temp);
    return status;
}

namespace {

const char *ixo_memtest_algo(uint8_t algo)
{
    switch (algo) {
    case 1:
        return "walk01\n";
    case 2:
        return "marchy\n";
    case 8:
        return "movi\n";
    case 16:
        return "tlapnpsf1t\n";
    default:
        return "unknown\n";
    }
}

void ixo_memtest_print(const xel_diag_memtest_result_t &result)
{
    std::printf("status:\t0x%x\n", result.status);
    std::printf("addr:\t0x%x\n", result.addr);
    std::printf("expected value:\t0x%x\n", result.exp);
    std::printf("actual value:\t0x%x\n", result.act);
    std::printf("error state:\t0x%x\n", result.err_status);
    std::printf("error address:\t0x%x\n", result.err_addr);
    std::printf("algorithm:\t%s", ixo_memtest_algo(result.algo));
}

} // namespace

int ixo_diag_memtest(char **, int, ixo_id_t *id)
{
    xell_t *ioc = id->adapter ? xell_adapter_get_first_ioc(id->adapter) : nullptr;
    if (ioc == nullptr)
        return XEL_STATUS_NO_ADAPTER;
    std::fputs("\n\nMemtest could take minutes to complete. \n"
               "Please don't terminate the command as it could result in\n"
               "undesirable adapter state.\n\n",
               stdout);
    xel_diag_memtest_result_t result{};
    xel_status_t status = xell_diag_memtest(ioc, 0, &result);
    // The firmware may report a failed test in the result alone.
    if (status == XEL_STATUS_OK && result.status != 0)
        status = static_cast<xel_status_t>(result.status);
    if (status == XEL_STATUS_OK)
        std::fputs("diag memtest successful\n", stdout);
    else if (status != XEL_STATUS_ADAPTER_ENABLED)
        ixo_memtest_print(result);
    xell_ioc_close(ioc);
    return status;
}
