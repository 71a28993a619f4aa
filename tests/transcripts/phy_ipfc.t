# The PHY module of a converged port.
$ ixo-sim phy --query 2/0
| Phy Module attributes:
| Phy status                       : Good
| Firmware version                 : 0x103
| Link partner auto-negotiation ability : Yes
| PHY auto-negotiation ability     : Yes
| AN complete                      : Yes
| PMA/PMD link status              : Link up
| PMA/PMD signal detected          : Yes
| PCS link status                  : Link up
$ ixo-sim phy --stats 2/0
|
| Phy Module statistics:
| 	phy stats status : 0
| 	Num of link breaks after linkup : 0
| 	NPMA/PMD fault : 0
| 	PCS fault : 0
| 	Num of speed negotiation : 0
| 	Num of TX EQ training : 0
| 	Num of TX EQ timeout : 0
| 	Num of CRC errors : 0

# The firmware update writes every port of the adapter and reads each
# image back whole; the firmware read gives the image back.
$ python3 -c "import sys; d = bytearray((i * 13 + 5) & 0xff for i in range(3000)); d[0:4] = (0x204).to_bytes(4, 'little'); d[-1] = 0; x = 0; exec('for b in d: x ^= b'); d[-1] = x; open('image', 'wb').write(d)"
$ ixo-sim phy --update 2 image
|
| PHY firmware update may take longer times to complete, please don't 
| terminate the command as it could result in undesirable adapter state
|
| Updating Phy Firmware on the port 2/0
| Successfully updated the Firmware
|
| Updating Phy Firmware on the port 2/1
| Successfully updated the Firmware
|
|
| Firmware update will take into effect after the adapter --disable and --enable
$ ixo-sim phy --read 2/0 out
$ cmp out image
$ ixo-sim phy --read 2/1 out1
$ cmp out1 image
$ ixo-sim phy --query 2/1 | grep Firmware
| Firmware version                 : 0x204

# An image whose bytes do not XOR to zero is refused before anything is
# sent; so is an image that cannot be read.
$ python3 -c "d = bytearray(open('image', 'rb').read()); d[5] ^= 1; open('bad', 'wb').write(d)"
$ xelsim log --clear
$ ixo-sim phy --update 2 bad
|
| PHY firmware update may take longer times to complete, please don't 
| terminate the command as it could result in undesirable adapter state
|
| Updating Phy Firmware on the port 2/0
| ERROR: checksum failure 
|
$ ! xelsim log | grep -q 0xC0184356
$ ixo-sim phy --update 2 missing
|
| PHY firmware update may take longer times to complete, please don't 
| terminate the command as it could result in undesirable adapter state
|
| Updating Phy Firmware on the port 2/0
| ERROR: Operation failed 
|
$ ixo-sim phy --read 2/0 /nonexistent/out
! ERROR: Failed to open file 
[45]

# An image of 64 KiB or more verifies like any other.
$ python3 -c "d = bytearray((i * 31 + 1) & 0xff for i in range(70000)); d[-1] = 0; x = 0; exec('for b in d: x ^= b'); d[-1] = x; open('big', 'wb').write(d)"
$ ixo-sim phy --update 2 big
|
| PHY firmware update may take longer times to complete, please don't 
| terminate the command as it could result in undesirable adapter state
|
| Updating Phy Firmware on the port 2/0
| Successfully updated the Firmware
|
| Updating Phy Firmware on the port 2/1
| Successfully updated the Firmware
|
|
| Firmware update will take into effect after the adapter --disable and --enable

# An FC port has no PHY: the rest of that adapter is skipped, the others
# are updated; an adapter that does not exist is refused.
$ ixo-sim phy --update -a image
|
| PHY firmware update may take longer times to complete, please don't 
| terminate the command as it could result in undesirable adapter state
|
| Updating Phy Firmware on the port 1/0
| ERROR: Phy not present
| Updating Phy Firmware on the port 2/0
| Successfully updated the Firmware
|
| Updating Phy Firmware on the port 2/1
| Successfully updated the Firmware
|
|
| Firmware update will take into effect after the adapter --disable and --enable
$ ixo-sim phy --update 3 image
! ERROR: adapter id "3" in command is incorrect
[172]

# IP over FC on an FC function: off by default, enable and disable are
# recorded in the configuration file (enabled is its default).
$ ixo-sim ipfc --query 1/0
| IPFC State:		Disabled
| IPFC MTU  :		65280
| Eth  dev  :		ipfc2
$ ixo-sim ipfc --enable 1/0
| ipfc for port id 1/0/0 enabled
| Setting will be applied after port --disable and port --enable
$ ixo-sim ipfc --query 1/0
| IPFC State:		Enabled
| IPFC MTU  :		65280
| Eth  dev  :		ipfc2
$ ! grep -q ipfc-enable $IXO_SIM_ROOT/etc/xel.conf
$ ixo-sim ipfc --disable 1/0
| ipfc for port id 1/0/0 disabled
| Setting will be applied after port --disable and port --enable
$ grep ipfc-enable $IXO_SIM_ROOT/etc/xel.conf
| xel0-ipfc-enable = "FALSE";
$ ixo-sim ipfc --stats 1/0
|
| IPFC Stats:
| 	ARP sent : 0
| 	ARP rcvd : 0
| 	ARP reply sent : 0
| 	ARP reply rcvd : 0
| 	FARP sent : 0
| 	FARP rcvd : 0
| 	FARP reply sent : 0
| 	FARP reply rcvd : 0
| 	FARP reject sent : 0
| 	FARP reject rcvd : 0
$ ixo-sim ipfc --statsclr 1/0
| Successfully reset the IPFC stats

# Without the IP over FC device, its requests fail as the kernel answers a
# descriptor that was never opened.
$ rm $IXO_SIM_ROOT/dev/xelipfc
$ ixo-sim ipfc --query 1/0
! ERROR: Bad file descriptor 
[40]
