# Port enable and disable. An FC port: the second request of a kind only
# says so; the configuration file keeps a disabled port disabled.
$ ixo-sim port --disable 1/0
| port disabled
$ ixo-sim port --disable 1/0
| port is already disabled
$ grep port-enable $IXO_SIM_ROOT/etc/xel.conf
| xel0-port-enable = "FALSE";
$ ixo-sim port --list -terse | grep 1/0
|  1/0   -   fc    10:00:00:7a:3c:05:10:00  --        sw     Disabled    ---
$ ixo-sim port --enable 1/0
| port enabled
$ ixo-sim port --enable 1/0
| port is already enabled
$ ! grep -q port-enable $IXO_SIM_ROOT/etc/xel.conf

# A converged port's FCoE and Ethernet functions share the physical port.
# With the Ethernet side up, disabling the port through its FCoE function
# takes the whole port down (port disable, 0xC0084332); enabling it again
# brings both up (port enable, 0xC0084331). Through the Ethernet function
# the same requests go to the network driver.
$ xelsim log --clear
$ ixo-sim port --disable 2/0
| port disabled
$ ixo-sim port --list | grep -A2 2/0
|  2/0   -   dcb   00:7a:3c:06:20:00        --        sw     Linkdown    ---
|        0   fcoe  10:00:00:7a:3c:06:20:00  --               Disabled    
|        2   eth   00:7a:3c:06:22:00        eth2             Disabled    
$ grep port-enable $IXO_SIM_ROOT/etc/xel.conf
| xel2-port-enable = "FALSE";
$ ixo-sim port --disable 2/0/2
| port is already disabled
$ ixo-sim port --enable 2/0
| port enabled
$ ixo-sim port --enable 2/0/2
| port is already enabled
$ ! grep -q port-enable $IXO_SIM_ROOT/etc/xel.conf
$ xelsim log | grep -E '0xC0084(33|43)[12]|0xC008C10[34]'
| xel 2   0xC0084332 status 0     0000:06:00.0
| xel 2   0xC0084331 status 0     0000:06:00.0
$ xelsim log --clear
$ ixo-sim port --disable 2/0/2
| port disabled
$ ixo-sim port --enable 2/0/2
| port enabled
$ xelsim log | grep -E '0xC0084(33|43)[12]|0xC008C10[34]'
| kwo 0   0xC0084432 status 0     0000:06:00.2
| kwo 0   0xC0084431 status 0     0000:06:00.2

# A port whose state cannot be read is neither enabled nor disabled, and no
# request goes out.
$ xelsim fault add --fn 0000:06:00.2 --cmd 0xC0184371 --status 1 --once
| Fault added: 0000:06:00.2  0xC0184371  status 1  (once)
$ xelsim log --clear
$ ixo-sim port --disable 2/0
! ERROR: Operation failed 
[1]
$ xelsim log | grep -E '0xC0084(33|43)[12]|0xC008C10[34]'
[1]
$ xelsim fault add --fn 0000:05:00.0 --cmd 0xC1804333 --status 1 --once
| Fault added: 0000:05:00.0  0xC1804333  status 1  (once)
$ ixo-sim port --enable 1/0
! ERROR: Operation failed 
[1]

# A driver refusal is reported and nothing is persisted.
$ xelsim fault add --fn 0000:05:00.1 --cmd 0xC0084332 --status 59 --once
| Fault added: 0000:05:00.1  0xC0084332  status 59  (once)
$ ixo-sim port --disable 1/1
! ERROR: IOC is already enabled 
[59]
$ ! grep -q port-enable $IXO_SIM_ROOT/etc/xel.conf

# The FCoE function alone. Its side counts as down while its IOC is
# disabled, so that enable is sent: with the Ethernet side up only the FCoE
# enable (0xC008C103). With the Ethernet side disabled, disable sends only
# the FCoE disable (0xC008C104) and enable the whole port's. The driver
# refuses each (61), the IOC being disabled.
$ cat > cna.json
< {"adapters": [{"functions": [
<   {"pci": "0000:06:00.0", "type": "fcoe", "port": 0, "enabled": false},
<   {"pci": "0000:06:00.2", "type": "eth", "port": 0}]}]}
$ xelsim create cna.json
| Created the emulated host from file cna.json: 2 PCI functions
$ ixo-sim port --list | grep -A2 1/0
|  1/0   -   dcb   00:7a:3c:06:10:00        --        sw     DCB Linkup  10G
|        0   fcoe  10:00:00:7a:3c:06:00:00  --               IOC disabled
|        2   eth   00:7a:3c:06:12:00        eth2             Linkup      
$ xelsim log --clear
$ ixo-sim port --enable 1/0
! ERROR: IOC is not operational. Enable IOC and if it still fails contact support 
[61]
$ xelsim log | grep -E '0xC0084(33|43)[12]|0xC008C10[34]'
| xel 0   0xC008C103 status 61    0000:06:00.0
$ ixo-sim port --disable 1/0/2
| port disabled
$ xelsim log --clear
$ ixo-sim port --disable 1/0
! ERROR: IOC is not operational. Enable IOC and if it still fails contact support 
[61]
$ xelsim log | grep -E '0xC0084(33|43)[12]|0xC008C10[34]'
| xel 0   0xC008C104 status 61    0000:06:00.0
$ xelsim log --clear
$ ixo-sim port --enable 1/0
! ERROR: IOC is not operational. Enable IOC and if it still fails contact support 
[61]
$ xelsim log | grep -E '0xC0084(33|43)[12]|0xC008C10[34]'
| xel 0   0xC0084331 status 61    0000:06:00.0

# A port in D-port diagnostics counts as neither up nor disabled: enable
# and disable are sent, and the driver refuses both (245) until D-port is
# turned off.
$ cat > dport.json
< {"adapters": [{"functions": [{"pci": "0000:05:00.0", "type": "fc", "port": 0, "dport": true}]}]}
$ xelsim create dport.json
| Created the emulated host from file dport.json: 1 PCI functions
$ xelsim log --clear
$ ixo-sim port --enable 1/0
! ERROR: D-port mode is enabled 
[245]
$ ixo-sim port --disable 1/0
! ERROR: D-port mode is enabled 
[245]
$ xelsim log | grep -E '0xC0084(33|43)[12]|0xC008C10[34]'
| xel 0   0xC0084331 status 245   0000:05:00.0
| xel 0   0xC0084332 status 245   0000:05:00.0
$ ! grep -q port-enable $IXO_SIM_ROOT/etc/xel.conf

# A converged port enabled or disabled through its Ethernet function keeps
# the setting under its FCoE function, so it comes up at the next driver
# load as it was left.
$ xelsim create default
| Created the emulated host from preset default: 6 PCI functions
$ ixo-sim port --disable 2/0
| port disabled
$ grep port-enable $IXO_SIM_ROOT/etc/xel.conf
| xel2-port-enable = "FALSE";
$ ixo-sim port --enable 2/0/2
| port enabled
$ ! grep -q port-enable $IXO_SIM_ROOT/etc/xel.conf
$ ixo-sim port --disable 2/0/2
| port disabled
$ grep port-enable $IXO_SIM_ROOT/etc/xel.conf
| xel2-port-enable = "FALSE";
