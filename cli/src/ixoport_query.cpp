// The port query: the attributes every port has, then the FC view of an
// HBA-mode port or the FCoE and Ethernet views of a converged one.
#include "ixoport.h"

#include "ixo_commands.h"
#include "ixo_values.h"

#include <cstdio>

namespace {

// Each line is a label left-justified to 28 characters and its value.
void ixo_label(const char *label)
{
    std::printf("%-28s", label);
}

void ixo_line(const char *label, const char *value)
{
    std::printf("%-28s%s\n", label, value);
}

void ixo_line_num(const char *label, unsigned value)
{
    std::printf("%-28s%u\n", label, value);
}

void ixo_line_wwn(const char *label, wwn_t wwn)
{
    ixo_label(label);
    ixo_print_pwwn(wwn);
    std::fputs("\n", stdout);
}

void ixo_line_mac(const char *label, mac_t mac)
{
    ixo_label(label);
    ixo_print_mac(mac);
    std::fputs("\n", stdout);
}

const char *ixo_enabled_name(uint8_t flag)
{
    return flag == 0 ? "Disabled" : flag == 1 ? "Enabled" : nullptr;
}

const char *ixo_cos_name(uint32_t cos)
{
    return cos == FC_CLASS_2 ? "Class-2" : cos == FC_CLASS_3 ? "Class-3" : "--";
}

// What the query read before printing anything.
struct ixo_query_ctx {
    xel_ioc_attr_t ioc_attr{};
    xel_port_attr_s attr{};
    bool mode_read = false;
    xel_mode_t mode = XEL_MODE_HBA;
    bool cee_valid = false;
    xel_cee_attr_t cee{};

    bool converged() const { return mode_read && mode != XEL_MODE_HBA; }
    bool mezz() const { return ioc_attr.adapter_attr.is_mezz != 0; }
};

void ixo_port_display_common_attrs(xell_t *ioc, const ixo_query_ctx &q)
{
    char type[XELL_PORT_TYPE_TEXT] = {};
    ixo_line("port type:", xell_port_get_type(ioc, type) == XEL_STATUS_OK ? type : "--");
    ixo_line("port mode:", xell_mode_to_string(static_cast<int32_t>(q.mode)));
    ixo_label("port instance:");
    std::printf("%d\n", xell_ioc_get_port_id(ioc));
    ixo_line("port name:", xell_ioc_get_name(ioc));

    const char *media = "mz";
    if (!q.mezz()) {
        xel_defs_sfp_media_t code = XEL_SFP_MEDIA_UNKNOWN;
        if (xell_sfp_media(ioc, &code) != XEL_STATUS_OK)
            media = "--";
        else if (code == XEL_SFP_MEDIA_UNSUPPORT)
            media = "Unsupported SFP";
        else
            media = xell_get_sfp_media(static_cast<int32_t>(code));
    }
    ixo_line("Media:", media);

    if (q.converged()) {
        ixo_line("Speed:", xell_port_speed_to_string(q.cee_valid ? q.cee.link_speed : 0));
        ixo_line("CNA/DCB state:",
                 q.cee_valid ? xell_cee_status_to_string(q.cee.cee_status) : xell_port_get_state_name(0));
    }

    ixo_label("Beacon status:");
    if (q.mezz())
        std::fputs("N/A", stdout);
    else if (q.attr.beacon != 0)
        std::fputs(q.attr.link_e2e_beacon != 0 ? "On (Link Beacon)" : "On", stdout);
    else
        std::fputs("Off", stdout);
    std::fputs("\n", stdout);
}

// The lines an FC view and an FCoE section share, labels indented by indent.
void ixo_port_display_fc_common(const xel_port_attr_s &attr, const char *indent)
{
    char label[64];
    auto at = [&](const char *text) {
        std::snprintf(label, sizeof label, "%s%s", indent, text);
        return label;
    };
    ixo_line(at("supported classes:"), ixo_cos_name(attr.cos_supported));
    ixo_label(at("symbolic name:"));
    std::printf("%.*s\n", static_cast<int>(sizeof attr.port_symname), attr.port_symname);
    ixo_line_num(at("maximum frame size:"), attr.pport_cfg.maxfrsize);
    ixo_line_num(at("receive bb credits:"), attr.pport_cfg.rx_bbcredit);
    ixo_line_num(at("transmit bb credits:"), attr.pport_cfg.tx_bbcredit);
}

void ixo_port_display_qos_trl(const xel_port_attr_s &attr, const char *indent)
{
    char label[64];
    if (const char *qos = ixo_enabled_name(attr.pport_cfg.qos_enabled)) {
        std::snprintf(label, sizeof label, "%sQOS:", indent);
        ixo_line(label, qos);
    }
    if (const char *trl = ixo_enabled_name(attr.pport_cfg.ratelimit)) {
        std::snprintf(label, sizeof label, "%sTRL:", indent);
        ixo_line(label, trl);
    }
    std::snprintf(label, sizeof label, "%sTRL default speed:", indent);
    ixo_line(label, xell_port_speed_to_string(attr.pport_cfg.trl_def_speed));
}

// The FC view of an HBA-mode port.
int ixo_port_display_intruder_attrs(const ixo_query_ctx &q)
{
    const xel_port_attr_s &attr = q.attr;
    ixo_line_wwn("PWWN:", attr.pwwn);
    ixo_line_wwn("NWWN:", attr.nwwn);
    if (q.mezz()) {
        ixo_line_wwn("Factory PWWN:", attr.factorypwwn);
        ixo_line_wwn("Factory NWWN:", attr.factorynwwn);
    }
    ixo_label("state:");
    std::printf("%-8s\n", xell_port_get_state_name(static_cast<int>(attr.port_state)));
    ixo_label("Speed:");
    std::fputs("\n", stdout);
    ixo_line("        current:", xell_port_speed_to_string(static_cast<int32_t>(attr.speed)));
    ixo_line("        configured:", xell_port_speed_to_string(attr.pport_cfg.speed));
    ixo_label("Topology:");
    std::fputs("\n", stdout);
    ixo_line("        current:", xell_port_topology_to_string(static_cast<int32_t>(attr.topology)));
    ixo_line("        configured:", xell_port_topology_to_string(attr.pport_cfg.topology));
    ixo_line("SNIA port type:", xell_port_type_to_string(static_cast<int32_t>(attr.port_type)));
    ixo_port_display_fc_common(attr, "");
    if (attr.pport_cfg.topology != XEL_PORT_TOPOLOGY_LOOP)
        ixo_port_display_qos_trl(attr, "");
    if (attr.port_state == XEL_PORT_ST_PREBOOT_DISABLED)
        ixo_port_print_preboot_note();
    return XEL_STATUS_OK;
}

xel_status_t ixo_port_display_fcoe_attrs(xell_t *ioc, const xel_port_attr_s &attr, const ixo_query_ctx &q)
{
    xel_ioc_attr_t ioc_attr{};
    xel_status_t status = xell_ioc_get_attr(ioc, &ioc_attr);
    if (status != XEL_STATUS_OK)
        return status;
    bool mezz = ioc_attr.adapter_attr.is_mezz != 0;
    std::fputs("FCoE:\n", stdout);
    ixo_line_mac("        MAC:", xell_ioc_get_mac(ioc));
    if (mezz)
        ixo_line_mac("        Factory MAC:", xell_ioc_get_factory_mac(ioc));
    ixo_line_wwn("        PWWN:", attr.pwwn);
    ixo_line_wwn("        NWWN:", attr.nwwn);
    if (mezz) {
        ixo_line_wwn("        Factory PWWN:", attr.factorypwwn);
        ixo_line_wwn("        Factory NWWN:", attr.factorynwwn);
    }
    ixo_line("        state:", q.cee_valid && q.cee.cee_status == CEE_LOOPBACK
                                   ? "Loopback"
                                   : xell_port_get_state_name(static_cast<int>(attr.port_state)));
    ixo_port_display_fc_common(attr, "        ");
    ixo_port_display_qos_trl(attr, "        ");
    ixo_line_num("        SCSI queue Depth:", attr.pport_cfg.q_depth);
    ixo_line_num("        Vlan:", attr.fcoe_vlan);
    return XEL_STATUS_OK;
}

xel_status_t ixo_port_display_eth_attrs(xell_t *ioc, const ixo_query_ctx &q)
{
    std::fputs("Eth:\n", stdout);
    xel_ethport_attr_s attr{};
    xel_status_t status = xell_ethport_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK)
        return status;
    ixo_line_mac("        MAC:", xell_ioc_get_current_mac(ioc));
    ixo_line_mac("        Factory MAC:", xell_ioc_get_factory_mac(ioc));
    ixo_line("        state:", q.cee_valid && q.cee.cee_status == CEE_LOOPBACK
                                   ? "Loopback"
                                   : xell_port_get_state_name(static_cast<int>(attr.port_state)));
    ixo_line("        OS Eth Device:", xell_ioc_get_eth_name(ioc));
    return XEL_STATUS_OK;
}

// The converged view: the port's storage function, then its network one.
xel_status_t ixo_port_display_cna_attrs(xell_t *ioc, const ixo_query_ctx &q)
{
    xell_port_t *port = ixo_port_of(ioc);
    if (port == nullptr)
        return XEL_STATUS_FAILED;
    bool storage = xell_ioc_is_storage(ioc);
    xell_t *fc = storage ? ioc : xell_port_get_first_fcioc(port);
    xell_t *eth = storage ? xell_port_get_first_ethioc(port) : ioc;
    xel_status_t status = XEL_STATUS_OK;
    if (fc != nullptr) {
        // The attributes read for the query are the target's; a network
        // target's storage function answers for itself.
        xel_port_attr_s fc_attr = q.attr;
        if (fc != ioc)
            status = xell_port_get_attr(fc, &fc_attr);
        if (status == XEL_STATUS_OK)
            status = ixo_port_display_fcoe_attrs(fc, fc_attr, q);
        if (status != XEL_STATUS_OK)
            return status;
    }
    if (eth != nullptr)
        status = ixo_port_display_eth_attrs(eth, q);
    return status;
}

} // namespace

int ixo_port_query(char ** /*argv*/, int /*argc*/, ixo_id_t *id)
{
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    ixo_query_ctx q;
    q.mode_read = xell_port_mode_get(ioc, true, &q.mode) == XEL_STATUS_OK;
    if (!q.mode_read)
        q.mode = static_cast<xel_mode_t>(0);
    if (q.converged())
        q.cee_valid = xell_cee_get_attr(ioc, &q.cee) == XEL_STATUS_OK;
    xel_status_t status = xell_ioc_get_attr(ioc, &q.ioc_attr);
    if (status == XEL_STATUS_OK)
        status = xell_port_get_attr(ioc, &q.attr);
    if (status != XEL_STATUS_OK)
        return status;

    ixo_label("function id:");
    std::printf("%-d/%-d/%-d\n", xell_ioc_get_adapter_id(ioc), xell_ioc_get_port_id(ioc), xell_ioc_get_pcifn(ioc));
    ixo_port_display_common_attrs(ioc, q);
    if (q.converged())
        return ixo_port_display_cna_attrs(ioc, q);
    return ixo_port_display_intruder_attrs(q);
}
