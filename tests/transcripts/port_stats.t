# Port statistics: an FC function prints the FC counters, any other the
# Ethernet ones (a converged port answers through its operational function).
$ ixo-sim port --stats 1/0
|
| FC port statistics: 
| 	Seconds since stats is reset : 3600
| 	Tx frames : 1024
| 	Tx words : 65536
| 	Tx LIP : 0
| 	Tx LIP_F7F7 : 0
| 	Tx LIP_F8F7 : 0
| 	Tx ARB F0 : 0
| 	Tx NOS : 0
| 	Tx OLS : 0
| 	Tx LR : 0
| 	Tx LRR : 0
| 	Rx frames : 2048
| 	Rx words : 131072
| 	Rx LIP : 0
| 	Rx LIP_F7F7 : 0
| 	Rx LIP_F8F7 : 0
| 	Rx ARB F0 : 0
| 	Rx NOS : 0
| 	Rx OLS : 0
| 	Rx LR : 0
| 	Rx LRR : 0
| 	Rx CRC err frames : 0
| 	Rx CRC err good EOF frames : 0
| 	Rx undersized frames : 0
| 	Rx oversized frames : 0
| 	Rx frames with bad EOF : 0
| 	Errored frames : 0
| 	Dropped frames : 0
| 	Link Failure (LF) count : 0
| 	Loss of sync count : 1
| 	Loss of signal count : 1
| 	Primitive sequence protocol err. : 0
| 	Invalid ordered sets : 0
| 	Encoding err nonframe_8b10b : 0
| 	Encoding err frame_8b10b : 0
| 	Credit Recovery-Frames Lost : 0
| 	Credit Recovery-Credits Lost : 0
| 	Credit Recovery-Link Resets : 0
| 	Loop timeouts : 0
$ ixo-sim port --stats 2/0 | head -4
|
| Physical port statistics: 
| 	Seconds since stats is reset : 3600
| 	Frames bytes : 512
$ ixo-sim port --stats 2/0 | grep -c ' : '
| 42
$ ixo-sim port --stats 2/0/2 | grep -c 'Tx LIP'
| 0
[1]
$ ixo-sim port --statsclr 1/0
| Successfully reset the port level stats
$ ixo-sim port --stats 1/0 | head -3
|
| FC port statistics: 
| 	Seconds since stats is reset : 0
$ xelsim fault add --fn 0000:05:00.1 --cmd 0xC0184334 --status 1 --once
| Fault added: 0000:05:00.1  0xC0184334  status 1  (once)
$ ixo-sim port --stats 1/1
! ERROR: Operation failed 
[1]
$ xelsim fault add --fn 0000:05:00.1 --cmd 0xC0084337 --status 1 --once
| Fault added: 0000:05:00.1  0xC0084337  status 1  (once)
$ ixo-sim port --statsclr 1/1
! ERROR: Operation failed 
[1]

# Firmware statistics: the IOC section; storage functions add the IOCFC
# section, the IO section of their logical ports' role and their port
# section (FC or FCoE); a trunked port also its trunk sections.
$ ixo-sim port --fwstats 1/0 | grep -v '	'
|
| Firmware IOC statistics:
|
| Firmware IOCFC statistics:
|
| Firmware IO statistics (Initiator Mode):
|
| Firmware port FC statistics:
$ ixo-sim port --fwstats 1/0 | sed -n '/IOC statistics/,/IOCFC/p'
| Firmware IOC statistics:
| 	Enable Requests : 1
| 	Disable Requests : 0
| 	Get Attr Requests : 1
| 	DBG sync count : 0
| 	DBG dump count : 0
| 	Unknown Requests : 0
|
| Firmware IOCFC statistics:
$ ixo-sim port --fwstats 1/0 | grep -c -E 'FIP|CEE'
| 0
[1]
$ ixo-sim port --fwstats 2/0 | grep -v '	'
|
| Firmware IOC statistics:
|
| Firmware IOCFC statistics:
|
| Firmware IO statistics (Initiator Mode):
|
| Firmware port FCoE statistics:
$ ixo-sim port --fwstats 2/0 | grep -c -E 'LPSM|SNSM'
| 0
[1]
$ ixo-sim port --fwstats 2/0/2
|
| Firmware IOC statistics:
| 	Enable Requests : 1
| 	Disable Requests : 0
| 	Get Attr Requests : 1
| 	DBG sync count : 0
| 	DBG dump count : 0
| 	Unknown Requests : 0
$ ixo-sim port --fwstatsclr 1/0
| Successfully reset the fw level stats
# A failing read of the firmware counters or of the logical ports is
# reported; the logical ports are read after the IOC sections are printed.
$ xelsim fault add --fn 0000:05:00.0 --cmd 0xC018430C --status 61 --once
| Fault added: 0000:05:00.0  0xC018430C  status 61  (once)
$ ixo-sim port --fwstats 1/0
! ERROR: IOC is not operational. Enable IOC and if it still fails contact support 
[61]
$ xelsim fault add --fn 0000:05:00.0 --cmd 0xC018BE01 --status 1 --once
| Fault added: 0000:05:00.0  0xC018BE01  status 1  (once)
$ ixo-sim port --fwstats 1/0 | grep -v '	'
|
| Firmware IOC statistics:
|
| Firmware IOCFC statistics:
! ERROR: Operation failed 

# Target-mode and mixed logical ports, and a trunked port.
$ cat > roles.json
< {"adapters": [{"trunked": true, "functions": [
<   {"pci": "0000:05:00.0", "type": "fc", "port": 0, "roles": 2},
<   {"pci": "0000:05:00.1", "type": "fc", "port": 1, "roles": 3}]}]}
$ xelsim create roles.json
| Created the emulated host from file roles.json: 2 PCI functions
$ ixo-sim port --fwstats 1/0 | grep -v '	'
|
| Firmware IOC statistics:
|
| Firmware IOCFC statistics:
|
| Firmware IO statistics (Target Mode):
|
| Firmware port FC statistics:
|
| Firmware port ADVSM statistics:
|
| Firmware port trunk statistics:
$ ixo-sim port --fwstats 1/1 | grep -v '	'
|
| Firmware IOC statistics:
|
| Firmware IOCFC statistics:
|
| Firmware IO statistics:
|
| Firmware port FC statistics:
|
| Firmware port ADVSM statistics:
|
| Firmware port trunk statistics:
