# Class and command lookup, argument counts and the exit status, which is
# the low byte of the front-end code.
$ ixo-sim Adapter --list
! ERROR: "Adapter" Command class not supported
!
[185]
$ ixo-sim adapter --bogus
! ERROR: "--bogus" Command not supported
!
[162]
$ ixo-sim adapter --query
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
! ERROR: Incorrect argument count for command "--query"
[166]
$ ixo-sim adapter --list x > /dev/null
! ERROR: Incorrect argument count for command "--list"
[166]
$ ixo-sim mfg --update 1 2 3 4 5 6
|
| Usage: ixo mfg [OPTIONS] [ARGUMENTS] ...
! ERROR: Incorrect argument count for command "--update"
[166]
$ ixo-sim port --list -terse extra > /dev/null
! ERROR: Incorrect argument count for command "--list"
[166]
# A class word alone or with --help prints the usage; --ehelp the extended
# one (every usage text is in usage.t).
$ ixo-sim adapter --help > help.out; ixo-sim adapter > plain.out; cmp help.out plain.out
# A command without a target in the table (the I/O monitor) resolves its
# word itself.
$ ixo-sim fcpim --ioperf 9/9
! ERROR: port id "9/9" in command is incorrect
[171]
# With no adapter in the host every target error reads the same.
$ xelsim create empty
| Created the emulated host from preset empty: 0 PCI functions
$ ixo-sim adapter --query 1
! ERROR: No Tessary adapter Found
[172]
$ ixo-sim port --query 1/0
! ERROR: No Tessary adapter Found
[171]
$ ixo-sim vhba --delete 1/0/1
! ERROR: No Tessary adapter Found
[171]
$ ixo-sim vnic --create 1/0
! ERROR: No Tessary adapter Found
[171]
$ ixo-sim flash --query 1
! ERROR: No Tessary adapter Found
[172]
# Commands that parse their own arguments get no target resolution.
$ ixo-sim boot --update 1 file
! ERROR: No Tessary adapter Found
[172]
$ ixo-sim fcpim --ioperf 1/0
! ERROR: No Tessary adapter Found
[171]
