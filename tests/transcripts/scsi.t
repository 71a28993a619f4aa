# The SCSI helpers against the emulated targets: the array's LUNs that
# answer, fail with a sense key (6 hardware error, 7 not ready), are gone
# from the target (8) and have no device (9); the JBOD's flat-addressed
# LUNs, listed in two tries; the tape, whose nexus is not up.
$ xelsim create
| Created the emulated host from preset default: 6 PCI functions
$ scsi_probe 1/0/0 50:00:7a:3c:a0:05:10:00 0000000000000000 0006000000000000 0007000000000000 0008000000000000 0009000000000000
| REPORT LUNS: 8 LUNs in 816 bytes, 0, 1, 2, ...
| LUN 0000000000000000
|   TEST UNIT READY   good
|   INQUIRY           type 0, "XSTOR   " "ARRAY-8         " "0410"
|   READ CAPACITY(10) last LBA 0x003fffff, block 512
|   READ CAPACITY(16) last LBA 0x00000000003fffff, block 512
|   READ(10)          8 blocks
| LUN 0006000000000000
|   TEST UNIT READY   scsi status 0x02, sense key 0x4, ASC 0x44, ASCQ 0x00
|   INQUIRY           scsi status 0x02, sense key 0x4, ASC 0x44, ASCQ 0x00
|   READ CAPACITY(10) scsi status 0x02, sense key 0x4, ASC 0x44, ASCQ 0x00
|   READ CAPACITY(16) scsi status 0x02, sense key 0x4, ASC 0x44, ASCQ 0x00
|   READ(10)          scsi status 0x02, sense key 0x4, ASC 0x44, ASCQ 0x00
| LUN 0007000000000000
|   TEST UNIT READY   scsi status 0x02, sense key 0x2, ASC 0x04, ASCQ 0x03
|   INQUIRY           type 0, "XSTOR   " "ARRAY-8         " "0410"
|   READ CAPACITY(10) scsi status 0x02, sense key 0x2, ASC 0x04, ASCQ 0x03
|   READ CAPACITY(16) scsi status 0x02, sense key 0x2, ASC 0x04, ASCQ 0x03
|   READ(10)          scsi status 0x02, sense key 0x2, ASC 0x04, ASCQ 0x03
| LUN 0008000000000000
|   TEST UNIT READY   scsi status 0x02, sense key 0x5, ASC 0x25, ASCQ 0x00
|   INQUIRY           scsi status 0x02, sense key 0x5, ASC 0x25, ASCQ 0x00
|   READ CAPACITY(10) scsi status 0x02, sense key 0x5, ASC 0x25, ASCQ 0x00
|   READ CAPACITY(16) scsi status 0x02, sense key 0x5, ASC 0x25, ASCQ 0x00
|   READ(10)          scsi status 0x02, sense key 0x5, ASC 0x25, ASCQ 0x00
| LUN 0009000000000000
| Opening file  failed
|   TEST UNIT READY   status 1 (Operation failed )
| Opening file  failed
|   INQUIRY           status 1 (Operation failed )
| Opening file  failed
|   READ CAPACITY(10) status 1 (Operation failed )
| Opening file  failed
|   READ CAPACITY(16) status 1 (Operation failed )
| Opening file  failed
|   READ(10)          status 1 (Operation failed )
$ scsi_probe 1/0/0 50:00:7a:3c:a1:05:10:00 4000000000000000 4095000000000000
| REPORT LUNS: 150 LUNs in 1208 bytes, 16384, 16385, 16386, ...
| LUN 4000000000000000
|   TEST UNIT READY   good
|   INQUIRY           type 0, "XSTOR   " "JBOD-150        " "0410"
|   READ CAPACITY(10) last LBA 0xffffffff, block 512
|   READ CAPACITY(16) last LBA 0x00000001d1a94a1f, block 512
|   READ(10)          8 blocks
| LUN 4095000000000000
|   TEST UNIT READY   good
|   INQUIRY           type 0, "XSTOR   " "JBOD-150        " "0410"
|   READ CAPACITY(10) last LBA 0xffffffff, block 512
|   READ CAPACITY(16) last LBA 0x00000001d1a94a1f, block 512
|   READ(10)          8 blocks
$ scsi_probe 1/0/0 50:00:7a:3c:a2:05:10:00 0000000000000000
| REPORT LUNS: status 52 (No FCP Nexus exists with the rport )
| LUN 0000000000000000
|   TEST UNIT READY   status 52 (No FCP Nexus exists with the rport )
|   INQUIRY           status 52 (No FCP Nexus exists with the rport )
|   READ CAPACITY(10) status 52 (No FCP Nexus exists with the rport )
|   READ CAPACITY(16) status 52 (No FCP Nexus exists with the rport )
|   READ(10)          status 52 (No FCP Nexus exists with the rport )
$ ixo-sim rport --query 1/0/0 50:00:7a:3c:a0:05:10:00 | grep -e Vendor -e Product
| Vendor:				XSTOR   
| Product ID:			ARRAY-8         
| Product Rev:			0410
# sg3-utils reads the INQUIRY data, the sense and the LUNs the frame log
# holds as a real target's: the same vendor, product and revision as the
# query printed, and the Linux LUN numbers the devices were named with.
$ xelsim frames | python3 $TESTDIR/../tools/scsi_decode_check.py
| 2:0:0:0 linux lun 0: 00 00 00 00 00 00 00 00
| 2:0:0:0 inquiry: PQual=0  PDT=0  RMB=0  LU_CONG=0  hot_pluggable=0  version=0x06  [SPC-4]
| 2:0:0:0 inquiry: length=96 (0x60)   Peripheral device type: disk
| 2:0:0:0 inquiry: Vendor identification: XSTOR
| 2:0:0:0 inquiry: Product identification: ARRAY-8
| 2:0:0:0 inquiry: Product revision level: 0410
| 2:0:0:6 linux lun 6: 00 06 00 00 00 00 00 00
| 2:0:0:6 sense: Fixed format, current; Sense key: Hardware Error
| 2:0:0:6 sense: Additional sense: Internal target failure
| 2:0:0:7 linux lun 7: 00 07 00 00 00 00 00 00
| 2:0:0:7 sense: Fixed format, current; Sense key: Not Ready
| 2:0:0:7 sense: Additional sense: Logical unit not ready, manual intervention required
| 2:0:0:7 inquiry: PQual=0  PDT=0  RMB=0  LU_CONG=0  hot_pluggable=0  version=0x06  [SPC-4]
| 2:0:0:7 inquiry: length=96 (0x60)   Peripheral device type: disk
| 2:0:0:7 inquiry: Vendor identification: XSTOR
| 2:0:0:7 inquiry: Product identification: ARRAY-8
| 2:0:0:7 inquiry: Product revision level: 0410
| 2:0:0:8 linux lun 8: 00 08 00 00 00 00 00 00
| 2:0:0:8 sense: Fixed format, current; Sense key: Illegal Request
| 2:0:0:8 sense: Additional sense: Logical unit not supported
| 2:0:1:16388 linux lun 16388: 40 04 00 00 00 00 00 00
| 2:0:1:16384 linux lun 16384: 40 00 00 00 00 00 00 00
| 2:0:1:16384 inquiry: PQual=0  PDT=0  RMB=0  LU_CONG=0  hot_pluggable=0  version=0x06  [SPC-4]
| 2:0:1:16384 inquiry: length=96 (0x60)   Peripheral device type: disk
| 2:0:1:16384 inquiry: Vendor identification: XSTOR
| 2:0:1:16384 inquiry: Product identification: JBOD-150
| 2:0:1:16384 inquiry: Product revision level: 0410
| 2:0:1:16533 linux lun 16533: 40 95 00 00 00 00 00 00
| 2:0:1:16533 inquiry: PQual=0  PDT=0  RMB=0  LU_CONG=0  hot_pluggable=0  version=0x06  [SPC-4]
| 2:0:1:16533 inquiry: length=96 (0x60)   Peripheral device type: disk
| 2:0:1:16533 inquiry: Vendor identification: XSTOR
| 2:0:1:16533 inquiry: Product identification: JBOD-150
| 2:0:1:16533 inquiry: Product revision level: 0410
| 2:0:0:0 lun 0000000000000000: Peripheral device addressing: lun=0
| 2:0:0:0 lun 0001000000000000: Peripheral device addressing: lun=1
| 2:0:0:0 lun 0007000000000000: Peripheral device addressing: lun=7
| 2:0:1:16388 lun 4000000000000000: Flat space addressing: lun=0
| 2:0:1:16388 lun 4001000000000000: Flat space addressing: lun=1
| 2:0:1:16388 lun 4095000000000000: Flat space addressing: lun=149
