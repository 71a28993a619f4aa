# General help, extended help and version: served without a command.
$ ixo-sim
|
| Available command options are:
|
| Common Adapter (HBA/CNA) Commands:
| adapter  auth     bios     boot     debug    diag     
| log      pcifn    port     
|
| CNA specific Commands:
| dcb      fcoe     phy      
|
| FC/FCoE specific Commands:
| fabric   fcdiag   fcpim    lport    qos      ratelim  
| rport    trunk    vhba     vport    
|
| ETH specific Commands:
| ethboot  vnic     
|
$ ixo-sim --help
|
| Available command options are:
|
| Common Adapter (HBA/CNA) Commands:
| adapter  auth     bios     boot     debug    diag     
| log      pcifn    port     
|
| CNA specific Commands:
| dcb      fcoe     phy      
|
| FC/FCoE specific Commands:
| fabric   fcdiag   fcpim    lport    qos      ratelim  
| rport    trunk    vhba     vport    
|
| ETH specific Commands:
| ethboot  vnic     
|
$ ixo-sim --ehelp
|
| Available command options are:
|
| Common Adapter (HBA/CNA) Commands:
| adapter  auth     bios     boot     bootdup  debug    
| diag     flash    fruvpd   log      mfg      pcifn    
| port     
|
| CNA specific Commands:
| dcb      fcoe     phy      
|
| FC/FCoE specific Commands:
| fabric   fcdiag   fcpim    ipfc     lport    qos      
| ratelim  rport    trunk    vhba     vport    
|
| ETH specific Commands:
| ethboot  vnic     
|
$ ixo-sim -v
|
| Tessary CLI utility
| Version:3.1.0.0 06/15/2012 08.53.43
|
$ ixo-sim --version
|
| Tessary CLI utility
| Version:3.1.0.0 06/15/2012 08.53.43
|
# Only the exact words are built in; anything else is a class word.
$ ixo-sim --Help
! ERROR: "--Help" Command class not supported
!
[185]
$ ixo-sim -V
! ERROR: "-V" Command class not supported
!
[185]
