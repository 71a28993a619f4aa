# The PCI function table of the converged adapter: a created vNIC joins
# the configured table only, and the active one after a host reboot.
$ ixo-sim pcifn --list 2
| ---------------------------------------------------------------------------
| Fn    Port  Type  QPairs    MSI-X     Option    SR-IOV  Max     Active  
|                             Resources Rom       capable VFs     VFs     
| ---------------------------------------------------------------------------
| Active:
| 0     0     FC    1         2         Enabled   N       0       -       
| 1     1     FC    1         2         Enabled   N       0       -       
| 2     0     ETH   8         16        Enabled   N       0       -       
| 3     1     ETH   8         16        Enabled   N       0       -       
| Configured:
| 0     0     FC    1         2         Enabled   N       0       -       
| 1     1     FC    1         2         Enabled   N       0       -       
| 2     0     ETH   8         16        Enabled   N       0       -       
| 3     1     ETH   8         16        Enabled   N       0       -       
| ---------------------------------------------------------------------------
$ ixo-sim vnic --create 2/0 -bmax 5G
| vNIC 4 created successfully
| A host reboot is needed for the changes to be effective
|
$ ixo-sim pcifn --list 2 | sed -n '/Configured/,$p'
| Configured:
| 0     0     FC    1         2         Enabled   N       0       -       
| 1     1     FC    1         2         Enabled   N       0       -       
| 2     0     ETH   8         16        Enabled   N       0       -       
| 3     1     ETH   8         16        Enabled   N       0       -       
| 4     0     ETH   8         16        Enabled   N       0       -       
| ---------------------------------------------------------------------------
# Until the reboot the new vNIC is no function the driver has found.
$ ixo-sim vnic --query 2/0/4
! ERROR: port id "2/0/4" in command is incorrect
[171]
$ xelsim reboot
| Host rebooted
# After it the network driver has enumerated it: a function of its own
# with its IOC, address and interface.
$ ixo-sim vnic --query 2/0/4 | grep -E '^(PCI|HW|IOC state|MAC|OS Eth)'
| PCI Function Index	: 2/0/4
| HW Path			: 0000:06:00.4
| IOC state		: operational
| MAC			: 00:7a:3c:06:14:00
| OS Eth Device		: eth4
$ ixo-sim adapter --query 2 | grep -c 'hwpath:    0000:06:00.4'
| 1
$ ixo-sim pcifn --list 2 | sed -n '/Active/,/Configured/p'
| Fn    Port  Type  QPairs    MSI-X     Option    SR-IOV  Max     Active  
|                             Resources Rom       capable VFs     VFs     
| ---------------------------------------------------------------------------
| Active:
| 0     0     FC    1         2         Enabled   N       0       -       
| 1     1     FC    1         2         Enabled   N       0       -       
| 2     0     ETH   8         16        Enabled   N       0       -       
| 3     1     ETH   8         16        Enabled   N       0       -       
| 4     0     ETH   8         16        Enabled   N       0       -       
| Configured:
$ ixo-sim pcifn --list 9
! ERROR: adapter id "9" in command is incorrect
[172]
$ ixo-sim pcifn --list 1 | sed -n '/Active/,$p'
| Fn    Port  Type  QPairs    MSI-X     Option    SR-IOV  Max     Active  
|                             Resources Rom       capable VFs     VFs     
| ---------------------------------------------------------------------------
| Active:
| 0     0     FC    1         2         Enabled   N       0       -       
| 1     1     FC    1         2         Enabled   N       0       -       
| Configured:
| 0     0     FC    1         2         Enabled   N       0       -       
| 1     1     FC    1         2         Enabled   N       0       -       
| ---------------------------------------------------------------------------

# Creating: options once each, bandwidth words by the rule; a zero
# maximum and a minimum above the maximum are refused; the HBA has no
# partitions.
$ ixo-sim vnic --create 2/0 -bmax 0
! ERROR: Invalid bandwidth value 
[233]
$ ixo-sim vnic --create 2/0 -bmin 6G -bmax 5G
! ERROR: Invalid bandwidth value 
[233]
$ ixo-sim vnic --create 2/0 -bmax 5G -bmax 6G
! ERROR: command "--create" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim vnic --create 2/0 -bmax
|
| Usage: ixo vnic [OPTIONS] [ARGUMENTS] ...
| Available commands are:
|
| 	--bw <pcifn> [-bmin <min bandwidth>] [-bmax <max bandwidth>]
| 		 Sets the bandwidth for the vNIC
|
| 	--create <port_id> [-bmin <min bandwidth>] [-bmax <max bandwidth>]
| 		Creates additional vNIC
|
| 	--delete <pcifn>
| 		Deletes given vNIC
|
| 	--disable <pcifn>
| 		 Disables the vNIC
|
| 	--enable <pcifn>
| 		 Enables the vNIC
|
| 	--query <pcifn>
| 		Queries vNIC status
|
| 	--stats <pcifn>
| 		 Displays statistics of the vNIC
|
| 	--statsclr <pcifn>
| 		 Clears statistics of the vNIC
|
|
| 	port id could be any of:
| 		<adapter_id/port_id>
| 		<port-pwwn>
| 		<port-name>
| 		<port-hwpath>
|
| 	For --delete and --bw, pcifn id has to be:
| 		<adapter_id/port_id/pcifn_id>
|
| 	For all other commands pcifn id could be any of:
| 		<adapter_id/port_id>
| 		<adapter_id/port_id/pcifn_id>
|
| 	bandwidth can be specified either as an absolute value
| 	or a percentage weight i.e., 0% to 100%
| 	Absolute value could range from 0[M] to 10G
| 	where M is Mbps and G is Gbps. Default unit is Mbps
| 	Default values for min bandwidth = 0 and max bandwidth = 10000M/100%
| 	Absolute bandwidth value has to be in multiples of 100Mbps
| 	For eg; 100M, 300M 6.5G, 10G etc are valid entries
|
| 	However please note that -bmax = 0 is not an valid entry
! ERROR: Too few arguments/options provided for the command "vnic"
!
[161]
$ ixo-sim vnic --create 2/0 -bmax 150M
! ERROR: Invalid bandwidth value 
[233]
$ ixo-sim vnic --create 2/0 -bmax 0.25G
! ERROR: Invalid bandwidth value 
[233]
$ ixo-sim vnic --create 2/0 -bmax 101%
! ERROR: Invalid bandwidth value 
[233]
$ ixo-sim vnic --create 2/1 -bmin 30% -bmax 50%
| vNIC 5 created successfully
| A host reboot is needed for the changes to be effective
|
$ ixo-sim vnic --create 1/0
! ERROR: This feature is not supported on this Model or Mode of the Adapter 
[192]

# Deleting: only a configured vNIC of the port; the functions the adapter
# was built with stay.
$ ixo-sim vnic --delete 2/1/5
| vNIC deleted successfully
| A host reboot is needed for the changes to be effective
|
$ ixo-sim vnic --delete 2/1/5
! ERROR: Invalid PCI function for required operation 
[208]
$ ixo-sim vnic --delete 2/0/5
! ERROR: Invalid PCI function for required operation 
[208]
$ ixo-sim vnic --delete 2/0/2
! ERROR: Base function cannot be deleted/disabled 
[207]
$ ixo-sim vnic --delete 2/0/0
! ERROR: Invalid PCI function for required operation 
[208]

# Bandwidth: a change starts from the configured values, so a second one
# before the reboot keeps the first; the query shows the active ones.
$ ixo-sim vnic --bw 2/0/2 -bmin 1G
| vNIC speed changed
$ ixo-sim vnic --bw 2/0/2 -bmax 9.2G
| vNIC speed changed
$ ixo-sim vnic --query 2/0/2 | grep Bandwidth
| Min Bandwidth		: 0 Mbps
| Max Bandwidth		: 10 Gbps
$ xelsim reboot
| Host rebooted
$ ixo-sim vnic --query 2/0/2 | grep Bandwidth
| Min Bandwidth		: 1 Gbps
| Max Bandwidth		: 9.2 Gbps
$ ixo-sim vnic --bw 2/0/2 -bmax 0
! ERROR: Invalid bandwidth value 
[233]
$ ixo-sim vnic --bw 2/0/2 -bmax 500M
! ERROR: Invalid bandwidth value 
[233]
$ ixo-sim vnic --bw 2/1/3 -bmax 25%
| vNIC speed changed
$ xelsim reboot >/dev/null && ixo-sim vnic --query 2/0/2 | grep Bandwidth && ixo-sim vnic --query 2/1/3 | grep Bandwidth
| Min Bandwidth		: 1 Gbps
| Max Bandwidth		: 9.2 Gbps
| Min Bandwidth		: 0 Mbps
| Max Bandwidth		: 2.5 Gbps
$ ixo-sim vnic --bw 2/0 -bmax 1G
! ERROR: pcifn id "2/0" in command is incorrect
[173]

# Enable, disable and query.
$ ixo-sim vnic --disable 2/0
| vNIC disabled
$ ixo-sim vnic --disable 2/0
| vNIC is already disabled
$ ixo-sim vnic --enable 2/0
| vNIC enabled
$ ixo-sim vnic --enable 2/0
| vNIC is already enabled
$ ixo-sim vnic --query 2/1/3
| PCI Function Index	: 2/1/3
| HW Path			: 0000:06:00.3
| Firmware Ver		: 4.2.0.7
| Port type		: Ethernet
| Min Bandwidth		: 0 Mbps
| Max Bandwidth		: 2.5 Gbps
| IOC state		: operational
| MAC			: 00:7a:3c:06:22:01
| Factory MAC		: 00:7a:3c:06:22:01
| OS Eth Device		: eth3
| MTU			: 1500
| iSCSI priority		: 4
| Default NW priority	: 0
| Total tx functions	: 1
| Total rx functions	: 1
| Offloads
| 	Tx IPv4 header checksum	: Enabled
| 	Tx TCP checksum		: Enabled
| 	Tx UDP checksum		: Enabled
| 	LSO			: Enabled
| 	Rx IPv4 header checksum	: Enabled
| 	Rx TCP checksum		: Enabled
| 	Rx UDP checksum		: Enabled
| Tx function 0
| 	Host id			: 3
| 	HW id			: 12
| 	Queue set id		: 3
| 	Queues			: 1
| 	Tx queue 0
| 		Queue id	: 0
| 		HW id		: 24
| 		MSI-X vector	: 0
| 		Priority	: 0
| 		Depth		: 2048
| Rx function 0
| 	Host id			: 3
| 	HW id			: 12
| 	Unicast addresses	: 1
| 		00:7a:3c:06:22:01
| 	Unicast VLAN addresses	: 0
| 	Multicast addresses	: 1
| 		01:00:5e:00:00:01
| 	Promiscuous mode	: Disabled
| 	Default mode		: Enabled
| 	VLAN filter		: Enabled
| 	RSS			: Disabled
| 	Rx paths		: 1
| 	Rx path 0
| 		CQ id		: 0
| 		HW CQ id	: 6
| 		Rx queue 0
| 			Queue id	: 0
| 			HW id		: 12
| 			Buffer size	: 2048
| 			Depth		: 4096
| 		Rx queue 1
| 			Queue id	: 1
| 			HW id		: 13
| 			Buffer size	: 2048
| 			Depth		: 4096

# Statistics: the IOC counters, then the vNIC's; a clear zeroes the counters
# (the counts of functions, paths and queues stay).
$ ixo-sim vnic --stats 2/0
|
| IOC statistics
| 	Mailbox interrupts : 12
| 	Enable events : 2
| 	Disable events : 1
| 	Heartbeat failures : 0
| 	Firmware boots : 1
| 	Stats timeouts : 0
| 	Heart-beat count : 64
| 	Disable requests : 1
| 	Enable requests : 2
| 	Disable replies : 1
| 	Enable replies : 2
|
| Link toggle count	: 0
| CEE toggle count	: 0
| BPC stats
| 	Tx Pause	: 0,0,0,0,0,0,0,0
| 	Tx Zero Pause	: 0,0,0,0,0,0,0,0
| 	Tx First Pause	: 0,0,0,0,0,0,0,0
| 	Rx Pause	: 0,0,0,0,0,0,0,0
| 	Rx Zero Pause	: 0,0,0,0,0,0,0,0
| 	Rx First Pause	: 0,0,0,0,0,0,0,0
| RAD stats
| 	Rx frames	: 0
| 	Rx octets	: 0
| 	Rx vlan frames	: 0
| 	Rx ucast	: 0
| 	Rx ucast_octets	: 0
| 	Rx ucast vlan	: 0
| 	Rx mcast	: 0
| 	Rx mcast_octets	: 0
| 	Rx mcast vlan	: 0
| 	Rx bcast	: 0
| 	Rx bcast_octets	: 0
| 	Rx bcast vlan	: 0
| 	Rx drops	: 0
| RLB stats
| 	Rx frames	: 0
| 	Rx octets	: 0
| 	Rx vlan frames	: 0
| 	Rx ucast	: 0
| 	Rx ucast_octets	: 0
| 	Rx ucast vlan	: 0
| 	Rx mcast	: 0
| 	Rx mcast_octets	: 0
| 	Rx mcast vlan	: 0
| 	Rx bcast	: 0
| 	Rx bcast_octets	: 0
| 	Rx bcast vlan	: 0
| 	Rx drops	: 0
| Tx Function 0
| 	Ucast bytes	: 0
| 	Ucast packets	: 0
| 	Ucast vlan	: 0
| 	Mcast bytes	: 0
| 	Mcast packets	: 0
| 	Mcast vlan	: 0
| 	Bcast bytes	: 0
| 	Bcast packets	: 0
| 	Bcast vlan	: 0
| 	Errors	: 0
| 	Filter vlan	: 0
| 	Filter MAC	: 0
| 	Tx queue count	: 1
| 	Tx Queue 0
| 		Tx stops	: 0
| 		Tx resumes	: 0
| 		LSO4 packets	: 0
| 		LSO6 packets	: 0
| 		LSO packets	: 0
| 		Tx bytes	: 0
| 		Tx packets	: 0
| 		IP4 cso packets	: 0
| 		TCP cso packets	: 0
| 		UDP cso packets	: 0
| 		CSO errors	: 0
| 		Out of wi	: 0
| 		DMA map errors	: 0
| 		Producer index	: 0
| 		Consumer index	: 0
| 		Unmapped producer index	: 0
| 		Unmapped consumer index	: 0
| 		HW consumer index	: 0
| Rx Function 0
| 	Ucast bytes	: 0
| 	Ucast packets	: 0
| 	Ucast vlan	: 0
| 	Mcast bytes	: 0
| 	Mcast packets	: 0
| 	Mcast vlan	: 0
| 	Bcast bytes	: 0
| 	Bcast packets	: 0
| 	Bcast vlan	: 0
| 	Frame drops	: 0
| 	Rx path count	: 1
| 	Rx Path 0
| 		CQ producer index	: 0
| 		CQ hw index	: 0
| 		Rx queue count	: 2
| 		Rx Queue 0
| 			Rx cleanups	: 0
| 			Rx posts	: 0
| 			Rx schedules	: 0
| 			Rx low buf count	: 0
| 			Rx alloc failures	: 0
| 			Rx bytes	: 0
| 			Rx packets	: 0
| 			Rx mac errors	: 0
| 			Rx checksum errors	: 0
| 			Rx lro	: 0
| 			Rx lro flush	: 0
| 			Producer index	: 0
| 			Consumer index	: 0
| 		Rx Queue 1
| 			Rx cleanups	: 0
| 			Rx posts	: 0
| 			Rx schedules	: 0
| 			Rx low buf count	: 0
| 			Rx alloc failures	: 0
| 			Rx bytes	: 0
| 			Rx packets	: 0
| 			Rx mac errors	: 0
| 			Rx checksum errors	: 0
| 			Rx lro	: 0
| 			Rx lro flush	: 0
| 			Producer index	: 0
| 			Consumer index	: 0
$ ixo-sim vnic --statsclr 2/0
| vNIC statistics cleared
$ ixo-sim vnic --stats 2/0 | grep -c ': [1-9]'
| 3
