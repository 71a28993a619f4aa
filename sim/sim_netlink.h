// The emulated kernel's netlink socket of the SCSI transport protocol.
// A bound socket is a Unix datagram socket under the emulated root, one
// per subscriber, so that a process raising an event (xelsim) reaches
// every process of the host that listens, as the kernel's multicast does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

constexpr int SIM_NETLINK_SCSITRANSPORT = 18;
// The multicast group of the FC transport's events.
constexpr uint32_t SIM_SCSI_NL_GRP_FC_EVENTS = 0x04;

// Binds fd, a Unix datagram socket, as netlink port port_id listening to
// the groups; the name it took goes to *name. -1 with errno EADDRINUSE
// when a live socket holds the port id.
int sim_netlink_bind(const std::string &root, int fd, uint32_t port_id, uint32_t groups, std::string *name);
// Gives the name back when the socket closes.
void sim_netlink_unbind(const std::string &root, const std::string &name);
// The FC transport's vendor event of a SCSI host, sent to every socket
// bound to its group, as the kernel frames it: the netlink header, the
// SCSI netlink header, then the event with the vendor data at 36. Returns
// the number of sockets reached.
int sim_netlink_post_vendor_event(const std::string &root, uint32_t host_no, uint64_t vendor_id,
                                  uint32_t event_num, const void *data, uint16_t data_len);
