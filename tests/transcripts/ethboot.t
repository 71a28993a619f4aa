# Network boot of an Ethernet port: its record starts blank and the first
# query writes the default, off with VLAN 0.
$ ixo-sim ethboot --query 2/0
| Ethernet boot Configuration :
| 	Boot Enable:	Disabled
| 	VLAN ID:	0
$ ixo-sim ethboot --vlan 2/0 100
| Ethboot vlan configuration successful
$ ixo-sim ethboot --query 2/0
| Ethernet boot Configuration :
| 	Boot Enable:	Disabled
| 	VLAN ID:	100
$ xelsim log --clear
$ ixo-sim ethboot --vlan 2/0 100
| Ethboot vlan configuration successful
$ ! xelsim log | grep -q 0xC010444C

# VLAN ids above 4094 and words that are no number are refused.
$ ixo-sim ethboot --vlan 2/0 4095
! ERROR: command "--vlan" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim ethboot --vlan 2/0 65535
! ERROR: command "--vlan" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim ethboot --vlan 2/0 -1
! ERROR: command "--vlan" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim ethboot --vlan 2/0 4094
| Ethboot vlan configuration successful
$ ixo-sim ethboot --query 2/1
| Ethernet boot Configuration :
| 	Boot Enable:	Disabled
| 	VLAN ID:	0

# Enabling and disabling, each once; the other port keeps its own record.
$ ixo-sim ethboot --enable 2/0
| Ethboot configuration enabled
$ ixo-sim ethboot --enable 2/0
! ERROR: Ethboot is already enabled 
[173]
$ ixo-sim ethboot --query 2/0
| Ethernet boot Configuration :
| 	Boot Enable:	Enabled
| 	VLAN ID:	4094
$ ixo-sim ethboot --query 2/1
| Ethernet boot Configuration :
| 	Boot Enable:	Disabled
| 	VLAN ID:	0
$ ixo-sim ethboot --disable 2/0
| Ethboot configuration disabled
$ ixo-sim ethboot --disable 2/0
! ERROR: Ethboot is already disabled 
[174]
$ ixo-sim ethboot --query 2/0
| Ethernet boot Configuration :
| 	Boot Enable:	Disabled
| 	VLAN ID:	4094

# Only Ethernet ports have network boot.
$ ixo-sim ethboot --query 1/0
! ERROR: Could not find Ethernet functionality on the port (or adapter) "1/0"
[178]
