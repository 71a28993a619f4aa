# The adapter commands on the default host: an FC HBA and a converged
# adapter.
$ ixo-sim adapter --list
| ------------------------------------------------------------------------
| AD#  NP  HW-path        Type   Model-Info    Serial-num   Name
| ------------------------------------------------------------------------
|  1   2   0000:05:00.0   HBA    Tessary XF1602 16Gbps FC HBA  TSF16050001  --             
|  2   2   0000:06:00.0   CNA    Tessary XC1002 10Gbps CNA  TSC10060001  --             
| ------------------------------------------------------------------------
$ ixo-sim adapter --count
| 2
$ ixo-sim adapter --query 1
| Adapter Information:
| 	model info:        Tessary XF1602 16Gbps FC HBA
| 	OEM info:          Tessary XF1602 16Gbps FC HBA
| 	num ports:         2
| 	hw path:           0000:05:00.0
| 	Serial Num:        TSF16050001
| 	name:              
| PCI Information:
| 	vendor id:         0x7a3c
| 	device id:         0x0021
| 	ssvid:             0x7a3c
| 	PCIe Gen:          Gen2
| 	PCIe lanes:        8(Initial number of lanes = 8)
| 	PCI function0:
| 	        ssid:      0x0016
| 	        port:      0
| 	        type:      FC
| 	PCI function1:
| 	        ssid:      0x0016
| 	        port:      1
| 	        type:      FC
| Port Information:
| 	Port 0:
| 	        name:      
| 	        pwwn:      10:00:00:7a:3c:05:10:00
| 	        nwwn:      20:00:00:7a:3c:05:10:00
| 	        hwpath:    0000:05:00.0
| 	Port 1:
| 	        name:      
| 	        pwwn:      10:00:00:7a:3c:05:10:01
| 	        nwwn:      20:00:00:7a:3c:05:10:01
| 	        hwpath:    0000:05:00.1
| Flash Information:
| 	status:            good
| 	option ROM version:
| 	        current:   4.2.0.7
| 	        flashed:   4.2.0.7
| 	fw version:        4.2.0.7
|
|
| Tessary VPD Details:
| 	Product Desc:      Tessary XF1602 16Gbps FC HBA
| 	Part Number:       PXF1602-01
| 	EC Level:          A
| 	Serial Number:     TSF16050001
| 	Manufacture ID:    7A3C
$ ixo-sim adapter --query 2 -v
| Adapter Information:
| 	model info:        Tessary XC1002 10Gbps CNA
| 	OEM info:          Tessary XC1002 10Gbps CNA
| 	num ports:         2
| 	chip revision:     B1
| 	hw path:           0000:06:00.0
| 	Serial Num:        TSC10060001
| 	name:              
| PCI Information:
| 	vendor id:         0x7a3c
| 	device id:         0x0022
| 	ssvid:             0x7a3c
| 	PCIe Gen:          Gen2
| 	PCIe lanes:        8(Initial number of lanes = 8)
| 	PCI function0:
| 	        ssid:      0x0010
| 	        port:      0
| 	        type:      FC/FCoE
| 	PCI function2:
| 	        ssid:      0x0010
| 	        port:      0
| 	        type:      Ethernet
| 	PCI function1:
| 	        ssid:      0x0010
| 	        port:      1
| 	        type:      FC/FCoE
| 	PCI function3:
| 	        ssid:      0x0010
| 	        port:      1
| 	        type:      Ethernet
| Port Information:
| 	Port 0:
| 	        name:      
| 	        pwwn:      10:00:00:7a:3c:06:20:00
| 	        nwwn:      20:00:00:7a:3c:06:20:00
| 	        hwpath:    0000:06:00.0
| 	        name:      
| 	        mac:       00:7a:3c:06:22:00
| 	        hwpath:    0000:06:00.2
| 	Port 1:
| 	        name:      
| 	        pwwn:      10:00:00:7a:3c:06:20:01
| 	        nwwn:      20:00:00:7a:3c:06:20:01
| 	        hwpath:    0000:06:00.1
| 	        name:      
| 	        mac:       00:7a:3c:06:22:01
| 	        hwpath:    0000:06:00.3
| Flash Information:
| 	status:            good
| 	option ROM version:
| 	        current:   4.2.0.7
| 	        flashed:   4.2.0.7
| 	fw version:        4.2.0.7
|
|
| Tessary VPD Details:
| 	Product Desc:      Tessary XC1002 10Gbps CNA
| 	Part Number:       PXC1002-01
| 	EC Level:          A
| 	Serial Number:     TSC10060001
| 	Manufacture ID:    7A3C
$ ixo-sim adapter --query 2 -V
! ERROR: command "--query" syntax is incorrect or one of the parameters is incorrect
[167]
# The emulated VPD, read by the PCI VPD layout, is the one the query shows.
$ xelsim vpd 0000:06:00.0 > vpd.hex && ixo-sim adapter --query 2 > query.txt
$ python3 $TESTDIR/../tools/vpd_check.py vpd.hex query.txt
| identifier 'Tessary XC1002 10Gbps CNA'
| checksum ok
| V0 ''
| PN 'PXC1002-01'
| EC 'A'
| SN 'TSC10060001'
| MN '7A3C'
| the display agrees
# Names: the rule, a name another adapter holds, its own name again, and
# an empty name, which clears it without the rule.
$ ixo-sim adapter --name 1 lab_1
| adapter id 1; name set to: lab_1
$ ixo-sim adapter --name 2 lab_1
! ERROR: Name exists! use a different name 
[63]
$ ixo-sim adapter --name 1 lab_1
| adapter id 1; name set to: lab_1
$ ixo-sim adapter --name 2 1lab
! ERROR: Please check the string "1lab"
[175]
$ ixo-sim adapter --name lab_1
| adapter id 1; current name is lab_1
$ ixo-sim adapter --list
| ------------------------------------------------------------------------
| AD#  NP  HW-path        Type   Model-Info    Serial-num   Name
| ------------------------------------------------------------------------
|  1   2   0000:05:00.0   HBA    Tessary XF1602 16Gbps FC HBA  TSF16050001  lab_1          
|  2   2   0000:06:00.0   CNA    Tessary XC1002 10Gbps CNA  TSC10060001  --             
| ------------------------------------------------------------------------
$ ixo-sim adapter --name 1 ""
| adapter id 1; name set to: 
$ ixo-sim adapter --name 1
| adapter id 1; current name is 
$ ixo-sim adapter --name 2 lab_1
| adapter id 2; name set to: lab_1
# Enable and disable, and their refusals when already so.
$ ixo-sim adapter --disable 1
| adapter id 1 disabled
$ ixo-sim adapter --disable 1
! ERROR: Adapter is already disabled 
[83]
$ ixo-sim adapter --enable 1
| adapter id 1 enabled
$ ixo-sim adapter --enable 1
! ERROR: Adapter is already enabled 
[67]
# Mode: the word in any case, the force word exactly, the warnings first.
$ ixo-sim adapter --mode 2 nic
| Warning: This command will not reset the settings configured on the adapter.
|
| Adapter mode is configured successfully.
| A host reboot is needed for the changes to be effective. You may also have to change the SFP to match the new mode.
|
$ ixo-sim adapter --mode 2 CNA -F
! ERROR: command "--mode" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim adapter --mode 2 SAN
! ERROR: command "--mode" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim adapter --mode 2 cna -f
| Warning: This command will reset all the settings configured on the adapter.
|
| Mode change command can take a lot of time to complete.
| Please don't terminate the command as it could result in undesirable adapter state.
|
| Adapter mode is configured successfully.
| A host reboot is needed for the changes to be effective. You may also have to change the SFP to match the new mode.
|
$ ixo-sim adapter --mode 1 cna
| Warning: This command will not reset the settings configured on the adapter.
|
! ERROR: This feature is not supported on this Model or Mode of the Adapter 
[192]
# Auto start: bit 0x04 of byte 28 of the ASIC partition, on device 0x22 only.
$ ixo-sim adapter --autostart 2 ON
! ERROR: command "--autostart" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim adapter --autostart 2 off
| Successfully disabled the adapter auto start capability
$ ixo-sim flash --read 2 -s asic.bin > /dev/null && od -An -tx1 -j24 -N8 asic.bin
|  ff ff ff ff fb ff ff ff
$ ixo-sim adapter --autostart 2 on
| Successfully enabled the adapter auto start capability
$ ixo-sim flash --read 2 -s asic.bin > /dev/null && od -An -tx1 -j24 -N8 asic.bin
|  ff ff ff ff ff ff ff ff
$ ixo-sim adapter --autostart 1 on
! ERROR: This feature is not supported on this Model or Mode of the Adapter 
[192]
$ xelsim fault add --fn 0000:06:00.0 --cmd 0xC0184351 --status 9 --once > /dev/null
$ ixo-sim adapter --autostart 2 off
! ERROR: Flash is bad 
[9]
$ ixo-sim flash --read 2 -s asic.bin > /dev/null && od -An -tx1 -j24 -N8 asic.bin
|  ff ff ff ff ff ff ff ff
# An erased ASIC partition, and one too short to hold byte 28, stay as they are.
$ echo yes | ixo-sim flash --erase 2 -s > /dev/null && ixo-sim adapter --autostart 2 on
! ERROR: Flash is empty 
[161]
$ head -c 20 /dev/zero > short.bin && ixo-sim flash --update 2 -s short.bin > /dev/null && ixo-sim adapter --autostart 2 on
! ERROR: Flash is bad 
[9]
$ ixo-sim flash --read 2 -s asic.bin > /dev/null && od -An -tx1 asic.bin | head -2
|  00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00
|  00 00 00 00 ff ff ff ff ff ff ff ff ff ff ff ff

# Several adapters: an OEM image with split and FRU vendor keywords, a
# prototype on fewer lanes with an unprogrammed serial number, an IBM
# overlay, and a vendor byte that carries no VPD to show.
$ cat > multi.json
< {"adapters": [
<  {"functions": [{"pci": "0000:05:00.0", "type": "fc", "port": 0}]},
<  {"vpd_vendor": "0x20", "vpd_fru": "00Y3344", "vpd_keywords": {"V2": "PW:abc", "V3": "MDC 14", "LC": "slot 3", "ZZ": "hidden"},
<   "functions": [{"pci": "0000:06:00.0", "type": "fcoe", "port": 0}, {"pci": "0000:06:00.2", "type": "eth", "port": 0, "enabled": false}]},
<  {"prototype": true, "pcie_gen": 3, "pcie_lanes": 4, "pcie_lanes_orig": 8, "serial_unprogrammed": true, "vpd_vendor": 1, "vpd_fru": "42C1234",
<   "functions": [{"pci": "0000:07:00.0", "type": "fc", "port": 0}]},
<  {"vpd_vendor": 5, "functions": [{"pci": "0000:08:00.0", "type": "eth", "port": 0}]}
< ]}
$ xelsim create multi.json
| Created the emulated host from file multi.json: 5 PCI functions
$ ixo-sim adapter --list
| ------------------------------------------------------------------------
| AD#  NP  HW-path        Type   Model-Info    Serial-num   Name
| ------------------------------------------------------------------------
|  1   1   0000:05:00.0   HBA    Tessary XF1602 16Gbps FC HBA  TSF00000001  --             
|  2   1   0000:06:00.0   CNA    Tessary XC1002 10Gbps CNA  TSC00000002  --             
|  3   1   0000:07:00.0   HBA    Tessary XF1602 16Gbps FC HBA               --             
|  4   1   0000:08:00.0   NIC    Tessary XN1002 10Gbps NIC  TSN00000004  --             
| ------------------------------------------------------------------------
$ ixo-sim adapter --count
| 4
$ ixo-sim adapter --query 2
| Adapter Information:
| 	model info:        Tessary XC1002 10Gbps CNA
| 	OEM info:          Tessary XC1002 10Gbps CNA
| 	num ports:         1
| 	hw path:           0000:06:00.0
| 	Serial Num:        TSC00000002
| 	name:              
| PCI Information:
| 	vendor id:         0x7a3c
| 	device id:         0x0022
| 	ssvid:             0x7a3c
| 	PCIe Gen:          Gen2
| 	PCIe lanes:        8(Initial number of lanes = 8)
| 	PCI function0:
| 	        ssid:      0x0010
| 	        port:      0
| 	        type:      FC/FCoE
| 	PCI function2:
| 	        ssid:      0x0010
| 	        port:      0
| 	        type:      Ethernet
| Port Information:
| 	Port 0:
| 	        name:      
| 	        pwwn:      10:00:00:7a:3c:06:00:00
| 	        nwwn:      20:00:00:7a:3c:06:00:00
| 	        hwpath:    0000:06:00.0
| 	        name:      
| 	        mac:       00:7a:3c:06:12:00
| 	        hwpath:    0000:06:00.2
| Flash Information:
| 	status:            good
| 	option ROM version:
| 	        current:   4.2.0.7
| 	        flashed:   4.2.0.7
| 	fw version:        4.2.0.7
|
|
| OEM VPD Details: 
| 	Product ID:        Tessary XC1002 10Gbps CNA
| 	Part Number:       PXC1002-01
| 	EDC:               A
| 	Serial Number:     TSC00000002
| 	Manufacture ID:    7A3C
| 	FRU 00Y3344
| 	PW:                abc
| 	MDC 14
| 	Location:          slot 3
$ xelsim vpd 0000:06:00.0 > vpd.hex && ixo-sim adapter --query 2 > query.txt
$ python3 $TESTDIR/../tools/vpd_check.py vpd.hex query.txt
| identifier 'Tessary XC1002 10Gbps CNA'
| checksum ok
| V0 'OEM'
| PN 'PXC1002-01'
| EC 'A'
| SN 'TSC00000002'
| MN '7A3C'
| V1 'FRU 00Y3344'
| V2 'PW:abc'
| V3 'MDC 14'
| LC 'slot 3'
| ZZ 'hidden'
| the display agrees
$ ixo-sim adapter --query 3 | head -12
| Adapter Information:
| 	model info:        Tessary XF1602 16Gbps FC HBA(PROTOTYPE)
| 	OEM info:          IBM - PN:PXF1602-01, FRU:42C1234, SN:TSF00000003
| 	num ports:         1
| 	hw path:           0000:07:00.0
| 	Serial Num:        \xffSF00000003
| 	name:              
| PCI Information:
| 	vendor id:         0x7a3c
| 	device id:         0x0021
| 	ssvid:             0x7a3c
| 	PCIe Gen:          Gen3
$ ixo-sim adapter --query 3 | tail -9
| 	fw version:        4.2.0.7
|
| OEM Details:
| 	OEM:               IBM
| 	Product Desc:      Tessary XF1602 16Gbps FC HBA
| 	part num:          PXF1602-01
| 	EC Level:          A
| 	FRU num:           42C1234
| 	serial num:        TSF00000003
$ ixo-sim adapter --query 4 | head -3
| Adapter Information:
| 	model info:        Tessary XN1002 10Gbps NIC
| 	OEM info:          N/A
$ ixo-sim adapter --query 4 | tail -3
| 	        flashed:   NA
| 	fw version:        4.2.0.7
|
# The adapter whose network function is disabled is not enabled yet.
$ ixo-sim adapter --enable 2
| adapter id 2 enabled
$ ixo-sim adapter --enable 2
! ERROR: Adapter is already enabled 
[67]
$ ixo-sim adapter --name 3 lab_3
| adapter id 3; name set to: lab_3
$ ixo-sim adapter --name 4 lab_3
! ERROR: Name exists! use a different name 
[63]
$ ixo-sim adapter --name 4 lab_4
| adapter id 4; name set to: lab_4
$ ixo-sim adapter --list
| ------------------------------------------------------------------------
| AD#  NP  HW-path        Type   Model-Info    Serial-num   Name
| ------------------------------------------------------------------------
|  1   1   0000:05:00.0   HBA    Tessary XF1602 16Gbps FC HBA  TSF00000001  --             
|  2   1   0000:06:00.0   CNA    Tessary XC1002 10Gbps CNA  TSC00000002  --             
|  3   1   0000:07:00.0   HBA    Tessary XF1602 16Gbps FC HBA               lab_3          
|  4   1   0000:08:00.0   NIC    Tessary XN1002 10Gbps NIC  TSN00000004  lab_4          
| ------------------------------------------------------------------------
$ ixo-sim adapter --autostart 4 on
| Successfully enabled the adapter auto start capability

# The HP and DELL overlays, and a vendor byte of a PCI VPD image that the
# parser does not support: its identifier string is shown, its keywords not.
$ cat > oem.json
< {"adapters": [
<  {"vpd_vendor": 2, "functions": [{"pci": "0000:05:00.0", "type": "fc", "port": 0}]},
<  {"vpd_vendor": 3, "functions": [{"pci": "0000:06:00.0", "type": "fc", "port": 0}]},
<  {"vpd_vendor": 9, "functions": [{"pci": "0000:07:00.0", "type": "fc", "port": 0}]}
< ]}
$ xelsim create oem.json > /dev/null
$ ixo-sim adapter --query 1 | grep 'OEM info' && ixo-sim adapter --query 1 | sed -n '/^OEM Details/,$p'
| 	OEM info:          HP - PN:PXF1602-01, SN:TSF00000001
| OEM Details:
| 	OEM                HP
| 	Product Desc:      Tessary XF1602 16Gbps FC HBA
| 	part num:          PXF1602-01
| 	EDC:               A
| 	misc:              
| 	MDC:               2014
| 	serial num:        TSF00000001
$ ixo-sim adapter --query 2 | grep 'OEM info' && ixo-sim adapter --query 2 | sed -n '/^OEM Details/,$p'
| 	OEM info:          DELL - PN:PXF1602-01, SN:TSF00000002
| OEM Details:
| 	OEM:               DELL
| 	Product ID:        Tessary XF1602 16Gbps FC HBA
| 	part num:          PXF1602-01
| 	EDC:               A
| 	serial num:        TSF00000002
$ ixo-sim adapter --query 3 | grep 'OEM info' && ixo-sim adapter --query 3 | tail -2
| 	OEM info:          Tessary XF1602 16Gbps FC HBA
| 	fw version:        4.2.0.7
|

# No adapters at all.
$ xelsim create empty
| Created the emulated host from preset empty: 0 PCI functions
$ ixo-sim adapter --list
| No XEL adapters found
$ ixo-sim adapter --count
| 0
