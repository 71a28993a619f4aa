# The base fabric's counters; a reset zeroes them.
$ ixo-sim fabric --stats 1/0
|
| Fabric Stats:
| 	Num FLOGIs sent : 1
| 	FLOGI response errors : 0
| 	FLOGI accept errors : 0
| 	FLOGI accepts received : 1
| 	FLOGI rejects received : 0
| 	Unknown responses for FLOGI : 0
| 	Alloc waits before FLOGI sent : 0
| 	FLOGIs received : 0
| 	Incoming FLOGIs rejected : 0
| 	Fabric online notifications : 1
| 	Fabric offline notifications : 0
$ ixo-sim fabric --statsclr 1/0
| Successfully reset the fabric level stats
$ ixo-sim fabric --stats 1/0
|
| Fabric Stats:
| 	Num FLOGIs sent : 0
| 	FLOGI response errors : 0
| 	FLOGI accept errors : 0
| 	FLOGI accepts received : 0
| 	FLOGI rejects received : 0
| 	Unknown responses for FLOGI : 0
| 	Alloc waits before FLOGI sent : 0
| 	FLOGIs received : 0
| 	Incoming FLOGIs rejected : 0
| 	Fabric online notifications : 0
| 	Fabric offline notifications : 0
$ ixo-sim fabric --stats 2/0 | head -n 3
|
| Fabric Stats:
| 	Num FLOGIs sent : 1
# What the fabric saw of a remote port query: the name server query for
# the JBOD's symbolic name and the INQUIRY to one of its LUNs.
$ xelsim frames --clear
$ ixo-sim rport --query 1/0/0 50:00:7a:3c:a1:05:10:00 > /dev/null
$ xelsim frames | cut -c 1-120
| ct rport-2:0-1 0a1000>fffffc req fchs=02fffffc000a100020290000000000000000ffff00000000 payload=01000000fc020000011800000
| rsp rport-2:0-1 status=0 payload=01000000fc0200008002000000000000155853544f52204a424f442d31353020706f72742031
| scsi 2:0:1:16388 sg13 cdb=12000000800000000000000000000000 status=0x00 data=000006125b0000025853544f522020204a424f442d31
