# Target words on the default host: a two-port FC HBA (adapter 1) and a
# two-port converged adapter (adapter 2: FCoE functions 0 and 1, Ethernet
# functions 2 and 3). A target that resolves reaches the command.
$ ixo-sim port --query 1/0 | head -1
| function id:                1/0/0
$ ixo-sim port --query 10:00:00:7a:3c:05:10:00 | head -1
| function id:                1/0/0
$ ixo-sim port --query 0000:05:00.0 | head -1
| function id:                1/0/0
$ ixo-sim port --query 1/5
! ERROR: port id "1/5" in command is incorrect
[171]
$ ixo-sim port --query 0/0
! ERROR: port id "0/0" in command is incorrect
[171]
$ ixo-sim port --query 1//0
! ERROR: port id "1//0" in command is incorrect
[171]
$ ixo-sim port --query 4294967297/0
! ERROR: port id "4294967297/0" in command is incorrect
[171]
$ ixo-sim port --topology 2/0/2
! ERROR: Could not find Storage functionality on the port (or adapter) "2/0/2"
[177]
$ ixo-sim ethboot --query 1/0
! ERROR: Could not find Ethernet functionality on the port (or adapter) "1/0"
[178]
$ ixo-sim ethboot --query 10:00:00:7a:3c:05:10:00
! ERROR: port id "10:00:00:7a:3c:05:10:00" in command is incorrect
[171]
$ ixo-sim adapter --query 9
! ERROR: adapter id "9" in command is incorrect
[172]
$ ixo-sim adapter --query 18446744073709551617
! ERROR: adapter id "18446744073709551617" in command is incorrect
[172]
# An empty word names no adapter, not one whose name is unset.
$ ixo-sim port --bfs_list ''
! ERROR: adapter id "" in command is incorrect
[172]
$ ixo-sim vhba --delete 2/0
! ERROR: pcifn id "2/0" in command is incorrect
[173]
$ ixo-sim vnic --create 2/0/2
! ERROR: port id "2/0/2" in command is incorrect
[171]
