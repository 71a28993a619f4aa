# The FRU VPD area of the default host's adapters holds 10000 bytes: the
# transfer takes two whole slices of 4096 and a shorter last one.
$ ixo-sim fruvpd --read 1 fru.bin && wc -c < fru.bin
| fru vpd data read successfully to fru.bin
| 10000
$ head -c 10000 /dev/urandom > new.bin && ixo-sim fruvpd --update 1 new.bin
| Updating fru vpd data may take time.
| Please do not terminate the process.
| fru vpd data successfully updated
$ xelsim log --clear && ixo-sim fruvpd --read 1 fru.bin && cmp fru.bin new.bin
| Warning overwriting file fru.bin exists.
| fru vpd data read successfully to fru.bin
$ xelsim log | grep -c '0xD010436C status 0'
| 3
# The other adapter's area is its own.
$ ixo-sim fruvpd --read 2 other.bin > /dev/null && cmp -s other.bin new.bin
[1]
# Refused: a file larger than the area, an empty one, a missing one.
$ head -c 10001 /dev/zero > big.bin && ixo-sim fruvpd --update 1 big.bin
| Updating fru vpd data may take time.
| Please do not terminate the process.
! ERROR: fru vpd file is invalid 
[241]
$ : > empty.bin && ixo-sim fruvpd --update 1 empty.bin
| Updating fru vpd data may take time.
| Please do not terminate the process.
! ERROR: Operation failed 
[1]
$ ixo-sim fruvpd --update 1 missing.bin
| Unable to open file missing.bin
! ERROR: Please check the string "missing.bin"
[175]
$ ixo-sim fruvpd --read 1 fru.bin > /dev/null && cmp fru.bin new.bin

# The manufacturing block: every word is checked before anything is sent.
$ xelsim log --clear
$ ixo-sim mfg --update 1 SN1234567890 PN1 1602 2 hba 10:00:00:00:00:00:00:01
! ERROR: command "--update" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim mfg --update 1 SN123 PN1 X 2 cna 10:00:00:00:00:00:00:01
! ERROR: Card model is incorrect
[180]
$ ixo-sim mfg --update 1 SN123 PN1 12345678901234567 2 hba 10:00:00:00:00:00:00:01
! ERROR: Card model is incorrect
[180]
$ ixo-sim mfg --update 1 SN123 PN1 1602 0 hba 10:00:00:00:00:00:00:01
! ERROR: Port count is incorrect
[182]
$ ixo-sim mfg --update 1 SN123 PN1 1602 two hba 10:00:00:00:00:00:00:01
! ERROR: Port count is incorrect
[182]
$ ixo-sim mfg --update 1 SN123 PN1 1602 2 hba 10:00:00:00:00:00
! ERROR: Incorrectly formatted WWN
[168]
$ ixo-sim mfg --update 2 SN123 PN1 1002 2 cna 10:00:00:00:00:00:00:01 00:7a:3c:06:22:zz
! ERROR: Incorrectly formatted MAC
[169]
$ ixo-sim mfg --update 2 SN123 PN1 1002 2 cna 10:00:00:00:00:00:00:01 --cap CNA
! ERROR: Incorrectly formatted MAC
[169]
$ ixo-sim mfg --update 1 SN123 PN1 1602 2 hba 10:00:00:00:00:00:00:01 00:7a:3c:05:10:00
! ERROR: MAC option is not valid for HBA mode
[186]
$ ixo-sim mfg --update 2 SN123 PN1 1002 2 cna 10:00:00:00:00:00:00:01 00:7a:3c:06:22:00 --cap HBA,FOO
! ERROR: Card capabilities mask is incorrect
[181]
$ ixo-sim mfg --update 2 SN123 PN1 1002 2 cna 10:00:00:00:00:00:00:01 00:7a:3c:06:22:00 --cap HBA
! ERROR: MAC option is not valid for HBA mode
[186]
$ ixo-sim mfg --update 2 SN123 PN1 1002 2 cna 10:00:00:00:00:00:00:01 00:7a:3c:06:22:00 --cap CNA --cap NIC > /dev/null
! ERROR: Incorrect argument count for command "--update"
[166]
$ ixo-sim mfg --update 2 SN123 PN1 1002 2 cna 10:00:00:00:00:00:00:01 00:7a:3c:06:22:00 --cap CNA --ablk > /dev/null
! ERROR: Incorrect argument count for command "--update"
[166]
$ ixo-sim mfg --update 2 SN123 PN1 1002 2 cna 10:00:00:00:00:00:00:01 00:7a:3c:06:22:00 --speed 10 > /dev/null
! ERROR: Incorrect argument count for command "--update"
[166]
$ ixo-sim mfg --update 1 SN123 PN1 9999 2 hba 10:00:00:00:00:00:00:01
! ERROR: Invalid params Check input parameters 
[2]
# A part number longer than its 16-byte field, and an ASIC block file too
# short for the byte it must set, are refused before the request.
$ ixo-sim mfg --update 1 SN123 PN3456789012345678 1602 2 hba 10:00:00:00:00:00:00:01
! ERROR: Invalid params Check input parameters 
[2]
$ head -c 20 /dev/zero > short.bin && ixo-sim mfg --update 2 SN123 PN1 1002 2 cna 10:00:00:00:00:00:00:01 00:7a:3c:06:22:00 --cap CNA --ablk short.bin
! ERROR: Invalid params Check input parameters 
[2]
$ xelsim log | grep -c 0xC1144352
| 0
[1]
# Written: the block in partition 7, and for a newer card type its
# capabilities and the ASIC block with the NIC load bit (byte 31, 0x04).
$ ixo-sim mfg --update 1 SN123 PN-16G 1602 2 hba 10:00:00:00:00:00:00:01
| Successfully updated the mfg block
| A host reboot is needed for the changes to be effective
|
$ ixo-sim flash --read 1 -m mfg.bin > /dev/null && od -An -c -N32 mfg.bin
|  003   M   F   G 001  \0  \0  \0   S   N   1   2   3  \0  \0  \0
|   \0  \0  \0  \0   P   N   -   1   6   G  \0  \0  \0  \0  \0  \0
$ head -c 64 /dev/zero > asic.bin && ixo-sim mfg --update 2 SN456 PN-CNA 1002 2 cna 10:00:00:7a:3c:06:20:00 00:7a:3c:06:22:00 --cap CNA,NIC,hba --ablk asic.bin
| Successfully updated the mfg block
| A host reboot is needed for the changes to be effective
|
$ ixo-sim flash --read 2 -m mfg.bin > /dev/null && od -An -tx1 -j128 -N12 mfg.bin && od -An -c -j148 -N4 mfg.bin
|  00 00 03 ea 79 79 79 00 00 00 00 02
|    c   n   a  \0
$ ixo-sim flash --read 2 -s asic2.bin > /dev/null && od -An -tx1 -j28 -N4 asic2.bin
|  00 00 00 04
# The mode change reads the capabilities just written.
$ ixo-sim adapter --mode 2 nic | tail -3
| Adapter mode is configured successfully.
| A host reboot is needed for the changes to be effective. You may also have to change the SFP to match the new mode.
|

# An adapter without a FRU area answers 240 to every FRU request.
$ printf '%s\n' '{"adapters": [{"fru_size": 0, "functions": [{"pci": "0000:05:00.0", "type": "fc", "port": 0}]}]}' > nofru.json && xelsim create nofru.json > /dev/null
$ ixo-sim fruvpd --read 1 none.bin
! ERROR: fru module not present 
[240]
$ ixo-sim fruvpd --update 1 new.bin
| Updating fru vpd data may take time.
| Please do not terminate the process.
! ERROR: fru module not present 
[240]
