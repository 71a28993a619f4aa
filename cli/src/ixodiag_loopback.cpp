// The diag tests that send frames or requests through the adapter: FC and
// Ethernet port loopback, the host-to-IOC PCI loopback and the request
// queue test. A test fails when the driver says so or when its result
// record does, so that a test that went wrong is never shown as passed.
#include "ixodiag.h"

#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_values.h"
#include "xell.h"
#include "xell_diag.h"
#include "xell_port.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr uint32_t IXO_LB_DEFAULT_COUNT = 0x20000;
constexpr uint32_t IXO_LB_DEFAULT_PATTERN = 0xB5B5B5B5;

struct ixo_lb_args {
    uint32_t opmode = XEL_PORT_OPMODE_LB_EXT;
    uint32_t speed = XEL_PORT_SPEED_4GBPS;
    uint32_t count = IXO_LB_DEFAULT_COUNT;
    uint32_t pattern = IXO_LB_DEFAULT_PATTERN;
    bool speed_given = false;
};

// The value of one option: 0 or a front-end code.
int ixo_lb_option(char option, const char *value, bool fc, ixo_lb_args *a)
{
    switch (option) {
    case 't':
        return ixo_diag_get_type(value, &a->opmode, fc);
    case 's':
        a->speed_given = true;
        return ixo_diag_get_speed(value, &a->speed);
    case 'c':
        return ixo_diag_get_count(value, fc ? UINT32_MAX : IXO_LB_DEFAULT_COUNT, &a->count) ? E_CLI_NO_ERROR
                                                                                             : E_CLI_INCORRECT_CMD;
    default:
        return ixo_diag_get_pattern(value, &a->pattern) ? E_CLI_NO_ERROR : E_CLI_INCORRECT_CMD;
    }
}

// The option pairs from argv[4] on; "-s" belongs to the FC loopback only.
int ixo_lb_parse(char **argv, int argc, bool fc, ixo_lb_args *a)
{
    const char *options = fc ? "tscp" : "tcp";
    bool seen[4] = {};
    for (int i = 4; i < argc; i += 2) {
        const char *word = argv[i];
        const char *found = word[0] == '-' && word[1] != '\0' && word[2] == '\0' ? std::strchr(options, word[1])
                                                                                   : nullptr;
        if (found == nullptr)
            return E_CLI_INCORRECT_CMD;
        size_t which = static_cast<size_t>(found - options);
        if (seen[which])
            return E_CLI_INCORRECT_ARG;
        seen[which] = true;
        if (i + 1 >= argc)
            return E_CLI_INCORRECT_CMD;
        int error = ixo_lb_option(*found, argv[i + 1], fc, a);
        if (error != E_CLI_NO_ERROR)
            return error;
    }
    return E_CLI_NO_ERROR;
}

bool ixo_lb_frame_error(xel_status_t status)
{
    return status == XEL_STATUS_BADFRMHDR || status == XEL_STATUS_BADFRMSZ;
}

// What the test found: the driver's failure, else the result's status,
// else frames lost or mismatched behind a status of 0.
xel_status_t ixo_lb_outcome(xel_status_t status, const xel_diag_loopback_result_t &r)
{
    if (status != XEL_STATUS_OK)
        return status;
    if (r.status != 0)
        return static_cast<xel_status_t>(r.status);
    if (r.numrcvfrm != r.numtxmfrm || r.badfrmnum != 0 || r.badfrminf != 0)
        return XEL_STATUS_FAILED;
    return XEL_STATUS_OK;
}

bool ixo_lb_mismatch(xel_status_t status, const xel_diag_loopback_result_t &r)
{
    return ixo_lb_frame_error(status) || r.badfrmnum != 0 || r.badfrminf != 0;
}

// What the test found: the counts of a failure (with the mismatch when
// frames were wrong), or the success line. Closes the handle.
xel_status_t ixo_lb_report(xell_t *ioc, xel_status_t status, const xel_diag_loopback_result_t &r,
                           const char *mismatch_format, const char *success_format)
{
    xel_status_t outcome = ixo_lb_outcome(status, r);
    if (outcome != XEL_STATUS_OK) {
        std::printf("Tx frames = %u;", r.numtxmfrm);
        std::printf("\tRx frames = %u;", r.numrcvfrm);
        std::printf("\tOSF frames = %u\n", r.numosffrm);
        if (ixo_lb_mismatch(outcome, r)) {
            std::printf(mismatch_format, r.badfrmnum);
            std::printf("\tMis-match frame info = %u\n", r.badfrminf);
        }
    } else {
        std::printf(success_format, xell_ioc_get_adapter_id(ioc), xell_ioc_get_port_id(ioc),
                    xell_status_to_string(static_cast<xel_status_t>(r.status)));
    }
    xell_ioc_close(ioc);
    return outcome;
}

void ixo_lb_print_sending(const ixo_lb_args &a)
{
    std::printf("Sending %u loopback frames, with 0x%x data pattern...\n", a.count, a.pattern);
}

// Refusals that come before any frame is sent.
bool ixo_lb_refused(xel_status_t status)
{
    switch (status) {
    case XEL_STATUS_IOC_NON_OP:
    case XEL_STATUS_PBC:
    case XEL_STATUS_PORT_NOT_DISABLED:
    case XEL_STATUS_UNSUPP_SPEED:
    case XEL_STATUS_DEVBUSY:
    case XEL_STATUS_NEED_PORTS_DISABLE:
    case XEL_STATUS_LB_INT_HBA_ONLY:
        return true;
    default:
        return false;
    }
}

// The speed of a loopback without "-s": 10G on a converged port.
xel_status_t ixo_lb_speed(xell_t *ioc, ixo_lb_args *a)
{
    if (a->speed_given)
        return xell_sfp_speed(ioc, a->speed);
    bool cna = false;
    xel_status_t status = xell_port_is_cna(ioc, true, &cna);
    if (status == XEL_STATUS_OK && cna)
        a->speed = XEL_PORT_SPEED_10GBPS;
    return status;
}

} // namespace

int ixo_diag_loopback(char **argv, int argc, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    ixo_lb_args a;
    int error = ixo_lb_parse(argv, argc, true, &a);
    if (error != E_CLI_NO_ERROR)
        return error;
    xel_status_t status = ixo_lb_speed(ioc, &a);
    if (status != XEL_STATUS_OK)
        return status;
    xel_diag_loopback_result_t result{};
    status = xell_diag_loopback(ioc, a.opmode, a.speed, a.count, a.pattern, &result);
    if (ixo_lb_refused(status)) {
        xell_ioc_close(ioc);
        return status;
    }
    ixo_lb_print_sending(a);
    return ixo_lb_report(ioc, status, result, "Mis-match frame number = %u\n",
                         "Loopback test status for port %d/%d is \"%s\"\n");
}

int ixo_diag_ethloopback(char **argv, int argc, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    ixo_lb_args a;
    int error = ixo_lb_parse(argv, argc, false, &a);
    if (error != E_CLI_NO_ERROR)
        return error;
    ixo_lb_print_sending(a);
    xel_diag_loopback_result_t result{};
    xel_status_t status = xell_diag_eth_loopback(ioc, a.opmode, a.count, a.pattern, &result);
    return ixo_lb_report(ioc, status, result, "Mis-match frame number = %u;",
                         "Ethernet loopback test status for port %d/%d is \"%s\"\n");
}

int ixo_diag_pciloopback(char **argv, int argc, ixo_id_t *id)
{
    uint32_t pattern = 0;
    uint32_t count = 1;
    if (!ixo_diag_get_pattern(argv[4], &pattern) || argc == 6)
        return E_CLI_INCORRECT_CMD;
    if (argc == 7 && (std::strcmp(argv[5], "-c") != 0 || !ixo_diag_get_count(argv[6], UINT32_MAX, &count)))
        return E_CLI_INCORRECT_CMD;
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    std::printf("Sending %u loopback frames, with 0x%x data pattern...\n", count, pattern);
    xel_diag_fwping_result_t result{};
    xel_status_t status = xell_diag_fwping(ioc, count, pattern, &result);
    if (status == XEL_STATUS_OK && result.status != 0)
        status = static_cast<xel_status_t>(result.status);
    if (status == XEL_STATUS_OK && result.dmastatus != 0)
        status = XEL_STATUS_HDMA_FAILED;
    if (status == XEL_STATUS_OK)
        std::printf("diag pciloopback for port %d/%d/%d is successful\n", xell_ioc_get_adapter_id(ioc),
                    xell_ioc_get_port_id(ioc), xell_ioc_get_pcifn(ioc));
    xell_ioc_close(ioc);
    return status;
}

int ixo_diag_queuetest(char **argv, int argc, ixo_id_t *id)
{
    uint32_t queue = 4; // all queues
    if (argc == 5)
        return E_CLI_INCORRECT_CMD;
    if (argc > 5 && std::strcmp(argv[4], "-q") == 0) {
        uint64_t value = 0;
        if (!ixo_parse_uint(argv[5], 3, &value))
            return E_CLI_INCORRECT_CMD;
        queue = static_cast<uint32_t>(value);
    }
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_diag_qtest_result_t result{};
    xel_status_t status = xell_diag_queuetest(ioc, queue, &result);
    if (status == XEL_STATUS_OK && result.status != 0)
        status = static_cast<xel_status_t>(result.status);
    if (status == XEL_STATUS_OK && queue > 3)
        std::fputs("diag queuetest for all queues are successful\n", stdout);
    else if (status == XEL_STATUS_OK)
        std::printf("diag queuetest for queue %u is successful\n", queue);
    xell_ioc_close(ioc);
    return status;
}
