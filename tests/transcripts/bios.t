# Boot over SAN starts off; enabling it with no options takes automatic
# speed, point-to-point, the fabric's boot LUN and no delay.
$ ixo-sim bios --query 1/0
| Boot Over SAN:			disabled
|
| Pre-Boot Configuration  : 
| 	Speed			:Auto
| 	BIOS			:disabled
$ ixo-sim bios --enable 1/0
| boot cfg updated.
$ ixo-sim bios --query 1/0
| Boot Over SAN:			enabled
| Port Speed:			Auto
| Boot Lun:			Discovered from the fabric
| Bootup Delay:			0
| Port Topology:			p2p
|
| Pre-Boot Configuration  : 
| 	Speed			:Auto
| 	BIOS			:disabled

# Each option, and the first boot LUN entry to fill: from entry 3 on only
# one pair fits, the second is dropped. The LUN's number is in the first
# two bytes.
$ ixo-sim bios --enable 1/0 -s 4 -t loop -o FLASH -d 5 -p 3 -b 20:00:00:11:22:33:44:55,1 -b 20:00:00:11:22:33:44:56,2
| boot cfg updated.
$ ixo-sim bios --query 1/0
| Boot Over SAN:			enabled
| Port Speed:			4G 
| Boot Lun:			Obtained from the flash
| Bootup Delay:			5
| Port Topology:			loop
| Boot Lun 3:
| 	target pwwn:		20:00:00:11:22:33:44:55
| 	lun:			0001-0000-0000-0000
|
| Pre-Boot Configuration  : 
| 	Speed			:Auto
| 	BIOS			:disabled
$ ixo-sim bios --enable 1/0 -o firstlun -d 10 -b 20:00:00:11:22:33:44:57,258 -b 20:00:00:11:22:33:44:58,65535
| boot cfg updated.
$ ixo-sim bios --query 1/0 | sed -n '/^Boot Lun /,/^$/p'
| Boot Lun 0:
| 	target pwwn:		20:00:00:11:22:33:44:57
| 	lun:			0102-0000-0000-0000
| Boot Lun 1:
| 	target pwwn:		20:00:00:11:22:33:44:58
| 	lun:			ffff-0000-0000-0000
| Boot Lun 3:
| 	target pwwn:		20:00:00:11:22:33:44:55
| 	lun:			0001-0000-0000-0000
|

# Refusals leave the configuration as it was.
$ ixo-sim bios --enable 2/0 -t p2p
! ERROR: Topology command not applicable to CNA 
[171]
$ ixo-sim bios --enable 2/0 -s 8
! ERROR: Bios speed config not allowed for CNA 
[129]
$ ixo-sim bios --enable 1/0 -t loop
! ERROR: Invalid Boot option for selected topology 
[244]
$ ixo-sim bios --enable 1/0 -s 10
! ERROR: Invalid Speed Check speed setting 
[23]
$ ixo-sim bios --enable 1/0 -s 1
! ERROR: Speed setting not valid for 16G HBA 
[185]
$ ixo-sim bios --enable 1/0 -d 3
! ERROR: command "--enable" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim bios --enable 1/0 -p 4
! ERROR: command "--enable" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim bios --enable 1/0 -o never
! ERROR: command "--enable" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim bios --enable 1/0 -x 1
! ERROR: command "--enable" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim bios --enable 1/0 -d
! ERROR: command "--enable" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim bios --enable 1/0 -s 4 -s 8 2>&1 >/dev/null
| ERROR: Incorrect argument count for command "--enable"
[166]
$ ixo-sim bios --enable 1/0 -b 20:00:00:11:22:33:44:zz,1
! ERROR: Incorrectly formatted WWN
[168]
$ ixo-sim bios --enable 1/0 -b 20:00:00:11:22:33:44:55,65536
! ERROR: command "--enable" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim bios --enable 1/0 -b 20:00:00:11:22:33:44:55,x1
! ERROR: command "--enable" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim bios --enable 1/0 -b 20:00:00:11:22:33:44:55,1 -b 20:00:00:11:22:33:44:55,2 -b 20:00:00:11:22:33:44:55,3 -b 20:00:00:11:22:33:44:55,4 -b 20:00:00:11:22:33:44:55,5 2>/dev/null | head -1
| Max lun supported is 4
$ ixo-sim bios --query 1/0 | head -5
| Boot Over SAN:			enabled
| Port Speed:			Auto
| Boot Lun:			Use first visible lun
| Bootup Delay:			10
| Port Topology:			p2p

# A converged port takes neither speed nor topology but boots all the same.
$ ixo-sim bios --enable 2/0 -o flash -b 20:00:00:11:22:33:44:55,7
| boot cfg updated.
$ ixo-sim bios --query 2/0 | head -6
| Boot Over SAN:			enabled
| Port Speed:			Auto
| Boot Lun:			Obtained from the flash
| Bootup Delay:			0
| Port Topology:			p2p
| Boot Lun 0:

# Disabling resets speed, topology and boot option; once is enough.
$ ixo-sim bios --disable 1/0
| boot over san disabled
$ ixo-sim bios --disable 1/0
! ERROR: Bios is already disabled 
[84]
$ ixo-sim bios --query 1/0 | head -1
| Boot Over SAN:			disabled

# An 8G adapter refuses 1G and 16G; the pre-boot configuration lists its
# LUNs when the enclosure set some.
$ cat > pbc.json
< {"adapters": [
<  {"max_speed": 8, "functions": [{"pci": "0000:05:00.0", "type": "fc", "port": 0,
<   "pbc_luns": ["20:00:00:11:22:33:44:01,0", "20:00:00:11:22:33:44:02,300"]}]}
< ]}
$ xelsim create pbc.json > /dev/null
$ ixo-sim bios --enable 1/0 -s 16
! ERROR: Speed setting not valid for 8G HBA 
[65]
$ ixo-sim bios --enable 1/0 -s 1
! ERROR: Speed setting not valid for 8G HBA 
[65]
$ ixo-sim bios --enable 1/0 -s 8
| boot cfg updated.
$ ixo-sim bios --query 1/0
| Boot Over SAN:			enabled
| Port Speed:			8G 
| Boot Lun:			Discovered from the fabric
| Bootup Delay:			0
| Port Topology:			p2p
|
| Pre-Boot Configuration  : 
| 	Speed			:Auto
| 	BIOS			:enabled
| 	Number of boot luns	:2
| 	Boot LUN 0		:20:00:00:11:22:33:44:01, 0000-0000-0000-0000
| 	Boot LUN 1		:20:00:00:11:22:33:44:02, 012c-0000-0000-0000

# The pre-boot LUNs of a topology are checked as it is read.
$ echo '{"adapters": [{"functions": [{"pci": "0000:05:00.0", "type": "fc", "port": 0, "pbc_luns": ["20:00:00:11:22:33:44:01,65536"]}]}]}' > bad.json
$ xelsim create bad.json
! xelsim: bad.json: adapters[0].functions[0].pbc_luns: "20:00:00:11:22:33:44:01,65536" is not a word like 20:00:00:7a:3c:05:00:01,3
[1]
