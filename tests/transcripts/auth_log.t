# Authentication of an FC function: off on a fresh host, so turning it off
# again is refused without a change.
$ ixo-sim auth --show 1/0
| --------------------------------------------------------------------------
| Port	Port Status   Hash Type	 Group Type  Auth Status
| --------------------------------------------------------------------------
| 1/0/0	Linkup                               no_auth
| --------------------------------------------------------------------------
$ xelsim log --clear
$ ixo-sim auth --policy 1/0 off
! ERROR: Authentication is already disabled 
[86]
$ ! xelsim log | grep -q 0xC010BD05

# The secret is stored encoded: each character to the power 27121 modulo
# 31151, as signed decimals (checked here with Python's own arithmetic).
$ ixo-sim auth --secret 1/0 abcd1234
| Successfully set the auth secret
$ grep auth-encrypt $IXO_SIM_ROOT/etc/xel.conf
| xel0-auth-encrypt = "8825,16682,18777,8287,18660,11305,3114,20625";
$ python3 -c "print(','.join(str(pow(ord(c), 27121, 31151)) for c in 'abcd1234'))"
| 8825,16682,18777,8287,18660,11305,3114,20625

# Secrets of the wrong length or with other characters are refused.
$ ixo-sim auth --secret 1/0 abc1234
! ERROR: command "--secret" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim auth --secret 1/0 abcdefghij1234567890abcdefghij12345678901
! ERROR: command "--secret" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim auth --secret 1/0 abcd-1234
! ERROR: command "--secret" syntax is incorrect or one of the parameters is incorrect
[167]

# Policy and algorithm: recorded, shown, and a second "on" refused.
$ ixo-sim auth --policy 1/0 ON
| Authentication turned on
| Setting will be applied after port --disable and port --enable
$ ixo-sim auth --policy 1/0 on
! ERROR: Authentication is already enabled 
[85]
$ ixo-sim auth --policy 1/0 maybe
! ERROR: command "--policy" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim auth --algo 1/0 SHA1
| Authentication algorithm set
$ ixo-sim auth --algo 1/0 sha256
! ERROR: command "--algo" syntax is incorrect or one of the parameters is incorrect
[167]
$ grep -E 'auth-(policy|algo)' $IXO_SIM_ROOT/etc/xel.conf
| xel0-auth-policy = "on";
| xel0-auth-algo = "sha1";
$ ixo-sim auth --show 1/0
| --------------------------------------------------------------------------
| Port	Port Status   Hash Type	 Group Type  Auth Status
| --------------------------------------------------------------------------
| 1/0/0	Linkup        SHA1	 DH-NULL     success
| --------------------------------------------------------------------------

# Without a link the authentication waits.
$ ixo-sim port --disable 1/0
| port disabled
$ ixo-sim auth --show 1/0 | sed -n 4p
| 1/0/0	Disabled      SHA1	 DH-NULL     uninit
$ ixo-sim port --enable 1/0
| port enabled

# An already encoded secret is sent as it is and not recorded.
$ xelsim log --clear
$ ixo-sim auth --encrypt 1/0 8825,16682,18777,8287
$ xelsim log | grep 0xC508BD09
| xel 0   0xC508BD09 status 0     0000:05:00.0
$ ixo-sim auth --stats 1/0
| successes:		0
| failures:		0
|
| auth_rx_stats:
| auth_rjts:		0
| auth_negs:		0
| auth_dones:		0
| dhchap_challenges:	0
| dhchap_replies:		0
| dhchap_successes:	0
|
| auth_tx_stats:
| auth_rjts:		0
| auth_negs:		0
| auth_dones:		0
| dhchap_challenges:	0
| dhchap_replies:		0
| dhchap_successes:	0
$ ixo-sim auth --statsclr 1/0
| Successfully reset the auth level stats

# Log levels: all modules by default, one module with -m; a level for all
# modules is recorded.
$ ixo-sim log --level 1/0
| FW log level is Warning
| HAL log level is Warning
| FCS log level is Warning
| DRV log level is Warning
| AEN log level is Warning
$ ixo-sim log --level 1/0 info
| Log level set to Info
$ grep log-level $IXO_SIM_ROOT/etc/xel.conf
| xel0-log-level = "Info";
$ ixo-sim log --level 1/0 -m FW
| Log level is Info
$ ixo-sim log --level 1/0 error -m hal
| Log level set to Error
$ ixo-sim log --level 1/0 -m hal
| Log level is Error
$ grep log-level $IXO_SIM_ROOT/etc/xel.conf
| xel0-log-level = "Info";
$ ixo-sim log --level 1/0 info error
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
! ERROR: Incorrect argument count for command "--level"
[166]
$ ixo-sim log --level 1/0 -m
! ERROR: command "--level" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim log --level 1/0 -m pci
! ERROR: command "--level" syntax is incorrect or one of the parameters is incorrect
[167]

# An Ethernet function has one level for the whole function.
$ ixo-sim log --level 2/0/2 -m fw
| Eth pcifn does not allow configuring module logs 
! ERROR: command "--level" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim log --level 2/0/2 critical
| Log level set to Critical
$ ixo-sim log --level 2/0/2
| Log level is Critical

# The level requests carry the instance behind the level: the emulated
# driver answers the function the record names.
$ xelsim log --clear
$ ixo-sim log --level 1/1 -m fcs
| Log level is Warning
$ xelsim log | grep 0xC010432E
| xel 1   0xC010432E status 0     0000:05:00.1

# With the all-modules query, the first module that fails decides the
# status, though the later ones answer.
$ xelsim fault add --fn 0000:05:00.0 --cmd 0xC010432E --status 2 --after 1 --once
| Fault added: 0000:05:00.0  0xC010432E  status 2  (once, after 1)
$ ixo-sim log --level 1/0
| FW log level is Info
| FCS log level is Info
| DRV log level is Info
| AEN log level is Info
! ERROR: Invalid params Check input parameters 
[2]

# An encoded secret of more words than the request holds is refused.
$ xelsim log --clear
$ ixo-sim auth --encrypt 1/0 $(python3 -c "print(','.join(['7'] * 257))")
! ERROR: command "--encrypt" syntax is incorrect or one of the parameters is incorrect
[167]
$ ! xelsim log | grep -q 0xC508BD09

# A function the fabric refuses: the port status and the reject show.
$ cat > refused.json
< {"adapters": [{"model": "XF1602", "functions": [
<   {"pci": "0000:11:00.0", "type": "fc", "port": 0, "authfail": true}]}]}
$ xelsim create refused.json
| Created the emulated host from file refused.json: 1 PCI functions
$ ixo-sim auth --secret 1/0 abcd1234
| Successfully set the auth secret
$ ixo-sim auth --policy 1/0 on
| Authentication turned on
| Setting will be applied after port --disable and port --enable
$ ixo-sim auth --show 1/0 | sed -n 4p
| 1/0/0	auth failure  MD5	 DH-NULL     failed(Auth fail-Auth fail)
