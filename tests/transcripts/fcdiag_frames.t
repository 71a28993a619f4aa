# The frames the fabric diagnostics put on the wire, decoded by tshark
# (tests/tools/fc_frames_check.py): each request's destination, R_CTL,
# type and command, and each answer's accept or reject with its reasons,
# next to what the command printed.
$ xelsim create default > /dev/null
$ xelsim frames --clear
$ ixo-sim fcdiag --fcping 1/0/0 50:00:7a:3c:a0:05:10:00 -l 10:00:00:7a:3c:05:10:00
| FC Ping completed successfully
$ ixo-sim fcdiag --fcping 1/0/0 50:00:7a:3c:a3:05:10:00 | grep Timed
|  FC-ECHO from Switch to RPORT Timed Out.
! ERROR: Reject from attached fabric 
$ xelsim fault add --fn 0000:05:00.0 --frame reject:0b:00 --once > /dev/null
$ ixo-sim fcdiag --fcping 1/0/0 50:00:7a:3c:a0:05:10:00 | grep Reason
|  Reason Code 0xb (Command not supported)
|  Reason Code Expl 0x0 (No additional explanation)
! ERROR: Reject from attached fabric 
$ xelsim frames | python3 $TESTDIR/../tools/fc_frames_check.py
| req d_id=ff.ff.fa r_ctl=0x02 type=0x20 ct=0x0401 "0x401"
| rsp ct=0x8002 "MSG_ACC (0x401)"
| req d_id=ff.ff.fa r_ctl=0x02 type=0x20 ct=0x0401 "0x401"
| rsp ct=0x8001 reason=0x09 expl=0xf5 "MSG_RJT (0x401)"
| req d_id=ff.ff.fa r_ctl=0x02 type=0x20 ct=0x0401 "0x401"
| rsp ct=0x8001 reason=0x0b expl=0x00 "MSG_RJT (0x401)"

$ xelsim frames --clear
$ ixo-sim fcdiag --fctraceroute 1/0/0 50:00:7a:3c:a2:05:10:00 | head -1
| FC Traceroute completed successfully. Path Info:
$ xelsim fault add --fn 0000:05:00.0 --frame reject:09:01 --once > /dev/null
$ ixo-sim fcdiag --fctraceroute 1/0/0 50:00:7a:3c:a0:05:10:00 | grep Reason
|  Reason Code 0x9 (Unable to perform command request)
|  Reason Code Expl 0x1 (Port Identifier not registered)
! ERROR: Reject from attached fabric 
$ xelsim frames | python3 $TESTDIR/../tools/fc_frames_check.py
| req d_id=ff.ff.fa r_ctl=0x02 type=0x20 ct=0x0400 "0x400"
| rsp ct=0x8002 "MSG_ACC (0x400)"
| req d_id=ff.ff.fa r_ctl=0x02 type=0x20 ct=0x0400 "0x400"
| rsp ct=0x8001 reason=0x09 expl=0x01 "MSG_RJT (0x400)"

$ xelsim frames --clear
$ ixo-sim fcdiag --fcecho 1/0/0 50:00:7a:3c:a0:05:10:00
| FC ECHO completed successfully
$ xelsim fault add --fn 0000:05:00.0 --frame reject:03:1f --once > /dev/null
$ ixo-sim fcdiag --fcecho 1/0/0 50:00:7a:3c:a0:05:10:00 | grep reason
| LS_RJT reason code: 0x3 (Logical error)
| LS_RJT reason code expl: 0x1f (Invalid N_Port ID)
$ xelsim frames | python3 $TESTDIR/../tools/fc_frames_check.py
| req d_id=0a.20.00 r_ctl=0x22 type=0x01 "ECHO"
| rsp "ACC (ECHO)"
| req d_id=0a.20.00 r_ctl=0x22 type=0x01 "ECHO"
| rsp els=0x01 reason=0x03 expl=0x1f "LS_RJT (ECHO)"

# The link beacon to the fabric controller: accepted, refused while
# another port beacons, and refused by a converged port's forwarder.
$ xelsim frames --clear
$ ixo-sim fcdiag --linkbeacon 1/0 on
| Link beacon turned on
$ ixo-sim fcdiag --linkbeacon 1/1 on 2> /dev/null
[205]
$ ixo-sim fcdiag --linkbeacon 2/0 on
! ERROR: Link Beacon is not supported by the attached switch. 
[206]
$ xelsim frames | python3 $TESTDIR/../tools/fc_frames_check.py
| req d_id=ff.ff.fd r_ctl=0x22 type=0x01 "0x81"
| rsp "ACC (0x81)"
| req d_id=ff.ff.fd r_ctl=0x22 type=0x01 "0x81"
| rsp els=0x01 reason=0x09 expl=0x19 "LS_RJT (0x81)"
| req d_id=ff.ff.fd r_ctl=0x22 type=0x01 "0x81"
| rsp els=0x01 reason=0x0b expl=0x2c "LS_RJT (0x81)"

# The SCSI test's commands as FCP frames: the LUN whose INQUIRY fails,
# the one whose capacity and read fail, with the status and sense the
# table shows.
$ xelsim frames --clear
$ ixo-sim fcdiag --scsitest 1/0/0 50:00:7a:3c:a0:05:10:00 | grep '^000[67]'
| 0006-0000-0000-0000	-----		-----	    -----	    -----     SI 2/44/00
| 0007-0000-0000-0000   00/000   XSTOR     ARRAY-8           0410     -----     RC 2/04/03 RD 2/04/03
$ xelsim frames | python3 $TESTDIR/../tools/fc_frames_check.py > scsi.txt
$ head -2 scsi.txt; grep -A1 'LUN: 0x0[67]' scsi.txt; grep -c '^req' scsi.txt
| req d_id=0a.20.00 r_ctl=0x06 type=0x08 "SCSI: Report LUNs LUN: 0x00"
| rsp status=0x00
| req d_id=0a.20.00 r_ctl=0x06 type=0x08 "SCSI: Inquiry LUN: 0x06"
| rsp status=0x02 asc=0x44 ascq=0x00
| req d_id=0a.20.00 r_ctl=0x06 type=0x08 "SCSI: Inquiry LUN: 0x07"
| rsp status=0x00
| req d_id=0a.20.00 r_ctl=0x06 type=0x08 "SCSI: Read Capacity(10) LUN: 0x07"
| rsp status=0x02 asc=0x04 ascq=0x03
| req d_id=0a.20.00 r_ctl=0x06 type=0x08 "SCSI: Read(10) LUN: 0x07 (LBA: 0x00000000, Len: 8)"
| rsp status=0x02 asc=0x04 ascq=0x03
| 23
