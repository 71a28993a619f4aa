# The FCP initiator module: path time-out, profiling, nexus query and
# statistics, throttle, LUN masking and the LUN list, the I/O monitor.

# The path time-out is kept in the configuration file; 61 is refused
# before any request goes out.
$ ixo-sim fcpim --pathtov 1/0 60
| path timeout is set to 60
$ grep pathtov $IXO_SIM_ROOT/etc/xel.conf
| xel0-pathtov = 60;
$ xelsim log --clear
$ ixo-sim fcpim --pathtov 1/0 61
! ERROR: command "--pathtov" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim fcpim --pathtov 1/0 -1
! ERROR: command "--pathtov" syntax is incorrect or one of the parameters is incorrect
[167]
$ xelsim log | grep -c 0xC008B801
| 0
[1]
$ ixo-sim vhba --query 1/0/0 | grep -i "path tov"
| Path TOV			: 60 seconds

# The driver keeps no I/O profile until profiling is on.
$ ixo-sim fcpim --query 1/0 50:00:7a:3c:a0:05:10:00
| FCP IM state                      : online
| Data retransmission support       : Not Supported
| REC support                       : Not Supported
| Task retry identification support : Not Supported
| Confirmed completions support     : Not Supported
| IO profile support:                OFF
$ ixo-sim fcpim --profile_on 1/0
| fcpim profile is ON
| Warning: fcpim profile ON will affect IO Performance
$ ixo-sim fcpim --query 1/0 50:00:7a:3c:a0:05:10:00 | sed -n '6,12p;21,25p'
| IO profile start time             : 0
| IO completions:
|       < 512B                      : 0
|       512B to < 1K                : 0
|       1K   to < 2K                : 0
|       2K   to < 4K                : 600
|       4K   to < 8K                : 600
|       > 2M                        : 0
| IO latency based in IO size in Millisecond:
|       < 512B               
|               min                 : 0
|               max                 : 0
$ ixo-sim fcpim --profile_off 1/0
| fcpim profile is OFF
$ ixo-sim fcpim --query 1/0 50:00:7a:3c:a0:05:10:00 | tail -1
| IO profile support:                OFF
$ ixo-sim fcpim --query 1/0 50:00:7a:3c:a0:05:10:09
! ERROR: RPORT PWWN not found 
[19]
$ ixo-sim fcpim --query 1/0 nonsense
! ERROR: Incorrectly formatted WWN
[168]
# A transport failure is the command's failure, not its success.
$ xelsim fault add --fn 0000:05:00.0 --cmd 0xC008B805 --errno EIO --once
| Fault added: 0000:05:00.0  0xC008B805  errno EIO  (once)
$ ixo-sim fcpim --profile_on 1/0
! fcpim profile can not be turned ON
! ERROR: I/O error 
[42]
$ xelsim fault add --fn 0000:05:00.0 --cmd 0xC008B806 --status 1 --once
| Fault added: 0000:05:00.0  0xC008B806  status 1  (once)
$ ixo-sim fcpim --profile_off 1/0
! fcpim profile can not be turned OFF
! ERROR: Operation failed 
[1]

# Nexus statistics and their reset.
$ ixo-sim fcpim --stats 1/0 50:00:7a:3c:a0:05:10:00 -l 10:00:00:7a:3c:05:10:00 | grep -E "Stats|statistics|rport online|Total data"
| ITNIM Stats:
| 	num rport online : 1
| HAL fcpim statistics
| Total data transferred in bytes  : 4915200
$ ixo-sim fcpim --statsclr 1/0 50:00:7a:3c:a0:05:10:00
| Successfully reset the fcpim level stats
$ ixo-sim fcpim --stats 1/0 50:00:7a:3c:a0:05:10:00 | grep -E "rport online|Total data"
| 	num rport online : 0
| Total data transferred in bytes  : 0
$ ixo-sim fcpim --stats 1/0 50:00:7a:3c:a0:05:10:00 -l
! ERROR: command "--stats" syntax is incorrect or one of the parameters is incorrect
[167]

# The throttle: checked whole against the maximum, set for the next
# reboot, cleared back to the maximum.
$ ixo-sim fcpim --throttlequery 1/0
| IO Throttle:
| Max allowed	: 2000
| Current value	: 2000
$ ixo-sim fcpim --throttleset 1/0 65537
! Error: IO Throttle value can not exceed 2000
! ERROR: Please check the argument "1/0" for command "--throttleset"
[164]
$ ixo-sim fcpim --throttleset 1/0 65536
! ERROR: Please check the argument "1/0" for command "--throttleset"
[164]
$ ixo-sim fcpim --throttleset 1/0 2001
! Error: IO Throttle value can not exceed 2000
! ERROR: Please check the argument "1/0" for command "--throttleset"
[164]
$ ixo-sim fcpim --throttleset 1/0 12x
! ERROR: command "--throttleset" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim fcpim --throttleset 1/0 500
|
| IO Throttle value will be effective on next reboot 
| and will be subject to number of PFs created.
$ ixo-sim fcpim --throttlequery 1/0
| IO Throttle:
| Max allowed	: 2000
| Current value	: 2000
| Configured	: 500
$ xelsim reboot
| Host rebooted
$ ixo-sim fcpim --throttlequery 1/0
| IO Throttle:
| Max allowed	: 2000
| Current value	: 500
$ ixo-sim fcpim --throttleclear 1/0
| Default IO Throttle value will be effective on next reboot.
$ ixo-sim fcpim --throttlequery 1/0
| IO Throttle:
| Max allowed	: 2000
| Current value	: 500
| Configured	: 2000

# The I/O monitor: one sample per round; nothing moves on an idle host.
$ IXO_SIM_TIME_SCALE=0.01 ixo-sim fcpim --ioperf 1/0 -c 1
|  Port    IOPs     Throughput
| ==============================
|  1/0/0       0       0.0      
|
$ IXO_SIM_TIME_SCALE=0.01 ixo-sim fcpim --ioperf 1/0 -l -r -c 1
|  Port        lport WWN                rport WWN            IOPs     Throughput
| ================================================================================
|  1/0/0  10:00:00:7a:3c:05:10:00  50:00:7a:3c:a0:05:10:00       0       0.0      
|  1/0/0  10:00:00:7a:3c:05:10:00  50:00:7a:3c:a1:05:10:00       0       0.0      
|  1/0/0  10:00:00:7a:3c:05:10:00  50:00:7a:3c:a2:05:10:00       0       0.0      
|  1/0/0  10:00:00:7a:3c:05:10:00  50:00:7a:3c:a3:05:10:00       0       0.0      
|
$ IXO_SIM_TIME_SCALE=0.01 ixo-sim fcpim --ioperf 1/0-2/1 -c 1
|  Port    IOPs     Throughput
| ==============================
|  1/0/0       0       0.0      
|  1/1/1       0       0.0      
|  2/0/0       0       0.0      
|  2/1/1       0       0.0      
|
$ ixo-sim fcpim --ioperf 1/0-2/1 -r 50:00:7a:3c:a0:05:10:00 -c 1
!
! ERROR: rport WWN is invalid for port range option.
!
! ERROR: Operation failed 
[1]
$ ixo-sim fcpim --ioperf 1/0 -c 0
$ ixo-sim fcpim --ioperf 1/0 -i 0
! ERROR: Invalid interval value
[179]
$ ixo-sim fcpim --ioperf 1/0 -c >/dev/null
! ERROR: Too few arguments/options provided for the command "fcpim"
!
[161]
$ ixo-sim fcpim --ioperf 1/0 -c x
! ERROR: command "--ioperf" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim fcpim --ioperf 1/0 -l 10:00
! ERROR: Incorrectly formatted WWN
[168]
$ ixo-sim fcpim --ioperf 1/0 -x
! ERROR: command "--ioperf" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim fcpim --ioperf 9/0 -c 1
! ERROR: port id "9/0" in command is incorrect
[171]

# LUN masking: the table lives in the driver across commands.
$ ixo-sim fcpim --lunmaskquery 1/0
| LUN Mask status is : Disabled
| ---------------------------------------------------------------------------------------
|  Lport-WWN		 Rport-WWN 			 Lun#
| ---------------------------------------------------------------------------------------
$ ixo-sim fcpim --lunmaskenable 1/0
| Lun masking enabled on  1/0 
| Warning: LUN Masking enabled without any LUNs configured in LUN Mask
$ ixo-sim fcpim --lunmaskadd 1/0 50:00:7a:3c:a0:05:10:00 0003-0000-0000-0000
| LUN Mask added:
| LUN           : 0003-0000-0000-0000
| Target        : 50:00:7a:3c:a0:05:10:00
| Initiator     : 10:00:00:7a:3c:05:10:00
$ ixo-sim fcpim --lunmaskadd 1/0 50:00:7a:3c:a0:05:10:00 0005000000000000 -l 10:00:00:7a:3c:05:10:00
| LUN Mask added:
| LUN           : 0005-0000-0000-0000
| Target        : 50:00:7a:3c:a0:05:10:00
| Initiator     : 10:00:00:7a:3c:05:10:00
$ ixo-sim fcpim --lunmaskadd 1/0 50:00:7a:3c:a0:05:10:00 0003-0000-0000-0000
! ERROR: This entry exists 
[193]
$ ixo-sim fcpim --lunmaskquery 1/0
| LUN Mask status is : Enabled
| ---------------------------------------------------------------------------------------
|  Lport-WWN		 Rport-WWN 			 Lun#
| ---------------------------------------------------------------------------------------
| 10:00:00:7a:3c:05:10:00	 50:00:7a:3c:a0:05:10:00	 0003-0000-0000-0000
| 10:00:00:7a:3c:05:10:00	 50:00:7a:3c:a0:05:10:00	 0005-0000-0000-0000
$ ixo-sim fcpim --lunmaskquery 1/0 -r 50:00:7a:3c:a1:05:10:00
| LUN Mask status is : Enabled
| ---------------------------------------------------------------------------------------
|  Lport-WWN		 Rport-WWN 			 Lun#
| ---------------------------------------------------------------------------------------
$ ixo-sim fcpim --lunmaskquery 1/0 -r >/dev/null
! ERROR: Too few arguments/options provided for the command "fcpim"
!
[161]
$ ixo-sim fcpim --lunmaskquery 1/0 -x 1
! ERROR: command "--lunmaskquery" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim fcpim --lunmaskdelete 1/0 50:00:7a:3c:a0:05:10:00 0005-0000-0000-0000
| LUN Mask deleted:
| LUN           : 0005-0000-0000-0000
| Target        : 50:00:7a:3c:a0:05:10:00
| Initiator     : 10:00:00:7a:3c:05:10:00
$ ixo-sim fcpim --lunmaskdelete 1/0 50:00:7a:3c:a0:05:10:00 0005-0000-0000-0000
! ERROR: This entry does not exist 
[194]
$ ixo-sim fcpim --lunmaskdisable 1/0
| Lun masking disabled on  1/0 
$ ixo-sim fcpim --lunmaskquery 1/0 | head -1
| LUN Mask status is : Disabled
# A LUN is its 16 digits, alone or in the display form; nothing else.
$ ixo-sim fcpim --lunmaskadd 1/0 50:00:7a:3c:a0:05:10:00 3-0000-0000-0000
! ERROR: command "--lunmaskadd" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim fcpim --lunmaskadd 1/0 50:00:7a:3c:a0:05:10:00 00030-000-0000-0000
! ERROR: command "--lunmaskadd" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim fcpim --lunmaskadd 1/0 50:00:7a:3c:a0:05:10:00 000300000000000
! ERROR: command "--lunmaskadd" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim fcpim --lunmaskadd 1/0 50:00:7a:3c:a0:05:10:00 0003-0000-0000-000g
! ERROR: command "--lunmaskadd" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim fcpim --lunmaskadd 1/0 50:00:7a:3c:a0:05:10:09 0003-0000-0000-0000
! ERROR: RPORT PWWN not found 
[19]
$ ixo-sim fcpim --lunmaskadd 1/0 50:00:7a:3c:a0 0003-0000-0000-0000
! ERROR: Incorrectly formatted WWN
[168]
$ ixo-sim fcpim --lunmaskclear 1/0
| Lun Mask List cleared
$ ixo-sim fcpim --lunmaskquery 1/0 | tail -1
| ---------------------------------------------------------------------------------------

# The mask hides LUNs from the LUN list (LUN 0 answers for the target)
# and from the host: a delete drops the device, an add rescans it back.
$ xelsim create default
| Created the emulated host from preset default: 6 PCI functions
$ ixo-sim fcpim --lunlist 1/0 | sed -n '1,6p;11p'
| -------------------------------------------------------------------------------
|  T:L                    Remote Port PWWN        Dev Name
| -------------------------------------------------------------------------------
|  0:0000-0000-0000-0000  50:00:7a:3c:a0:05:10:00 /dev/sda 
|  0:0001-0000-0000-0000  50:00:7a:3c:a0:05:10:00 /dev/sdb 
|  0:0002-0000-0000-0000  50:00:7a:3c:a0:05:10:00 /dev/sdc 
|  0:0007-0000-0000-0000  50:00:7a:3c:a0:05:10:00 /dev/sdh 
$ ixo-sim fcpim --lunlist 1/0 -v | sed -n '4,5p;10,12p'
|  2:0:0:0000-0000-0000-0000  50:00:7a:3c:a0:05:10:00 XSTOR    ARRAY-8  0410  2.00GB /dev/sda 
|  2:0:0:0001-0000-0000-0000  50:00:7a:3c:a0:05:10:00 XSTOR    ARRAY-8  0410  4.00GB /dev/sdb 
|  2:0:0:0006-0000-0000-0000  50:00:7a:3c:a0:05:10:00         -----  ------ /dev/sdg 
|  2:0:0:0007-0000-0000-0000  50:00:7a:3c:a0:05:10:00 XSTOR    ARRAY-8  0410  ------ /dev/sdh 
|  2:0:1:4000-0000-0000-0000  50:00:7a:3c:a1:05:10:00 XSTOR    JBOD-150  0410  2.00TB /dev/sdj 
$ ixo-sim fcpim --lunmaskadd 1/0 50:00:7a:3c:a0:05:10:00 0003-0000-0000-0000 >/dev/null
$ ixo-sim fcpim --lunmaskadd 1/0 50:00:7a:3c:a0:05:10:00 0000-0000-0000-0000 >/dev/null
$ ixo-sim fcpim --lunmaskenable 1/0
| Lun masking enabled on  1/0 
$ ixo-sim fcpim --lunlist 1/0 | sed -n '4,$p'
|  0:0000-0000-0000-0000  50:00:7a:3c:a0:05:10:00 /dev/sda 
|  0:0003-0000-0000-0000  50:00:7a:3c:a0:05:10:00 /dev/sdd 
| Report Luns failed
| -------------------------------------------------------------------------------
$ ixo-sim fcpim --lunmaskdelete 1/0 50:00:7a:3c:a0:05:10:00 0003-0000-0000-0000 >/dev/null
$ ixo-sim fcpim --lunmaskdelete 1/0 50:00:7a:3c:a0:05:10:00 0000-0000-0000-0000 >/dev/null
$ ls $IXO_SIM_ROOT/sys/class/scsi_device | grep '^2:0:0:' | sort; ls $IXO_SIM_ROOT/dev | grep -cx 'sg[0-9]*'
| 2:0:0:0
| 2:0:0:1
| 2:0:0:2
| 2:0:0:4
| 2:0:0:5
| 2:0:0:6
| 2:0:0:7
| 2:0:0:8
| 185
$ ixo-sim fcpim --lunmaskadd 1/0 50:00:7a:3c:a0:05:10:00 0003-0000-0000-0000 >/dev/null
$ ls $IXO_SIM_ROOT/sys/class/scsi_device/2:0:0:3/device/block
| sdd
$ ixo-sim fcpim --lunlist 1/0 | sed -n '4,$p'
|  0:0000-0000-0000-0000  50:00:7a:3c:a0:05:10:00 /dev/sda 
|  0:0003-0000-0000-0000  50:00:7a:3c:a0:05:10:00 /dev/sdd 
| Report Luns failed
| -------------------------------------------------------------------------------
# Clearing the table drops every LUN it showed; disabled, all come back
# to the list.
$ ixo-sim fcpim --lunmaskclear 1/0
| Lun Mask List cleared
$ ls $IXO_SIM_ROOT/sys/class/scsi_device | grep -c '^2:0:0:'
| 8
$ ixo-sim fcpim --lunmaskdisable 1/0 >/dev/null
$ ixo-sim fcpim --lunlist 1/0 | grep -c '50:00:7a:3c:a0:05:10:00'
| 8
$ ixo-sim fcpim --lunlist 1/0 -l 10:00:00:7a:3c:05:10:09
! ERROR: LPORT PWWN not found 
[18]
$ ixo-sim fcpim --lunlist 1/0 -x
! ERROR: command "--lunlist" syntax is incorrect or one of the parameters is incorrect
[167]

# With traffic on, the rates follow the host's clock: each disk nexus of
# port 0 carries 1200 I/Os and 1.5 MB a second, port 1's one disk 3 I/Os
# and 1.5 KB; over 2 seconds a range of both shows the module totals.
$ cat > traffic.json
< {"adapters": [{"functions": [
<   {"pci": "0000:05:00.0", "type": "fc", "port": 0, "io_rate": 1200, "byte_rate": 1572864},
<   {"pci": "0000:05:00.1", "type": "fc", "port": 1, "io_rate": 3, "byte_rate": 1536}]}]}
$ xelsim create traffic.json >/dev/null
$ IXO_SIM_TIME_SCALE=0.01 ixo-sim fcpim --ioperf 1/0 -l -r -c 2
|  Port        lport WWN                rport WWN            IOPs     Throughput
| ================================================================================
|  1/0/0  10:00:00:7a:3c:05:00:00  50:00:7a:3c:a0:05:00:00    1200       1.5 MB/s 
|  1/0/0  10:00:00:7a:3c:05:00:00  50:00:7a:3c:a1:05:00:00    1200       1.5 MB/s 
|  1/0/0  10:00:00:7a:3c:05:00:00  50:00:7a:3c:a2:05:00:00       0       0.0      
|  1/0/0  10:00:00:7a:3c:05:00:00  50:00:7a:3c:a3:05:00:00       0       0.0      
|
|  1/0/0  10:00:00:7a:3c:05:00:00  50:00:7a:3c:a0:05:00:00    1200       1.5 MB/s 
|  1/0/0  10:00:00:7a:3c:05:00:00  50:00:7a:3c:a1:05:00:00    1200       1.5 MB/s 
|  1/0/0  10:00:00:7a:3c:05:00:00  50:00:7a:3c:a2:05:00:00       0       0.0      
|  1/0/0  10:00:00:7a:3c:05:00:00  50:00:7a:3c:a3:05:00:00       0       0.0      
|
$ IXO_SIM_TIME_SCALE=0.01 ixo-sim fcpim --ioperf 1/1 -c 1
|  Port    IOPs     Throughput
| ==============================
|  1/1/1       3       1.5 KB/s 
|
$ IXO_SIM_TIME_SCALE=0.01 ixo-sim fcpim --ioperf 1/0-1/1 -c 1 -i 2
|  Port    IOPs     Throughput
| ==============================
|  1/0/0    2400       3.0 MB/s 
|  1/1/1       3       1.5 KB/s 
|
$ IXO_SIM_TIME_SCALE=0.01 ixo-sim fcpim --ioperf 1/0 -r 50:00:7a:3c:a1:05:00:00 -c 1
|  Port        rport WWN            IOPs     Throughput
| =======================================================
|  1/0/0  50:00:7a:3c:a1:05:00:00    1200       1.5 MB/s 
|
$ xelsim fault add --fn 0000:05:00.0 --cmd 0xC0F0BB02 --status 1 --once >/dev/null
$ ixo-sim fcpim --ioperf 1/0 -r 50:00:7a:3c:a1:05:00:00 -c 1
! ERROR: Failed to get rport 10:00:00:7a:3c:05:00:00:50:00:7a:3c:a1:05:00:00 IO stats, error code = 1
! ERROR: Operation failed 
[1]
$ IXO_SIM_TIME_SCALE=0.01 ixo-sim fcpim --ioperf 1/0 -l -c 1
|  Port        lport WWN            IOPs     Throughput
| =======================================================
|  1/0/0  10:00:00:7a:3c:05:00:00    2400       3.0 MB/s 
|
