// The emulated fabric's layout: the same function always finds the same
// remote ports at the same addresses.
#include "sim_fabric.h"

#include "xell_state.h"

#include <cstring>

namespace {

wwn_t wwn_of(const uint8_t (&bytes)[8])
{
    wwn_t wwn;
    std::memcpy(&wwn, bytes, sizeof wwn);
    return wwn;
}

uint32_t pid_of(uint8_t domain, uint8_t area, uint8_t port)
{
    uint8_t bytes[4] = {domain, area, port, 0};
    uint32_t pid;
    std::memcpy(&pid, bytes, sizeof pid);
    return pid;
}

struct rport_template {
    sim_rport_kind kind;
    const char *symname;
    const char *ns_symname;
    uint32_t speed;
    uint8_t qos_priority;
    uint32_t qos_flow_id;
    bool trl_enforced;
    uint32_t itnim_state;
    uint32_t luns;
};

const rport_template rport_templates[] = {
    {sim_rport_kind::array, "XSTOR ARRAY-8 0410 port 0", "XSTOR ARRAY-8 0410 port 0", XEL_PORT_SPEED_16GBPS,
     XEL_QOS_HIGH, 1, false, XEL_ITNIM_ONLINE, 8},
    {sim_rport_kind::jbod, "", "XSTOR JBOD-150 port 1", XEL_PORT_SPEED_8GBPS, XEL_QOS_UNKNOWN, 0, true,
     XEL_ITNIM_ONLINE, 150},
    {sim_rport_kind::tape, "XSTOR TAPE-LTO", "XSTOR TAPE-LTO", XEL_PORT_SPEED_8GBPS, XEL_QOS_LOW, 3, false,
     XEL_ITNIM_PRLI_SENT, 1},
    {sim_rport_kind::initiator, "", "Tessary host initiator", 0, XEL_QOS_MED, 2, false, XEL_ITNIM_INITIATOR, 0},
};

} // namespace

uint8_t sim_fabric_domain(size_t adapter_index)
{
    return static_cast<uint8_t>(0x0a + adapter_index);
}

wwn_t sim_fabric_name()
{
    constexpr uint8_t name[8] = {0x10, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x01};
    return wwn_of(name);
}

std::vector<sim_rport> sim_fabric_rports(size_t adapter_index, const sim_function &fn)
{
    std::vector<sim_rport> rports;
    if (!fn.storage())
        return rports;
    uint8_t pwwn_bytes[8];
    std::memcpy(pwwn_bytes, &fn.pwwn, sizeof pwwn_bytes);
    for (uint32_t i = 0; i < std::size(rport_templates); i++) {
        const rport_template &t = rport_templates[i];
        // The JBOD hangs off the first FC port of each adapter only.
        if (t.kind == sim_rport_kind::jbod && (fn.ioc_type != XEL_IOC_TYPE_FC || fn.port != 0))
            continue;
        sim_rport r{};
        r.kind = t.kind;
        r.index = static_cast<uint32_t>(rports.size());
        auto id = static_cast<uint8_t>(0xa0 + i);
        const uint8_t p[8] = {0x50, 0x00, 0x7a, 0x3c, id, pwwn_bytes[5], pwwn_bytes[6], pwwn_bytes[7]};
        const uint8_t n[8] = {0x58, 0x00, 0x7a, 0x3c, id, pwwn_bytes[5], pwwn_bytes[6], pwwn_bytes[7]};
        r.pwwn = wwn_of(p);
        r.nwwn = wwn_of(n);
        uint8_t domain = sim_fabric_domain(adapter_index);
        auto area = static_cast<uint8_t>(0x20 + r.index);
        auto port = static_cast<uint8_t>(fn.port);
        r.pid = pid_of(domain, area, port);
        r.pid_value = (uint32_t{domain} << 16) | (uint32_t{area} << 8) | port;
        r.symname = t.symname;
        r.ns_symname = t.ns_symname;
        r.speed = t.speed;
        r.qos_priority = t.qos_priority;
        r.qos_flow_id = t.qos_flow_id;
        r.trl_enforced = t.trl_enforced;
        r.itnim_state = t.itnim_state;
        r.luns = t.luns;
        rports.push_back(r);
    }
    return rports;
}

// The array addresses its LUNs peripherally (bus 0), the JBOD flat.
uint64_t sim_rport_lun(const sim_rport &rport, uint32_t n)
{
    uint8_t bytes[8] = {};
    if (rport.kind == sim_rport_kind::jbod) {
        bytes[0] = static_cast<uint8_t>(0x40 | ((n >> 8) & 0x3f));
        bytes[1] = static_cast<uint8_t>(n);
    } else {
        bytes[1] = static_cast<uint8_t>(n);
    }
    uint64_t lun;
    std::memcpy(&lun, bytes, sizeof lun);
    return lun;
}

uint64_t sim_rport_linux_lun(const sim_rport &rport, uint32_t n)
{
    uint64_t lun = sim_rport_lun(rport, n);
    uint8_t b[8];
    std::memcpy(b, &lun, sizeof b);
    uint64_t number = 0;
    for (int i = 0; i < 8; i += 2)
        number |= ((uint64_t{b[i]} << 8) | b[i + 1]) << (i * 8);
    return number;
}

uint32_t sim_rport_sysfs_luns(const sim_rport &rport)
{
    return rport.kind == sim_rport_kind::array ? rport.luns + 1 : rport.luns;
}

std::vector<sim_sg_device> sim_fabric_sg_devices(const sim_topology &topology)
{
    std::vector<sim_sg_device> devices;
    int sg = 0;
    for (size_t a = 0; a < topology.adapters.size(); a++)
        for (const auto &fn : topology.adapters[a].functions) {
            if (!fn.storage() || fn.host < 0)
                continue;
            for (const auto &r : sim_fabric_rports(a, fn)) {
                if (!r.has_scsi_devices())
                    continue;
                for (uint32_t n = 0; n < sim_rport_sysfs_luns(r); n++)
                    devices.push_back({sg++, fn.pci, fn.host, r.index, n, sim_rport_linux_lun(r, n),
                                       fn.ioc_type == XEL_IOC_TYPE_FCoE});
            }
        }
    return devices;
}
