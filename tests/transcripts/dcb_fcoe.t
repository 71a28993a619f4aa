# DCB on the converged adapter's port: what the port learned from the
# switch at the far end, with the DCB map of the operational settings.
$ ixo-sim dcb --query 2/0
|
| DCB status: Active
| ----------------------------------------
| Remote LLDP-Attributes
| ----------------------------------------
| Time to Live          120
| Chassis ID            02:00:00:00:00:0b
| Port ID               te0/1
| Port Desc             10GbE DCB port
| System Name           dcb-switch-1
| System Desc           Emulated DCB switch
| System Cap            BRIDGE, ROUTER
| ----------------------------------------
|
|
| Operational DCB Map:
| ---------------------
|   Priority Group Table
|  <PGID: Weight   %, PFC status for the group>
|      0: Weight  60, PFC Disabled
|      1: Weight  40, PFC Enabled
|      2: Weight   0, PFC Disabled
|      3: Weight   0, PFC Disabled
|      4: Weight   0, PFC Disabled
|      5: Weight   0, PFC Disabled
|      6: Weight   0, PFC Disabled
|      7: Weight   0, PFC Disabled
|
|   Priority Table
| 	 CoS:    0    1    2    3    4    5    6    7
| 	 ----------------------------------------------
| 	PGID:    0    0    0    1    0    0    0    0   
|
|   FCoE Priority Table
| 	3    
|
|
| FCoE Logical Link Status: Up
| Network Priority: 0
| DCBCXP version: DCB
|

# With the port down, DCB is inactive for want of a physical link, and the
# report stops there.
$ ixo-sim port --disable 2/0
| port disabled
$ ixo-sim dcb --query 2/0
|
| DCB status: Inactive
| Error Reason: Physical link down
|
$ ixo-sim port --enable 2/0
| port enabled

# An FC port has no DCB: refused without a request.
$ xelsim log --clear
$ ixo-sim dcb --query 1/0
! ERROR: Command/API not supported 
[26]
$ ! xelsim log | grep -q 0xC0184347

$ ixo-sim dcb --stats 2/0
|
| DCB Statistics:
| 	LLDP Tx Frames : 120
| 	LLDP Rx Frames : 118
| 	LLDP Rx Frames invalid : 0
| 	LLDP Rx Frames new : 1
| 	LLDP Rx unrecog. TLVs : 0
| 	LLDP Rx shutdown TLVs : 0
| 	LLDP remote info aged : 0
| 	DCBX phy link ups : 1
| 	DCBX phy link downs : 0
| 	DCBX Rx TLVs : 354
| 	DCBX Rx TLVs invalid : 0
| 	DCBX control TLV errors : 0
| 	DCBX feature TLV errors : 0
| 	DCBX new CEE cfg rcvd : 1
| 	DCB status down : 0
| 	DCB status up : 1
| 	DCB hw cfg changed : 0
| 	DCB invalid cfg : 0
$ ixo-sim dcb --statsclr 2/0
| Successfully reset the port dcb statistics
$ ixo-sim dcb --stats 2/0 | head -3
|
| DCB Statistics:
| 	LLDP Tx Frames : 0

# FCoE alone: disable and enable persist port-enable; a port already there
# says so and sends nothing.
$ ixo-sim fcoe --disable 2/0
| Port disabled
$ grep port-enable $IXO_SIM_ROOT/etc/xel.conf
| xel2-port-enable = "FALSE";
$ ixo-sim port --list | grep -A2 2/0
|  2/0   -   dcb   00:7a:3c:06:20:00        --        sw     DCB Linkup  10G
|        0   fcoe  10:00:00:7a:3c:06:20:00  --               Disabled    
|        2   eth   00:7a:3c:06:22:00        eth2             Linkup      
$ xelsim log --clear
$ ixo-sim fcoe --disable 2/0
| Port is already disabled
$ ixo-sim fcoe --enable 2/0
| Port enabled
$ ! grep -q port-enable $IXO_SIM_ROOT/etc/xel.conf
$ ixo-sim fcoe --enable 2/0
| Port is already enabled
$ xelsim log | grep -E '0xC008C10[34]'
| xel 2   0xC008C103 status 0     0000:06:00.0

# Only an FCoE function takes the fcoe commands.
$ ixo-sim fcoe --enable 1/0
! ERROR: Command/API not supported 
[26]
$ ixo-sim fcoe --stats 2/0 | head -4
|
| FCoE port statistics:
| 	Seconds since stats reset : 0
| 	CEE link up : 0
$ ixo-sim fcoe --statsclr 2/0
| Successfully reset the FCoE stats

# The peer's identifiers in each of their forms, and DCB held inactive for
# a reason the peer gave.
$ cat > peer.json
< {"adapters": [{"model": "XC1002", "functions": [
<   {"pci": "0000:12:00.0", "type": "fcoe", "port": 0, "cee_reason": 22,
<    "lldp_chassis_id": "192.168.7.1", "lldp_port_id": "00:11:22:33:44:55"},
<   {"pci": "0000:12:00.1", "type": "fcoe", "port": 1, "cee_reason": 99, "cee_pfc_primap": 9,
<    "lldp_chassis_id": "fe80::1:2ff:fe03:405", "lldp_port_id": "10.0.0.9"},
<   {"pci": "0000:12:00.2", "type": "eth", "port": 0}]}]}
$ xelsim create peer.json
| Created the emulated host from file peer.json: 3 PCI functions
$ ixo-sim dcb --query 1/0
|
| DCB status: Inactive
| Error Reason: Peer not advertising DCBX
| ----------------------------------------
| Remote LLDP-Attributes
| ----------------------------------------
| Time to Live          120
| Chassis ID            192:168:7:1
| Port ID               00:11:22:33:44:55
| Port Desc             10GbE DCB port
| System Name           dcb-switch-1
| System Desc           Emulated DCB switch
| System Cap            BRIDGE, ROUTER
| ----------------------------------------
|
|
$ ixo-sim dcb --query 1/1 | head -10
|
| DCB status: Inactive
| Error Reason: Unknown. Error Code: 99
| ----------------------------------------
| Remote LLDP-Attributes
| ----------------------------------------
| Time to Live          120
| Chassis ID            fe80:00:00:00:01:2ff:fe3:45
| Port ID               10:0:0:9
| Port Desc             10GbE DCB port

# Flow control on some priorities of a group only: the group shows an error.
$ ixo-sim dcb --query 1/1 | grep -A2 'PGID: Weight'
|  <PGID: Weight   %, PFC status for the group>
|      0: Weight  60, PFC Error
|      1: Weight  40, PFC Enabled
