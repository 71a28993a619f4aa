# The partition table, and writing, reading and erasing partitions.
$ ixo-sim flash --query 1
| Flash status: good
| Total number of partitions are: 16
| Part attributes:
| type	inst	offset		size		length		status
| optrom	0	0x10000   	0x40000   	0x30000   	good
| fw	0	0x50000   	0x180000  	0x140000  	good
| cfg	0	0x1d0000  	0x10000   	0x1000    	good
| cfg	1	0x1e0000  	0x10000   	0x1000    	good
| drv	0	0x1f0000  	0x10000   	0x1000    	good
| drv	1	0x200000  	0x10000   	0x1000    	good
| boot	0	0x210000  	0x10000   	0x400     	good
| boot	1	0x220000  	0x10000   	0x400     	good
| mfg	0	0x230000  	0x10000   	0x100     	good
| vpd	0	0x240000  	0x10000   	0x200     	good
| pbc	0	0x250000  	0x10000   	0x200     	good
| pbc	1	0x260000  	0x10000   	0x200     	good
| bootovl	0	0x270000  	0x20000   	0x10000   	good
| log	0	0x290000  	0x40000   	0x0       	good
| portcfg	0	0x2d0000  	0x10000   	0x80      	good
| portcfg	1	0x2e0000  	0x10000   	0x80      	good
$ head -c 5000 /dev/urandom > fw.bin && ixo-sim flash --update 1 -f fw.bin
| "fw" updated successfully
$ ixo-sim flash --read 1 -f back.bin -d 5000 && cmp fw.bin back.bin
| "fw" read successfully to "back.bin"
$ ixo-sim flash --query 1 | grep '^fw'
| fw	0	0x50000   	0x180000  	0x1388    	good
$ ixo-sim flash --read 1 -f small.bin -d 1024 && cmp -n 1024 fw.bin small.bin && wc -c < small.bin
| "fw" read successfully to "small.bin"
| 1024
# Options are taken in table order: "-t" after "-o" is passed over.
$ printf 'tunables' > cfg.bin && printf 'rom' > rom.bin && ixo-sim flash --update 1 -o rom.bin -t cfg.bin
| "optrom" updated successfully
$ ixo-sim flash --read 1 -t t0.bin -d 4 && od -An -tx1 t0.bin
| "cfg" read successfully to "t0.bin"
|  ff ff ff ff
$ ixo-sim flash --update 1 -t cfg.bin -i 1 && ixo-sim flash --read 1 -t t1.bin -i 1 -d 8 && cat t1.bin
| "cfg" updated successfully
| "cfg" read successfully to "t1.bin"
|% tunables
# Failures reach the status; the walk goes on past them.
$ ixo-sim flash --update 1 -f missing.bin -t cfg.bin
| "cfg" updated successfully
! Error: Unable to open file "missing.bin"
! ERROR: Failed to open file 
[45]
$ ixo-sim flash --update 1 -f fw.bin -i 5
! Error: Invalid params Check input parameters 
!
! ERROR: Invalid params Check input parameters 
[2]
$ ixo-sim flash --update 1 -i 1 -f
! ERROR: command "--update" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim flash --update 1 -f
|
| Usage: ixo flash [OPTIONS] [ARGUMENTS] ...
! ERROR: Incorrect argument count for command "--update"
[166]
$ ixo-sim flash --update 1 -x fw.bin
! ERROR: command "--update" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim flash --read 1 -f x.bin -d 0
! ERROR: command "--read" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim flash --read 1 -f x.bin -d 99999999999
! ERROR: command "--read" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim flash --read 1 -f x.bin -i 256
! ERROR: command "--read" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim flash --read 1 -f x.bin -i
! ERROR: command "--read" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim flash --read 1 -f /nonexistent/dir/x.bin
! Error: Failed to open file 
!
! ERROR: Failed to open file 
[45]
# The pre-boot configuration is read whole, with a dump of 16-bit words.
$ printf '\001\002\003\004\005\006\007\010\011\012\013\014\015\016\017\020\021\022\023' > pbc.bin && ixo-sim flash --update 1 -p pbc.bin
| "pbc" updated successfully
$ ixo-sim flash --read 1 -p p.bin && cmp pbc.bin p.bin && cat p.bin.hex
| "pbc" read successfully to "p.bin"
| 00000000	0201	0403	0605	0807	0a09	0c0b	0e0d	100f	
|% 00000010	1211	0013	
$ python3 -c 'import struct,sys; d=open("p.bin","rb").read()+b"\0"; w=[struct.unpack_from("<H",d,i)[0] for i in range(0,len(d)-1,2)]; sys.stdout.write("\n".join("%08x\t"%(16*r)+"".join("%04x\t"%x for x in w[8*r:8*r+8]) for r in range((len(w)+7)//8)))' > expect.hex && cmp expect.hex p.bin.hex
# Erasing asks first; only a whole "yes" or "y" goes ahead.
$ ixo-sim flash --erase 1 -f
< no
| This operation will erase "fw" part of flash, Do you wish to continue?[yes/no]
$ ixo-sim flash --erase 1 -f
< yesyes
| This operation will erase "fw" part of flash, Do you wish to continue?[yes/no]
$ ixo-sim flash --erase 1 -f
| This operation will erase "fw" part of flash, Do you wish to continue?[yes/no]
$ ixo-sim flash --query 1 | grep '^fw'
| fw	0	0x50000   	0x180000  	0x1388    	good
$ ixo-sim flash --erase 1 -o -f
< y
| This operation will erase "optrom" part of flash, Do you wish to continue?[yes/no]
| Successfully erased "optrom" part of the flash
$ ixo-sim flash --query 1 | grep '^optrom\|^fw'
| optrom	0	0x10000   	0x40000   	0x0       	good
| fw	0	0x50000   	0x180000  	0x1388    	good
$ ixo-sim flash --read 1 -o erased.bin -d 16 && od -An -tx1 erased.bin
| "optrom" read successfully to "erased.bin"
|  ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff ff
$ ixo-sim flash --erase 1 -i 2
$ ixo-sim flash --erase 1 -t -i 1
< yes
| This operation will erase "cfg" part of flash, Do you wish to continue?[yes/no]
| Successfully erased "cfg" part of the flash
$ ixo-sim flash --erase 1 -z
! ERROR: command "--erase" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim flash --erase 1 -a
< yes
| This operation will erase all parts of flash, Do you wish to continue?[yes/no]
| Flash Erase successful
$ ixo-sim flash --query 1 | grep -c '0x0       	good'
| 16
# The ASIC block is on device 0x22 only.
$ ixo-sim flash --dumpasicblk 1 asic.bin
! ERROR: This feature is not supported on this Model or Mode of the Adapter 
[192]
$ ixo-sim flash --dumpasicblk 2 asic.bin && wc -c < asic.bin
| Asic block read successfully to "asic.bin"
| 10240
$ ixo-sim flash --doptrom 1
| Successfully disabled the optrom
$ ixo-sim flash --eoptrom 1
| Successfully enabled the optrom
# A write that fails halfway, and one that reads back other bytes.
$ xelsim fault add --fn 0000:05:00.0 --flash-half --once
| Fault added: 0000:05:00.0  0xC0184350  writes half, status 1  (once)
$ ixo-sim flash --update 1 -f fw.bin
! Error: Operation failed 
!
! ERROR: Operation failed 
[1]
$ ixo-sim flash --query 1 | grep '^fw'
| fw	0	0x50000   	0x180000  	0x9c4     	good
$ xelsim fault add --fn 0000:05:00.0 --flash-corrupt --once
| Fault added: 0000:05:00.0  0xC0184351  reads back other bytes  (once)
$ ixo-sim flash --update 1 -f fw.bin
! Error: Operation failed 
!
! ERROR: Operation failed 
[1]
$ ixo-sim flash --read 1 -f back.bin -d 5000 && cmp fw.bin back.bin
| "fw" read successfully to "back.bin"
