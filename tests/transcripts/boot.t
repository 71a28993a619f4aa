# Boot code update from packages built with GNU tar and md5sum
# (tests/packages/make_package.sh), option ROMs laid out by the PCI
# specification (make_optrom.py) and checked as read back by an
# independent decoder (check_optrom.py).
$ head -c 5000 /dev/urandom > fw.bin && printf 'tunables' > cfg.bin && "$TESTDIR/../packages/make_optrom.py" rom.bin
$ printf 'Version=3.0.0.0\n# the HBA\nCARDTYPE=1602\nFIRMWARE = fw.bin\nOPTROM=rom.bin\nFWCFG=cfg.bin\nPORT=0,1\nBOOTOVL=absent.bin\n\n' > boot.txt
$ "$TESTDIR/../packages/make_package.sh" hba.pkg boot.txt fw.bin rom.bin cfg.bin
# Every refusal comes before anything is written.
$ "$TESTDIR/../packages/make_package.sh" -H 0123456789abcdef0123456789abcdef bad.pkg boot.txt fw.bin && ixo-sim boot --update 1 bad.pkg
|
|
| Boot code update can take a lot of time to complete. 
| Please don't terminate the command as it could result in
| undesirable adapter state.
|
| Updating boot code...
|
! ERROR: Not a valid Tessary Boot Code file 
[79]
$ "$TESTDIR/../packages/make_package.sh" -H "$(tar -xOf hba.pkg images.tar | md5sum | cut -c1-32 | tr a-f A-F)" upper.pkg boot.txt fw.bin && ixo-sim boot --update 1 upper.pkg
|
|
| Boot code update can take a lot of time to complete. 
| Please don't terminate the command as it could result in
| undesirable adapter state.
|
| Updating boot code...
|
! ERROR: Not a valid Tessary Boot Code file 
[79]
$ "$TESTDIR/../packages/make_package.sh" -H 0123 short.pkg boot.txt fw.bin && ixo-sim boot --update 1 short.pkg
|
|
| Boot code update can take a lot of time to complete. 
| Please don't terminate the command as it could result in
| undesirable adapter state.
|
| Updating boot code...
|
! ERROR: Not a valid Tessary Boot Code file 
[79]
$ head -c 3000 hba.pkg > cut.pkg && ixo-sim boot --update 1 cut.pkg
|
|
| Boot code update can take a lot of time to complete. 
| Please don't terminate the command as it could result in
| undesirable adapter state.
|
| Updating boot code...
|
! ERROR: Not a valid Tessary Boot Code file 
[79]
$ printf 'Version=3.0.0.1\nCARDTYPE=1602\n' > boot.txt && "$TESTDIR/../packages/make_package.sh" v.pkg boot.txt && ixo-sim boot --update 1 v.pkg
|
|
| Boot code update can take a lot of time to complete. 
| Please don't terminate the command as it could result in
| undesirable adapter state.
|
| Updating boot code...
|
! ERROR: Boot code version not compatible with the driver installed 
[168]
$ printf 'version=3.0.0.0\nCARDTYPE=1602\n' > boot.txt && "$TESTDIR/../packages/make_package.sh" v.pkg boot.txt && ixo-sim boot --update 1 v.pkg
|
|
| Boot code update can take a lot of time to complete. 
| Please don't terminate the command as it could result in
| undesirable adapter state.
|
| Updating boot code...
|
! ERROR: Not a valid Tessary Boot Code file 
[79]
$ printf 'Version=3.0.0.0\nCARDTYPE=1602\nFIRMWARE=fw.bin\nFIRMWARE=fw.bin\n' > boot.txt && "$TESTDIR/../packages/make_package.sh" twice.pkg boot.txt fw.bin && ixo-sim boot --update 1 twice.pkg
|
|
| Boot code update can take a lot of time to complete. 
| Please don't terminate the command as it could result in
| undesirable adapter state.
|
| Updating boot code...
|
! ERROR: Operation failed 
[1]
$ printf 'Version=3.0.0.0\nFIRMWARE=fw.bin\nCARDTYPE=1602\n' > boot.txt && "$TESTDIR/../packages/make_package.sh" early.pkg boot.txt fw.bin && ixo-sim boot --update 1 early.pkg
|
|
| Boot code update can take a lot of time to complete. 
| Please don't terminate the command as it could result in
| undesirable adapter state.
|
| Updating boot code...
|
! ERROR: Operation failed 
[1]
$ printf 'Version=3.0.0.0\nCARDTYPE=1002\nFIRMWARE=fw.bin\n' > boot.txt && "$TESTDIR/../packages/make_package.sh" cna.pkg boot.txt fw.bin && ixo-sim boot --update 1 cna.pkg
|
|
| Boot code update can take a lot of time to complete. 
| Please don't terminate the command as it could result in
| undesirable adapter state.
|
| Updating boot code...
|
! ERROR: Boot image is not for the adapter(s) installed 
[169]
$ "$TESTDIR/../packages/make_optrom.py" --no-last open.bin && printf 'Version=3.0.0.0\nCARDTYPE=1602\nOPTROM=open.bin\n' > boot.txt && "$TESTDIR/../packages/make_package.sh" open.pkg boot.txt open.bin && ixo-sim boot --update 1 open.pkg
|
|
| Boot code update can take a lot of time to complete. 
| Please don't terminate the command as it could result in
| undesirable adapter state.
|
| Updating boot code...
|
! ERROR: Boot code is corrupted please retry with a good boot code image before rebooting the system. 
[182]
$ "$TESTDIR/../packages/make_optrom.py" --zero-length zero.bin && printf 'Version=3.0.0.0\nCARDTYPE=1602\nOPTROM=zero.bin\n' > boot.txt && "$TESTDIR/../packages/make_package.sh" zero.pkg boot.txt zero.bin && ixo-sim boot --update 1 zero.pkg
|
|
| Boot code update can take a lot of time to complete. 
| Please don't terminate the command as it could result in
| undesirable adapter state.
|
| Updating boot code...
|
! ERROR: Boot code is corrupted please retry with a good boot code image before rebooting the system. 
[182]
$ ixo-sim boot --update 1 missing.pkg
! ERROR: Specified file could not be found 
[105]
$ ixo-sim flash --query 1 | grep '^optrom\|^fw'
| optrom	0	0x10000   	0x40000   	0x30000   	good
| fw	0	0x50000   	0x180000  	0x140000  	good
# One adapter: the banner, the images in their partitions, the option ROM
# given the adapter's device id and new checksums.
$ ixo-sim boot --update 1 hba.pkg
|
|
| Boot code update can take a lot of time to complete. 
| Please don't terminate the command as it could result in
| undesirable adapter state.
|
| Updating boot code...
|
|
| Boot code updated successfully
| A reboot of the system is needed for the newly updated image to be effective
|
$ ixo-sim flash --read 1 -f f.bin -d 5000 && cmp fw.bin f.bin
| "fw" read successfully to "f.bin"
$ ixo-sim flash --read 1 -t c0.bin -d 8 && ixo-sim flash --read 1 -t c1.bin -i 1 -d 8 && cat c0.bin c1.bin
| "cfg" read successfully to "c0.bin"
| "cfg" read successfully to "c1.bin"
|% tunablestunables
$ ixo-sim flash --read 1 -o o.bin -d 1536 && "$TESTDIR/../packages/check_optrom.py" o.bin
| "optrom" read successfully to "o.bin"
| image at 0x0: devid 0x0021 code type 0 pnp devid 0x0021 sum ok pnp sum ok
| image at 0x400: devid 0x0021 code type 3 pnp devid 0x0000 sum ok pnp sum ok
# All adapters with a package for the HBA only, then for both.
$ ixo-sim boot --update hba.pkg -a
|
|
| Boot code update can take a lot of time to complete. 
| Please don't terminate the command as it could result in
| undesirable adapter state.
|
| Updating boot code...
|
| adapter id 2 boot update failed
| Boot code successfully updated for 1 out of 2 adapters
| A reboot of the system is needed for the newly updated image to be effective
|
! ERROR: Boot image is not for the adapter(s) installed 
!
! ERROR: Boot image is not for the adapter(s) installed 
[169]
$ printf 'Version=3.0.0.0\nCARDTYPE=1602\nFIRMWARE=fw.bin\n\nCARDTYPE=1002\nFIRMWARE=fw.bin # not this one\nFWCFG=cfg.bin\n' > boot.txt && "$TESTDIR/../packages/make_package.sh" -d both.pkg boot.txt fw.bin cfg.bin
$ ixo-sim boot --update both.pkg -a
|
|
| Boot code update can take a lot of time to complete. 
| Please don't terminate the command as it could result in
| undesirable adapter state.
|
| Updating boot code...
|
| Boot code successfully updated for 2 adapters
| A reboot of the system is needed for the newly updated image to be effective
|
$ ixo-sim flash --read 2 -t c.bin -d 8 && cat c.bin
| "cfg" read successfully to "c.bin"
|% tunables
$ ixo-sim flash --query 2 | grep '^fw'
| fw	0	0x50000   	0x180000  	0x140000  	good
# A write that fails halfway ends the update with its status.
$ xelsim fault add --fn 0000:05:00.0 --flash-half --once
| Fault added: 0000:05:00.0  0xC0184350  writes half, status 1  (once)
$ ixo-sim boot --update 1 hba.pkg
|
|
| Boot code update can take a lot of time to complete. 
| Please don't terminate the command as it could result in
| undesirable adapter state.
|
| Updating boot code...
|
! ERROR: Operation failed 
[1]
# The device id option.
$ ixo-sim boot --update 1 hba.pkg -d 13
|
|
| Boot code update can take a lot of time to complete. 
| Please don't terminate the command as it could result in
| undesirable adapter state.
|
| Updating boot code...
|
|
| Boot code updated successfully
| A reboot of the system is needed for the newly updated image to be effective
|
$ ixo-sim flash --read 1 -o o.bin -d 1536 && "$TESTDIR/../packages/check_optrom.py" o.bin
| "optrom" read successfully to "o.bin"
| image at 0x0: devid 0x0000 code type 0 pnp devid 0x0000 sum ok pnp sum ok
| image at 0x400: devid 0x0000 code type 3 pnp devid 0x0000 sum ok pnp sum ok
$ ixo-sim boot --update 1 hba.pkg -d 15
|
|
| Boot code update can take a lot of time to complete. 
| Please don't terminate the command as it could result in
| undesirable adapter state.
|
| Updating boot code...
|
! ERROR: Invalid device id provided 
[91]
$ ixo-sim boot --update 1 hba.pkg -d 99999
! ERROR: command "--update" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim boot --update 1 hba.pkg -d 1x
! ERROR: command "--update" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim boot --update 1 hba.pkg -x 13
! ERROR: command "--update" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim boot --update 1 hba.pkg -d
|
| Usage: ixo boot [OPTIONS] [ARGUMENTS] ...
| Direct boot code specific commands using this option
| Example: ixo boot --update <ad_id> <image_file>
| Available commands are:
| 	--blunZone -c BLUN -p <pwwn> -r <rpwwn> -l <lun>
| 		Prints the switch command that creates a zone for booting
| 		port <pwwn> from LUN <lun> of remote port <rpwwn>
| 		<lun> is 2 hex digits or the full LUN of 16 hex digits
|
| 	--update <ad_id> <image_file>
| 	--update <image_file> -a
| 		Update the boot code of the adapter from the boot image file
| 		-a: Update the boot code of all the adapters
|
|
| 	- ad_id could be any of:
| 		- adapter_index
| 		- serial number
| 		- adapter name
| 		- hw path
! ERROR: Too few arguments/options provided for the command "boot"
!
[161]
$ ixo-sim boot --update hba.pkg
|
| Usage: ixo boot [OPTIONS] [ARGUMENTS] ...
| Direct boot code specific commands using this option
| Example: ixo boot --update <ad_id> <image_file>
| Available commands are:
| 	--blunZone -c BLUN -p <pwwn> -r <rpwwn> -l <lun>
| 		Prints the switch command that creates a zone for booting
| 		port <pwwn> from LUN <lun> of remote port <rpwwn>
| 		<lun> is 2 hex digits or the full LUN of 16 hex digits
|
| 	--update <ad_id> <image_file>
| 	--update <image_file> -a
| 		Update the boot code of the adapter from the boot image file
| 		-a: Update the boot code of all the adapters
|
|
| 	- ad_id could be any of:
| 		- adapter_index
| 		- serial number
| 		- adapter name
| 		- hw path
! ERROR: Incorrect argument count for command "--update"
[166]
$ ixo-sim boot --update 9 hba.pkg
! ERROR: adapter id "9" in command is incorrect
[172]
# The zone of a boot LUN.
$ ixo-sim boot --blunZone -c BLUN -p 10:00:00:00:00:00:00:01 -r 50:00:00:00:00:00:00:02 -l FF
|
| Please copy the following line and run this command from the switch command line
| to create the zone.
| The zone name created below should be included in an effective cfg.
|
| zonecreate "XEL_1000000000000001_BLUN", "00:00:00:00:50:00:00:00; 00:00:00:01:00:00:00:02; 00:00:00:02:00:ff:00:00; 00:00:00:03:00:00:00:00" 
|
$ ixo-sim boot --blunZone -c BLUN -p 10:00:00:00:aa:bb:cc:01 -r 50:00:00:00:00:00:00:02 -l 0001000000000007
|
| Please copy the following line and run this command from the switch command line
| to create the zone.
| The zone name created below should be included in an effective cfg.
|
| zonecreate "XEL_10000000AABBCC01_BLUN", "00:00:00:00:50:00:00:00; 00:00:00:01:00:00:00:02; 00:00:00:02:00:01:00:00; 00:00:00:03:00:00:00:07" 
|
$ ixo-sim boot --blunZone -c BLUN -p 10:00:00:00:00:00:00:01 -r 50:00:00:00:00:00:00:02 -l F
|
| Usage: ixo boot [OPTIONS] [ARGUMENTS] ...
| Direct boot code specific commands using this option
| Example: ixo boot --update <ad_id> <image_file>
| Available commands are:
| 	--blunZone -c BLUN -p <pwwn> -r <rpwwn> -l <lun>
| 		Prints the switch command that creates a zone for booting
| 		port <pwwn> from LUN <lun> of remote port <rpwwn>
| 		<lun> is 2 hex digits or the full LUN of 16 hex digits
|
| 	--update <ad_id> <image_file>
| 	--update <image_file> -a
| 		Update the boot code of the adapter from the boot image file
| 		-a: Update the boot code of all the adapters
|
|
| 	- ad_id could be any of:
| 		- adapter_index
| 		- serial number
| 		- adapter name
| 		- hw path
! ERROR: Incorrect argument count for command "--blunZone"
[166]
$ ixo-sim boot --blunZone -c ZONE -p 10:00:00:00:00:00:00:01 -r 50:00:00:00:00:00:00:02 -l FF
|
| Usage: ixo boot [OPTIONS] [ARGUMENTS] ...
| Direct boot code specific commands using this option
| Example: ixo boot --update <ad_id> <image_file>
| Available commands are:
| 	--blunZone -c BLUN -p <pwwn> -r <rpwwn> -l <lun>
| 		Prints the switch command that creates a zone for booting
| 		port <pwwn> from LUN <lun> of remote port <rpwwn>
| 		<lun> is 2 hex digits or the full LUN of 16 hex digits
|
| 	--update <ad_id> <image_file>
| 	--update <image_file> -a
| 		Update the boot code of the adapter from the boot image file
| 		-a: Update the boot code of all the adapters
|
|
| 	- ad_id could be any of:
| 		- adapter_index
| 		- serial number
| 		- adapter name
| 		- hw path
! ERROR: Incorrect argument count for command "--blunZone"
[166]
$ ixo-sim boot --blunZone -c BLUN -p 10:00:00:00:00:00:00:01 -r 50:00:00:00:00:00:00 -l FF
|
| Usage: ixo boot [OPTIONS] [ARGUMENTS] ...
| Direct boot code specific commands using this option
| Example: ixo boot --update <ad_id> <image_file>
| Available commands are:
| 	--blunZone -c BLUN -p <pwwn> -r <rpwwn> -l <lun>
| 		Prints the switch command that creates a zone for booting
| 		port <pwwn> from LUN <lun> of remote port <rpwwn>
| 		<lun> is 2 hex digits or the full LUN of 16 hex digits
|
| 	--update <ad_id> <image_file>
| 	--update <image_file> -a
| 		Update the boot code of the adapter from the boot image file
| 		-a: Update the boot code of all the adapters
|
|
| 	- ad_id could be any of:
| 		- adapter_index
| 		- serial number
| 		- adapter name
| 		- hw path
! ERROR: Incorrect argument count for command "--blunZone"
[166]
