# The register dump of a second generation FC port: the FC blocks of its
# port (the converged ones left out), each under its title and read in one
# piece, then the serdes through their address and data pair, then the
# receive and transmit descriptors of 120 FIDs each.
$ ixo-sim debug --dump 1/0/0 > dump.txt
$ head -12 dump.txt
| ----------------------------------
| Card Type is FC_1
| ----------------------------------
|
| ----------------------------------
| Port  1/0  FW Header 
| ----------------------------------
| data read from address: 8000 length: 32 is:
| 00008000: bcd88642 35b66086 ae944bca 2772320e a0501d52 192e0796 920beeda 0ae9c91e 
| 00008020: 83c7b062 fca59aa6 758385ea ee616c2e 673f5772 e01d31b6 58fb18fa d1d9033e 
| 00008040: 4ab6ea02 c394d546 3c72bf8a b550a6ce 2e2e8112 a70c6856 1fea529a 98c83dde 
| 00008060: 11a62422 8a840f66 0361e9aa 7c3fd0ee f51dbb32 6dfba276 e6d98cba 5fb777fe 
$ grep -c '^Port  1/0  .* $' dump.txt
| 28
$ grep -E -A3 'TX_BBCredits|LPU|part1' dump.txt | grep 'data read'
| data read from address: 15000 length: 168 is:
| data read from address: 18000 length: 256 is:
| data read from address: 1f800 length: 112 is:
$ grep -c 'Host CmdSts[0-7] .Register $' dump.txt; grep -c 'RDQ Q count\|Ethernet MAC' dump.txt
| 8
| 0
[1]
$ grep -A8 'Serdes registers' dump.txt
| Port  1/0  Serdes registers
| ------------------------
| address is 0x1e034
|  and value is 0x808
| data read from address: 26800 length: 1 is:
| 00026800: 5e000808
|
| address is 0x1e034
|  and value is 0x80c
$ grep -c '^00026800: 5e0' dump.txt; grep '^00026800' dump.txt | tail -1
| 27
| 00026800: 5e0020e4
$ grep -c '^FID' dump.txt; grep -m1 -A4 'FID 0x77' dump.txt
| 240
| FID 0x77
| -----------------------------
| data read from address: 8000 length: 16 is:
| 00008000: 52447700 52447701 52447702 52447703 52447704 52447705 52447706 52447707 
| 00008020: 52447708 52447709 5244770a 5244770b 5244770c 5244770d 5244770e 5244770f 
$ grep -B1 -A1 'TDS info' dump.txt; tail -2 dump.txt
| -----------------------------
| TDS info
| -----------------------------
| 00008000: 54447700 54447701 54447702 54447703 54447704 54447705 54447706 54447707 
| 00008020: 54447708 54447709 5444770a 5444770b 5444770c 5444770d 5444770e 5444770f 

# The other port: its own blocks, its serdes pair; no descriptors.
$ ixo-sim debug --dump 1/1/1 > dump1.txt
$ grep -c '^FID' dump1.txt; grep -c '^Port  1/1  .* $' dump1.txt
| 0
| 28
$ grep -A3 'Port  1/1  LPU' dump1.txt | tail -1; grep -m1 -A5 'Serdes registers' dump1.txt | tail -2
| 00018400: 04704242 9d4e2c86 162c17ca 6f09fe0e e7e7d952 60c5c396 f9a3aada 7281951e 
| data read from address: 26c00 length: 1 is:
| 00026c00: 5e000808

# The serdes bus: bits 22 to 29 of 0x14208 for port 0, 23 to 30 for port 1.
$ ixo-sim debug --regwrite 1/0/0 14208 400000 > /dev/null; ixo-sim debug --regwrite 1/1/1 14208 400000 > /dev/null
$ ixo-sim debug --dump 1/0/0 | grep -c '^00026800'
| 27
$ ixo-sim debug --dump 1/1/1 | grep -A3 'Serdes registers'
| Port  1/1  Serdes registers
| ------------------------
| AHB is not enabled!

# Third generation: the converged blocks, 200 FIDs each, the PCIE
# registers and the block version on port 0; no serdes on this card.
$ ixo-sim debug --dump 2/0/0 > dump2.txt
$ grep -c opus dump2.txt; grep -c '^FID' dump2.txt; grep -c '^Port  2/0  .* $' dump2.txt
| 0
| 400
| 9
$ grep -A2 'Host Function' dump2.txt | tail -1; grep -A2 'RDQ Q count' dump2.txt | tail -1
| data read from address: 30100 length: 16 is:
| data read from address: 1b040 length: 8 is:
$ tail -11 dump2.txt
| data read from address: 14850 length: 1 is:
| 00014850: 8540ccba 
| data read from address: 1485c length: 1 is:
| 0001485c: efda8076 
| data read from address: 14884 length: 1 is:
| 00014884: a88584ae 
| data read from address: 14998 length: 1 is:
| 00014998: 3c54b9f2 
| ASIC block version
| data read from address: 2765c length: 1 is:
| 0002765c: 61695276 
$ ixo-sim debug --dump 2/1/1 | grep -c 'FID\|PCIE register dump\|ASIC block'
| 0
[1]

# First generation, on its FC-only blocks.
$ xelsim create mixed > /dev/null
$ ixo-sim debug --dump 1/0/0 > dump3.txt
$ head -2 dump3.txt | tail -1; grep -c '^Port  1/0  .* $' dump3.txt; grep -c '^FID' dump3.txt
| Card Type is FC_1
| 25
| 240
$ grep -A2 'CPE Registers\|RME Registers' dump3.txt | grep 'data read'
| data read from address: 10000 length: 109 is:
| data read from address: 11000 length: 100 is:

# The mezzanine card of the third generation dumps its serdes; the
# second generation converged chip its CAMs; another chip nothing.
$ echo '{"adapters": [{"serial": "TSC10520001", "model": "XC1052", "card_type": 1052, "device_id": "0x22", "is_mezz": true, "functions": [{"pci": "0000:07:00.0", "type": "fcoe", "port": 0}]}, {"serial": "TSC10140001", "model": "XC1014", "card_type": 1014, "device_id": "0x14", "functions": [{"pci": "0000:08:00.0", "type": "fcoe", "port": 0, "mac": "00:7a:3c:08:20:00"}]}, {"serial": "TSF00150001", "model": "XF0015", "card_type": 15, "device_id": "0x15", "functions": [{"pci": "0000:09:00.0", "type": "fc", "port": 0}]}]}' > chips.json
$ xelsim create chips.json > /dev/null
$ ixo-sim debug --dump 1/0/0 > mezz.txt
$ for k in 'opus plla' 'opus pllb' 'opus subsystem' 'opus ch0-3' 'opus dfe'; do grep -c "$k" mezz.txt; done
| 16
| 16
| 109
| 76
| 21
$ grep -m1 -A4 'opus plla' mezz.txt
| opus plla register [0]:
| address is 0x220d0
|  and value is 0x1400
| data read from address: 26800 length: 1 is:
| 00026800: 5e001400
$ grep -A5 'opus dfe params \[2\]' mezz.txt
| opus dfe params [2]:
| address is 0x220d0
|  and value is 0x10d0
| data read from address: 26800 length: 1 is:
| 00026800: 0000000d
|
$ ixo-sim debug --dump 2/0/0 > cam.txt
$ grep -c FCXP cam.txt; grep -c 'RDQ Q count' cam.txt; grep -c '^Port  2/0  .* $' cam.txt
| 0
| 1
| 29
$ grep -A3 'CAM Dump' cam.txt | grep -v -- '^--'
| Multicast CAM Dump
| data read from address: a000 length: 512 is:
| 0000a000: 0000ffff ffffffff 00000000 00000000 00000000 00000000 00000000 00000000 
| Unicast CAM Dump
| data read from address: a800 length: 512 is:
| 0000a800: 0000007a 3c082000 00000000 00000000 00000000 00000000 00000000 00000000 
$ ixo-sim debug --dump 3/0/0
! Card type unknown skipping reg dump...
! ERROR: Operation failed 
[1]
