# The port list on the default host: an FC HBA (adapter 1) and a converged
# adapter (adapter 2), whose ports show their DCB side (with the MAC of the
# port's base function, its FCoE function) and, verbose, their FCoE and
# Ethernet functions.
$ ixo-sim port --list
| ---------------------------------------------------------------------------
| Port#  FN  Type  PWWN/MAC                 FC Addr/  Media  State       Spd
|                                           Eth dev
| ---------------------------------------------------------------------------
|  1/0   -   fc    10:00:00:7a:3c:05:10:00  0a1000    sw     Linkup      16G
|        0   fc    10:00:00:7a:3c:05:10:00  0a1000    sw     Linkup      16G
|  1/1   -   fc    10:00:00:7a:3c:05:10:01  0a1100    sw     Linkup      16G
|        1   fc    10:00:00:7a:3c:05:10:01  0a1100    sw     Linkup      16G
|  2/0   -   dcb   00:7a:3c:06:20:00        --        sw     DCB Linkup  10G
|        0   fcoe  10:00:00:7a:3c:06:20:00  0b1000           Linkup      
|        2   eth   00:7a:3c:06:22:00        eth2             Linkup      
|  2/1   -   dcb   00:7a:3c:06:20:01        --        sw     DCB Linkup  10G
|        1   fcoe  10:00:00:7a:3c:06:20:01  0b1100           Linkup      
|        3   eth   00:7a:3c:06:22:01        eth3             Linkup      
| ---------------------------------------------------------------------------
$ ixo-sim port --list -verbose > verbose.out; ixo-sim port --list > plain.out; cmp verbose.out plain.out
$ ixo-sim port --list -terse
| ---------------------------------------------------------------------------
| Port#  FN  Type  PWWN/MAC                 FC Addr/  Media  State       Spd
|                                           Eth dev
| ---------------------------------------------------------------------------
|  1/0   -   fc    10:00:00:7a:3c:05:10:00  0a1000    sw     Linkup      16G
|  1/1   -   fc    10:00:00:7a:3c:05:10:01  0a1100    sw     Linkup      16G
|  2/0   -   dcb   00:7a:3c:06:20:00        --        sw     DCB Linkup  10G
|  2/1   -   dcb   00:7a:3c:06:20:01        --        sw     DCB Linkup  10G
| ---------------------------------------------------------------------------
$ ixo-sim port --list -x
! ERROR: command "--list" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim port --list -TERSE
! ERROR: command "--list" syntax is incorrect or one of the parameters is incorrect
[167]

# A row whose data cannot be read shows dashes, the list goes on and the
# command fails at the end (4027) without a message of its own: port
# attributes of 1/1, CEE attributes of 2/0 (its DCB row knows nothing), the
# Ethernet attributes of function 3.
$ xelsim fault add --fn 0000:05:00.1 --cmd 0xC1804333 --status 1
| Fault added: 0000:05:00.1  0xC1804333  status 1  (always)
$ xelsim fault add --fn 0000:06:00.0 --cmd 0xC0184347 --status 1
| Fault added: 0000:06:00.0  0xC0184347  status 1  (always)
$ xelsim fault add --fn 0000:06:00.3 --cmd 0xC0184371 --errno EIO
| Fault added: 0000:06:00.3  0xC0184371  errno EIO  (always)
$ ixo-sim port --list
| ---------------------------------------------------------------------------
| Port#  FN  Type  PWWN/MAC                 FC Addr/  Media  State       Spd
|                                           Eth dev
| ---------------------------------------------------------------------------
|  1/0   -   fc    10:00:00:7a:3c:05:10:00  0a1000    sw     Linkup      16G
|        0   fc    10:00:00:7a:3c:05:10:00  0a1000    sw     Linkup      16G
|  1/1   -   --            --               --        --        --       ---
|        1   --            --               --        --        --       ---
|  2/0   -   dcb               --           --        sw     Unknown     ---
|        0   fcoe  10:00:00:7a:3c:06:20:00  0b1000           Linkup      
|        2   eth   00:7a:3c:06:22:00        eth2             Linkup      
|  2/1   -   dcb   00:7a:3c:06:20:01        --        sw     DCB Linkup  10G
|        1   fcoe  10:00:00:7a:3c:06:20:01  0b1100           Linkup      
|        3   --            --               --        --        --       ---
| ---------------------------------------------------------------------------
[187]
$ ixo-sim port --list -terse
| ---------------------------------------------------------------------------
| Port#  FN  Type  PWWN/MAC                 FC Addr/  Media  State       Spd
|                                           Eth dev
| ---------------------------------------------------------------------------
|  1/0   -   fc    10:00:00:7a:3c:05:10:00  0a1000    sw     Linkup      16G
|  1/1   -   --            --               --        --        --       ---
|  2/0   -   dcb               --           --        sw     Unknown     ---
|  2/1   -   dcb   00:7a:3c:06:20:01        --        sw     DCB Linkup  10G
| ---------------------------------------------------------------------------
[187]
$ xelsim fault clear
| Cleared 3 fault(s)

# A command reads each function's IOC attributes once, in the scan, and
# every row uses that answer: a fault that lets the first read pass is
# still pending after the list.
$ xelsim fault add --fn 0000:06:00.0 --cmd 0xC6504306 --status 1 --once --after 1
| Fault added: 0000:06:00.0  0xC6504306  status 1  (once, after 1)
$ ixo-sim port --list -terse
| ---------------------------------------------------------------------------
| Port#  FN  Type  PWWN/MAC                 FC Addr/  Media  State       Spd
|                                           Eth dev
| ---------------------------------------------------------------------------
|  1/0   -   fc    10:00:00:7a:3c:05:10:00  0a1000    sw     Linkup      16G
|  1/1   -   fc    10:00:00:7a:3c:05:10:01  0a1100    sw     Linkup      16G
|  2/0   -   dcb   00:7a:3c:06:20:00        --        sw     DCB Linkup  10G
|  2/1   -   dcb   00:7a:3c:06:20:01        --        sw     DCB Linkup  10G
| ---------------------------------------------------------------------------
$ xelsim fault list
| 0000:06:00.0  0xC6504306  status 1  (once)
$ xelsim fault clear
| Cleared 1 fault(s)

# A fixed configured speed is marked "*" once the port runs it.
$ ixo-sim port --speed 1/1 8
| Setting will be enforced after port --disable and --enable
$ ixo-sim port --disable 1/1 && ixo-sim port --enable 1/1
| port disabled
| port enabled
$ ixo-sim port --list -terse
| ---------------------------------------------------------------------------
| Port#  FN  Type  PWWN/MAC                 FC Addr/  Media  State       Spd
|                                           Eth dev
| ---------------------------------------------------------------------------
|  1/0   -   fc    10:00:00:7a:3c:05:10:00  0a1000    sw     Linkup      16G
|  1/1   -   fc    10:00:00:7a:3c:05:10:01  0a1100    sw     Linkup      8G *
|  2/0   -   dcb   00:7a:3c:06:20:00        --        sw     DCB Linkup  10G
|  2/1   -   dcb   00:7a:3c:06:20:01        --        sw     DCB Linkup  10G
| ---------------------------------------------------------------------------

# A trunked HBA lists its trunk first; its ports show no address of their
# own and each the speed of its member link. A port in D-port diagnostics
# shows "dport"; a mezzanine card shows "mz" for its media.
$ cat > lab.json
< {"adapters": [
<   {"trunked": true, "functions": [
<     {"pci": "0000:05:00.0", "type": "fc", "port": 0},
<     {"pci": "0000:05:00.1", "type": "fc", "port": 1}]},
<   {"is_mezz": true, "functions": [
<     {"pci": "0000:07:00.0", "type": "fc", "port": 0, "dport": true},
<     {"pci": "0000:07:00.1", "type": "fc", "port": 1, "link": false}]}
< ]}
$ xelsim create lab.json
| Created the emulated host from file lab.json: 4 PCI functions
$ ixo-sim port --list
| ---------------------------------------------------------------------------
| Port#  FN  Type  PWWN/MAC                 FC Addr/  Media  State       Spd
|                                           Eth dev
| ---------------------------------------------------------------------------
|  1         fc-T  10:00:00:7a:3c:05:00:00  0a1000    sw     Linkup      32G
|  1/0   -   fc    10:00:00:7a:3c:05:00:00  --        sw     Linkup      16G
|        0   fc    10:00:00:7a:3c:05:00:00  --        sw     Linkup      16G
|  1/1   -   fc    10:00:00:7a:3c:05:01:01  --        sw     Linkup      16G
|        1   fc    10:00:00:7a:3c:05:01:01  --        sw     Linkup      16G
|  2/0   -   fc    10:00:00:7a:3c:07:00:00  dport     mz     Disabled    ---
|        0   fc    10:00:00:7a:3c:07:00:00  dport     mz     Disabled    ---
|  2/1   -   fc    10:00:00:7a:3c:07:01:01  --        mz     Linkdown    ---
|        1   fc    10:00:00:7a:3c:07:01:01  --        mz     Linkdown    ---
| ---------------------------------------------------------------------------
$ ixo-sim port --list -terse
| ---------------------------------------------------------------------------
| Port#  FN  Type  PWWN/MAC                 FC Addr/  Media  State       Spd
|                                           Eth dev
| ---------------------------------------------------------------------------
|  1         fc-T  10:00:00:7a:3c:05:00:00  0a1000    sw     Linkup      32G
|  1/0   -   fc    10:00:00:7a:3c:05:00:00  --        sw     Linkup      16G
|  1/1   -   fc    10:00:00:7a:3c:05:01:01  --        sw     Linkup      16G
|  2/0   -   fc    10:00:00:7a:3c:07:00:00  dport     mz     Disabled    ---
|  2/1   -   fc    10:00:00:7a:3c:07:01:01  --        mz     Linkdown    ---
| ---------------------------------------------------------------------------

# A trunk member counts only while its own function is up: with the IOC of
# port 1 disabled, the trunk runs on port 0 alone.
$ cat > trunk.json
< {"adapters": [{"trunked": true, "functions": [
<   {"pci": "0000:05:00.0", "type": "fc", "port": 0},
<   {"pci": "0000:05:00.1", "type": "fc", "port": 1, "enabled": false}]}]}
$ xelsim create trunk.json
| Created the emulated host from file trunk.json: 2 PCI functions
$ ixo-sim port --list -terse
| ---------------------------------------------------------------------------
| Port#  FN  Type  PWWN/MAC                 FC Addr/  Media  State       Spd
|                                           Eth dev
| ---------------------------------------------------------------------------
|  1         fc-T  10:00:00:7a:3c:05:00:00  0a1000    sw     Linkup      16G
|  1/0   -   fc    10:00:00:7a:3c:05:00:00  --        sw     Linkup      16G
|  1/1   -   fc    10:00:00:7a:3c:05:01:01  --        sw     IOC disabled---
| ---------------------------------------------------------------------------

# No adapter at all.
$ xelsim create empty
| Created the emulated host from preset empty: 0 PCI functions
$ ixo-sim port --list
! ERROR: No Tessary Adapter Found 
[27]

# The small lists scripts read: the boot-capable ports of an adapter and the
# PCI functions of a port (all, storage only, network only). A port the
# adapter lacks prints nothing; a port word that is not a number, or does
# not fit, is refused rather than read as another port.
$ xelsim create
| Created the emulated host from preset default: 6 PCI functions
$ ixo-sim port --bfs_list 1
| 0
| 1
$ ixo-sim port --pcifn_list 2 0
| 0
| 2
$ ixo-sim port --pcifn_fclist 2 1
| 1
$ ixo-sim port --pcifn_ethlist 2 1
| 3
$ ixo-sim port --pcifn_ethlist 1 0
$ ixo-sim port --pcifn_list 2 7
$ ixo-sim port --pcifn_list 2 4294967296
! ERROR: command "--pcifn_list" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim port --pcifn_list 2 one
! ERROR: command "--pcifn_list" syntax is incorrect or one of the parameters is incorrect
[167]

# A read-only command sends each request to a function once: no line of
# the request log (driver, instance, code, answer, function) repeats.
$ ixo-sim port --list >/dev/null
$ xelsim log --clear
$ ixo-sim port --list >/dev/null && xelsim log | sort | uniq -d
$ xelsim log | wc -l
| 29
$ xelsim log --clear
$ ixo-sim port --query 2/0/2 >/dev/null && xelsim log | sort | uniq -d
