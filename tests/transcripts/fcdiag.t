# FC ping through the fabric configuration server: the array answers with
# the token; the other host's initiator ignores the switch's ECHO.
$ ixo-sim fcdiag --fcping 1/0/0 50:00:7a:3c:a0:05:10:00 -l 10:00:00:7a:3c:05:10:00
| FC Ping completed successfully
$ ixo-sim fcdiag --fcping 1/0/0 50:00:7a:3c:a3:05:10:00
| FC Ping Rejected by the Switch:
|
|  FC-ECHO from Switch to RPORT Timed Out.
|  RPORT might not support ECHO (which is optional as per FC-LS standard)
|
! ERROR: Reject from attached fabric 
[29]
# A token the switch changed, a reject with its reasons, an answer cut
# short of its token and one cut short of its CT header.
$ xelsim fault add --fn 0000:05:00.0 --frame token --once > /dev/null
$ ixo-sim fcdiag --fcping 1/0/0 50:00:7a:3c:a0:05:10:00
| FC Ping completed with Errors: Token Mismatch Occurred
! ERROR: Protocol error 
[6]
$ xelsim fault add --fn 0000:05:00.0 --frame reject:0b:00 --once > /dev/null
$ ixo-sim fcdiag --fcping 1/0/0 50:00:7a:3c:a0:05:10:00
| FC Ping Rejected by the Switch:
|
|  Reason Code 0xb (Command not supported)
|  Reason Code Expl 0x0 (No additional explanation)
|
! ERROR: Reject from attached fabric 
[29]
$ xelsim fault add --fn 0000:05:00.0 --frame cut:18 --once > /dev/null
$ ixo-sim fcdiag --fcping 1/0/0 50:00:7a:3c:a0:05:10:00
| FC Ping completed with Errors: Token Mismatch Occurred
! ERROR: Protocol error 
[6]
$ xelsim fault add --fn 0000:05:00.0 --frame cut:10 --once > /dev/null
$ ixo-sim fcdiag --fcping 1/0/0 50:00:7a:3c:a0:05:10:00
! ERROR: Operation failed 
[1]
$ ixo-sim fcdiag --fcping 1/0/0 50:00:7a:3c:ff:05:10:00
! ERROR: RPORT PWWN not found 
[19]
# Trace route: one switch to the array, two to the tape behind the
# inter-switch link; a route the fabric refuses and one with no entries.
$ ixo-sim fcdiag --fctraceroute 1/0/0 50:00:7a:3c:a0:05:10:00
| FC Traceroute completed successfully. Path Info:
| ----------------------------------------------------------------------------
|   Switch WWN                   Switch DomainId  Ingress Port#  Egress Port# 
| ----------------------------------------------------------------------------
| 10:00:02:00:00:00:00:0a              10             0               32  
| ----------------------------------------------------------------------------
|
$ ixo-sim fcdiag --fctraceroute 1/0/0 50:00:7a:3c:a2:05:10:00 -l 10:00:00:7a:3c:05:10:00
| FC Traceroute completed successfully. Path Info:
| ----------------------------------------------------------------------------
|   Switch WWN                   Switch DomainId  Ingress Port#  Egress Port# 
| ----------------------------------------------------------------------------
| 10:00:02:00:00:00:00:0a              10             0               47  
| 10:00:02:00:00:00:00:1a              26             47              34  
| ----------------------------------------------------------------------------
|
$ xelsim fault add --fn 0000:05:00.0 --frame route:6 --once > /dev/null
$ ixo-sim fcdiag --fctraceroute 1/0/0 50:00:7a:3c:a0:05:10:00
| FC Traceroute Failed. Reason: Devices not in Common Zone
$ xelsim fault add --fn 0000:05:00.0 --frame route:241 --once > /dev/null
$ ixo-sim fcdiag --fctraceroute 1/0/0 50:00:7a:3c:a0:05:10:00
| FC Traceroute Failed. Reason: Vendor Specific Error : 0xf1
$ xelsim fault add --fn 0000:05:00.0 --frame token --once > /dev/null
$ ixo-sim fcdiag --fctraceroute 1/0/0 50:00:7a:3c:a0:05:10:00
| FC Traceroute completed with Errors: Token Mismatch Occurred
! ERROR: Protocol error 
[6]
$ xelsim fault add --fn 0000:05:00.0 --frame reject:09:01 --once > /dev/null
$ ixo-sim fcdiag --fctraceroute 1/0/0 50:00:7a:3c:a0:05:10:00
| FC Traceroute Rejected by the Switch:
|
|  Reason Code 0x9 (Unable to perform command request)
|  Reason Code Expl 0x1 (Port Identifier not registered)
|
! ERROR: Reject from attached fabric 
[29]
# Only the path entries that arrived whole are shown.
$ xelsim fault add --fn 0000:05:00.0 --frame cut:90 --once > /dev/null
$ ixo-sim fcdiag --fctraceroute 1/0/0 50:00:7a:3c:a2:05:10:00
| FC Traceroute completed successfully. Path Info:
| ----------------------------------------------------------------------------
|   Switch WWN                   Switch DomainId  Ingress Port#  Egress Port# 
| ----------------------------------------------------------------------------
| 10:00:02:00:00:00:00:0a              10             0               47  
| ----------------------------------------------------------------------------
|
# ECHO: answered by the array; the initiator's time-out and a reject are
# reported and end well.
$ ixo-sim fcdiag --fcecho 1/0/0 50:00:7a:3c:a0:05:10:00
| FC ECHO completed successfully
$ ixo-sim fcdiag --fcecho 1/0/0 50:00:7a:3c:a3:05:10:00
| RPORT might not support ECHO (which is optional as per FC-LS standard)
$ xelsim fault add --fn 0000:05:00.0 --frame reject:03:1f --once > /dev/null
$ ixo-sim fcdiag --fcecho 1/0/0 50:00:7a:3c:a0:05:10:00
|
| LS_RJT reason code: 0x3 (Logical error)
| LS_RJT reason code expl: 0x1f (Invalid N_Port ID)
|
$ xelsim frames --clear
$ ixo-sim fcdiag --fcecho 1/0/0 50:00:7a:3c:a0:05:10:00 > /dev/null
$ xelsim frames | cut -c 1-90
| els rport-2:0-0 0a1000>0a2000 req fchs=220a2000000a100001290000000000000000ffff00000000 pa
| rsp rport-2:0-0 status=0 payload=02000000a5a5a5a5a5a5a5a5a5a5a5a5a5a5a5a5a5a5a5a5a5a5a5a5a
# Link beacon: on twice, then another port of the same switch; the
# switch's rejects; off in capitals.
$ ixo-sim fcdiag --linkbeacon 1/0 on
| Link beacon turned on
$ ixo-sim fcdiag --linkbeacon 1/0 on
! ERROR: Link End-to-End Beacon already on 
[74]
$ ixo-sim fcdiag --linkbeacon 1/1 ON
! ERROR: Link beacon is currently ON at a different port on the switch.
! Please turn it OFF first.
! Only one switch port is allowed to beacon at a time. 
[205]
$ ixo-sim port --query 1/0 | grep -i beacon
| Beacon status:              On (Link Beacon)
$ ixo-sim fcdiag --linkbeacon 1/0 OFF
| Link beacon turned off
$ ixo-sim fcdiag --linkbeacon 1/0 off
! ERROR: Link End-to-End Beacon already off 
[75]
$ xelsim fault add --fn 0000:05:00.1 --frame reject:0b:00 --once > /dev/null
$ ixo-sim fcdiag --linkbeacon 1/1 on
! ERROR: Link Beacon is not supported by the attached switch. 
[206]
$ xelsim fault add --fn 0000:05:00.1 --frame reject:03:1e --once > /dev/null
$ ixo-sim fcdiag --linkbeacon 1/1 on
|
| Failed due to a reject
|
| LS_RJT reason code: 0x3 (Logical error)
| LS_RJT reason code expl: 0x1e (Login required)
|
$ xelsim fault add --fn 0000:05:00.1 --frame timeout --once > /dev/null
$ ixo-sim fcdiag --linkbeacon 1/1 on
! ERROR: Timer expired - Retry if persists contact support 
[5]
# Argument errors.
$ ixo-sim fcdiag --fcping 1/0/0 50:00:7a
! ERROR: Incorrectly formatted WWN
[168]
$ ixo-sim fcdiag --fcping 1/0/0 50:00:7a:3c:a0:05:10:00 -x 10:00:00:7a:3c:05:10:00
! ERROR: command "--fcping" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim fcdiag --fcecho 1/0/0 50:00:7a:3c:a0:05:10:00 -l
! ERROR: command "--fcecho" syntax is incorrect or one of the parameters is incorrect
[167]
$ ixo-sim fcdiag --fctraceroute 1/0/0 50:00:7a:3c:a0:05:10:00 -l 10:00
! ERROR: Incorrectly formatted WWN
[168]
$ ixo-sim fcdiag --linkbeacon 1/0 blink
! ERROR: command "--linkbeacon" syntax is incorrect or one of the parameters is incorrect
[167]
# The SCSI test over the array (a LUN whose INQUIRY fails, one whose
# capacity and reads fail) and the 150-LUN JBOD.
$ ixo-sim fcdiag --scsitest 1/0/0 50:00:7a:3c:a0:05:10:00
| -------------------------------------------------------------------------------
|      LUN#           Type/Qual   Vendor    Product       Rev   Size*  LUN status**
| -------------------------------------------------------------------------------
| 0000-0000-0000-0000   00/000   XSTOR     ARRAY-8           0410  2.00GB  Online
| 0001-0000-0000-0000   00/000   XSTOR     ARRAY-8           0410  4.00GB  Online
| 0002-0000-0000-0000   00/000   XSTOR     ARRAY-8           0410  6.00GB  Online
| 0003-0000-0000-0000   00/000   XSTOR     ARRAY-8           0410  8.00GB  Online
| 0004-0000-0000-0000   00/000   XSTOR     ARRAY-8           0410  10.00GB  Online
| 0005-0000-0000-0000   00/000   XSTOR     ARRAY-8           0410  12.00GB  Online
| 0006-0000-0000-0000	-----		-----	    -----	    -----     SI 2/44/00
| 0007-0000-0000-0000   00/000   XSTOR     ARRAY-8           0410     -----     RC 2/04/03 RD 2/04/03
| -------------------------------------------------------------------------------
| *Size:  Expressed in bytes from Read capacity response (Max LBA*Block size)
| ** Status: All commands successful expressed by Online.
|
| One or more command failed expressed by <SCSIcommand> <SCSI status>/<ASC value>/<ASCQ value>. ASC & ASCQ valid for Check Condition
| RL: Report LUN
| SI: SCSI Inquiry
| RC: Read Capacity command
| RD: Read (10) command
$ ixo-sim fcdiag --scsitest 1/0/0 50:00:7a:3c:a1:05:10:00 | grep -c JBOD-150
| 150
$ ixo-sim fcdiag --scsitest 1/0/0 50:00:7a:3c:a1:05:10:00 | tail -n 12 | head -n 2
| 4093-0000-0000-0000   00/000   XSTOR     JBOD-150          0410  1.00TB  Online
| 4094-0000-0000-0000   00/000   XSTOR     JBOD-150          0410  1.00TB  Online
