// The rport commands: the remote ports a logical port has found, each
// one's attributes, statistics and assigned speed.
#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_lpwwn.h"
#include "ixo_usage.h"
#include "ixo_values.h"
#include "xell_lport.h"
#include "xell_scsi.h"

#include <cstdio>
#include <cstring>
#include <vector>

void ixo_rport_usage(bool bhelp)
{
    std::fputs("\nUsage: ixo rport [OPTIONS] [ARGUMENTS] ...\n"
               "Direct RPORT specific commands using this option\n"
               "Example: ixo rport --list <pcifn>\n"
               "Available commands are:\n"
               "\t--list <pcifn> [-l <lpwwn>]\n"
               "\t\tlist all the rports visible through the local port\n\n"
               "\t--osname <pcifn> [-l <lpwwn>]\n"
               "\t\tThis command is obsolete in driver versions 3.0.0"
               " and above.\n\t\tIt has been"
               " replaced by 'ixo fcpim --lunlist'.Please see the\n\t\t"
               "help section of fcpim for more information on its usage.\n\n"
               "\t--query <pcifn> <rpwwn> [-l <lpwwn>]\n"
               "\t\tQueries attributes of remote port\n\n",
               stdout);
    if (bhelp)
        std::fputs("\t--speed <port_id> <rpwwn> <2|4|8> [-l <lpwwn>]\n"
                   "\t\tSets the remote port speed\n\n",
                   stdout);
    std::fputs("\t--stats <pcifn> <rpwwn> [-l <lpwwn>]\n"
               "\t\tDisplay rport level statistics\n\n"
               "\t--statsclr <pcifn> <rpwwn> [-l <lpwwn>]\n"
               "\t\tClears rport level statistics\n\n",
               stdout);
    if (bhelp)
        ixo_usage_port_id_forms();
    ixo_usage_pcifn_id_fn_form();
}

namespace {

constexpr int ixo_max_rports = 1024;

const char *ixo_qos_letter(uint8_t priority)
{
    switch (priority) {
    case XEL_QOS_HIGH:
        return "H";
    case XEL_QOS_MED:
        return "M";
    case XEL_QOS_LOW:
        return "L";
    default:
        return "U";
    }
}

const char *ixo_rport_function(uint32_t scsi_function, const char *initiator, const char *target, const char *none)
{
    return scsi_function == XEL_RPORT_SCSI_INITIATOR ? initiator
           : scsi_function == XEL_RPORT_SCSI_TARGET  ? target
                                                     : none;
}

const char *ixo_cos_text(uint32_t cos)
{
    switch (cos) {
    case XEL_FC_CLASS_2:
        return "Class-2";
    case XEL_FC_CLASS_3:
        return "Class-3";
    case XEL_FC_CLASS_2 | XEL_FC_CLASS_3:
        return "Class-2, Class-3";
    default:
        return "";
    }
}

// The remote port WWN in argv[4] and the options from argv[first].
int ixo_rport_args(char **argv, int argc, int first, wwn_t *rpwwn, wwn_t *lpwwn)
{
    if (!ixo_get_port_wwn(argv[4], rpwwn))
        return E_CLI_BAD_WWN;
    uint16_t vf_id = 0;
    *lpwwn = 0;
    return ixo_fill_vfid_lpwwn(argv, argc, first, &vf_id, lpwwn);
}

void ixo_rport_row(const xel_rport_attr_t &attr)
{
    std::printf("%06x   ", xel_pid_value(attr.pid));
    ixo_print_pwwn(attr.pwwn);
    std::fputs("   ", stdout);
    std::printf("  %s", ixo_qos_letter(attr.qos_attr.qos_priority));
    std::fputs("/", stdout);
    std::printf("%d", static_cast<int>(attr.qos_attr.qos_flow_id));
    std::fputs("     ", stdout);
    std::printf("%-1s", xell_port_speed_to_string(static_cast<int32_t>(attr.curr_speed)));
    std::fputs(attr.trl_enforced ? "*    " : "     ", stdout);
    std::printf("%-9s  ", xell_rport_state_to_string(static_cast<int32_t>(attr.state)));
    std::fputs(ixo_rport_function(attr.scsi_function, "I", "T", "-"), stdout);
    std::fputs("  ", stdout);
    std::printf("%-4d", static_cast<int>(attr.df_sz));
    std::fputs("\n", stdout);
}

int ixo_rport_list(xell_t *ioc, wwn_t lpwwn)
{
    if (lpwwn == 0)
        lpwwn = xell_ioc_get_pwwn(ioc);
    std::vector<xel_rport_qualifier_t> quals(ixo_max_rports);
    int count = ixo_max_rports;
    xel_status_t status = xell_lport_get_rport_qualifiers(ioc, 0, lpwwn, quals.data(), &count);
    if (status != XEL_STATUS_OK)
        return status;
    if (count == 0) {
        std::fputs("No Remote Ports found...\n", stdout);
        return XEL_STATUS_OK;
    }
    std::printf("Num RPORTs = %d\n\n", count);
    ixo_print_header_line(75);
    std::fputs("FC Addr  Remote Port PWWN          QOS-P/F   SPD     State     F  df_sz\n", stdout);
    ixo_print_header_line(75);
    for (int i = 0; i < count; i++) {
        xel_rport_attr_t attr{};
        status = xell_rport_get_attr_by_qualifier(ioc, 0, lpwwn, quals[static_cast<size_t>(i)], &attr);
        if (status != XEL_STATUS_OK) {
            ixo_print_pwwn(quals[static_cast<size_t>(i)].pwwn);
            std::fputs("\n", stdout);
            return status;
        }
        ixo_rport_row(attr);
    }
    ixo_print_header_line(75);
    return XEL_STATUS_OK;
}

// Bytes first to last of the INQUIRY data as a terminated string.
void ixo_inquiry_field(const char *label, const uint8_t *data, int first, int last)
{
    std::printf("%s%.*s\n", label, last - first + 1, reinterpret_cast<const char *>(data + first));
}

int ixo_rport_query(xell_t *ioc, wwn_t rpwwn, wwn_t lpwwn)
{
    xel_rport_attr_t attr{};
    xel_status_t status = xell_rport_get_attr(ioc, 0, lpwwn, rpwwn, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    std::printf("RPORT FC Address:\t\t%06x\n", xel_pid_value(attr.pid));
    std::fputs("RPORT port wwn:\t\t\t", stdout);
    ixo_print_pwwn(attr.pwwn);
    std::fputs("\nRPORT node wwn:\t\t\t", stdout);
    ixo_print_pwwn(attr.nwwn);
    std::fputs("\n", stdout);
    std::printf("Status:\t\t\t\t%s\n", xell_rport_state_to_string(static_cast<int32_t>(attr.state)));
    std::printf("Class of Service:\t\t%s\n", ixo_cos_text(attr.fc_cos));
    std::printf("Function:\t\t\t%s\n", ixo_rport_function(attr.scsi_function, "Initiator", "Target", "--"));
    std::printf("Data Field size:\t\t%-4d\n", static_cast<int>(attr.df_sz));
    std::printf("Cont.Incr.seq_cnt(CISC):\t%s", attr.cisc ? "Supported\n" : "Not Supported\n");
    char symname[sizeof attr.symname + 1] = {};
    std::memcpy(symname, attr.symname, sizeof attr.symname);
    if (symname[0] == '\0' && attr.state == XEL_RPORT_ONLINE)
        xell_get_rport_symname(ioc, 0, attr.pid, lpwwn, rpwwn, symname, sizeof symname);
    std::printf("Current Speed:\t\t\t%s\n", xell_port_speed_to_string(static_cast<int32_t>(attr.curr_speed)));
    std::printf("symbolic name:\t\t\t%s\n", symname);

    uint8_t cdb[16] = {};
    uint8_t inquiry[128] = {};
    uint8_t sense[XELL_SENSE_MAX] = {};
    uint32_t snssz = sizeof sense;
    uint8_t scsi_status = 0xff;
    status = xell_scsi_inquiry(ioc, 0, lpwwn, rpwwn, 0, cdb, inquiry, sizeof inquiry, &scsi_status, sense, &snssz);
    if (status == XEL_STATUS_OK && scsi_status == 0) {
        ixo_inquiry_field("Vendor:\t\t\t\t", inquiry, 8, 15);
        ixo_inquiry_field("Product ID:\t\t\t", inquiry, 16, 31);
        ixo_inquiry_field("Product Rev:\t\t\t", inquiry, 32, 35);
    }
    std::printf("QOS priority:\t\t\t%s\n",
                xell_qos_priority_to_string(static_cast<int32_t>(attr.qos_attr.qos_priority)));
    std::printf("QOS flow id:\t\t\t%d\n", static_cast<int>(attr.qos_attr.qos_flow_id));
    std::fputs(attr.trl_enforced ? "TRL enforced:\t\t\tYes\n" : "TRL enforced:\t\t\tNo\n", stdout);
    if (attr.assigned_speed != 0)
        std::printf("Rport assigned speed:\t\t%s\n",
                    xell_port_speed_to_string(static_cast<int32_t>(attr.assigned_speed)));
    return status;
}

int ixo_rport_statistics(xell_t *ioc, wwn_t rpwwn, wwn_t lpwwn)
{
    // The link status goes first: the statistics read makes the library
    // forget the attributes both need, which would then go out twice.
    const xell_stats_t *link_desc = nullptr;
    xel_rport_remote_link_stats_t link{};
    bool fc = xell_ioc_get_ioc_type(ioc) == XEL_IOC_TYPE_FC;
    bool link_read =
        fc && xell_rport_get_remote_link_error_status(ioc, lpwwn, rpwwn, &link_desc, &link) == XEL_STATUS_OK;
    const xell_stats_t *desc = nullptr;
    xel_rport_stats_t stats{};
    xel_status_t status = xell_rport_get_stats(ioc, 0, lpwwn, rpwwn, &desc, &stats);
    if (status != XEL_STATUS_OK)
        return status;
    std::fputs("\nRemote port statistics \n", stdout);
    xell_print_stats(desc, &stats, 0, nullptr);
    if (link_read) {
        std::fputs("\nRemote Link Stats:\n", stdout);
        xell_print_stats(link_desc, &link, 0, nullptr);
    }
    return status;
}

int ixo_rport_trlspd(xell_t *ioc, wwn_t rpwwn, wwn_t lpwwn, uint32_t speed)
{
    if (lpwwn == 0)
        lpwwn = xell_ioc_get_pwwn(ioc);
    xel_rport_attr_t attr{};
    if (xell_rport_get_attr(ioc, 0, lpwwn, rpwwn, &attr) != XEL_STATUS_OK)
        return XEL_STATUS_FAILED;
    if (attr.curr_speed != 0)
        return XEL_STATUS_RPSC_ENABLED;
    xel_status_t status = xell_rport_set_speed(ioc, 0, lpwwn, rpwwn, speed);
    if (status == XEL_STATUS_OK)
        std::fputs("Successfully set the Rport Speed\n", stdout);
    return status;
}

} // namespace

int ixo_rport_list_hdlr(char **argv, int argc, ixo_id_t *id)
{
    wwn_t lpwwn = 0;
    uint16_t vf_id = 0;
    int error = ixo_fill_vfid_lpwwn(argv, argc, 4, &vf_id, &lpwwn);
    if (error != E_CLI_NO_ERROR)
        return error;
    return id->xell == nullptr ? XEL_STATUS_FAILED : ixo_rport_list(id->xell, lpwwn);
}

int ixo_rport_query_hdlr(char **argv, int argc, ixo_id_t *id)
{
    wwn_t rpwwn = 0;
    wwn_t lpwwn = 0;
    int error = ixo_rport_args(argv, argc, 5, &rpwwn, &lpwwn);
    if (error != E_CLI_NO_ERROR)
        return error;
    return id->xell == nullptr ? XEL_STATUS_FAILED : ixo_rport_query(id->xell, rpwwn, lpwwn);
}

int ixo_rport_stats_hdlr(char **argv, int argc, ixo_id_t *id)
{
    wwn_t rpwwn = 0;
    wwn_t lpwwn = 0;
    int error = ixo_rport_args(argv, argc, 5, &rpwwn, &lpwwn);
    if (error != E_CLI_NO_ERROR)
        return error;
    return id->xell == nullptr ? XEL_STATUS_FAILED : ixo_rport_statistics(id->xell, rpwwn, lpwwn);
}

int ixo_rport_statsclr_hdlr(char **argv, int argc, ixo_id_t *id)
{
    wwn_t rpwwn = 0;
    wwn_t lpwwn = 0;
    int error = ixo_rport_args(argv, argc, 5, &rpwwn, &lpwwn);
    if (error != E_CLI_NO_ERROR)
        return error;
    if (id->xell == nullptr)
        return XEL_STATUS_FAILED;
    xel_status_t status = xell_rport_reset_stats(id->xell, 0, lpwwn, rpwwn);
    if (status == XEL_STATUS_OK)
        std::fputs("Successfully reset the rport level stats\n", stdout);
    return status;
}

int ixo_rport_speed_hdlr(char **argv, int argc, ixo_id_t *id)
{
    wwn_t rpwwn = 0;
    if (!ixo_get_port_wwn(argv[4], &rpwwn))
        return E_CLI_BAD_WWN;
    uint32_t speed = 0;
    if (!ixo_set_speed(argv[5], &speed) || speed == XEL_PORT_SPEED_1GBPS || speed == XEL_PORT_SPEED_AUTO)
        return E_CLI_INCORRECT_CMD;
    wwn_t lpwwn = 0;
    uint16_t vf_id = 0;
    int error = ixo_fill_vfid_lpwwn(argv, argc, 6, &vf_id, &lpwwn);
    if (error != E_CLI_NO_ERROR)
        return error;
    return id->xell == nullptr ? XEL_STATUS_FAILED : ixo_rport_trlspd(id->xell, rpwwn, lpwwn, speed);
}

int ixo_rport_bfs_list_hdlr(char **argv, int argc, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    wwn_t lpwwn = xell_ioc_get_pwwn(ioc);
    if (argc == 5 && !ixo_get_port_wwn(argv[4], &lpwwn))
        return E_CLI_BAD_WWN;
    std::vector<wwn_t> rports(ixo_max_rports);
    int count = ixo_max_rports;
    if (xell_lport_get_rports(ioc, 0, lpwwn, rports.data(), &count) != XEL_STATUS_OK)
        return XEL_STATUS_OK;
    for (int i = 0; i < count; i++) {
        ixo_print_pwwn(rports[static_cast<size_t>(i)]);
        std::fputs("\n", stdout);
    }
    return XEL_STATUS_OK;
}
