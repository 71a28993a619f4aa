# Logical ports: the base port of a storage function, its attributes,
# counters and the boot list (virtual ports only: none here).
$ ixo-sim lport --list 1/0/0
| Port ID:        1/0/0
| Port Name:      
| Port PWWN:      10:00:00:7a:3c:05:10:00
| Port NWWN:      20:00:00:7a:3c:05:10:00
| HW Path:        0000:05:00.0
| Num LPORTs:     1
| ---------------------------------------------------------------------------
| PT  FC Addr  LPORT PWWN               LPORT NWWN               FC4 Roles
| ---------------------------------------------------------------------------
| BP  0a1000   10:00:00:7a:3c:05:10:00  20:00:00:7a:3c:05:10:00  IM
| ---------------------------------------------------------------------------
$ ixo-sim lport --query 1/0/0
| Port FC Addr:	0a1000
| Port Type:	Base Port (State: Linkup)
| Port PWWN:	10:00:00:7a:3c:05:10:00
| Port NWWN:	20:00:00:7a:3c:05:10:00
| Symbolic name:	XF1602 | 4.2.0.7 | Linux | host2
| Role:		IM
| Fabric Name:	10:00:02:00:00:00:00:01
| Switch IP Addr:	192.0.2.10	
# A converged port's FCoE function has a fabric-provided MAC.
$ ixo-sim lport --query 2/0/0
| Port FC Addr:	0b1000
| Port Type:	Base Port (State: Linkup)
| Port PWWN:	10:00:00:7a:3c:06:20:00
| Port NWWN:	20:00:00:7a:3c:06:20:00
| Symbolic name:	XC1002 | 4.2.0.7 | Linux | host4
| Role:		IM
| Fabric Name:	10:00:02:00:00:00:00:01
| Switch IP Addr:	192.0.2.10	
| FPMA MAC Addr:	0e:fc:00:0b:10:00
$ ixo-sim lport --query 1/0/0 -l 10:00:00:7a:3c:05:10:00
| Port FC Addr:	0a1000
| Port Type:	Base Port (State: Linkup)
| Port PWWN:	10:00:00:7a:3c:05:10:00
| Port NWWN:	20:00:00:7a:3c:05:10:00
| Symbolic name:	XF1602 | 4.2.0.7 | Linux | host2
| Role:		IM
| Fabric Name:	10:00:02:00:00:00:00:01
| Switch IP Addr:	192.0.2.10	
$ ixo-sim lport --query 1/0/0 -l 10:00:00:7a:3c:05:10:09
! ERROR: LPORT PWWN not found 
[18]
$ ixo-sim lport --query 1/0/0 -l 10:00:00
! ERROR: Incorrectly formatted WWN
[168]
$ ixo-sim lport --query 1/0/0 -x 10:00:00:7a:3c:05:10:00
! ERROR: command "--query" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim lport --query 1/0/0 -l
! ERROR: command "--query" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim lport --stats 1/0/0
|
| FCS Logical Port Statistics
| 	ns_plogi_sent : 1
| 	ns_plogi_rsp_err : 0
| 	ns_plogi_acc_err : 0
| 	ns_plogi_accepts : 1
| 	NS command rejects : 0
| 	ns_plogi_unknown_rsp : 0
| 	ns_plogi_alloc_wait : 0
| 	NS command retries : 0
| 	NS command timeouts : 0
| 	ns_rspnid_sent : 1
| 	ns_rspnid_accepts : 1
| 	ns_rspnid_rsp_err : 0
| 	ns_rspnid_rejects : 0
| 	ns_rspnid_alloc_wait : 0
| 	ns_rftid_sent : 1
| 	ns_rftid_accepts : 1
| 	ns_rftid_rsp_err : 0
| 	ns_rftid_rejects : 0
| 	ns_rftid_alloc_wait : 0
| 	ns_rffid_sent : 1
| 	ns_rffid_accepts : 1
| 	ns_rffid_rsp_err : 0
| 	ns_rffid_rejects : 0
| 	ns_rffid_alloc_wait : 0
| 	ns_gidft_sent : 1
| 	ns_gidft_accepts : 1
| 	ns_gidft_rsp_err : 0
| 	ns_gidft_rejects : 0
| 	ns_gidft_unknown_rsp : 0
| 	ns_gidft_alloc_wait : 0
| 	ns_rnnid_sent : 0
| 	ns_rnnid_accepts : 0
| 	ns_rnnid_rsp_err : 0
| 	ns_rnnid_rejects : 0
| 	ns_rnnid_alloc_wait : 0
| 	ns_rsnn_nn_sent : 0
| 	ns_rsnn_nn_accepts : 0
| 	ns_rsnn_nn_rsp_err : 0
| 	ns_rsnn_nn_rejects : 0
| 	ns_rsnn_nn_alloc_wait : 0
| 	MS command retries : 0
| 	MS command timeouts : 0
| 	ms_plogi_sent : 1
| 	ms_plogi_rsp_err : 0
| 	ms_plogi_acc_err : 0
| 	ms_plogi_accepts : 1
| 	MS command rejects : 0
| 	ms_plogi_unknown_rsp : 0
| 	ms_plogi_alloc_wait : 0
| 	Num of RSCN received : 2
| 	Num portid format RSCN rcvd : 2
| 	Unsolicited recv frames : 0
| 	Dropped received frames : 0
| 	Received plogi : 1
| 	Received prli : 1
| 	Received adisc : 0
| 	Received prlo : 0
| 	Received logo : 0
| 	Received rpsc : 0
| 	Received unhandled ELS : 0
| 	Rport plogi retry timeout cnt : 0
| 	Del rport max : 0
|
| ITNIM IO Statistics
| 	Total IO : 2400
| 	Data in-bound requests : 1600
| 	Data out-bound requests : 800
| 	Total IO Completions : 2400
| 	Write data transferred in bytes : 3276800
| 	Read data transferred in bytes : 6553600
| 	Slowpath IO completions : 0
| 	IO underrun : 0
| 	IO overrun : 0
| 	IO Request-Q wait : 0
| 	IO Request-Q wait done : 0
| 	No free IO tag : 0
| 	IO timeouts : 0
| 	IO failure due to target offline : 0
| 	IO protocol errors : 0
| 	IO SBC-3 protection errors : 0
| 	fcp-2 error recovery failed : 0
| 	Delayed freeing of IO : 0
| 	Host IO abort requests : 0
| 	Host IO abort : 0
| 	IO clean-up requests : 0
| 	IO path tov expired : 0
| 	IO abort completions : 0
| 	IO cleaned-up due to IOC down : 0
| 	IO comp with unknown : 0
| 	Abort request due to TM command : 0
| 	Abort completion due to TM command : 0
| 	IT Nexus create requests : 0
| 	IT Nexus FW create requests : 0
| 	IT Nexus FW create completions : 0
| 	IT Nexus onlines : 0
| 	IT Nexus offlines : 0
| 	IT Nexus FW delete requests : 0
| 	IT Nexus FW delete completions : 0
| 	IT Nexus delete requests : 0
| 	SLER events : 0
| 	Num IOC disables : 0
| 	IT Nexus cleanup completions : 0
| 	TM Requests : 0
| 	TM Completions : 0
| 	TM initiated IO cleanup success : 0
| 	TM initiated IO cleanup failure : 0
| 	No free TM tag : 0
| 	TM Request-Q wait : 0
| 	TM Request-Q wait done : 0
| 	TM cleaned-up due to IOC down : 0
| 	TM cleanup requests : 0
| 	TM cleanup completions : 0
| 	LM lun is across sg data buf : 0
| 	LM lun not supported : 0
| 	LM report-lun data changed : 0
| 	LM residue in report-lun response changed : 0
| 	LM buf is smaller than lun cnt reported by tgt : 0
| 	LM lun not ready : 0
|
| Total data transferred in bytes  : 9830400
$ ixo-sim lport --statsclr 1/0/0
| Successfully reset the lport level stats
$ ixo-sim lport --stats 1/0/0 | tail -n 4
| 	LM buf is smaller than lun cnt reported by tgt : 0
| 	LM lun not ready : 0
|
| Total data transferred in bytes  : 0
$ ixo-sim lport --bfs_list 1/0/0
# Without a link the port has no address and no fabric.
$ ixo-sim port --disable 1/0
| port disabled
$ ixo-sim lport --list 1/0/0 | tail -n 2
| BP  --       10:00:00:7a:3c:05:10:00  20:00:00:7a:3c:05:10:00  IM
| ---------------------------------------------------------------------------
$ ixo-sim lport --query 1/0/0
| Port FC Addr:	--
| Port Type:	Base Port (State: Disabled)
| Port PWWN:	10:00:00:7a:3c:05:10:00
| Port NWWN:	20:00:00:7a:3c:05:10:00
| Symbolic name:	XF1602 | 4.2.0.7 | Linux | host2
| Role:		IM
| Fabric Name:	--
| Switch IP Addr:	--
