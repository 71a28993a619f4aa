# The SFP display. The HBA's port holds one of the maker's 16G modules:
# every field, the internally calibrated diagnostics and, for a 16G module
# of the maker, the power-on hours.
$ ixo-sim diag --sfpshow 1/0
| Identifier:     3 	SFP
| Connector:      7 	LC 
| Transceiver:    700c404000000000	400,800,1600_MB/s M5,M6,SN,S,
| Encoding:       6 	64B66B 
| Baud Rate:      140 (units 100 megabaud)
| Length 9u:      0 (units km)
| Length 9u:      0 (units 100 meters)
| Length 50u:     10 (units 10 meters)
| Length 62.5u:   3 (units 10 meters)
| Length Cu:      0 (units 1 meter)
| Vendor Name:    TESSARY         
| Vendor OUI:     00:7a:3c 
| Vendor PN:      XS-16SW-01      
| Vendor Rev:     A   
| Wavelength:     850 (units nm)
| Options:        001a 	Rx_LOS TX_FAULT TX_DISABLE 
| BR Max:         0 
| BR Min:         0 
| Serial No:      XSN000100       
| Date Code:      260115  
| Status/Ctrl:    00
| Temperature:	36.500000 Centigrade
| Current:	6.500000 mAmps
| Voltage:	3.300000 V
| RX Power:	0.487000 mW
| Tx Power:	0.551000 mW
| Alarm/Warning:  00000000
| Power On Hours: 8760 hours
| O-Wrap Control: 0 

# The EEPROM's checksums and the display's values, decoded from the raw
# bytes with a script written from SFF-8472 alone.
$ xelsim sfp 0000:05:00.0 > a0a2.hex && ixo-sim diag --sfpshow 1/0 > shown.txt
$ python3 $TESTDIR/../tools/sfp_check.py a0a2.hex shown.txt
| checksums: CC_BASE ok, CC_EXT ok, CC_DMI ok
| identifier 3, connector 7, encoding 6, 14000 MBd, 850 nm
| vendor 'TESSARY' OUI 00:7a:3c PN 'XS-16SW-01' rev 'A' SN 'XSN000100' date '260115'
| internally calibrated: 36.500 C, 3.3000 V, 6.500 mA, Tx 0.5512 mW, Rx 0.4876 mW
| the display agrees

# A converged port's 10G module: only its 10G Ethernet names are decoded,
# and no power-on hours, since it is not a 16G module. The Ethernet
# function reads the same module.
$ ixo-sim diag --sfpshow 2/0
| Identifier:     3 	SFP
| Connector:      7 	LC 
| Transceiver:    0000000000000010	10G_BASE-SR,
| Encoding:       6 	64B66B 
| Baud Rate:      103 (units 100 megabaud)
| Length 9u:      0 (units km)
| Length 9u:      0 (units 100 meters)
| Length 50u:     10 (units 10 meters)
| Length 62.5u:   3 (units 10 meters)
| Length Cu:      0 (units 1 meter)
| Vendor Name:    TESSARY         
| Vendor OUI:     00:7a:3c 
| Vendor PN:      XS-10SR-01      
| Vendor Rev:     A   
| Wavelength:     850 (units nm)
| Options:        001a 	Rx_LOS TX_FAULT TX_DISABLE 
| BR Max:         0 
| BR Min:         0 
| Serial No:      XSN000200       
| Date Code:      260115  
| Status/Ctrl:    00
| Temperature:	36.500000 Centigrade
| Current:	6.500000 mAmps
| Voltage:	3.300000 V
| RX Power:	0.487000 mW
| Tx Power:	0.551000 mW
| Alarm/Warning:  00000000
$ ixo-sim diag --sfpshow 2/0/2 > eth.txt && ixo-sim diag --sfpshow 2/0 | cmp - eth.txt

# Port 0 holds another vendor's module, externally calibrated, that the
# adapter does not support: the banner, then the whole display, and the
# command succeeds. Port 1 has no module and no cable: the request fails;
# adapter 2 is a mezzanine card.
$ cat > sfp.json
< {"adapters": [
<   {"functions": [
<     {"pci": "0000:05:00.0", "type": "fc", "port": 0, "sfp_media": 5},
<     {"pci": "0000:05:00.1", "type": "fc", "port": 1, "sfp_present": false, "link": false}]},
<   {"is_mezz": true, "max_speed": 8, "functions": [
<     {"pci": "0000:07:00.0", "type": "fc", "port": 0}]}
< ]}
$ xelsim create sfp.json
| Created the emulated host from file sfp.json: 3 PCI functions
$ ixo-sim diag --sfpshow 1/0
|
| **************************************************
|               UNSUPPORTED SFP
| **************************************************
|
| Identifier:     3 	SFP
| Connector:      7 	LC 
| Transceiver:    700c404000000000	400,800,1600_MB/s M5,M6,SN,S,
| Encoding:       6 	64B66B 
| Baud Rate:      140 (units 100 megabaud)
| Length 9u:      0 (units km)
| Length 9u:      0 (units 100 meters)
| Length 50u:     10 (units 10 meters)
| Length 62.5u:   3 (units 10 meters)
| Length Cu:      0 (units 1 meter)
| Vendor Name:    OEM             
| Vendor OUI:     00:00:00 
| Vendor PN:      SFP-SR-GEN      
| Vendor Rev:     A   
| Wavelength:     850 (units nm)
| Options:        001a 	Rx_LOS TX_FAULT TX_DISABLE 
| BR Max:         0 
| BR Min:         0 
| Serial No:      XSN000100       
| Date Code:      260115  
| Status/Ctrl:    00
| temperature:    40.000000
| voltage:        3.300000
| curr:           6.400000
| tx_power:       0.510000
| rx_power:       0.401000
| Alarm/Warning:  00000000
$ xelsim sfp 0000:05:00.0 > a0a2.hex && ixo-sim diag --sfpshow 1/0 > shown.txt
$ python3 $TESTDIR/../tools/sfp_check.py a0a2.hex shown.txt
| checksums: CC_BASE ok, CC_EXT ok, CC_DMI ok
| identifier 3, connector 7, encoding 6, 14000 MBd, 850 nm
| vendor 'OEM' OUI 00:00:00 PN 'SFP-SR-GEN' rev 'A' SN 'XSN000100' date '260115'
| externally calibrated: 40.000 C, 3.3000 V, 6.400 mA, Tx 0.5100 mW, Rx 0.4010 mW
| the display agrees
$ ixo-sim diag --sfpshow 1/1
! ERROR: No SFP device check or replace SFP 
[89]
$ xelsim sfp 0000:05:00.1
! xelsim: no SFP module in the port of 0000:05:00.1
[1]
$ ixo-sim diag --sfpshow 2/0
| This command is not applicable to Mezz cards.
$ xelsim log | grep 0xC100431A
| xel 0   0xC100431A status 10    0000:05:00.0
| xel 0   0xC100431A status 10    0000:05:00.0
| xel 1   0xC100431A status 89    0000:05:00.1
