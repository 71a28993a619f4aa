# Every class usage, in its normal and, where it differs, its extended form.
$ ixo-sim adapter
|
| Usage: ixo adapter [OPTIONS] [ARGUMENTS] ...
| Example: ixo adapter --list
|
| Available commands are:
| 	--disable <ad_id>
| 		Disables the adapter
|
| 	--enable <ad_id>
| 		Enables the adapter
|
| 	--list
| 		List all the adapters in the system
|
| 	--mode <ad_id> <HBA|CNA|NIC> [-f]
| 		Set the mode for the adapter
| 		-f: Force the command to reset all the settings configured on the adapter
|
| 	--name <ad_id> [<adapter-name>]
| 		Query or set the name of adapter
| 		Name should contain a maximum of 15 characters
| 		The first letter has to be an alphabet
| 		Name can contain only alphanumeric characters
| 		Only possible exceptions being "-" and "_"
|
| 	--query <ad_id>
| 		Query attributes of adapter
|
|
| 	<ad_id> could be specified in one of the following formats:
| 		- adapter index
| 		- serial number
| 		- adapter name
| 		- hw path
|
$ ixo-sim adapter --ehelp
|
| Usage: ixo adapter [OPTIONS] [ARGUMENTS] ...
| Example: ixo adapter --list
|
| Available commands are:
| 	--autostart <ad_id> <on | off>
| 		Enables/disables auto start capability for the adapter
|
| 	--disable <ad_id>
| 		Disables the adapter
|
| 	--enable <ad_id>
| 		Enables the adapter
|
| 	--list
| 		List all the adapters in the system
|
| 	--mode <ad_id> <HBA|CNA|NIC> [-f]
| 		Set the mode for the adapter
| 		-f: Force the command to reset all the settings configured on the adapter
|
| 	--name <ad_id> [<adapter-name>]
| 		Query or set the name of adapter
| 		Name should contain a maximum of 15 characters
| 		The first letter has to be an alphabet
| 		Name can contain only alphanumeric characters
| 		Only possible exceptions being "-" and "_"
|
| 	--power <ad_id> [-m {on | off | save1 | save2}]
| 		Query or Set the power mode for adapter
|
| 	--query <ad_id>
| 		Query attributes of adapter
|
|
| 	<ad_id> could be specified in one of the following formats:
| 		- adapter index
| 		- serial number
| 		- adapter name
| 		- hw path
|
$ ixo-sim auth
|
| Usage: ixo auth [OPTIONS] [ARGUMENTS] ...
| Direct authentication specific commands using this option
| Example: ixo auth --show <pcifn>
| Available commands are:
| 	--algo <pcifn> {md5 | sha1 | ms | sm}
| 		Set the authentication hash algorithm
|
| 	--policy <pcifn> {on | off}
| 		Turn authentication on or off
|
| 	--secret <pcifn> <secret>
| 		Set the authentication secret
| 		Secret should contain 8 to 40 alphanumeric characters
|
| 	--show <pcifn>
| 		Show the authentication settings and status
|
| 	--stats <pcifn>
| 		Display the authentication statistics
|
| 	--statsclr <pcifn>
| 		Clear the authentication statistics
|
|
| 	pcifn id could be any of:
| 		<adapter_id/port_id>
| 		<adapter_id/port_id/pcifn_id>
| 		<port-pwwn>
| 		<port-name>
| 		<port-hwpath>
$ ixo-sim auth --ehelp
|
| Usage: ixo auth [OPTIONS] [ARGUMENTS] ...
| Direct authentication specific commands using this option
| Example: ixo auth --show <pcifn>
| Available commands are:
| 	--algo <pcifn> {md5 | sha1 | ms | sm}
| 		Set the authentication hash algorithm
|
| 	--encrypt <pcifn> <word,word,...>
| 		Set the secret from its encoded words
|
| 	--policy <pcifn> {on | off}
| 		Turn authentication on or off
|
| 	--secret <pcifn> <secret>
| 		Set the authentication secret
| 		Secret should contain 8 to 40 alphanumeric characters
|
| 	--show <pcifn>
| 		Show the authentication settings and status
|
| 	--stats <pcifn>
| 		Display the authentication statistics
|
| 	--statsclr <pcifn>
| 		Clear the authentication statistics
|
|
| 	pcifn id could be any of:
| 		<adapter_id/port_id>
| 		<adapter_id/port_id/pcifn_id>
| 		<port-pwwn>
| 		<port-name>
| 		<port-hwpath>
$ ixo-sim bios
|
| Usage: ixo bios [OPTIONS] [ARGUMENTS] ...
| Direct boot over SAN specific commands using this option
| Example: ixo bios --query <port_id>
| Available commands are:
| 	--disable <port_id>
| 		Disable boot over SAN for the port
|
| 	--enable <port_id> [-s <speed>] [-t <topology>] [-o <boot_option>] [-d <delay>] [-p <position>] [-b <pwwn,lun>] ...
| 		Enable boot over SAN for the port
| 		-s: Port speed {1 | 2 | 4 | 8 | 16 | auto}, default auto
| 		-t: Port topology {p2p | loop}, default p2p
| 		-o: Boot LUN option, default auto
| 			auto     -  Discover the boot LUN from the fabric
| 			flash    -  Use the boot LUNs stored in flash
| 			firstlun -  Use the first visible LUN
| 		-d: Bootup delay in seconds {0 | 1 | 2 | 5 | 10}, default 0
| 		-p: First boot LUN entry to fill {0 - 3}, default 0
| 		-b: Boot LUN as target port wwn and decimal LUN number,
| 		    up to 4 entries
| 		Speed and topology cannot be set on a CNA port
| 		Loop topology needs boot LUN option flash or firstlun
|
| 	--query <port_id>
| 		Query the boot over SAN and pre-boot configuration
|
|
| 	port id could be any of:
| 		<adapter_id/port_id>
| 		<port-pwwn>
| 		<port-name>
| 		<port-hwpath>
$ ixo-sim boot
|
| Usage: ixo boot [OPTIONS] [ARGUMENTS] ...
| Direct boot code specific commands using this option
| Example: ixo boot --update <ad_id> <image_file>
| Available commands are:
| 	--blunZone -c BLUN -p <pwwn> -r <rpwwn> -l <lun>
| 		Prints the switch command that creates a zone for booting
| 		port <pwwn> from LUN <lun> of remote port <rpwwn>
| 		<lun> is 2 hex digits or the full LUN of 16 hex digits
|
| 	--update <ad_id> <image_file>
| 	--update <image_file> -a
| 		Update the boot code of the adapter from the boot image file
| 		-a: Update the boot code of all the adapters
|
|
| 	- ad_id could be any of:
| 		- adapter_index
| 		- serial number
| 		- adapter name
| 		- hw path
$ ixo-sim boot --ehelp
|
| Usage: ixo boot [OPTIONS] [ARGUMENTS] ...
| Direct boot code specific commands using this option
| Example: ixo boot --update <ad_id> <image_file>
| Available commands are:
| 	--blunZone -c BLUN -p <pwwn> -r <rpwwn> -l <lun>
| 		Prints the switch command that creates a zone for booting
| 		port <pwwn> from LUN <lun> of remote port <rpwwn>
| 		<lun> is 2 hex digits or the full LUN of 16 hex digits
|
| 	--update <ad_id> <image_file> [-d <dev_id>]
| 	--update <image_file> -a
| 		Update the boot code of the adapter from the boot image file
| 		-a: Update the boot code of all the adapters
| 		dev_id should be 13 for dual port and 17 for single port card
|
|
| 	- ad_id could be any of:
| 		- adapter_index
| 		- serial number
| 		- adapter name
| 		- hw path
$ ixo-sim bootdup
|
| Usage: ixo bootdup [OPTIONS] [ARGUMENTS] ...
$ ixo-sim bootdup --ehelp
|
| Usage: ixo bootdup [OPTIONS] [ARGUMENTS] ...
| Direct boot update package specific commands using this option
| Example: ixo bootdup --query -a -o <out_file>
| Available commands are:
| 	--query {<ad_id> | -a} [-o <out_file>] [-l <log_file>]
| 		Write the firmware inventory of the adapter, or of all
| 		the adapters with -a, as XML
|
| 	--read <ad_id> -f <fw_file>
| 		Read the firmware image of the adapter into <fw_file>
| 		and its hex dump into <fw_file>.hex
|
| 	--swquery {<ad_id> | -a} [-o <out_file>] [-l <log_file>]
| 		Write the driver inventory of the adapter, or of all
| 		the adapters with -a, as XML
|
| 	--update {<ad_id> | -a} -s <image_file> [-o <out_file>] [-l <log_file>]
| 		Update the boot code of the adapter, or of all the adapters
| 		with -a, and write the execution report as XML
|
|
| 	The XML is written to <out_file>, or to the standard output
| 	when -o is not given
| 	The log is written to <log_file>, by default bootdup_log.txt
|
| 	- ad_id could be any of:
| 		- adapter_index
| 		- serial number
| 		- adapter name
| 		- hw path
$ ixo-sim dcb
|
| Usage: ixo dcb [OPTIONS] [ARGUMENTS] ...
| Direct DCB specific commands using this option
| Example: ixo dcb --query <port_id>
| Available commands are:
| 	--query <port_id>
| 		Query the DCB status and the attributes learned from the peer
|
| 	--stats <port_id>
| 		Display the DCB statistics
|
| 	--statsclr <port_id>
| 		Clear the DCB statistics
|
|
| 	port id could be any of:
| 		<adapter_id/port_id>
| 		<port-pwwn>
| 		<port-name>
| 		<port-hwpath>
$ ixo-sim debug
|
| Usage: ixo debug [OPTIONS] [ARGUMENTS] ...
| Direct Debugging commands using this option
| Example: ixo debug --portlog <pcifn>
| Available commands are:
| 	--dsave <pcifn> <outfile>
| 		Saves driver data structure states in raw form in <outfile>
|
| 	--dstart <pcifn>
| 		Starts the driver trace accumulation
|
| 	--dstop <pcifn>
| 		Stops the driver trace accumulation
|
| 	--dtrc <pcifn> <outfile>
| 		Dump driver trace information to <outfile>
|
| 	--fcoresave <port_id> <outfile>
| 		Saves firmware core dump in raw form in <outfile>
|
| 	--fsave <pcifn> <outfile>
| 		Dump saved firmware trace information to file <outfile>
|
| 	--fsaveclr <pcifn>
| 		Clears the saved firmware trace information
|
| 	--ftrc <port_id> <outfile>
| 		Dump firmware trace information to file <outfile>
|
| 	--itrc <outfile>
| 		Dump IM driver trace information to <outfile>
|
| 	--membase <pcifn>
| 		Read kva base
|
| 	--memread <pcifn> [kva] [nwords]
| 		Read nwords from kva offset = kva
|
| 	--portlog <pcifn>
| 		Display port log contents
|
| 	--portlogclear <pcifn>
| 		Clears the port log for <pcifn>
|
| 	--portlogctl <pcifn> <enable | disable>
| 		Enables/disables port logging
|
| 	--regread <port_id> <addr> [<nwords>] [--force]
| 		Read register/memory contents
|
| 	--regwrite <port_id> <addr> <value> [--force]
| 		Write to register/memory
| 		--force option forces register read/write
|
|
| 	port id could be any of:
| 		<adapter_id/port_id>
| 		<port-pwwn>
| 		<port-name>
| 		<port-hwpath>
|
| 	pcifn id could be any of:
| 		<adapter_id/port_id/pcifn_id>
$ ixo-sim diag
|
| Usage: ixo diag [OPTIONS] [ARGUMENTS] ...
| Direct diagnostic commands using this option
| Example: ixo diag --sfpshow <port_id>
|
| Available commands are:
| 	--beacon <port_id> {on | off} [<duration>]
| 		Turns the port beacon on or off for <duration> seconds
| 		duration = 0 means infinite beaconing
|
| 	--dportdisable <port_id>
| 		Takes the port out of D-port mode
|
| 	--dportenable <port_id>
| 		Puts the port in D-port mode
|
| 	--ethloopback <port_id> [-t <loopback-type>]
| 		[-c <frame-count>] [-p <pattern>]
| 		Runs the Ethernet loopback test on the port
| 		loopback-type: {serdes | ext}, default is serdes
| 		frame-count: 1 to 131072, default is 131072
| 		pattern should be one hex word upto 4 bytes in size
|
| 	--ledtest <port_id> <led> {on | off | blink} [<color>] [<freq>]
| 		Tests the adapter LEDs
| 		led: LED bit map from 1 to 7
| 		color: {green | amber}, required with on and blink
| 		freq: blinks per 10 seconds, required with blink
|
| 	--loopback <port_id> [-t <loopback-type>] [-s <speed>]
| 		[-c <frame-count>] [-p <pattern>]
| 		Runs the FC loopback test on the port
| 		loopback-type: {int | serdes | ext}, default is serdes
| 		speed: {10 | 16 | 8 | 4 | 2 |1}
| 		Default speed for 16G/8G/4G FC HBAs is 4G
| 		Default speed for 10G FCoE CNAs is 10G
| 		frame-count: default is 131072
| 		pattern should be one hex word upto 4 bytes in size
|
| 	--memtest <ad_id>
| 		Runs the memory test on the adapter
|
| 	--pciloopback <pcifn> <pattern> [-c <count>]
| 		Runs the PCI loopback test between host and adapter
| 		pattern should be one hex word upto 4 bytes in size
| 		count: number of frames, default is 1
|
| 	--queuetest <port_id> [-q <queue number>]
| 		Tests the request queues of the port
| 		<queue number>: CPE queue no. from 0 to 3
| 		default: test all queues
|
| 	--sfpshow <port_id>
| 		Displays the SFP information of the port
|
| 	--tempshow <ad_id>
| 		Displays the adapter temperature
|
|
| 	port id could be any of:
| 		<adapter_id/port_id>
| 		<port-pwwn>
| 		<port-name>
| 		<port-hwpath>
|
| 	pcifn id could be any of:
| 		<adapter_id/port_id/pcifn_id>
$ ixo-sim ethboot
|
| Usage: ixo ethboot [OPTIONS] [ARGUMENTS] ...
| Direct network boot specific commands using this option
| Example: ixo ethboot --query <port_id>
| Available commands are:
| 	--disable <port_id>
| 		Disable network boot for the port
|
| 	--enable <port_id>
| 		Enable network boot for the port
|
| 	--query <port_id>
| 		Query the network boot configuration
|
| 	--vlan <port_id> <vlan_id>
| 		Set the VLAN used for network boot
| 		vlan_id can be between 0-4094
|
|
| 	port id could be any of:
| 		<adapter_id/port_id>
| 		<port-name>
| 		<port-hwpath>
$ ixo-sim fabric
|
| Usage: ixo fabric [OPTIONS] [ARGUMENTS] ...
| Direct Fabric specific commands using this option
| Example: ixo fabric --stats <port_id>
| Available commands are:
| 	--stats <port_id>
| 		Prints the stats of the fabric
|
| 	--statsclr <port_id>
| 		Clears the stats of the fabric
|
|
| 	port id could be any of:
| 		<adapter_id/port_id>
| 		<port-pwwn>
| 		<port-name>
| 		<port-hwpath>
$ ixo-sim fcoe
|
| Usage: ixo fcoe [OPTIONS] [ARGUMENTS] ...
| Direct FCoE specific commands using this option
| Example: ixo fcoe --stats <port_id>
| Available commands are:
| 	--disable <port_id>
| 		Disable the FCoE port
|
| 	--enable <port_id>
| 		Enable the FCoE port
|
| 	--stats <port_id>
| 		Display the FCoE port statistics
|
| 	--statsclr <port_id>
| 		Clear the FCoE port statistics
|
|
| 	port id could be any of:
| 		<adapter_id/port_id>
| 		<port-pwwn>
| 		<port-name>
| 		<port-hwpath>
$ ixo-sim fcdiag
|
| Usage: ixo fcdiag [OPTIONS] [ARGUMENTS] ...
| Direct fcdiagnostic commands using this option
| Example: ixo fcdiag --linkbeacon <port_id> {on | off}
| Available commands are:
| 	--fcecho <pcifn> <rpwwn> [-l <lpwwn>]
| 		Sends an FC Echo Extended Link Services
| 		(ELS) request to a remote port
|
| 	--fcping <pcifn> <rpwwn> [-l <lpwwn>]
| 		Determines the basic connectivity between
| 		two Fibre Channel network points
|
| 	--fctraceroute <pcifn> <rpwwn> [-l <lpwwn>]
| 		Reports on a SAN path, including node hops and
| 		latency data
|
| 	--linkbeacon <port_id> {on | off}
| 		Blinks the link
|
| 	--scsitest <pcifn> <rpwwn> [-l <lpwwn>]
| 		Tests the SCSI components
|
|
| 	port id could be any of:
| 		<adapter_id/port_id>
| 		<port-pwwn>
| 		<port-name>
| 		<port-hwpath>
|
| 	pcifn id could be any of:
| 		<adapter_id/port_id/pcifn_id>
$ ixo-sim fcpim
|
| Usage: ixo fcpim [OPTIONS] [ARGUMENTS] ...
| Direct FCPIM specific commands using this option
| Example: ixo fcpim --query <pcifn> <rpwwn> [-l <lpwwn>]
| Available commands are:
| 	--ioperf <pcifn> [-l [lpwwn]] [-r [rpwwn]] [-c count] [-i interval]
| 	--ioperf <port_range> [-l | -r] [-c count] [-i interval]
| 		Shows IO performance in terms of IOPs and throughput at
| 		different levels viz. Physical port, logical port &
| 		I-T sessions within a logical port
| 		<port_range> is low to high in the form of
| 		<adapter_id/port_id>-<adapter_id/port_id>
| 		Count is number of iterations (default = indefinite)
| 		Interval is sampling period (default = 1 sec)
|
| 	--lunlist <pcifn> [-l <lpwwn>] [-v verbose]
| 		Displays info about each LUN connected to <pcifn>
|
| 	--lunmaskadd <port_id> <rpwwn> <LUN#> [-l <lpwwn>]
| 		Add the lunmask entry <lun#> on the target <rpwwn>
| 		for the initiator <lpwwn>
| 		<lun#> is the 64-bit lun number
| 		Example of lun# : 0001-0000-0000-0000
|
| 	--lunmaskclear <port_id>
| 		Clears all the LUN masks for the given port
|
| 	--lunmaskdelete <port_id> <rpwwn> <LUN#> [-l <lpwwn>]
| 		Deletes the lunmask entry <lun#> on the target <rpwwn>
| 		for the initiator <lpwwn>
| 		<lun#> is the 64-bit lun number
| 		Example of lun# : 0004-0000-0000-0000
|
| 	--lunmaskdisable <port_id>
| 		Disables lunmasking feature for the given port
|
| 	--lunmaskenable <port_id>
| 		Enables lunmasking feature for the given port
|
| 	--lunmaskquery <port_id> [-r <rpwwn>] [-l <lpwwn>]
| 		Displays the active LUN masking configuration
|
| 	--pathtov <pcifn> <tov>
| 		Sets device path timeout value [tov] in seconds (0..60)
|
| 	--profile_off <pcifn>
| 		Disables IO profiling on fcpim
|
| 	--profile_on <pcifn>
| 		Enables IO profiling on fcpim
|
| 	--query <pcifn> <rpwwn> [-l <lpwwn>]
| 		Queries fcpim attributes
|
| 	--stats <pcifn> <rpwwn> [-l <lpwwn>]
| 		Displays fcpim statistics
|
| 	--statsclr <pcifn> <rpwwn> [-l <lpwwn>]
| 		Clears fcpim statistics
|
| 	--throttleclear <pcifn>
| 		Configures IO throttle value in given fcpim to default
|
| 	--throttlequery <pcifn>
| 		Display current IO throttle values in given fcpim
|
| 	--throttleset <pcifn> <throttle_size>
| 		Configures IO throttle value (1...2000) in given fcpim
|
|
| 	port id could be any of:
| 		<adapter_id/port_id>
| 		<port-pwwn>
| 		<port-name>
| 		<port-hwpath>
|
| 	pcifn id could be any of:
| 		<adapter_id/port_id/pcifn_id>
$ ixo-sim flash
|
| Usage: ixo flash [OPTIONS] [ARGUMENTS] ...
$ ixo-sim flash --ehelp
|
| Usage: ixo flash [OPTIONS] [ARGUMENTS] ...
| Direct flash partition specific commands using this option
| Example: ixo flash --query <ad_id>
| Available commands are:
| 	--doptrom <ad_id>
| 		Disable the option ROM
|
| 	--dumpasicblk <ad_id> <bin_file_name>
| 		Dumps the ASIC block content for Sandrel cards to the bin_file_name provided
|
| 	--eoptrom <ad_id>
| 		Enable the option ROM
|
| 	--erase <ad_id> <partition options> [-i <instance>]
| 		Erase flash partitions, each after a confirmation
| 		Partition options are taken in the order listed:
| 		-a               All partitions
| 		-f               Firmware image
| 		-t               Firmware tunables
| 		-o               Option ROM
| 		-o2              Network boot option ROM
| 		-c               Driver configuration
| 		-s               ASIC image
| 		-b               Boot configuration
| 		-m               Manufacturing block
| 		-l               Boot overlay
| 		-r               Firmware logs
| 		-e               Network boot configuration
| 		-l2              Network boot overlay
| 		-pt              Port configuration
| 		-v               OEM VPD block
| 		-p               Pre-boot configuration
| 		-s1              ASIC block
| 		-i <instance>    Partition instance (default 0)
|
| 	--query <ad_id>
| 		Display the flash partition attributes
|
| 	--read <ad_id> <partition options> [-i <instance>] [-d <size>]
| 		Read flash partitions into files
| 		Partition options are taken in the order listed:
| 		-f <fw_image_file>               Firmware image
| 		-t <fw_tunables_file>            Firmware tunables
| 		-o <optrom_file>                 Option ROM
| 		-o2 <eth_optrom_file>            Network boot option ROM
| 		-c <drv_config_file>             Driver configuration
| 		-s <asic_image_file>             ASIC image
| 		-b <boot_config_file>            Boot configuration
| 		-m <mfg_file>                    Manufacturing block
| 		-l <boot_overlay_file>           Boot overlay
| 		-r <log_file>                    Firmware logs, whole partition
| 		-e <eth_boot_config_file>        Network boot configuration
| 		-l2 <eth_boot_overlay_file>      Network boot overlay
| 		-pt <port_config_file>           Port configuration
| 		-p <pbc_file>                    Pre-boot configuration, also as <pbc_file>.hex
| 		-v <vpd_file>                    OEM VPD block
| 		-s1 <asic_block_file>            ASIC block
| 		-i <instance>                    Partition instance (default 0)
| 		-d <size>                        Number of bytes to read (default 512)
|
| 	--update <ad_id> <partition options> [-i <instance>]
| 		Write files to flash partitions
| 		Partition options are taken in the order listed:
| 		-f <fw_image_file>               Firmware image
| 		-t <fw_tunables_file>            Firmware tunables
| 		-o <optrom_file>                 Option ROM
| 		-o2 <eth_optrom_file>            Network boot option ROM
| 		-c <drv_config_file>             Driver configuration
| 		-s <asic_image_file>             ASIC image
| 		-m <mfg_file>                    Manufacturing block
| 		-p <pbc_file>                    Pre-boot configuration
| 		-l <boot_overlay_file>           Boot overlay
| 		-l2 <eth_boot_overlay_file>      Network boot overlay
| 		-v <vpd_file>                    OEM VPD block
| 		-i <instance>                    Partition instance (default 0)
|
|
| 	- ad_id could be any of:
| 		- adapter_index
| 		- serial number
| 		- adapter name
| 		- hw path
$ ixo-sim fruvpd
|
| Usage: ixo fruvpd [OPTIONS] [ARGUMENTS] ...
$ ixo-sim fruvpd --ehelp
|
| Usage: ixo fruvpd [OPTIONS] [ARGUMENTS] ...
| Direct FRU VPD specific commands using this option
| Example: ixo fruvpd --read <ad_id> <file>
| Available commands are:
| 	--read <ad_id> <file>
| 		Read the FRU VPD data of the adapter into <file>
|
| 	--update <ad_id> <file>
| 		Write the FRU VPD data of the adapter from <file>
|
|
| 	- ad_id could be any of:
| 		- adapter_index
| 		- serial number
| 		- adapter name
| 		- hw path
$ ixo-sim ipfc
|
| Usage: ixo ipfc [OPTIONS] [ARGUMENTS] ...
| Direct IP over FC specific commands using this option
| Example: ixo ipfc --query <pcifn>
| Available commands are:
| 	--disable <pcifn>
| 		Disable IP over FC
|
| 	--enable <pcifn>
| 		Enable IP over FC
|
| 	--query <pcifn>
| 		Query the IP over FC state, MTU and network device
|
| 	--stats <pcifn>
| 		Display the IP over FC statistics
|
| 	--statsclr <pcifn>
| 		Clear the IP over FC statistics
|
|
| 	pcifn id could be any of:
| 		<adapter_id/port_id>
| 		<adapter_id/port_id/pcifn_id>
| 		<port-pwwn>
| 		<port-name>
| 		<port-hwpath>
$ ixo-sim lport
|
| Usage: ixo lport [OPTIONS] [ARGUMENTS] ...
| Direct RPORT specific commands using this option
| Example: ixo lport --query <pcifn>
| Available commands are:
| 	--list <pcifn>
| 		lists the lports
|
| 	--query <pcifn> [-l <lpwwn>]
| 		Queries attributes of logical port
|
| 	--stats <pcifn> [-l <lpwwn>]
| 		 Displays lport level statistics
|
| 	--statsclr <pcifn> [-l <lpwwn>]
| 		 clears lport level statistics
|
|
| 	pcifn id could be any of:
| 		<adapter_id/port_id/pcifn_id>
$ ixo-sim log
|
| Usage: ixo log [OPTIONS] [ARGUMENTS] ...
| Direct driver log specific commands using this option
| Example: ixo log --level <pcifn> Warning
| Available commands are:
| 	--level <pcifn> [Critical | Error | Warning | Info] [-m {fw | hal | fcs | drv | aen | all}]
| 		Query or set the log level
| 		-m: Log module, default all
| 		The module can not be chosen on an Ethernet pcifn
|
|
| 	pcifn id could be any of:
| 		<adapter_id/port_id>
| 		<adapter_id/port_id/pcifn_id>
| 		<port-pwwn>
| 		<port-name>
| 		<port-hwpath>
$ ixo-sim mfg
|
| Usage: ixo mfg [OPTIONS] [ARGUMENTS] ...
$ ixo-sim mfg --ehelp
|
| Usage: ixo mfg [OPTIONS] [ARGUMENTS] ...
| Direct manufacturing block specific commands using this option
| Example: ixo mfg --update <ad_id> <serial_num> <part_num> <card_type> <nports> <mode> <pwwn>
| Available commands are:
| 	--update <ad_id> <serial_num> <part_num> <card_type> <nports> <mode> <pwwn> [<mac>] [--cap <capabilities>] [--ablk <asic_block_file>]
| 		Write the manufacturing block of the adapter
| 		serial_num can contain a maximum of 11 characters
| 		card_type is the card model number
| 		mode is the initial mode {hba | cna | nic}
| 		mac is required or refused depending on the card type
| 		capabilities is a comma separated list of:
| 			hba, cna, nic, fc16g, sriov, mezz
| 		--cap and --ablk are used by the newer card types only
|
|
| 	- ad_id could be any of:
| 		- adapter_index
| 		- serial number
| 		- adapter name
| 		- hw path
$ ixo-sim pcifn
|
| Usage: ixo pcifn [OPTIONS] [ARGUMENTS] ...
| Direct PCI Function specific commands using this option
| Example: ixo pcifn --list 1
|
| Available commands are:
| 	--list <adapter_id>
| 		Lists all PCI functions configured or visible on an adapter
|
|
| 	adapter id could be any of:
| 		<adapter_id>
| 		<adapter-sn>
| 		<adapter-name>
| 		<adapter-hwpath>
|
$ ixo-sim phy
|
| Usage: ixo phy [OPTIONS] [ARGUMENTS] ...
| Direct PHY module specific commands using this option
| Example: ixo phy --query <port_id>
| Available commands are:
| 	--query <port_id>
| 		Query the PHY module attributes
|
| 	--read <port_id> <file>
| 		Read the PHY firmware into <file>
|
| 	--stats <port_id>
| 		Display the PHY module statistics
|
| 	--update {<ad_id> | -a} <fw_file>
| 		Update the PHY firmware on every port of the adapter,
| 		or of all the adapters with -a
| 		The new firmware takes effect after adapter --disable and --enable
|
|
| 	port id could be any of:
| 		<adapter_id/port_id>
| 		<port-pwwn>
| 		<port-name>
| 		<port-hwpath>
|
| 	- ad_id could be any of:
| 		- adapter_index
| 		- serial number
| 		- adapter name
| 		- hw path
$ ixo-sim port
|
| Usage: ixo port [OPTIONS] [ARGUMENTS] ...
| Direct Physical Port specific commands using this option
| Example: ixo port --query <port_id>
| Available commands are:
| 	--dfsize <port_id> [<dfsize>] 
| 		Query or set received data field size 
| 		Allowed dfsize values are auto, 512, 1024, 2048 and 2112
|
| 		If set to auto uses default value 2112
|
| 	--disable <port_id> 
| 		Disable the port
|
| 	--enable <port_id> 
| 		Enable the port
|
| 	--faa <port_id> <--query>
| 		Queries the attributes of Fabric Assigned Address
|
| 	--fwstats <port_id>
| 		Display firmware level statistics
|
| 	--fwstatsclr <port_id>
| 		Clears firmware level statistics
|
| 	--list [-verbose | -terse]
| 		List all ports in the system
| 			terse    -  Does not list PCI Functions
| 			verbose  -  Lists all PCI Functions
| 			The default output is verbose
| 	--mode <port_id> {HBA|CNA|NIC} [-f]
| 		Set the mode for the port
| 		-f: Force the command to reset all the settings configured on the port
| 	--name <port_id> [<port_name>]
| 		Query or set port name
| 		Name should contain a maximum of 15 characters
| 		The first letter has to be an alphabet
| 		Name can contain only alphanumeric characters
| 		Only possible exceptions being "-" and "_"
|
| 	--perf <port_range|all> [-c count] [-i interval] 
| 		Display data throughput in units of:
| 			Bytes/sec, KBytes/sec, MBytes/sec & GBytes/sec
| 			An asterisk implies error reading from driver
|
| 		port_range, for example, could be 1/0 or 1/0-2/1
|
| 	--query <port_id>
| 		Query the port details
|
| 	--speed <port_id> [1|2|4|8|16|10|auto] 
| 		Query or set the port speed
| 		1G speed is not valid for an 8G/16G HBA
| 		1G speed is valid for an 8G Mezz HBA
| 		16G/8G speed is not valid for a 4G HBA
| 		16G speed is not valid for a 8G HBA
| 		10G is the only valid speed for 10G FCoE CNA
|
| 	--stats <port_id>
| 		Display the port statistics
|
| 	--statsclr <port_id>
| 		Clear the port statistics
|
| 	--topology <port_id> [p2p | loop] 
| 		Query or set the port topology
| 		Not applicable to CNA.
|
|
| 	port id could be any of:
| 		<adapter_id/port_id>
| 		<port-pwwn>
| 		<port-name>
| 		<port-hwpath>
|
$ ixo-sim port --ehelp
|
| Usage: ixo port [OPTIONS] [ARGUMENTS] ...
| Direct Physical Port specific commands using this option
| Example: ixo port --query <port_id>
| Available commands are:
| 	--dfsize <port_id> [<dfsize>] 
| 		Query or set received data field size 
| 		Allowed dfsize values are auto, 512, 1024, 2048 and 2112
|
| 		If set to auto uses default value 2112
|
| 	--disable <port_id> 
| 		Disable the port
|
| 	--enable <port_id> 
| 		Enable the port
|
| 	--events <port_id>
| 		prints out the events for the port
|
| 	--faa <port_id> <--query>
| 		Queries the attributes of Fabric Assigned Address
|
| 	--fccr_enable <port_id>
| 		Enable Fibre Channel Credit Recovery
|
| 	--fccr_disable <port_id>
| 		Disable Fibre Channel Credit Recovery
|
| 	--fccr_query <port_id>
| 		Query Fibre Channel Credit Recovery State
|
| 	--fwstats <port_id>
| 		Display firmware level statistics
|
| 	--fwstatsclr <port_id>
| 		Clears firmware level statistics
|
| 	--list [-verbose | -terse]
| 		List all ports in the system
| 			terse    -  Does not list PCI Functions
| 			verbose  -  Lists all PCI Functions
| 			The default output is verbose
| 	--mode <port_id> {HBA|CNA|NIC} [-f]
| 		Set the mode for the port
| 		-f: Force the command to reset all the settings configured on the port
| 	--name <port_id> [<port_name>]
| 		Query or set port name
| 		Name should contain a maximum of 15 characters
| 		The first letter has to be an alphabet
| 		Name can contain only alphanumeric characters
| 		Only possible exceptions being "-" and "_"
|
| 	--perf <port_range|all> [-c count] [-i interval] 
| 		Display data throughput in units of:
| 			Bytes/sec, KBytes/sec, MBytes/sec & GBytes/sec
| 			An asterisk implies error reading from driver
|
| 		port_range, for example, could be 1/0 or 1/0-2/1
|
| 	--query <port_id>
| 		Query the port details
|
| 	--speed <port_id> [1|2|4|8|16|10|auto] 
| 		Query or set the port speed
| 		1G speed is not valid for an 8G/16G HBA
| 		1G speed is valid for an 8G Mezz HBA
| 		16G/8G speed is not valid for a 4G HBA
| 		16G speed is not valid for a 8G HBA
| 		10G is the only valid speed for 10G FCoE CNA
|
| 	--stats <port_id>
| 		Display the port statistics
|
| 	--statsclr <port_id>
| 		Clear the port statistics
|
| 	--topology <port_id> [p2p | loop] 
| 		Query or set the port topology
| 		Not applicable to CNA.
|
|
| 	port id could be any of:
| 		<adapter_id/port_id>
| 		<port-pwwn>
| 		<port-name>
| 		<port-hwpath>
|
$ ixo-sim qos
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
$ ixo-sim ratelim
|
| Usage: ixo ratelim [OPTIONS] [ARGUMENTS] ...
| Direct Tessary adapter specific commands using this option
| Example: ixo ratelim --enable <port_id>
| Available commands are:
| 	--defspeed <port_id> [<1|2|4|8>]
| 		Query or set the default TRL speed
| 		defspeed needs to be a supported speed and less than the max speed
| 		at which the card can operate.
|
| 	--disable <port_id>
| 		Disable ratelim for Port if currently enabled
|
| 	--enable <port_id>
| 		Enable ratelim for Port if currently disabled
|
| 	--query <port_id>
| 		Query the TRL details
|
|
| 	port id could be any of:
| 		<adapter_id/port_id>
| 		<port-pwwn>
| 		<port-name>
| 		<port-hwpath>
$ ixo-sim rport
|
| Usage: ixo rport [OPTIONS] [ARGUMENTS] ...
| Direct RPORT specific commands using this option
| Example: ixo rport --list <pcifn>
| Available commands are:
| 	--list <pcifn> [-l <lpwwn>]
| 		list all the rports visible through the local port
|
| 	--osname <pcifn> [-l <lpwwn>]
| 		This command is obsolete in driver versions 3.0.0 and above.
| 		It has been replaced by 'ixo fcpim --lunlist'.Please see the
| 		help section of fcpim for more information on its usage.
|
| 	--query <pcifn> <rpwwn> [-l <lpwwn>]
| 		Queries attributes of remote port
|
| 	--stats <pcifn> <rpwwn> [-l <lpwwn>]
| 		Display rport level statistics
|
| 	--statsclr <pcifn> <rpwwn> [-l <lpwwn>]
| 		Clears rport level statistics
|
|
| 	pcifn id could be any of:
| 		<adapter_id/port_id/pcifn_id>
$ ixo-sim rport --ehelp
|
| Usage: ixo rport [OPTIONS] [ARGUMENTS] ...
| Direct RPORT specific commands using this option
| Example: ixo rport --list <pcifn>
| Available commands are:
| 	--list <pcifn> [-l <lpwwn>]
| 		list all the rports visible through the local port
|
| 	--osname <pcifn> [-l <lpwwn>]
| 		This command is obsolete in driver versions 3.0.0 and above.
| 		It has been replaced by 'ixo fcpim --lunlist'.Please see the
| 		help section of fcpim for more information on its usage.
|
| 	--query <pcifn> <rpwwn> [-l <lpwwn>]
| 		Queries attributes of remote port
|
| 	--speed <port_id> <rpwwn> <2|4|8> [-l <lpwwn>]
| 		Sets the remote port speed
|
| 	--stats <pcifn> <rpwwn> [-l <lpwwn>]
| 		Display rport level statistics
|
| 	--statsclr <pcifn> <rpwwn> [-l <lpwwn>]
| 		Clears rport level statistics
|
|
| 	port id could be any of:
| 		<adapter_id/port_id>
| 		<port-pwwn>
| 		<port-name>
| 		<port-hwpath>
|
| 	pcifn id could be any of:
| 		<adapter_id/port_id/pcifn_id>
$ ixo-sim trunk
|
| Usage: ixo trunk [OPTIONS] [ARGUMENTS] ...
| Direct Tessary adapter specific commands using this option
| Example: ixo trunk --enable <ad_id>
| Available commands are:
|
| 	--disable <ad_id>
| 		Disable trunk for adapter if currently enabled
|
| 	--enable <ad_id>
| 		Enable trunk for adapter if currently disabled
|
| 	--query <ad_id>
| 		Query the trunk details
|
|
| 	- ad_id could be any of:
| 		- adapter_index
| 		- serial number
| 		- adapter name
| 		- hw path
$ ixo-sim vhba
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
$ ixo-sim vnic
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
$ ixo-sim vport
|
| Usage: ixo vport [OPTIONS] [ARGUMENTS] ...
| Direct VPORT specific commands using this option
| Example: ixo vport --delete <pcifn> <vpwwn> 
| Available commands are:
|
| 	--create <pcifn> <vpwwn> [-n <vnwwn>] [-s <sname>]
| 		Creates additional vports
|
| 	--delete <pcifn> <vpwwn>
| 		Deletes vport
|
| 	--query <pcifn> <vpwwn>
| 		Queries vport status
|
| 	--stats <pcifn> <vpwwn>
| 		Print vport statistics
|
| 	--statsclr <pcifn> <vpwwn>
| 		 resets vport statistics
|
|
| 	pcifn id could be any of:
| 		<adapter_id/port_id>
| 		<adapter_id/port_id/pcifn_id>
| 		<port-pwwn>
| 		<port-name>
| 		<port-hwpath>
|
