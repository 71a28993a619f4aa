# Commands run by a caller without root's privileges. An ordinary account
# cannot open the drivers' device nodes; root without its capabilities can
# open them, but SG_IO on a BSG node needs CAP_SYS_RAWIO and /dev/kwo's
# requests CAP_SYS_ADMIN. Either way the command says why on standard
# error and fails, and no request reaches a driver.
$ xelsim create
| Created the emulated host from preset default: 6 PCI functions
$ xelsim caller
| root
$ xelsim caller user
| Caller: user
$ xelsim log --clear
$ ixo-sim port --list
! ERROR: User doesn't have sufficient permissions to execute the IXO application 
[144]
$ ixo-sim adapter --list
! ERROR: User doesn't have sufficient permissions to execute the IXO application 
[144]
$ ixo-sim port --query 1/0
! ERROR: User doesn't have sufficient permissions to execute the IXO application 
[144]
$ xelsim caller nocaps
| Caller: nocaps
$ ixo-sim port --list
! ERROR: User doesn't have sufficient permissions to execute the IXO application 
[144]
$ ixo-sim adapter --query 1
! ERROR: User doesn't have sufficient permissions to execute the IXO application 
[144]
$ xelsim log

# Back to root, and a caller xelsim does not know.
$ xelsim caller root
| Caller: root
$ ixo-sim port --list 2>&1 | head -4
| ---------------------------------------------------------------------------
| Port#  FN  Type  PWWN/MAC                 FC Addr/  Media  State       Spd
|                                           Eth dev
| ---------------------------------------------------------------------------
$ xelsim caller admin
! xelsim: caller takes root, user or nocaps
! (see 'xelsim help')
[2]
