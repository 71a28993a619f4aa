# QoS: enabled, persisted, configured at once and running after the port
# comes up again; rate limiting refuses to join it, and the other way round.
$ ixo-sim qos --enable 1/0
| qos for port id 1/0/0 enabled
| Setting will be applied after port --disable and port --enable
$ grep qos $IXO_SIM_ROOT/etc/xel.conf
| xel0-qos = "TRUE";
$ ixo-sim ratelim --enable 1/0
| Target Rate Limiting and QOS can't be enabled at the same time.
! ERROR: QoS is enabled 
[88]
$ ixo-sim qos --query 1/0 -d
| QOS State:		Disabled
| Total bb_credits:	16
| QOS bandwidth (Current):
| 	High priority:		60
| 	Medium priority:	30
| 	Low priority:		10
| QOS bandwidth (Configured):
| 	High priority:		60
| 	Medium priority:	30
| 	Low priority:		10
$ ixo-sim port --disable 1/0 && ixo-sim port --enable 1/0
| port disabled
| port enabled
$ ixo-sim qos --query 1/0 -d
| QOS State:		Online
| Total bb_credits:	16
| QOS bandwidth (Current):
| 	High priority:		60
| 	Medium priority:	30
| 	Low priority:		10
| QOS bandwidth (Configured):
| 	High priority:		60
| 	Medium priority:	30
| 	Low priority:		10
| Total vc_count:		4
| Shared Credits:		8
| elp_opmode_flags:	17
|
| vc_credit:		8
| borrow_credit:		0
| priority:		1
|
| vc_credit:		6
| borrow_credit:		1
| priority:		2
|
| vc_credit:		4
| borrow_credit:		2
| priority:		3
|
| vc_credit:		2
| borrow_credit:		3
| priority:		3
$ ixo-sim qos --query 1/0 -x
|
| Usage: ixo qos [OPTIONS] [ARGUMENTS] ...
| Direct Tessary adapter specific commands using this option
| Example: ixo qos --enable <port_id>
| Available commands are:
|
| 	--disable <port_id>
| 		Disable qos for Port if currently enabled
|
| 	--enable <port_id>
| 		Enable qos for Port if currently disabled
|
| 	--query <port_id>
| 		Query the QOS details
|
| 	--setbw <port_id> -h <high> -m <med> -l <low>
| 		Set the bandwidth for QOS high/medium/low priorities
|
| 	--stats <port_id>
| 		Display the QOS statistics
|
| 	--statsclr <port_id>
| 		Clear the QOS statistics
|
|
| 	port id could be any of:
| 		<adapter_id/port_id>
| 		<port-pwwn>
| 		<port-name>
| 		<port-hwpath>
! ERROR: Incorrect argument count for command "--query"
[166]
$ ixo-sim qos --enable 1/0
! ERROR: QOS is already enabled 
[92]

# Bandwidth: the pairs in any order; a value that is not a number, or does
# not fit eight bits, is refused; the driver judges the shares.
$ ixo-sim qos --setbw 1/0 -l 20 -h 50 -m 30
| qos bandwidth for port id 1/0/0 set to 50/30/20
| Setting will be applied after port --disable and port --enable
$ ixo-sim qos --query 1/0 | tail -4
| QOS bandwidth (Configured):
| 	High priority:		50
| 	Medium priority:	30
| 	Low priority:		20
$ ixo-sim qos --setbw 1/0 -l x -h 50 -m 30
! ERROR: command "--setbw" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim qos --setbw 1/0 -l 276 -h 50 -m 30
! ERROR: command "--setbw" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim qos --setbw 1/0 -l 20 -h 50 -m 40
! ERROR: Invalid QOS bandwidth configuration 
[234]
$ ixo-sim qos --stats 1/0
|
| QoS Stats:
| 	QoS Flogi sent : 1
| 	QoS Flogi Acc received : 1
| 	QoS Flogi rejects received : 0
| 	QoS Flogi retries : 0
| 	QoS ELP received : 1
| 	QoS ELP Accepted : 1
| 	QoS ELP rejected : 0
| 	QoS ELP dropped : 0
| 	QoS RSCN received : 0
$ ixo-sim qos --statsclr 1/0 && ixo-sim qos --stats 1/0 | head -3
| Successfully reset the QOS stats
|
| QoS Stats:
| 	QoS Flogi sent : 0

# A converged port's FCoE function has no QoS.
$ ixo-sim qos --enable 2/0
! ERROR: QOS can be enabled for FC mode only 
[106]
$ ixo-sim qos --stats 2/0
! ERROR: QOS can be enabled for FC mode only 
[106]

$ ixo-sim qos --disable 1/0
| qos for port id 1/0/0 disabled
| Setting will be applied after port --disable and port --enable
$ ixo-sim qos --disable 1/0
! ERROR: QOS is already disabled 
[93]

# Rate limiting, then QoS refused beside it; the default speed within the
# adapter's top speed.
$ ixo-sim ratelim --enable 1/0
| ratelim for port id 1/0/0 enabled
| Setting will be enforced after port --disable and --enable
$ grep ratelim $IXO_SIM_ROOT/etc/xel.conf
| xel0-ratelim = "TRUE";
$ ixo-sim qos --enable 1/0
| QoS and Target Rate Limiting can't be enabled at the same time.
! ERROR: Target rate limiting is enabled 
[87]
$ ixo-sim qos --setbw 1/0 -h 50 -m 30 -l 20
! ERROR: Target rate limiting is enabled 
[87]
$ ixo-sim ratelim --query 1/0
| Target Rate Limiting:	enabled
| Default TRL Speed is:	1G 
$ ixo-sim ratelim --defspeed 1/0 16
! ERROR: Speed setting not valid for 16G HBA 
[185]
$ ixo-sim ratelim --defspeed 1/0 auto
! ERROR: command "--defspeed" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim ratelim --defspeed 1/0 8
| Setting will be enforced after port --disable and --enable
$ ixo-sim ratelim --defspeed 1/0
| Default TRL Speed is:	8G 
$ ixo-sim ratelim --defspeed 2/0 8
! ERROR: Speed setting not valid for 10G CNA 
[111]
$ ixo-sim ratelim --disable 1/0
| ratelim for port id 1/0/0 disabled
| Setting will be enforced after port --disable and --enable
$ ixo-sim ratelim --disable 1/0
! ERROR: Target rate limiting is already disabled 
[81]

# Loop topology excludes both.
$ ixo-sim port --topology 1/1 loop
| Setting will be enforced after port --disable and --enable
$ ixo-sim qos --enable 1/1
| QoS and Loop topology can't be enabled at the same time.
! ERROR: Topology is set to Loop 
[230]
$ ixo-sim ratelim --enable 1/1
| Target Rate Limiting and Loop topology can't be enabled at the same time.
! ERROR: Topology is set to Loop 
[230]
