# Virtual ports through the FC transport's files: created, queried, listed
# as logical ports, counted, deleted, and kept in the configuration file.
$ ixo-sim vport --create 1/0 21:00:00:7a:3c:05:10:00 -s lab-vp1
| Vport addition successful
$ grep vport $IXO_SIM_ROOT/etc/xel.conf
| # vport configuration
| # vport-<id> = pwwn, nwwn,symname, roles [, vf_id]
| xel0-vport-0 = "21:00:00:7a:3c:05:10:00,20:00:00:7a:3c:05:10:00,lab-vp1,IM,0";
$ cat $IXO_SIM_ROOT/sys/class/fc_host/host2/npiv_vports_inuse
| 1
$ ls $IXO_SIM_ROOT/sys/class/fc_vports
| vport-2:0-0
$ cat $IXO_SIM_ROOT/sys/class/fc_vports/vport-2:0-0/port_name
| 0x2100007a3c051000
$ ixo-sim vport --query 1/0 21:00:00:7a:3c:05:10:00
| Port wwn:	21:00:00:7a:3c:05:10:00
| Node wwn:	20:00:00:7a:3c:05:10:00
| FC Addr:	0a1001
| State:		online
| Role:		FCP initiator
| Symbolic-Name:	lab-vp1
$ ixo-sim lport --list 1/0
| Port ID:        1/0/0
| Port Name:      
| Port PWWN:      10:00:00:7a:3c:05:10:00
| Port NWWN:      20:00:00:7a:3c:05:10:00
| HW Path:        0000:05:00.0
| Num LPORTs:     2
| ---------------------------------------------------------------------------
| PT  FC Addr  LPORT PWWN               LPORT NWWN               FC4 Roles
| ---------------------------------------------------------------------------
| BP  0a1000   10:00:00:7a:3c:05:10:00  20:00:00:7a:3c:05:10:00  IM
| VP  0a1001   21:00:00:7a:3c:05:10:00  20:00:00:7a:3c:05:10:00  IM
| ---------------------------------------------------------------------------
# Logged in through the base port, the virtual port finds the same
# remote ports.
$ ixo-sim rport --list 1/0 -l 21:00:00:7a:3c:05:10:00 | grep -c online
| 4
$ ixo-sim vport --stats 1/0 21:00:00:7a:3c:05:10:00 | grep -i fdisc
| 	num fdisc sent : 1
| 	fdisc accepts : 1
| 	fdisc retries : 0
| 	fdisc timeouts : 0
| 	fdisc response error : 0
| 	bad fdisc accepts : 0
| 	fdisc rejects : 0
| 	fdisc_unknown_rsp : 0
| 	fdisc req wait : 0
$ ixo-sim vport --statsclr 1/0 21:00:00:7a:3c:05:10:00
| Successfully reset the vport level stats
$ ixo-sim vport --stats 1/0 21:00:00:7a:3c:05:10:00 | grep "fdisc accepts"
| 	fdisc accepts : 0
| 	bad fdisc accepts : 0

# A WWPN whose first byte is below 0x10 reads back without the zero, and
# still gets its name.
$ ixo-sim vport --create 1/0 05:00:00:7a:3c:05:10:01 -n 25:00:00:7a:3c:05:10:01 -s low
| Vport addition successful
$ cat $IXO_SIM_ROOT/sys/class/fc_vports/vport-2:0-1/port_name
| 0x500007a3c051001
$ ixo-sim vport --query 1/0 05:00:00:7a:3c:05:10:01
| Port wwn:	05:00:00:7a:3c:05:10:01
| Node wwn:	25:00:00:7a:3c:05:10:01
| FC Addr:	0a1002
| State:		online
| Role:		FCP initiator
| Symbolic-Name:	low

# Refusals: nothing is created or recorded.
$ ixo-sim vport --create 1/0 21:00:00:7a:3c:05:10:00
! ERROR: Operation failed 
[1]
$ ixo-sim vport --create 1/0 22:00:00:7a:3c:05:10:00 -s a -s b >/dev/null
! ERROR: Incorrect argument count for command "--create"
[166]
$ ixo-sim vport --create 1/0 22:00:00:7a:3c:05:10:00 -s $(printf 'x%.0s' $(seq 129)) >/dev/null
! ERROR: Incorrect argument count for command "--create"
[166]
$ ixo-sim vport --create 1/0 22:00:00:7a:3c:05:10:00 -s
! ERROR: command "--create" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim vport --create 1/0 22:00:00:7a:3c:05:10:00 -x y
! ERROR: command "--create" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim vport --create 1/0 nonsense
! ERROR: Incorrectly formatted WWN
[168]
$ ixo-sim vport --create 1/0 22:00:00:7a:3c:05:10:00 -s 'a,b'
! ERROR: Invalid params Check input parameters 
[2]
$ ixo-sim vport --query 1/0 22:00:00:7a:3c:05:10:00
! ERROR: VPORT PWWN not found 
[30]
$ cat $IXO_SIM_ROOT/sys/class/fc_host/host2/npiv_vports_inuse
| 2

# The kernel's limit.
$ echo 2 > $IXO_SIM_ROOT/sys/class/fc_host/host2/max_npiv_vports
$ ixo-sim vport --create 1/0 22:00:00:7a:3c:05:10:00
! ERROR: Reached max VPORT supported limit 
[22]

# Delete removes the port, its entry and its line.
$ ixo-sim vport --delete 1/0 21:00:00:7a:3c:05:10:00
| Vport deletion successful
$ ixo-sim vport --delete 1/0 05:00:00:7a:3c:05:10:01
| Vport deletion successful
$ grep -c vport $IXO_SIM_ROOT/etc/xel.conf
| 2
$ ls $IXO_SIM_ROOT/sys/class/fc_vports
$ cat $IXO_SIM_ROOT/sys/class/fc_host/host2/npiv_vports_inuse
| 0
$ ixo-sim vport --delete 1/0 21:00:00:7a:3c:05:10:00
! ERROR: VPORT PWWN not found 
[30]

# Virtual ports of the pre-boot configuration exist from the start and
# cannot be deleted here: the refused delete leaves the entry.
$ cat > pbc.json
< {"adapters": [{"functions": [{"pci": "0000:05:00.0", "type": "fc", "port": 0,
<   "pbc_vports": ["21:00:00:7a:3c:05:10:0a", "21:00:00:7a:3c:05:10:0b,28:00:00:7a:3c:05:10:0b"]}]}]}
$ xelsim create pbc.json
| Created the emulated host from file pbc.json: 1 PCI functions
$ cat $IXO_SIM_ROOT/sys/class/fc_host/host*/npiv_vports_inuse
| 2
$ cat $IXO_SIM_ROOT/sys/class/fc_vports/vport-*:0-1/node_name
| 0x2800007a3c05100b
$ ixo-sim vport --query 1/0 21:00:00:7a:3c:05:10:0b
| Port wwn:	21:00:00:7a:3c:05:10:0b
| Node wwn:	28:00:00:7a:3c:05:10:0b
| FC Addr:	0a1002
| State:		online
| Role:		FCP initiator
| Symbolic-Name:	
|
| This VP was created from pre-boot configuration
|
$ ixo-sim lport --list 1/0 | grep VP
| VP# 0a1001   21:00:00:7a:3c:05:10:0a  20:00:00:7a:3c:05:00:00  IM
| VP# 0a1002   21:00:00:7a:3c:05:10:0b  28:00:00:7a:3c:05:10:0b  IM
$ ixo-sim vport --delete 1/0 21:00:00:7a:3c:05:10:0a
! A delete of a vport created via the Pre-Boot configuration is not allowed
! ERROR: Command/API not supported 
[26]
$ ls $IXO_SIM_ROOT/sys/class/fc_vports
| vport-2:0-0
| vport-2:0-1
$ echo '{"adapters": [{"functions": [{"pci": "0000:05:00.0", "type": "fc", "port": 0, "pbc_vports": ["10:00:00:7a:3c:05:00:00"]}]}]}' > bad.json
$ xelsim create bad.json
! xelsim: bad.json: adapters[0].functions[0].pbc_vports: "10:00:00:7a:3c:05:00:00" is not a word like 21:00:00:7a:3c:05:10:00 with a WWN of its own
[1]
$ echo '{"adapters": [{"functions": [{"pci": "0000:05:00.0", "type": "fc", "port": 0, "bound": false, "pbc_vports": ["21:00:00:7a:3c:05:10:0a"]}]}]}' > bad.json
$ xelsim create bad.json
! xelsim: bad.json: adapters[0].functions[0].pbc_vports: only a bound storage function has pre-boot virtual ports
[1]
