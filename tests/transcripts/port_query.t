# The port query on the default host: the FC view of an HBA port, the
# converged view (FCoE and Ethernet sections) of a CNA port, whichever of
# its functions names it.
$ ixo-sim port --query 1/0
| function id:                1/0/0
| port type:                  16G FC
| port mode:                  FC
| port instance:              0
| port name:                  
| Media:                      sw
| Beacon status:              Off
| PWWN:                       10:00:00:7a:3c:05:10:00
| NWWN:                       20:00:00:7a:3c:05:10:00
| state:                      Linkup  
| Speed:                      
|         current:            16G
|         configured:         Auto
| Topology:                   
|         current:            P2P
|         configured:         P2P
| SNIA port type:             N
| supported classes:          Class-3
| symbolic name:              XF1602 | 4.2.0.7 | Linux | host2
| maximum frame size:         2112
| receive bb credits:         16
| transmit bb credits:        8
| QOS:                        Disabled
| TRL:                        Disabled
| TRL default speed:          1G 
$ ixo-sim port --query 2/0
| function id:                2/0/0
| port type:                  10G Eth
| port mode:                  CNA
| port instance:              0
| port name:                  
| Media:                      sw
| Speed:                      10G
| CNA/DCB state:              DCB Linkup
| Beacon status:              Off
| FCoE:
|         MAC:                00:7a:3c:06:20:00
|         PWWN:               10:00:00:7a:3c:06:20:00
|         NWWN:               20:00:00:7a:3c:06:20:00
|         state:              Linkup
|         supported classes:  Class-3
|         symbolic name:      XC1002 | 4.2.0.7 | Linux | host4
|         maximum frame size: 2112
|         receive bb credits: 16
|         transmit bb credits:8
|         QOS:                Disabled
|         TRL:                Disabled
|         TRL default speed:  1G 
|         SCSI queue Depth:   32
|         Vlan:               1002
| Eth:
|         MAC:                00:7a:3c:06:22:00
|         Factory MAC:        00:7a:3c:06:22:00
|         state:              Linkup
|         OS Eth Device:      eth2
$ ixo-sim port --query 2/0/2 > eth.out; ixo-sim port --query 2/0 > fc.out; diff fc.out eth.out
| 1c1
| < function id:                2/0/0
| ---
| > function id:                2/0/2
[1]
$ ixo-sim port --query 10:00:00:7a:3c:05:10:01 | head -1
| function id:                1/1/1

# A disabled port with a fixed speed and loop topology: the configured
# values show beside the running ones, and a loop port has no QoS or rate
# limiting lines.
$ ixo-sim port --disable 1/1 > /dev/null && ixo-sim port --speed 1/1 4 && ixo-sim port --topology 1/1 loop
| Setting will be enforced on port --enable
| Setting will be enforced on port --enable
$ ixo-sim port --query 1/1
| function id:                1/1/1
| port type:                  16G FC
| port mode:                  FC
| port instance:              1
| port name:                  
| Media:                      sw
| Beacon status:              Off
| PWWN:                       10:00:00:7a:3c:05:10:01
| NWWN:                       20:00:00:7a:3c:05:10:01
| state:                      Disabled
| Speed:                      
|         current:            ---
|         configured:         4G 
| Topology:                   
|         current:            Unknown
|         configured:         Loop
| SNIA port type:             UN
| supported classes:          Class-3
| symbolic name:              XF1602 | 4.2.0.7 | Linux | host3
| maximum frame size:         2112
| receive bb credits:         16
| transmit bb credits:        8

# Without CEE attributes the converged port's speed and DCB state are
# unknown; the rest still shows.
$ xelsim fault add --fn 0000:06:00.1 --cmd 0xC0184347 --status 1 --once
| Fault added: 0000:06:00.1  0xC0184347  status 1  (once)
$ ixo-sim port --query 2/1 | head -9
| function id:                2/1/1
| port type:                  10G Eth
| port mode:                  CNA
| port instance:              1
| port name:                  
| Media:                      sw
| Speed:                      ---
| CNA/DCB state:              Unknown
| Beacon status:              Off

# Nothing is printed when the port attributes cannot be read; a failing
# Ethernet read leaves the lines before it.
$ xelsim fault add --fn 0000:05:00.0 --cmd 0xC1804333 --status 1 --once
| Fault added: 0000:05:00.0  0xC1804333  status 1  (once)
$ ixo-sim port --query 1/0
! ERROR: Operation failed 
[1]
$ xelsim fault add --fn 0000:06:00.2 --cmd 0xC0184371 --errno EIO --once
| Fault added: 0000:06:00.2  0xC0184371  errno EIO  (once)
$ ixo-sim port --query 2/0 | tail -3
|         SCSI queue Depth:   32
|         Vlan:               1002
| Eth:
! ERROR: I/O error 

# A mezzanine card has no beacon and shows its factory WWNs.
$ cat > mezz.json
< {"adapters": [{"is_mezz": true, "functions": [{"pci": "0000:07:00.0", "type": "fc", "port": 0}]}]}
$ xelsim create mezz.json
| Created the emulated host from file mezz.json: 1 PCI functions
$ ixo-sim port --query 1/0 | head -12
| function id:                1/0/0
| port type:                  16G FC
| port mode:                  FC
| port instance:              0
| port name:                  
| Media:                      mz
| Beacon status:              N/A
| PWWN:                       10:00:00:7a:3c:07:00:00
| NWWN:                       20:00:00:7a:3c:07:00:00
| Factory PWWN:               10:00:00:7a:3c:07:00:00
| Factory NWWN:               20:00:00:7a:3c:07:00:00
| state:                      Linkup  
