# The adapter's sensors: the HBA (device 0x21) and the converged adapter
# (device 0x22) convert the same raw junction reading each by their own
# curve; the board sensor counts half degrees.
$ ixo-sim diag --tempshow 1
| Junction temperature :	45.102191 C
| Board tempsensor     :	35.500000 C
$ ixo-sim diag --tempshow 2
| Junction temperature :	45.554000 C
| Board tempsensor     :	35.500000 C
$ ixo-sim diag --tempshow 3
! ERROR: adapter id "3" in command is incorrect
[172]
# A sensor the firmware could not read is a failure, not a reading.
$ xelsim fault add --fn 0000:05:00.0 --cmd 0xC0184313 --result 1 --once
| Fault added: 0000:05:00.0  0xC0184313  result 1  (once)
$ ixo-sim diag --tempshow 1
! ERROR: Operation failed 
[1]

# FC loopback: refused on an enabled port, with nothing printed of its own.
$ ixo-sim diag --loopback 1/0
! ERROR: Port not disabled disable port first 
[47]
$ ixo-sim port --disable 1/0
| port disabled
$ xelsim log --clear
$ ixo-sim diag --loopback 1/0
| Sending 131072 loopback frames, with 0xb5b5b5b5 data pattern...
| Loopback test status for port 1/0 is "Success "
# The frame count and the pattern travel big-endian; without a speed the
# HBA port loops back at 4G (0xC0304316).
$ xelsim log | grep 0xC0304316
| xel 0   0xC0304316 status 0     0000:05:00.0
$ ixo-sim diag --loopback 1/0 -t int -s 16 -c 100 -p 1234abcd
| Sending 100 loopback frames, with 0x1234abcd data pattern...
| Loopback test status for port 1/0 is "Success "
# A speed the SFP does not run is refused before the loopback request.
$ xelsim log --clear
$ ixo-sim diag --loopback 1/0 -s 1
! ERROR: Speed setting is not supported by SFP 
[220]
$ xelsim log | grep -c 0xC0304316
| 0
[1]
# Cable loopback without the cable looped back: no frame comes back and
# the test fails, even though the request itself succeeded.
$ ixo-sim diag --loopback 1/0 -t ext -c 10
| Sending 10 loopback frames, with 0xb5b5b5b5 data pattern...
| Tx frames = 10;	Rx frames = 0;	OSF frames = 0
! ERROR: Operation failed 
[1]
# A test that finds a bad frame header, reported in the result alone:
# the counts and both mismatch lines, and the command fails.
$ xelsim fault add --fn 0000:05:00.0 --cmd 0xC0304316 --result 48 --once
| Fault added: 0000:05:00.0  0xC0304316  result 48  (once)
$ ixo-sim diag --loopback 1/0 -c 20
| Sending 20 loopback frames, with 0xb5b5b5b5 data pattern...
| Tx frames = 20;	Rx frames = 19;	OSF frames = 0
| Mis-match frame number = 1
| 	Mis-match frame info = 16
! ERROR: Bad frame header 
[48]
# The same status as the driver's answer.
$ xelsim fault add --fn 0000:05:00.0 --cmd 0xC0304316 --status 48 --once
| Fault added: 0000:05:00.0  0xC0304316  status 48  (once)
$ ixo-sim diag --loopback 1/0 -c 20
| Sending 20 loopback frames, with 0xb5b5b5b5 data pattern...
| Tx frames = 0;	Rx frames = 0;	OSF frames = 0
| Mis-match frame number = 0
| 	Mis-match frame info = 0
! ERROR: Bad frame header 
[48]
# Argument errors: an option twice, an option without its value, a count
# of 0, a count beyond 32 bits, an unknown word, a bad type, speed or
# pattern. A count of one million is accepted.
$ ixo-sim diag --loopback 1/0 -t int -t ext > /dev/null
! ERROR: Incorrect argument count for command "--loopback"
[166]
$ ixo-sim diag --loopback 1/0 -c
! ERROR: command "--loopback" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --loopback 1/0 -c 0
! ERROR: command "--loopback" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --loopback 1/0 -c 4294967296
! ERROR: command "--loopback" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --loopback 1/0 -c 12x
! ERROR: command "--loopback" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --loopback 1/0 -x 1
! ERROR: command "--loopback" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --loopback 1/0 -t loop
! ERROR: command "--loopback" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --loopback 1/0 -s 3
! ERROR: command "--loopback" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --loopback 1/0 -p 0x12
! ERROR: command "--loopback" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --loopback 1/0 -c 1000000 | head -1
| Sending 1000000 loopback frames, with 0xb5b5b5b5 data pattern...
# An internal loopback runs only on a port in HBA mode.
$ ixo-sim port --disable 2/0
| port disabled
$ ixo-sim diag --loopback 2/0 -t int
! ERROR: Internal loopback is supported for a port in HBA mode only. 
[219]
$ ixo-sim diag --loopback 2/0
| Sending 131072 loopback frames, with 0xb5b5b5b5 data pattern...
| Loopback test status for port 2/0 is "Success "

# Ethernet loopback, on the network driver: refused on an enabled port,
# then run; "int" is not an Ethernet loopback and the count stops at
# 131072.
$ ixo-sim diag --ethloopback 2/1
| Sending 131072 loopback frames, with 0xb5b5b5b5 data pattern...
| Tx frames = 0;	Rx frames = 0;	OSF frames = 0
! ERROR: Port not disabled disable port first 
[47]
$ ixo-sim diag --ethloopback 2/0 -c 64 -p ff
| Sending 64 loopback frames, with 0xff data pattern...
| Ethernet loopback test status for port 2/0 is "Success "
$ ixo-sim diag --ethloopback 2/0 -t int
! ERROR: command "--ethloopback" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --ethloopback 2/0 -c 131073
! ERROR: command "--ethloopback" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --ethloopback 2/0 -c 1000000
! ERROR: command "--ethloopback" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --ethloopback 2/0 -s 10
! ERROR: command "--ethloopback" syntax is incorrect or one of the parameters is incorrect
[167]
# A failed result never comes back as success.
$ xelsim fault add --fn 0000:06:00.2 --cmd 0xC02C431D --result 136 --once
| Fault added: 0000:06:00.2  0xC02C431D  result 136  (once)
$ ixo-sim diag --ethloopback 2/0 -c 64
| Sending 64 loopback frames, with 0xb5b5b5b5 data pattern...
| Tx frames = 64;	Rx frames = 63;	OSF frames = 0
| Mis-match frame number = 1;	Mis-match frame info = 16
! ERROR: Ethernet loopback test failed 
[136]
$ xelsim log | grep 0xC02C441D
| kwo 1   0xC02C441D status 47    0000:06:00.3
| kwo 0   0xC02C441D status 0     0000:06:00.2
| kwo 0   0xC02C441D status 0     0000:06:00.2
$ ixo-sim port --enable 2/0
| port enabled

# PCI loopback: the pattern, then an optional count.
$ ixo-sim diag --pciloopback 1/0/0 a5a5
| Sending 1 loopback frames, with 0xa5a5 data pattern...
| diag pciloopback for port 1/0/0 is successful
$ ixo-sim diag --pciloopback 1/1/1 a5a5 -c 8
| Sending 8 loopback frames, with 0xa5a5 data pattern...
| diag pciloopback for port 1/1/1 is successful
$ ixo-sim diag --pciloopback 1/0/0 a5a5 -c
! ERROR: command "--pciloopback" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --pciloopback 1/0/0 a5a5 -n 8
! ERROR: command "--pciloopback" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --pciloopback 1/0/0 a5a5 -c 0
! ERROR: command "--pciloopback" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --pciloopback 1/0/0 a5a5z
! ERROR: command "--pciloopback" syntax is incorrect or one of the parameters is incorrect
[167]
# The firmware echoed the wrong data: its result says so.
$ xelsim fault add --fn 0000:05:00.0 --cmd 0xC0204317 --result 1 --once
| Fault added: 0000:05:00.0  0xC0204317  result 1  (once)
$ ixo-sim diag --pciloopback 1/0/0 a5a5
| Sending 1 loopback frames, with 0xa5a5 data pattern...
! ERROR: Operation failed 
[1]

# Queue test: all queues, or one of 0 to 3.
$ ixo-sim diag --queuetest 1/0
| diag queuetest for all queues are successful
$ ixo-sim diag --queuetest 1/0 -q 2
| diag queuetest for queue 2 is successful
$ ixo-sim diag --queuetest 1/0 -q 4
! ERROR: command "--queuetest" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim diag --queuetest 1/0 -q
! ERROR: command "--queuetest" syntax is incorrect or one of the parameters is incorrect
[167]
$ xelsim fault add --fn 0000:05:00.1 --cmd 0xC0184318 --result 1 --once
| Fault added: 0000:05:00.1  0xC0184318  result 1  (once)
$ ixo-sim diag --queuetest 1/1
! ERROR: Operation failed 
[1]

# Memory test: refused while the adapter's functions are enabled.
$ ixo-sim diag --memtest 1
|
|
| Memtest could take minutes to complete. 
| Please don't terminate the command as it could result in
| undesirable adapter state.
|
! ERROR: Adapter is not disabled disable adapter first 
[60]
# Disabled first, it runs; enabled again, it is refused again.
$ ixo-sim adapter --disable 1 && ixo-sim diag --memtest 1 | tail -1
| adapter id 1 disabled
| diag memtest successful
$ ixo-sim adapter --enable 1 && ixo-sim diag --memtest 1 > /dev/null
| adapter id 1 enabled
! ERROR: Adapter is not disabled disable adapter first 
[60]
$ cat > off.json
< {"adapters": [{"functions": [
<   {"pci": "0000:05:00.0", "type": "fc", "port": 0, "enabled": false},
<   {"pci": "0000:05:00.1", "type": "fc", "port": 1, "enabled": false}]}]}
$ xelsim create off.json
| Created the emulated host from file off.json: 2 PCI functions
$ ixo-sim diag --memtest 1
|
|
| Memtest could take minutes to complete. 
| Please don't terminate the command as it could result in
| undesirable adapter state.
|
| diag memtest successful
# A failing word: the result, and the test's status.
$ xelsim fault add --fn 0000:05:00.0 --cmd 0xC0384315 --result 90 --once
| Fault added: 0000:05:00.0  0xC0384315  result 90  (once)
$ ixo-sim diag --memtest 1
|
|
| Memtest could take minutes to complete. 
| Please don't terminate the command as it could result in
| undesirable adapter state.
|
| status:	0x5a
| addr:	0x400100
| expected value:	0xa5a5a5a5
| actual value:	0xa5a4a5a5
| error state:	0x1
| error address:	0x400100
| algorithm:	marchy
! ERROR: Memory test failed contact support 
[90]
