# Port states the emulated host can be shaped into, as the port list and
# query show them. Adapter 1 is a mezzanine HBA: its port 0 was disabled by
# the pre-boot configuration, the fabric refuses port 1's authentication.
# Adapter 2: port 0 looped back, port 1 with an unsupported SFP and QoS and
# rate limiting as a firmware may report them. Adapter 3: a converged port
# looped back and interface names longer than Linux allows. All started
# long ago: their traffic counters are beyond 32 bits.
$ cat > states.json
< {"counter_base": 4294967296, "adapters": [
<   {"is_mezz": true, "functions": [
<     {"pci": "0000:05:00.0", "type": "fc", "port": 0, "preboot_disabled": true},
<     {"pci": "0000:05:00.1", "type": "fc", "port": 1, "authfail": true}]},
<   {"functions": [
<     {"pci": "0000:07:00.0", "type": "fc", "port": 0, "loopback": true},
<     {"pci": "0000:07:00.1", "type": "fc", "port": 1, "sfp_media": 5, "qos": 2, "ratelimit": 1}]},
<   {"functions": [
<     {"pci": "0000:08:00.0", "type": "fcoe", "port": 0, "loopback": true},
<     {"pci": "0000:08:00.1", "type": "fcoe", "port": 1},
<     {"pci": "0000:08:00.2", "type": "eth", "port": 0, "eth_name": "Local Area Connection 12"},
<     {"pci": "0000:08:00.3", "type": "eth", "port": 1, "eth_name": "enp8s0f3np1"}]}
< ]}
$ xelsim create states.json
| Created the emulated host from file states.json: 8 PCI functions
$ ixo-sim port --list
| ---------------------------------------------------------------------------
| Port#  FN  Type  PWWN/MAC                 FC Addr/  Media  State       Spd
|                                           Eth dev
| ---------------------------------------------------------------------------
|  1/0   -   fc    10:00:00:7a:3c:05:00:00  --        mz     Disabled#   ---
|        0   fc    10:00:00:7a:3c:05:00:00  --        mz     Disabled#   ---
|  1/1   -   fc    10:00:00:7a:3c:05:01:01  --        mz     auth failure---
|        1   fc    10:00:00:7a:3c:05:01:01  --        mz     auth failure---
|  2/0   -   fc    10:00:00:7a:3c:07:00:00  Loopback  sw     Linkup      16G
|        0   fc    10:00:00:7a:3c:07:00:00  Loopback  sw     Linkup      16G
|  2/1   -   fc    10:00:00:7a:3c:07:01:01  --        us     Linkdown    ---
|        1   fc    10:00:00:7a:3c:07:01:01  --        us     Linkdown    ---
|  3/0   -   dcb   00:7a:3c:08:10:00        --        sw     Loopback    10G
|        0   fcoe  10:00:00:7a:3c:08:00:00  Loopback         Loopback    
|        2   eth   00:7a:3c:08:12:00        LAC# 12          Loopback    
|  3/1   -   dcb   00:7a:3c:08:11:01        --        sw     DCB Linkup  10G
|        1   fcoe  10:00:00:7a:3c:08:01:01  0c1100           Linkup      
|        3   eth   00:7a:3c:08:13:01        enp8s0f3         Linkup      
|
| # indicates operation performed from pre-boot configuration.
|
| ---------------------------------------------------------------------------

# The query shows the pre-boot state on any card, with its footnote; an
# unsupported SFP in words; no QoS line for a value other than 0 and 1;
# the converged port looped back in each section.
$ ixo-sim port --query 1/0 | sed -n '12p;26,$p'
| state:                      Disabled#
| TRL:                        Disabled
| TRL default speed:          1G 
|
| # indicates operation performed from pre-boot configuration.
|
$ ixo-sim port --query 2/1 | sed -n '6p;10p;22,$p'
| Media:                      Unsupported SFP
| state:                      Linkdown
| transmit bb credits:        8
| TRL:                        Enabled
| TRL default speed:          1G 
$ ixo-sim port --query 3/0 | sed -n '6,8p;14p;28,$p'
| Media:                      sw
| Speed:                      10G
| CNA/DCB state:              Loopback
|         state:              Loopback
|         state:              Loopback
|         OS Eth Device:      Local Area Connection 12

# Enable brings the pre-boot disabled port up; it is an ordinary port then.
$ ixo-sim port --enable 1/0
| port enabled
$ ixo-sim port --list -terse | grep 1/0
|  1/0   -   fc    10:00:00:7a:3c:05:00:00  0a1000    mz     Linkup      16G

# Counters beyond 32 bits print whole.
$ ixo-sim port --stats 2/0 | grep -E 'Tx (frames|words)'
| 	Tx frames : 4294968320
| 	Tx words : 4295032832

# A port disable that never finishes leaves both sides of a converged port
# disabling; enable then sends the port enable request, not the FCoE one,
# since the Ethernet side is not up.
$ xelsim fault add --fn 0000:08:00.1 --never-state --cmd 0xC0084332 --once
| Fault added: 0000:08:00.1  0xC0084332  never reaches the state  (once)
$ ixo-sim port --disable 3/1
| port disabled
$ ixo-sim port --list | grep -A2 3/1
|  3/1   -   dcb   00:7a:3c:08:11:01        --        sw     Linkdown    ---
|        1   fcoe  10:00:00:7a:3c:08:01:01  --               Disabling   
|        3   eth   00:7a:3c:08:13:01        enp8s0f3         Disabling   
$ xelsim log --clear
$ ixo-sim port --enable 3/1
| port enabled
$ xelsim log | grep -E '0xC0084(33|43)[12]|0xC008C10[34]'
| xel 5   0xC0084331 status 0     0000:08:00.1
$ ixo-sim port --list | grep -A2 3/1
|  3/1   -   dcb   00:7a:3c:08:11:01        --        sw     DCB Linkup  10G
|        1   fcoe  10:00:00:7a:3c:08:01:01  0c1100           Linkup      
|        3   eth   00:7a:3c:08:13:01        enp8s0f3         Linkup      
