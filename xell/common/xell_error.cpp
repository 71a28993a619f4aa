#include "xell.h"

#include <array>

namespace {

// Indexed by status; every message ends in one space.
constexpr std::array errorlist{
    "Success ", // 0
    "Operation failed ", // 1
    "Invalid params Check input parameters ", // 2
    "Out of resources ", // 3
    "Function not implemented ", // 4
    "Timer expired - Retry if persists contact support ", // 5
    "Protocol error ", // 6
    "No FC ports resources ", // 7
    "Flash not present ", // 8
    "Flash is bad ", // 9
    "Unsupported SFP - Replace SFP ", // 10
    "VF_ID not found ", // 11
    "Diag returned data corrupted contact support ", // 12
    "Device busy - Retry operation ", // 13
    "Operation aborted ", // 14
    "Dev is not present ", // 15
    "Host dma failed contact support ", // 16
    "Flash bad length ", // 17
    "LPORT PWWN not found ", // 18
    "RPORT PWWN not found ", // 19
    "Got LS_RJT for FC Pass through Req ", // 20
    "VPORT already exists ", // 21
    "Reached max VPORT supported limit ", // 22
    "Invalid Speed Check speed setting ", // 23
    "Invalid Max data field size ", // 24
    "Setting can not be persisted ", // 25
    "Command/API not supported ", // 26
    "No Tessary Adapter Found ", // 27
    "Link is down - Check or replace SFP/cable ", // 28
    "Reject from attached fabric ", // 29
    "VPORT PWWN not found ", // 30
    "Nameserver login failed ", // 31
    "No remote ports found ", // 32
    "Nameserver query failed ", // 33
    "Port is not online ", // 34
    "RPORT is not online ", // 35
    "Remote SCSI target open failed ", // 36
    "No valid LUNs found ", // 37
    "SCSI target IO failure ", // 38
    "No switched fabric present ", // 39
    "Bad file descriptor ", // 40
    "A signal was caught during ioctl ", // 41
    "I/O error ", // 42
    "Inappropriate I/O control operation ", // 43
    "No such device or address ", // 44
    "Failed to open file ", // 45
    "WWN is same as base port's WWN ", // 46
    "Port not disabled disable port first ", // 47
    "Bad frame header ", // 48
    "Bad frame size check and replace SFP/cable ", // 49
    "Missing frame check and replace SFP/cable or for Mezz card check and replace pass through module ", // 50
    "Link timeout check and replace SFP/cable ", // 51
    "No FCP Nexus exists with the rport ", // 52
    "checksum failure ", // 53
    "Get zone member query failed ", // 54
    "SCSI disk require START command ", // 55
    "IOC failure - Retry if persists contact support ", // 56
    "Invalid WWN ", // 57
    "Version mismatch ", // 58
    "IOC is already enabled ", // 59
    "Adapter is not disabled disable adapter first ", // 60
    "IOC is not operational. Enable IOC and if it still fails contact support ", // 61
    "PCI base address not mapped in OS ", // 62
    "Name exists! use a different name ", // 63
    "API completes asynchronously ", // 64
    "Speed setting not valid for 8G HBA ", // 65
    "Speed setting not valid for 4G HBA ", // 66
    "Adapter is already enabled ", // 67
    "Invalid path failover TOV ", // 68
    "Invalid queue depth value ", // 69
    "Application/Driver version mismatch ", // 70
    "diag busy ", // 71
    "Port Beacon already on ", // 72
    "Port Beacon already off ", // 73
    "Link End-to-End Beacon already on ", // 74
    "Link End-to-End Beacon already off ", // 75
    "Port not initialized ", // 76
    "Target has a valid speed ", // 77
    "No saved firmware trace ", // 78
    "Not a valid Tessary Boot Code file ", // 79
    "Target rate limiting is already enabled ", // 80
    "Target rate limiting is already disabled ", // 81
    "IOC is already disabled ", // 82
    "Adapter is already disabled ", // 83
    "Bios is already disabled ", // 84
    "Authentication is already enabled ", // 85
    "Authentication is already disabled ", // 86
    "Target rate limiting is enabled ", // 87
    "QoS is enabled ", // 88
    "No SFP device check or replace SFP ", // 89
    "Memory test failed contact support ", // 90
    "Invalid device id provided ", // 91
    "QOS is already enabled ", // 92
    "QOS is already disabled ", // 93
    "Check configuration key/value pair ", // 94
    "Can't read windows registry ", // 95
    "Invalid IOCTL code ", // 96
    "Invalid VLAN ID ", // 97
    "Invalid port name ", // 98
    "Memory allocation failure in driver ", // 99
    "Given VLAN id same as PVID ", // 100
    "Given VLAN id already exists ", // 101
    "Updating firmware with new VLAN ID failed ", // 102
    "Port Log is already enabled ", // 103
    "Port Log is already disabled ", // 104
    "Specified file could not be found ", // 105
    "QOS can be enabled for FC mode only ", // 106
    "RATELIM can be enabled for FC mode only ", // 107
    "Invalid speed selection for Halvane. ", // 108
    "LED test is operating ", // 109
    "eth port is not at down state please bring down first ", // 110
    "Speed setting not valid for 10G CNA ", // 111
    "Invalid team name ", // 112
    "Given team name already exists ", // 113
    "Given port is part of another team or VLANS exist ", // 114
    "Port has VLANs configured. Delete all VLANs to become part of team ", // 115
    "Mismatching PVIDs configured for ports ", // 116
    "Mismatching link speeds configured for ports ", // 117
    "Mismatching MTUs configured for ports ", // 118
    "Mismatching RSS parameters configured for ports ", // 119
    "Mismatching HDS parameters configured for ports ", // 120
    "Mismatching offload parameters configured for ports ", // 121
    "Error setting port parameters ", // 122
    "Port is not part of team ", // 123
    "Primary port cannot be removed. Change primary before removing ", // 124
    "Exceeding maximum ports per team ", // 125
    "Last port in team cannot be removed. Delete team instead ", // 126
    "IM driver is not installed ", // 127
    "Exceeding maximum VLANs per port ", // 128
    "Bios speed config not allowed for CNA ", // 129
    "Miniport driver is not loaded ", // 130
    "Card type mismatch ", // 131
    "Bad ASIC block ", // 132
    "Tessary adapter/driver not installed or loaded ", // 133
    "Invalid MAC address ", // 134
    "No VLANs configured on the port ", // 135
    "Ethernet loopback test failed ", // 136
    "Cannot remove port VLAN (PVID) ", // 137
    "Cannot edit port VLAN (PVID) ", // 138
    "Boot upload not allowed for CNA ", // 139
    "Port VLAN ID (PVID) is Set to Non-Zero Value ", // 140
    "Acquiring Network Subsytem Lock Failed. Please try after some time ", // 141
    "Acquiring Network Subsytem handle Failed. Please try after some time ", // 142
    "IM driver is not active ", // 143
    "User doesn't have sufficient permissions to execute the IXO application ", // 144
    "Invalid/Reserved VLAN name string. The name is not allowed for the normal VLANs ", // 145
    "Command not supported for CNA ", // 146
    "Can not edit pass through VLAN ID ", // 147
    "IM Driver bind operation failed ", // 148
    "IM Driver unbind operation failed ", // 149
    "Port is already part of the team ", // 150
    "VLAN ID doesn't exist ", // 151
    "Team doesn't exist ", // 152
    "Given settings are not allowed for the current Teaming mode ", // 153
    "Operation not allowed for pre-boot configuration ", // 154
    "Boot image is not for the adapter(s) installed ", // 155
    "Bad firmware configuration ", // 156
    "Failed to create temporary file ", // 157
    "Invalid switch vendor ", // 158
    "SFP info is not ready. Retry ", // 159
    "Flash not initialized ", // 160
    "Flash is empty ", // 161
    "Flash checksum failed ", // 162
    "Trunking is only supported on dual port FC HBAs ", // 163
    "Trunk is already enabled on this adapter ", // 164
    "Trunking is disabled on the adapter ", // 165
    "Target rate limiting is enabled on either or both of the ports of adapter ", // 166
    "reboot -- -r is needed after boot code update or driver update ", // 167
    "Boot code version not compatible with the driver installed ", // 168
    "Boot image is not for the adapter(s) installed ", // 169
    "Invalid card type provided ", // 170
    "Topology command not applicable to CNA ", // 171
    "VLAN on Team Delete Operation Failed ", // 172
    "Ethboot is already enabled ", // 173
    "Ethboot is already disabled ", // 174
    "IO profile OFF ", // 175
    "Port instance is unavailable or disabled ", // 176
    "Boot update has timed out please try later ", // 177
    "Can not get the lock vports will not be persisted ", // 178
    "Trying to delete a vport not persisted by the driver ", // 179
    "Microsoft Hyper-V is enabled on this Port/VLAN.\nPlease remove this Port/VLAN from Microsoft Hyper-V configuration\nusing Microsoft Hyper-V tools and then try this operation again. ", // 180
    "Reserved VLAN in team cannot be removed. Delete team instead. ", // 181
    "Boot code is corrupted please retry with a good boot code image before rebooting the system. ", // 182
    "PHY module not present ", // 183
    "Trunk is enabled on this adapter. Disable trunking or disable all adapter ports. ", // 184
    "Speed setting not valid for 16G HBA ", // 185
    "Mismatching Auto Recovery parameters configured for ports ", // 186
    "Mismatching Flow Control parameters configured for ports ", // 187
    "Mismatching Interrupt Moderation parameters configured for ports ", // 188
    "Mismatching Jumbo Packet parameters configured for ports ", // 189
    "Mismatching Locally Administered Address parameters configured for ports ", // 190
    "Mismatching VmQ parameters configured for ports ", // 191
    "This feature is not supported on this Model or Mode of the Adapter ", // 192
    "This entry exists ", // 193
    "This entry does not exist ", // 194
    "This feature is already in that state ", // 195
    "This feature is in disabled state ", // 196
    "FAA is already enabled ", // 197
    "FAA is already disabled ", // 198
    "FAA is already acquired ", // 199
    "Acquiring addr from the fabric. Please check cable connection and configuration on the switch ", // 200
    "FC Credit Recovery is supported for FC mode only ", // 201
    "FAA is enabled on either/both of the adapter ports. Disable FAA reboot and try this operation ", // 202
    "Trunk is enabled on this adapter ", // 203
    "FAA is operational on either/both of the adapter ports. Disable FAA on\nthe switch port reboot the host and try this operation ", // 204
    "Link beacon is currently ON at a different port on the switch.\nPlease turn it OFF first.\nOnly one switch port is allowed to beacon at a time. ", // 205
    "Link Beacon is not supported by the attached switch. ", // 206
    "Base function cannot be deleted/disabled ", // 207
    "Invalid PCI function for required operation ", // 208
    "Persistent Binding already exist for another target ", // 209
    "The binding is reserved of boot target ", // 210
    "The binding is out of range ", // 211
    "MAX entry reached ", // 212
    "Maximum number of PFs have been created ", // 213
    "Trunking is not supported on mezz cards ", // 214
    "Trunking is not supported on CNAs ", // 215
    "The intended mode is not supported on the adapter ", // 216
    "Microsoft Hyper-V is enabled on the Team.\nPlease remove Microsoft Hyper-V configuration\nusing Microsoft Hyper-V tools from the team and then try this operation again. ", // 217
    "Given ports cannot be from the same Physical port. Please try passing one port from each physical port. ", // 218
    "Internal loopback is supported for a port in HBA mode only. ", // 219
    "Speed setting is not supported by SFP ", // 220
    "Buffer size is smaller than the required one. ", // 221
    "All existing team(s)/vlans if any are in disabled state.\nPlease enable any of the teams/vlans to list them. ", // 222
    "First pcifn on port 0 of adapter is disabled. Please enable it first. ", // 223
    "Unsupported VPD vendor. ", // 224
    "Corrupted pci data. ", // 225
    "Vpd checksum error. ", // 226
    "Incorrect LR_STR_TAG. ", // 227
    "Incorrect LR_VPDR_TAG. ", // 228
    "Tessary VPD header not found. ", // 229
    "Topology is set to Loop ", // 230
    "Loop topology is not supported on mezz cards ", // 231
    "Cannot perform the operation as vport is reserved ", // 232
    "Invalid bandwidth value ", // 233
    "Invalid QOS bandwidth configuration ", // 234
    "D-port mode is already enabled ", // 235
    "D-port mode is already disabled ", // 236
    "iScsi boot is already enabled ", // 237
    "iScsi boot is already disabled ", // 238
    "Command not supported for MEZZ card ", // 239
    "fru module not present ", // 240
    "fru vpd file is invalid ", // 241
    "Selected operation is not allowed in network partitioning mode ", // 242
    "Invalid SFP for D-PORT mode.\n D-port will be enabled but it will be operational only after inserting a valid 16G SFP. ", // 243
    "Invalid Boot option for selected topology ", // 244
    "D-port mode is enabled ", // 245
    "vNIC is member of a team or has vlans configured ", // 246
    "Network partition is supported in NIC/CNA mode only ", // 247
    "Network partition is already enabled ", // 248
    "Network partition is already disabled ", // 249
    "Mismatching QoS parameters ", // 250
    "Mismatching target rate limiting parameters ", // 251
    "Mismatching speed parameters ", // 252
    "One/more vNIC(s) of the port is part of an lacp team or has teams configured ", // 253
};
static_assert(errorlist.size() == XEL_STATUS_MAX_VAL);

// Per thread: the event service's watchers send requests of their own, and
// what fails for them is no answer to the caller's last call.
thread_local xel_status_t last_status = XEL_STATUS_OK;

} // namespace

const char *xell_status_to_string(xel_status_t status)
{
    // Negative values compare as large and fall through to the fallback.
    auto index = static_cast<uint32_t>(status);
    if (index < errorlist.size())
        return errorlist[index];
    return "Unknown Failure";
}

void xell_set_last_error(xel_status_t status)
{
    last_status = status;
}

xel_status_t xell_get_last_error()
{
    return last_status;
}
