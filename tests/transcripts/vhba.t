# vHBA: query, enable and disable, interrupt settings; functions are not
# created, deleted or resized on this platform.
$ ixo-sim vhba --query 1/0
| PCI Function Index		: 1/0/0
| Firmware Ver			: 4.2.0.7
| Port type			: FC
| IOC state			: operational
| MAC				: 00:00:00:00:00:00
| PWWN				: 10:00:00:7a:3c:05:10:00
| NWWN				: 20:00:00:7a:3c:05:10:00
| Path TOV			: 30 seconds
| Portlog				: Enabled
| IO Profile			: Off
| Interrupt coalescing		: on
| Interrupt delay			: 1000 us
| Interrupt latency		: 250 us
$ ixo-sim vhba --query 2/0
| PCI Function Index		: 2/0/0
| Firmware Ver			: 4.2.0.7
| Port type			: FCoE
| IOC state			: operational
| MAC				: 00:7a:3c:06:20:00
| PWWN				: 10:00:00:7a:3c:06:20:00
| NWWN				: 20:00:00:7a:3c:06:20:00
| Path TOV			: 30 seconds
| Portlog				: Enabled
| IO Profile			: Off
| Interrupt coalescing		: on
| Interrupt delay			: 1000 us
| Interrupt latency		: 250 us
$ ixo-sim vhba --disable 1/0
| vHBA disabled
$ ixo-sim vhba --disable 1/0
| vHBA is already disabled
$ ixo-sim vhba --enable 1/0
| vHBA enabled
$ ixo-sim vhba --enable 1/0
| vHBA is already enabled
$ ixo-sim vhba --intr 1/0 -c on
|
| The intr settings have been configured with value(s):
|
| coalesce	: on
| latency		: 225 (micro-seconds)
| delay		: 1125 (micro-seconds)
$ ixo-sim vhba --intr 2/0 -c ON
|
| The intr settings have been configured with value(s):
|
| coalesce	: on
| latency		: 5 (micro-seconds)
| delay		: 25 (micro-seconds)
$ ixo-sim vhba --intr 1/0 -c off 10 0
|
| The intr settings have been configured with value(s):
|
| coalesce	: off
| latency		: 10 (micro-seconds)
$ ixo-sim vhba --query 1/0 | tail -3
| Interrupt coalescing		: off
| Interrupt delay			: 0 us
| Interrupt latency		: 10 us
$ ixo-sim vhba --intr 1/0 -c on 300 10
! ERROR: Invalid params Check input parameters 
[2]
$ ixo-sim vhba --intr 1/0 -c on 10 1126
! ERROR: Invalid params Check input parameters 
[2]
$ ixo-sim vhba --intr 1/0 -c on 10x 10
! ERROR: command "--intr" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim vhba --intr 1/0 -c on 10
|
| Usage: ixo vhba [OPTIONS] [ARGUMENTS] ...
| Available commands are:
|
| 	--disable <pcifn>
| 		 Disables the vHBA
|
| 	--enable <pcifn>
| 		 Enables the vHBA
|
| 	--intr <pcifn> <-c> {on | off} [<latency> <delay>]
| 		 Configures interrupt attributes for the vHBA
| 		Latency can be between 0-225 micro seconds
| 		Latency value of 0 means the minimum latency
| 		value supported by the hardware and not literal 0
| 		Latency value 0 disables latency monitor timeout interrupt
|
| 		Delay can be between 0-1125 micro seconds
| 		Delay value of 0 disables the delay timeout interrupt
|
| 	port id could be any of:
| 	--query <pcifn>
| 		Queries vHBA status
|
| 	--stats <pcifn>
| 		 Displays statistics of the vHBA
|
| 	--statsclr <pcifn>
| 		 Clears statistics of the vHBA
|
|
| 	port id could be any of:
| 		<adapter_id/port_id>
| 		<port-pwwn>
| 		<port-name>
| 		<port-hwpath>
|
| 	pcifn id could be any of:
| 		<adapter_id/port_id>
| 		<adapter_id/port_id/pcifn_id>
|
! ERROR: Incorrect argument count for command "--intr"
[166]
$ ixo-sim vhba --intr 1/0 -x on
|
| Usage: ixo vhba [OPTIONS] [ARGUMENTS] ...
| Available commands are:
|
| 	--disable <pcifn>
| 		 Disables the vHBA
|
| 	--enable <pcifn>
| 		 Enables the vHBA
|
| 	--intr <pcifn> <-c> {on | off} [<latency> <delay>]
| 		 Configures interrupt attributes for the vHBA
| 		Latency can be between 0-225 micro seconds
| 		Latency value of 0 means the minimum latency
| 		value supported by the hardware and not literal 0
| 		Latency value 0 disables latency monitor timeout interrupt
|
| 		Delay can be between 0-1125 micro seconds
| 		Delay value of 0 disables the delay timeout interrupt
|
| 	port id could be any of:
| 	--query <pcifn>
| 		Queries vHBA status
|
| 	--stats <pcifn>
| 		 Displays statistics of the vHBA
|
| 	--statsclr <pcifn>
| 		 Clears statistics of the vHBA
|
|
| 	port id could be any of:
| 		<adapter_id/port_id>
| 		<port-pwwn>
| 		<port-name>
| 		<port-hwpath>
|
| 	pcifn id could be any of:
| 		<adapter_id/port_id>
| 		<adapter_id/port_id/pcifn_id>
|
! ERROR: Incorrect argument count for command "--intr"
[166]
$ ixo-sim vhba --create 1/0
! ERROR: "--create" Command not supported
!
[162]
$ ixo-sim vhba --delete 1/0/0
! ERROR: "--delete" Command not supported
!
[162]
$ ixo-sim vhba --bw 1/0/0 5G
! ERROR: "--bw" Command not supported
!
[162]

# Statistics: the IOC's, the initiator module's with the bytes read and
# written added up, and the deleted nexuses'; a clear resets the first two.
$ ixo-sim vhba --stats 1/0 | sed -n '1,5p;/active ITN/,/in-bound/p;/Total data/p;/deleted ITN/,+3p'
|
| vHBA IOC statistics
| ==================
|
| IOC driver statistics:
| vHBA active ITN stats
| =====================
| 	Total IO : 1024
| 	Data in-bound requests : 640
| Total data transferred in bytes  : 4194304
| vHBA deleted ITN Stats
| ======================
| 	Deleted ITN - Aborted IO requests : 0
| 	Deleted ITN - IO timeouts : 0
$ ixo-sim vhba --statsclr 1/0
| Successfully reset vHBA stats
| Warning: All active XEL ITN stats are cleared
$ ixo-sim vhba --stats 1/0 | grep -E 'Mailbox|Total'
| 	Mailbox interrupts : 0
| 	Total IO : 0
| 	Total IO Completions : 0
| Total data transferred in bytes  : 0
| 	Deleted ITN - Total IO count : 0
$ ixo-sim vhba --stats 2/0 | grep 'Total data'
| Total data transferred in bytes  : 4194304
