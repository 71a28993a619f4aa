# Remote ports of the emulated fabric: an 8-LUN array, a 150-LUN JBOD
# whose symbolic name comes from the name server, a tape drive whose
# process login never finished, and an initiator with no learned speed.
$ ixo-sim rport --list 1/0/0
| Num RPORTs = 4
|
| ---------------------------------------------------------------------------
| FC Addr  Remote Port PWWN          QOS-P/F   SPD     State     F  df_sz
| ---------------------------------------------------------------------------
| 0a2000   50:00:7a:3c:a0:05:10:00     H/1     16G     online     T  2048
| 0a2100   50:00:7a:3c:a1:05:10:00     U/0     8G *    online     T  2048
| 0a2200   50:00:7a:3c:a2:05:10:00     L/3     8G      online     T  2048
| 0a2300   50:00:7a:3c:a3:05:10:00     M/2     ---     online     I  2048
| ---------------------------------------------------------------------------
$ ixo-sim rport --list 1/0/0 -l 10:00:00:7a:3c:05:10:00
| Num RPORTs = 4
|
| ---------------------------------------------------------------------------
| FC Addr  Remote Port PWWN          QOS-P/F   SPD     State     F  df_sz
| ---------------------------------------------------------------------------
| 0a2000   50:00:7a:3c:a0:05:10:00     H/1     16G     online     T  2048
| 0a2100   50:00:7a:3c:a1:05:10:00     U/0     8G *    online     T  2048
| 0a2200   50:00:7a:3c:a2:05:10:00     L/3     8G      online     T  2048
| 0a2300   50:00:7a:3c:a3:05:10:00     M/2     ---     online     I  2048
| ---------------------------------------------------------------------------
$ ixo-sim rport --list 1/0/0 -l 10:00:00:7a:3c:05:10:09
! ERROR: LPORT PWWN not found 
[18]
$ ixo-sim rport --list 1/0/0 -l nonsense
! ERROR: Incorrectly formatted WWN
[168]
$ ixo-sim rport --query 1/0/0 50:00:7a:3c:a0:05:10:00
| RPORT FC Address:		0a2000
| RPORT port wwn:			50:00:7a:3c:a0:05:10:00
| RPORT node wwn:			58:00:7a:3c:a0:05:10:00
| Status:				online
| Class of Service:		Class-2, Class-3
| Function:			Target
| Data Field size:		2048
| Cont.Incr.seq_cnt(CISC):	Supported
| Current Speed:			16G
| symbolic name:			XSTOR ARRAY-8 0410 port 0
| Vendor:				XSTOR   
| Product ID:			ARRAY-8         
| Product Rev:			0410
| QOS priority:			High
| QOS flow id:			1
| TRL enforced:			No
$ ixo-sim rport --query 1/0/0 50:00:7a:3c:a1:05:10:00
| RPORT FC Address:		0a2100
| RPORT port wwn:			50:00:7a:3c:a1:05:10:00
| RPORT node wwn:			58:00:7a:3c:a1:05:10:00
| Status:				online
| Class of Service:		Class-3
| Function:			Target
| Data Field size:		2048
| Cont.Incr.seq_cnt(CISC):	Supported
| Current Speed:			8G 
| symbolic name:			XSTOR JBOD-150 port 1
| Vendor:				XSTOR   
| Product ID:			JBOD-150        
| Product Rev:			0410
| QOS priority:			Unknown
| QOS flow id:			0
| TRL enforced:			Yes
$ ixo-sim rport --query 1/0/0 50:00:7a:3c:a2:05:10:00
| RPORT FC Address:		0a2200
| RPORT port wwn:			50:00:7a:3c:a2:05:10:00
| RPORT node wwn:			58:00:7a:3c:a2:05:10:00
| Status:				online
| Class of Service:		Class-3
| Function:			Target
| Data Field size:		2048
| Cont.Incr.seq_cnt(CISC):	Not Supported
| Current Speed:			8G 
| symbolic name:			XSTOR TAPE-LTO
| QOS priority:			Low
| QOS flow id:			3
| TRL enforced:			No
! ERROR: No FCP Nexus exists with the rport 
[52]
$ ixo-sim rport --query 1/0/0 50:00:7a:3c:a3:05:10:00
| RPORT FC Address:		0a2300
| RPORT port wwn:			50:00:7a:3c:a3:05:10:00
| RPORT node wwn:			58:00:7a:3c:a3:05:10:00
| Status:				online
| Class of Service:		Class-3
| Function:			Initiator
| Data Field size:		2048
| Cont.Incr.seq_cnt(CISC):	Supported
| Current Speed:			---
| symbolic name:			Tessary host initiator
| QOS priority:			Medium
| QOS flow id:			2
| TRL enforced:			No
! ERROR: No FCP Nexus exists with the rport 
[52]
$ ixo-sim rport --query 1/0/0 50:00:7a:3c:a9:05:10:00
! ERROR: RPORT PWWN not found 
[19]
$ ixo-sim rport --query 1/0/0 50:00
! ERROR: Incorrectly formatted WWN
[168]
# The FCoE function's LUNs sit in the older sysfs layout.
$ ixo-sim rport --query 2/0/0 50:00:7a:3c:a0:06:20:00 | grep -e Vendor -e Product
| Vendor:				XSTOR   
| Product ID:			ARRAY-8         
| Product Rev:			0410
# A speed is assigned only where the fabric told none; never 1G or auto.
$ ixo-sim rport --speed 1/0/0 50:00:7a:3c:a3:05:10:00 4
| Successfully set the Rport Speed
$ ixo-sim rport --query 1/0/0 50:00:7a:3c:a3:05:10:00 | tail -n 1
| Rport assigned speed:		4G 
! ERROR: No FCP Nexus exists with the rport 
$ ixo-sim rport --speed 1/0/0 50:00:7a:3c:a0:05:10:00 4
! ERROR: Target has a valid speed 
[77]
$ ixo-sim rport --speed 1/0/0 50:00:7a:3c:a3:05:10:00 1
! ERROR: command "--speed" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim rport --speed 1/0/0 50:00:7a:3c:a3:05:10:00 auto
! ERROR: command "--speed" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim rport --stats 1/0/0 50:00:7a:3c:a0:05:10:00
|
| Remote port statistics 
| 	remote port offline count : 0
| 	remote port online count : 1
| 	RSCN affecting rport : 0
| 	plogis sent : 1
| 	plogi accepts : 1
| 	plogi timeouts : 0
| 	rcvd plogi rejects : 0
| 	local failure : 0
| 	plogis rcvd : 0
| 	inbound PRLIs : 0
| 	ADISCs received : 0
| 	recvd ADISC rejects : 0
| 	ADISC requests sent : 1
| 	ADISC accepted by rport : 1
| 	ADISC failed no response : 0
| 	ADISC rejected by us : 0
| 	logos sent : 0
| 	LOGO accepts from rport : 0
| 	LOGO failures : 0
| 	LOGO rejects from rport : 0
| 	LOGO from remote port : 0
| 	RPSC received : 0
| 	recvd RPSC rejects : 0
| 	RPSC requests sent : 1
| 	RPSC accepted by rport : 1
| 	RPSC failed no response : 0
| 	RPSC rejected by us : 0
| 	LS RJT with insuff resources : 0
| 	uninit: create events : 0
| 	uninit: exception events : 0
| 	created: online events : 1
| 	created: delete events : 0
| 	created: IOC down : 0
| 	created: exception events : 0
| 	fw create: f/w responses : 1
| 	fw create: delete events : 0
| 	fw create: offline events : 0
| 	fw create: IOC down : 0
| 	fw create: exception : 0
| 	online: offline events : 0
| 	online: delete events : 0
| 	online: IOC down events : 0
| 	online: exception events : 0
| 	fw delete: fw responses : 0
| 	fw delete: delete events : 0
| 	fw delete: IOC down events : 0
| 	fw delete: exception : 0
| 	offline: delete events : 0
| 	offline: online events : 0
| 	offline: IOC down events : 0
| 	offline: exception events : 0
| 	delete: fw responses : 0
| 	delete: IOC down events : 0
| 	delete: exception events : 0
| 	delete pend: fw responses : 0
| 	delete pend: IOC downs : 0
| 	delete pend: exceptions : 0
| 	off-pending: fw responses : 0
| 	off-pending: deletes : 0
| 	off-pending: IOC downs : 0
| 	off-pending: exceptions : 0
| 	IOC down: offline events : 0
| 	IOC down: delete events : 0
| 	IOC down: online events : 0
| 	IOC down: exceptions : 0
|
| Remote Link Stats:
| 	Link Failure Count : 0
| 	Loss of Synchronization Count : 2
| 	Loss of Signal Count : 1
| 	Primitive Sequence Protocol Error Count : 0
| 	Invalid Transmission Word Count : 5
| 	Invalid CRC Count : 0
$ ixo-sim rport --statsclr 1/0/0 50:00:7a:3c:a0:05:10:00
| Successfully reset the rport level stats
$ ixo-sim rport --stats 1/0/0 50:00:7a:3c:a0:05:10:00 | head -n 6
|
| Remote port statistics 
| 	remote port offline count : 0
| 	remote port online count : 0
| 	RSCN affecting rport : 0
| 	plogis sent : 0
$ ixo-sim rport --bfs_list 1/0/0
| 50:00:7a:3c:a0:05:10:00
| 50:00:7a:3c:a1:05:10:00
| 50:00:7a:3c:a2:05:10:00
| 50:00:7a:3c:a3:05:10:00
$ ixo-sim rport --bfs_list 1/0/0 10:00:00:7a:3c:05:10:09
# Without a link the port has found nothing.
$ ixo-sim port --disable 1/0
| port disabled
$ ixo-sim rport --list 1/0/0
| No Remote Ports found...
$ ixo-sim rport --query 1/0/0 50:00:7a:3c:a0:05:10:00
! ERROR: RPORT PWWN not found 
[19]
