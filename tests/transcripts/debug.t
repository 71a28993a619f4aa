# A register written reads back; nine words take two address lines, the
# second 32 bytes on. Word 0 holds the PCI ids.
$ ixo-sim debug --regwrite 1/0/0 100 deadbeef
| address is 0x100
|  and value is 0xdeadbeef
$ ixo-sim debug --regread 1/0/0 100
| data read from address: 100 length: 1 is:
| 00000100: deadbeef 
$ ixo-sim debug --regread 1/0/0 0x100 9 --force | cut -c1-18
| data read from add
| 00000100: deadbeef
| 00000120: fe68e162
$ ixo-sim debug --regread 1/0/0 0 --force 1
| data read from address: 0 length: 1 is:
| 00000000: 00217a3c 
$ ixo-sim debug --regwrite 1/0/0 104 1 --force
| address is 0x104
|  and value is 0x1
$ ixo-sim debug --regread 1/0/0 104 1 --force
| data read from address: 104 length: 1 is:
| 00000104: 00000001 

# Refused before anything is read or written: words that are no hexadecimal, counts
# that are no number, zero or beyond the register window, a seventh word
# that is not --force.
$ ixo-sim debug --regread 1/0/0 xyz
! ERROR: command "--regread" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim debug --regread 1/0/0 100 0
! ERROR: command "--regread" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim debug --regread 1/0/0 100 4294967297
! ERROR: command "--regread" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim debug --regread 1/0/0 100 2 -f > /dev/null
! ERROR: Incorrect argument count for command "--regread"
[166]
$ ixo-sim debug --regwrite 1/0/0 100 1ffffffff
! ERROR: command "--regwrite" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim debug --regwrite 1/0/0 100 1 force > /dev/null
! ERROR: Incorrect argument count for command "--regwrite"
[166]
# The emulated driver refuses words beyond its window.
$ ixo-sim debug --regread 1/0/0 7fffc 2
! ERROR: Operation failed 
[1]

# The firmware core arrives in chunks, the last with offset 0; the file is
# their concatenation, checked against the emulated firmware's bytes.
$ xelsim log --clear
$ ixo-sim debug --fcoresave 1/0/0 core.bin
$ xelsim log | grep -c 0xC0204327
| 3
$ python3 -c "d = open('core.bin', 'rb').read(); print(len(d), all(b == (i * 7 + (i >> 12)) & 0xff for i, b in enumerate(d)))"
| 40000 True
# A chunk the driver refuses ends the save with its status.
$ xelsim fault add --fn 0000:05:00.0 --cmd 0xC0204327 --status 2 --after 1 --once > /dev/null
$ ixo-sim debug --fcoresave 1/0/0 part.bin
! ERROR: Invalid params Check input parameters 
[2]
$ wc -c < part.bin
| 16384
$ ixo-sim debug --fcoresave 1/0/0 nodir/core.bin
! ERROR: Failed to open file 
[45]

# The traces and the driver state, written where the path says.
$ ixo-sim debug --dtrc 1/0/0 drv.txt
$ cat drv.txt
| xel drvtrc 0000:05:00.0
| 00000001 probe        0000:05:00.0 vendor 0x7a3c device 0x0021
| 00000002 ioc_attach   driver xel 4.2.0.7
| 00000003 scsi_host    host2
| 00000004 ioc_enable   port 0
| 00000005 ioc_state    operational
$ ixo-sim debug --dstop 1/0/0
| Driver tracing has been stopped
$ ixo-sim debug --dtrc 1/0/0 drv.txt
$ tail -1 drv.txt
| 00000006 trace_stop   driver tracing stopped
$ ixo-sim debug --dstart 1/0/0
| Driver tracing has been started
$ ixo-sim debug --dsave 1/0/0 state.bin
$ cat state.bin
| xel drvstate 0000:05:00.0
| ioc_state operational
| name 
| coalesce 1 delay 1000 latency 250
| drv_trace on
$ ixo-sim debug --ftrc 1/0/0 fw.txt
$ cat fw.txt
| xel fwtrc 0000:05:00.0
| 00000001 fw_boot      firmware 4.2.0.7
| 00000002 hb_start     heartbeat running
| 00000003 port_cfg     port 0 max speed 16G
| 00000004 ioc_state    operational
$ ixo-sim debug --fsave 1/0/0 saved.txt
$ cat saved.txt
| xel fwsave 0000:05:00.0
| 00000001 fw_save      no firmware fault since boot
$ ixo-sim debug --fsaveclr 1/0/0
$ ixo-sim debug --fsave 1/0/0 saved.txt
$ cat saved.txt
| xel fwsave 0000:05:00.0
# The network driver answers its own driver trace request.
$ xelsim log --clear
$ ixo-sim debug --dtrc 2/0/2 eth.txt
$ cat eth.txt
| kwo drvtrc 0000:06:00.2
| 00000001 probe        0000:06:00.2 vendor 0x7a3c device 0x0022
| 00000002 ioc_attach   driver kwo 4.2.0.7
| 00000003 ioc_enable   port 0
| 00000004 ioc_state    operational
$ xelsim log | grep -c 0xC0204422
| 1
$ ixo-sim debug --dsave 1/0/0 /nonexistent/state.bin
! ERROR: Failed to open file 
[45]

# Driver memory: the base, then words from an offset, eight to a line.
$ ixo-sim debug --membase 1/0/0
| Memory Base = ffffc90000000000
$ ixo-sim debug --memread 1/0/0 1000 10
| 1000: 00001000 00001004 00001008 0000100c 00001010 00001014 00001018 0000101c 
| 1020: 00001020 00001024 
$ ixo-sim debug --memread 1/0/0
| 0: 00000000 
$ ixo-sim debug --memread 1/0/0 1000 1025
! ERROR: command "--memread" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim debug --memread 1/0/0 zz
! ERROR: command "--memread" syntax is incorrect or one of the parameters is incorrect
[167]

# Firmware tracing cannot be switched; the IM driver trace is not there.
$ ixo-sim debug --fstart 1/0/0
! ERROR: Command/API not supported 
[26]
$ ixo-sim debug --fstop 1/0/0
! ERROR: Command/API not supported 
[26]
$ ixo-sim debug --itrc anything
! ERROR: Command/API not supported 
[26]

# The port log: integer records as big-endian words, a string that fills
# its whole entry cut at the entry's 32 characters; cleared, it is empty.
$ ixo-sim debug --portlog 1/0/0
| Total records present = 3
| ------------------------------------------------------------------------------
| Time Stamp          Module   Event    Len  Log info
| ------------------------------------------------------------------------------
| Jan 01 00:00:00 2026 Debug    iocstop  12   00000000,00000010,deadbeef
| Jan 01 00:00:02 2026 Driver   pstop    14   link up at 16G
| Jan 01 00:00:03 2026 HAL      pstchg   32   fabric login accepted, pid 0a100
| ---------------------------------------------------------------------------
$ ixo-sim debug --portlogclear 1/0/0
| port log is successfully cleared
$ ixo-sim debug --portlog 1/0/0
| Portlog is empty
$ ixo-sim debug --portlog 1/1/1 | head -1
| Total records present = 3
$ ixo-sim debug --portlog 2/0/2
! ERROR: Could not find Storage functionality on the port (or adapter) "2/0/2"
[177]

# Port log control: the vHBA attributes say whether the log records; a
# switch to the state it is in is refused.
$ ixo-sim debug --portlogctl 1/0/0 enable
! ERROR: Port Log is already enabled 
[103]
$ ixo-sim debug --portlogctl 1/0/0 disable
| port log disabled
$ ixo-sim debug --portlog 1/0/0
| Portlog disabled
$ ixo-sim debug --portlogctl 1/0/0 disable
! ERROR: Port Log is already disabled 
[104]
$ ixo-sim vhba --query 1/0/0 | grep Portlog
| Portlog				: Disabled
$ ixo-sim debug --portlogctl 1/0/0 enable
| port log enabled
$ ixo-sim debug --portlog 1/0/0
| Portlog is empty
$ ixo-sim debug --portlogctl 1/0/0 Enable
! ERROR: command "--portlogctl" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim debug --portlogctl 2/0/2 enable
! ERROR: Could not find Storage functionality on the port (or adapter) "2/0/2"
[177]
