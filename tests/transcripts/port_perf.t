# The performance monitor with traffic off: one port, and a range whose
# last port precedes the first. Where a case waits for more than an
# interval, the emulated host's clock runs a hundred times faster; the
# rates are computed from the intervals as given.
$ ixo-sim port --perf 1/0 -c 1
| Port      1/0       
| Type      FC        
|     ================
|       TX       RX   
|     ================
|        0.0     0.0  
|
$ IXO_SIM_TIME_SCALE=0.01 ixo-sim port --perf 1/1-1/0 -c 1
|
| Ignoring invalid last port_id
|
| Port      1/1       
| Type      FC        
|     ================
|       TX       RX   
|     ================
|        0.0     0.0  
|
# The words: a count of 0 prints nothing; an interval of 0, a repeated
# option, a value that is not a number and an unknown word are refused;
# an option as the last word is too few.
$ ixo-sim port --perf 1/0 -c 0
$ ixo-sim port --perf 1/0 -i 0
! ERROR: command "--perf" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim port --perf 1/0 -c 1 -c 2
! ERROR: command "--perf" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim port --perf 1/0 -c x
! ERROR: command "--perf" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim port --perf 1/0 -x 1
! ERROR: command "--perf" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim port --perf 1/0 -i >/dev/null
! ERROR: Too few arguments/options provided for the command "port"
!
[161]
$ ixo-sim port --perf 9/0 -c 1
! ERROR: port id "9/0" in command is incorrect
[171]

# A range whose second word is a name: looked up, never a second target.
$ ixo-sim port --name 1/1 second
| successfully named the port: second
$ IXO_SIM_TIME_SCALE=0.01 ixo-sim port --perf 1/0-second -c 1
| Port      1/0       
| Type      FC        
|     ================
|       TX       RX   
|     ================
|        0.0     0.0  
|

# With traffic on every read moves the counters by fixed amounts: FC
# 1 MiB sent and 2 MiB received, FCoE 3 MiB and 512 bytes, the vNIC 2 MiB
# and 5000 bytes (4.9K by the tenths rule), the NIC 640 KiB and 1.25 MiB;
# a port without a link shows nothing moving, and a converged port has
# two column groups under one heading.
$ cat > traffic.json
< {"traffic": true, "adapters": [
<   {"serial": "TSF16050001", "model": "XF1602", "card_type": 1602, "device_id": "0x21", "max_speed": 16, "nports": 2,
<    "functions": [
<      {"pci": "0000:05:00.0", "type": "fc", "port": 0, "host": 2},
<      {"pci": "0000:05:00.1", "type": "fc", "port": 1, "host": 3, "link": false}]},
<   {"serial": "TSC10060001", "model": "XC1002", "card_type": 1002, "device_id": "0x22", "max_speed": 10, "nports": 2,
<    "functions": [
<      {"pci": "0000:06:00.0", "type": "fcoe", "port": 0, "host": 4},
<      {"pci": "0000:06:00.2", "type": "eth", "port": 0, "eth_name": "eth2"}]},
<   {"serial": "TSN10030001", "model": "XN1002",
<    "functions": [
<      {"pci": "0000:03:00.0", "type": "eth", "port": 0, "eth_name": "eth0"}]}
< ]}
$ xelsim create traffic.json
| Created the emulated host from file traffic.json: 5 PCI functions
$ IXO_SIM_TIME_SCALE=0.01 ixo-sim port --perf all -c 1
| Port      1/0             1/1                     2/0                     3/0       
| Type      FC              FC              FC              ETH             ETH       
|     ================================================================================
|       TX       RX     TX       RX     TX       RX     TX       RX     TX       RX   
|     ================================================================================
|        1.0M    2.0M    0.0     0.0     3.0M  512.0B    2.0M    4.9K  640.5K    1.2M 
|
$ IXO_SIM_TIME_SCALE=0.01 ixo-sim port --perf 2/0 -c 1 -i 2
| Port              2/0               
| Type      FC              ETH       
|     ================================
|       TX       RX     TX       RX   
|     ================================
|        1.5M  256.0B    1.0M    2.4K 
|

# A statistics read that fails marks the port until it answers again; the
# first interval after that starts the samples afresh.
$ xelsim fault add --fn 0000:05:00.0 --cmd 0xC0184334 --status 1 --after 1 --once
| Fault added: 0000:05:00.0  0xC0184334  status 1  (once, after 1)
$ IXO_SIM_TIME_SCALE=0.01 ixo-sim port --perf 1/0 -c 3
| Port      1/0       
| Type      FC        
|     ================
|       TX       RX   
|     ================
|
| Could not get FC port(1/0) statistics, error code = 1
|        0.0*    0.0* 
|        0.0     0.0  
|        1.0M    2.0M 
|
$ xelsim fault add --fn 0000:06:00.2 --cmd 0xC0184463 --status 1 --after 1 --once
| Fault added: 0000:06:00.2  0xC0184363  status 1  (once, after 1)
$ IXO_SIM_TIME_SCALE=0.01 ixo-sim port --perf 2/0 -c 2
| Port              2/0               
| Type      FC              ETH       
|     ================================
|       TX       RX     TX       RX   
|     ================================
|
| Could not get vNIC port(2/0/2[0]) statistics, error code = 1
|        3.0M  512.0B    0.0*    0.0* 
|        3.0M  512.0B    0.0     0.0  
|
