# A NIC's partitions are written and read through ethtool on its
# interface, each instance at its own place in the flash.
$ printf '%s\n' '{"adapters": [{"functions": [' '  {"pci": "0000:08:00.0", "type": "eth", "port": 0},' '  {"pci": "0000:08:00.1", "type": "eth", "port": 1}]}]}' > nic.json
$ xelsim create nic.json
| Created the emulated host from file nic.json: 2 PCI functions
$ printf 'port zero' > c0.bin && printf 'port one' > c1.bin
$ ixo-sim flash --update 1 -t c0.bin && ixo-sim flash --update 1 -t c1.bin -i 1
| "cfg" updated successfully
| "cfg" updated successfully
$ ixo-sim flash --read 1 -t r0.bin -d 9 && ixo-sim flash --read 1 -t r1.bin -i 1 -d 8 && cmp c0.bin r0.bin && cmp c1.bin r1.bin
| "cfg" read successfully to "r0.bin"
| "cfg" read successfully to "r1.bin"
$ head -c 70000 /dev/urandom > fw.bin && ixo-sim flash --update 1 -f fw.bin
| "fw" updated successfully
$ ixo-sim flash --read 1 -f back.bin -d 70000 && cmp fw.bin back.bin
| "fw" read successfully to "back.bin"
$ ixo-sim flash --update 1 -f fw.bin -i 1
! Error: Invalid params Check input parameters 
!
! ERROR: Invalid params Check input parameters 
[2]

# The write and its read-back both need the partition table: it is asked
# for once.
$ xelsim log --clear && ixo-sim flash --update 1 -t c1.bin -i 1
| "cfg" updated successfully
$ xelsim log | grep 0xC410444E
| kwo 0   0xC410444E status 0     0000:08:00.0

# Flash faults meet the ethtool requests as they meet the storage
# driver's: a write cut short fails with the driver's EIO and keeps half
# its data, a read that answers other bytes fails the read-back.
$ xelsim fault add --fn 0000:08:00.0 --flash-half --once
| Fault added: 0000:08:00.0  0xC0184350  writes half, status 1  (once)
$ ixo-sim flash --update 1 -t c0.bin
! Error: I/O error 
!
! ERROR: I/O error 
[42]
$ ixo-sim flash --query 1 | grep '^cfg	0'
| cfg	0	0x1d0000  	0x10000   	0x4       	good
$ xelsim fault add --fn 0000:08:00.0 --flash-half --once
| Fault added: 0000:08:00.0  0xC0184350  writes half, status 1  (once)
$ ixo-sim flash --update 1 -f fw.bin
! Error: I/O error 
!
! ERROR: I/O error 
[42]
$ xelsim fault add --fn 0000:08:00.0 --flash-corrupt --once
| Fault added: 0000:08:00.0  0xC0184351  reads back other bytes  (once)
$ ixo-sim flash --update 1 -t c0.bin
! Error: Operation failed 
!
! ERROR: Operation failed 
[1]
$ xelsim fault list && ixo-sim flash --read 1 -t r0.bin -d 9 && cmp c0.bin r0.bin
| No faults
| "cfg" read successfully to "r0.bin"
