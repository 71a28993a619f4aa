# A NIC and a two-port HBA of device 0x17, whose function 1 is not
# reported: the HBA shows port 0 alone, and every other command works.
$ xelsim create mixed
| Created the emulated host from preset mixed: 4 PCI functions
$ ixo-sim port --list
| ---------------------------------------------------------------------------
| Port#  FN  Type  PWWN/MAC                 FC Addr/  Media  State       Spd
|                                           Eth dev
| ---------------------------------------------------------------------------
|  1/0   -   fc    10:00:00:7a:3c:04:00:00  0b1000    sw     Linkup      4G 
|        0   fc    10:00:00:7a:3c:04:00:00  0b1000    sw     Linkup      4G 
|  2/0   -   dcb   00:7a:3c:03:10:00        --        sw     DCB Linkup  10G
|        0   eth   00:7a:3c:03:10:00        eth0             Linkup      
|  2/1   -   dcb   00:7a:3c:03:11:01        --        sw     DCB Linkup  10G
|        1   eth   00:7a:3c:03:11:01        eth1             Linkup      
| ---------------------------------------------------------------------------
$ ixo-sim port --query 1/1
! ERROR: port id "1/1" in command is incorrect
[171]
$ ixo-sim port --query 2/1 | head -n 3
| function id:                2/1/1
| port type:                  10G Eth
| port mode:                  NIC

# An Ethernet-only port has no record for its enable state: disabling it
# keeps nothing, and no record that belongs to no port gets the setting.
$ ixo-sim port --disable 2/0
| port disabled
$ grep -E 'port-(wwn|mac|enable)' $IXO_SIM_ROOT/etc/xel.conf
| xel0-port-wwn = "10:00:00:7a:3c:04:00:00";
| xel1-port-wwn = "10:00:00:7a:3c:04:01:01";
| kwo0-port-mac = "00:7a:3c:03:10:00";
| kwo1-port-mac = "00:7a:3c:03:11:01";

# An FC adapter added later takes a record of its own, and nothing in the
# file keeps it disabled.
$ cp $IXO_SIM_ROOT/etc/xel.conf saved.conf
$ printf '{"adapters": [{"serial": "TSN10030001", "functions": [{"pci": "0000:03:00.0", "type": "eth", "port": 0, "mac": "00:7a:3c:03:10:00", "eth_name": "eth0"}]}, {"serial": "TSF16050001", "functions": [{"pci": "0000:05:00.0", "type": "fc", "port": 0}]}]}' > later.json
$ xelsim create later.json
| Created the emulated host from file later.json: 2 PCI functions
$ cp saved.conf $IXO_SIM_ROOT/etc/xel.conf
$ ixo-sim port --list -terse
| ---------------------------------------------------------------------------
| Port#  FN  Type  PWWN/MAC                 FC Addr/  Media  State       Spd
|                                           Eth dev
| ---------------------------------------------------------------------------
|  1/0   -   fc    10:00:00:7a:3c:05:00:00  0b1000    sw     Linkup      16G
|  2/0   -   dcb   00:7a:3c:03:10:00        --        sw     DCB Linkup  10G
| ---------------------------------------------------------------------------
$ grep -E 'port-(wwn|mac|enable)' $IXO_SIM_ROOT/etc/xel.conf
| xel0-port-wwn = "10:00:00:7a:3c:04:00:00";
| xel1-port-wwn = "10:00:00:7a:3c:04:01:01";
| xel2-port-wwn = "10:00:00:7a:3c:05:00:00";
| kwo0-port-mac = "00:7a:3c:03:10:00";
| kwo1-port-mac = "00:7a:3c:03:11:01";
