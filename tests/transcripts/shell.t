# The shell reads commands after a prompt and ends with the status of the
# last one; a failing command prints no "ERROR:" line of its own.
$ ixo-sim shell
< adapter --bogus
< quit
|
| ixo> 
|% ixo> 
[162]
$ ixo-sim shell
< adapter --bogus
< exit
|
| ixo> 
|% ixo> 
[162]
$ ixo-sim shell
< Adapter
|
| ixo> 
|% ixo> 
[185]
$ ixo-sim shell
< adapter --bogus
< mfg
|
| ixo> 
| ixo> 
| Usage: ixo mfg [OPTIONS] [ARGUMENTS] ...
|
|% ixo> 
# Short lines and lines of spaces only just prompt again; "-v" is a line
# like any other and names no class.
$ ixo-sim shell
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
$ ixo-sim shell
< quit now
< adapter	--list
|
| ixo> 
| ixo> 
|% ixo> 
[185]
# A word behind "shell" is refused.
$ ixo-sim shell x
| too many arguments for command "shell"
[166]
# A line longer than 255 characters goes on as the next line.
$ printf 'adapter %0251d--bogus\nquit\n' 0 | ixo-sim shell
|
| ixo> 
| ixo> 
|% ixo> 
[185]
