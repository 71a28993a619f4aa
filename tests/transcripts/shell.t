# The shell reads commands after a prompt and ends with the status of the
# last one; a failing command prints no "ERROR:" line of its own.
$ ixo shell
< adapter --bogus
< quit
|
| ixo> 
|% ixo> 
[162]
$ ixo shell
< adapter --bogus
< exit
|
| ixo> 
|% ixo> 
[162]
$ ixo shell
< Adapter
|
| ixo> 
|% ixo> 
[185]
$ ixo shell
< adapter --bogus
< adapter
|
| ixo> 
| ixo> 
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
|
|% ixo> 
# Short lines and lines of spaces only just prompt again; "-v" is a line
# like any other and names no class.
$ ixo shell
< ab
<
<      
< -v
|
| ixo> 
| ixo> 
| ixo> 
| ixo> 
|% ixo> 
[185]
$ ixo shell
< quit now
< adapter	--list
|
| ixo> 
| ixo> 
|% ixo> 
[185]
# A word behind "shell" is refused.
$ ixo shell x
| too many arguments for command "shell"
[166]
# A line longer than 255 characters goes on as the next line.
$ printf 'adapter %0251d--bogus\nquit\n' 0 | ixo shell
|
| ixo> 
| ixo> 
|% ixo> 
[185]
