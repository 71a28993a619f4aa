# The port settings on the default host. Each is set, shown, persisted in
# the configuration file, and refused when its word is wrong. A setting
# takes effect at the port's next enable.

# Name: shown as "--" until set; a name another port of the host carries,
# this port's own included, is refused; the name finds the port; an empty
# name clears it again.
$ ixo-sim port --name 1/0
| Port name is: --
$ ixo-sim port --name 1/0 dataA
| successfully named the port: dataA
$ ixo-sim port --name 1/0
| Port name is: dataA
$ ixo-sim port --name 1/1 dataA
! ERROR: Name exists! use a different name 
[63]
$ ixo-sim port --name 2/0 dataA
! ERROR: Name exists! use a different name 
[63]
$ ixo-sim port --name 1/0 dataA
! ERROR: Name exists! use a different name 
[63]
$ ixo-sim port --query dataA | head -1
| function id:                1/0/0
$ ixo-sim port --name 2/0 netB
| successfully named the port: netB
$ ixo-sim port --name 2/0/2
| Port name is: netB
$ grep port-name $IXO_SIM_ROOT/etc/xel.conf
| xel0-port-name = "dataA";
| xel2-port-name = "netB";
| kwo0-port-name = "netB";
$ ixo-sim port --name 1/0 ""
| successfully named the port: 
$ ixo-sim port --name 1/0
| Port name is: --
$ ixo-sim port --name 1/1 ""
| successfully named the port: 
$ grep port-name $IXO_SIM_ROOT/etc/xel.conf
| xel2-port-name = "netB";
| kwo0-port-name = "netB";
$ ixo-sim port --name 1/0 9lives
! ERROR: Please check the string "9lives"
[175]
$ ixo-sim port --name 1/0 name_of_sixteen1
! ERROR: Please check the string "name_of_sixteen1"
[175]
$ ixo-sim port --name 1/0 "da ta"
! ERROR: Please check the string "da ta"
[175]
# A name holding "adapter" or "xel" is kept like any other: the key alone
# tells the configuration file's kind of line.
$ ixo-sim port --name 1/0 myadapter
| successfully named the port: myadapter
$ ixo-sim port --name 2/0 xelnet
| successfully named the port: xelnet
$ grep -e xel0-port-name -e kwo0-port-name $IXO_SIM_ROOT/etc/xel.conf
| xel0-port-name = "myadapter";
| kwo0-port-name = "xelnet";
$ ixo-sim port --name 1/0 ""
| successfully named the port: 
$ ixo-sim port --name 2/0 netB
| successfully named the port: netB
# Naming stops at the first function that refuses.
$ xelsim fault add --fn 0000:06:00.2 --cmd 0xC048430B --status 1 --once
| Fault added: 0000:06:00.2  0xC048430B  status 1  (once)
$ ixo-sim port --name 2/0 netC
| FAILED TO SET THE NAME
! ERROR: Operation failed 
[1]
$ ixo-sim port --name 2/0/0; ixo-sim port --name 2/0/2
| Port name is: netC
| Port name is: netB

# Speed: 1, 2, 4, 8, 16, 10 or auto (in any case); a speed the SFP cannot
# run is refused by the adapter.
$ ixo-sim port --speed 1/0
| Current port speed is:		16G
| Configured port speed is:	Auto
$ ixo-sim port --speed 1/0 8
| Setting will be enforced after port --disable and --enable
$ ixo-sim port --speed 1/0
| Current port speed is:		16G
| Configured port speed is:	8G 
$ grep port-speed $IXO_SIM_ROOT/etc/xel.conf
| xel0-port-speed = 8;
$ ixo-sim port --speed 1/0 Auto
| Setting will be enforced after port --disable and --enable
$ ixo-sim port --speed 1/0
| Current port speed is:		16G
| Configured port speed is:	Auto
$ ixo-sim port --speed 1/0 04
! ERROR: command "--speed" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim port --speed 1/0 32
! ERROR: command "--speed" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim port --speed 1/0 10
! ERROR: Speed setting is not supported by SFP 
[220]
$ ixo-sim port --speed 2/0/2 10
! ERROR: Could not find Storage functionality on the port (or adapter) "2/0/2"
[177]

# Topology: p2p or loop (in any case), never auto; not on a converged port,
# not even to ask.
$ ixo-sim port --topology 1/0
| Current topology is:	P2P
| Configured topology is:	P2P
$ ixo-sim port --topology 1/0 LOOP
| Setting will be enforced after port --disable and --enable
$ ixo-sim port --topology 1/0
| Current topology is:	P2P
| Configured topology is:	Loop
$ grep port-topology $IXO_SIM_ROOT/etc/xel.conf
| xel0-port-topology = "loop";
$ ixo-sim port --topology 1/0 p2p
| Setting will be enforced after port --disable and --enable
$ ixo-sim port --topology 1/0 auto
! ERROR: command "--topology" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim port --topology 2/0 p2p
! ERROR: Topology command not applicable to CNA 
[171]
$ ixo-sim port --topology 2/0
! ERROR: Topology command not applicable to CNA 
[171]

# Hard AL_PA: hexadecimal, of which the low eight bits count; a word that
# is not hexadecimal is refused rather than taken for 00.
$ ixo-sim port --alpaset 1/0
| Configured port hardalpa is:	00
$ ixo-sim port --alpaset 1/0 1ef
| Setting will be enforced after port --disable and --enable
$ ixo-sim port --alpaset 1/0
| Configured port hardalpa is:	ef
$ grep alpa $IXO_SIM_ROOT/etc/xel.conf
| xel0-port-hardalpa = 0xef;
$ ixo-sim port --alpaset 1/0 0x2A
| Setting will be enforced after port --disable and --enable
$ ixo-sim port --alpaset 1/0
| Configured port hardalpa is:	2a
$ ixo-sim port --alpaset 1/0 zz
! ERROR: command "--alpaset" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim port --alpaset 1/0 12g
! ERROR: command "--alpaset" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim port --alpaclr 1/0
| Port hard assigned alpa cleared
$ ixo-sim port --alpaset 1/0
| Configured port hardalpa is:	00
$ grep -c alpa $IXO_SIM_ROOT/etc/xel.conf
| 0
[1]

# Receive data field size: decimal or auto (2112); the adapter takes 512,
# 1024, 2048 and 2112. A size with more digits than fit is too large, not a
# smaller size wrapped around.
$ ixo-sim port --dfsize 1/0
| Port maximum receive data field size is: 2112
$ ixo-sim port --dfsize 1/0 1024
| Setting will be enforced after port --disable and --enable
$ ixo-sim port --dfsize 1/0
| Port maximum receive data field size is: 1024
$ grep maxfrsize $IXO_SIM_ROOT/etc/xel.conf
| xel0-port-maxfrsize = 1024;
$ ixo-sim port --dfsize 1/0 AUTO
| Setting will be enforced after port --disable and --enable
$ ixo-sim port --dfsize 1/0
| Port maximum receive data field size is: 2112
$ ixo-sim port --dfsize 1/0 1000
! ERROR: Invalid Max data field size 
[24]
$ ixo-sim port --dfsize 1/0 70000
! ERROR: Invalid Max data field size 
[24]
$ ixo-sim port --dfsize 1/0 4294967808
! ERROR: Invalid Max data field size 
[24]
$ ixo-sim port --dfsize 1/0 -512
! ERROR: command "--dfsize" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim port --dfsize 1/0 1k
! ERROR: command "--dfsize" syntax is incorrect or one of the parameters is incorrect
[167]

# On a disabled port the settings wait for its enable; the hard AL_PA says
# so before it is sent, even when the adapter then refuses it.
$ ixo-sim port --disable 1/1
| port disabled
$ ixo-sim port --speed 1/1 4
| Setting will be enforced on port --enable
$ ixo-sim port --topology 1/1 loop
| Setting will be enforced on port --enable
$ ixo-sim port --dfsize 1/1 2048
| Setting will be enforced on port --enable
$ xelsim fault add --fn 0000:05:00.1 --cmd 0xC010433A --status 1 --once
| Fault added: 0000:05:00.1  0xC010433A  status 1  (once)
$ ixo-sim port --alpaset 1/1 ef
| Setting will be enforce on port --enable
! ERROR: Operation failed 
[1]
$ ixo-sim port --enable 1/1
| port enabled
$ ixo-sim port --speed 1/1
| Current port speed is:		4G 
| Configured port speed is:	4G 
$ ixo-sim port --topology 1/1
| Current topology is:	Loop
| Configured topology is:	Loop
$ grep xel1- $IXO_SIM_ROOT/etc/xel.conf
| xel1-port-wwn = "10:00:00:7a:3c:05:10:01";
| xel1-port-speed = 4;
| xel1-port-topology = "loop";
| xel1-port-maxfrsize = 2048;

# Like the other settings, a hard AL_PA is taken when the port comes up:
# the loop port keeps its address until then.
$ ixo-sim port --alpaset 1/1 2a
| Setting will be enforced after port --disable and --enable
$ ixo-sim port --list -terse | grep 1/1
|  1/1   -   fc    10:00:00:7a:3c:05:10:01  0000ef    sw     Linkup      4G *
$ ixo-sim port --disable 1/1 > /dev/null && ixo-sim port --enable 1/1 > /dev/null
$ ixo-sim port --list -terse | grep 1/1
|  1/1   -   fc    10:00:00:7a:3c:05:10:01  00002a    sw     Linkup      4G *

# Mode: HBA, CNA or NIC in any case, with -f to forget the port's settings.
# The warnings show before the change is tried.
$ ixo-sim port --mode 2/1 nic
| Warning: This command will not reset the settings configured on the port.
|
| Port mode is configured successfully.
| A host reboot is needed for the changes to be effective. You may also have to change the SFP to match the new mode.
|
$ ixo-sim port --mode 2/1 Cna -f
| Warning: This command will reset all the settings configured on the port.
|
| Mode change command can take a lot of time to complete.
| Please don't terminate the command as it could result in undesirable port state.
|
| Port mode is configured successfully.
| A host reboot is needed for the changes to be effective. You may also have to change the SFP to match the new mode.
|
$ ixo-sim port --mode 1/0 CNA
| Warning: This command will not reset the settings configured on the port.
|
! ERROR: This feature is not supported on this Model or Mode of the Adapter 
[192]
$ ixo-sim port --mode 2/1 eth
! ERROR: command "--mode" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim port --mode 2/1 nic -force
! ERROR: command "--mode" syntax is incorrect or one of the parameters is incorrect
[167]

# Fabric-assigned address: only "--query".
$ ixo-sim port --faa 1/0 --query
|     FAA state: 		Disabled 
|     PWWN: 		10:00:00:7a:3c:05:10:00
|     PWWN source: 	Factory 
$ ixo-sim port --faa 1/0 query
! ERROR: command "--faa" syntax is incorrect or one of the parameters is incorrect
[167]

# Credit recovery, FC functions only.
$ ixo-sim port --fccr_query 1/0
| Configured State :    Disabled
| Operating State  :    Off
$ ixo-sim port --fccr_enable 1/0
| Fibre channel credit recovery enabled
| Setting will be applied after port --disable and port --enable
$ ixo-sim port --fccr_enable 1/0
| Fibre channel credit recovery already enabled
$ ixo-sim port --fccr_query 1/0
| Configured State :    Enabled
| Operating State  :    Off
$ ixo-sim port --disable 1/0 > /dev/null; ixo-sim port --enable 1/0 > /dev/null; ixo-sim port --fccr_query 1/0
| Configured State :    Enabled
| Operating State  :    On
$ ixo-sim port --fccr_disable 1/0
| Fibre channel credit recovery disabled
| Setting will be applied after port --disable and port --enable
$ ixo-sim port --fccr_disable 1/0
| Fibre channel credit recovery already disabled
$ ixo-sim port --fccr_enable 2/0
! ERROR: FC Credit Recovery is supported for FC mode only 
[201]
