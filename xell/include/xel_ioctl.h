// Driver request records and command codes, shared with the drivers. Every
// record is a plain trivially copyable struct with the exact wire layout;
// the size a command code encodes is checked against its record.
#pragma once

#include "xel_stats_records.h"
#include "xel_status.h"
#include "xel_types.h"

#include <cstddef>
#include <cstdint>

// A command code is laid out like a Linux ioctl request number: direction
// (always read and write), record size, group, number.
constexpr uint32_t xel_cmd(uint32_t group, uint32_t nr, uint32_t size)
{
    return (3u << 30) | (size << 16) | (group << 8) | nr;
}
constexpr uint32_t xel_cmd_size(uint32_t cmd)
{
    return (cmd >> 16) & 0x3fffu;
}
constexpr uint32_t xel_cmd_group(uint32_t cmd)
{
    return (cmd >> 8) & 0xffu;
}

// Network requests travel on /dev/kwo with the group byte replaced by this.
constexpr uint32_t XEL_KWO_GROUP = 0x44;
constexpr uint32_t xel_cmd_for_kwo(uint32_t cmd)
{
    return (cmd & ~0xff00u) | (XEL_KWO_GROUP << 8);
}

// The largest record; a transfer size of 0 means this many bytes.
constexpr int XELL_ARGS_SIZE = 4112;

constexpr uint32_t XEL_CMD_IOC_COMPARE_VERSIONS = xel_cmd(0x43, 1, 8); // 0xC0084301
constexpr uint32_t XEL_CMD_IOC_ENABLE = xel_cmd(0x43, 3, 8); // 0xC0084303
constexpr uint32_t XEL_CMD_IOC_DISABLE = xel_cmd(0x43, 4, 8); // 0xC0084304
constexpr uint32_t XEL_CMD_IOC_GET_ATTR = xel_cmd(0x43, 6, 1616); // 0xC6504306
constexpr uint32_t XEL_CMD_IOC_GET_INFO = xel_cmd(0x43, 7, 528); // 0xC2104307
constexpr uint32_t XEL_CMD_IOC_GET_STATS = xel_cmd(0x43, 8, 80); // 0xC0504308
constexpr uint32_t XEL_CMD_IOC_RESET_STATS = xel_cmd(0x43, 9, 8); // 0xC0084309
constexpr uint32_t XEL_CMD_ADAPTER_SET_NAME = xel_cmd(0x43, 10, 72); // 0xC048430A
constexpr uint32_t XEL_CMD_IOC_SET_NAME = xel_cmd(0x43, 11, 72); // 0xC048430B
constexpr uint32_t XEL_CMD_IOC_GET_FWSTATS = xel_cmd(0x43, 12, 24); // 0xC018430C
constexpr uint32_t XEL_CMD_IOC_RESET_FWSTATS = xel_cmd(0x43, 13, 8); // 0xC008430D
constexpr uint32_t XEL_CMD_PCIFN_CFG_GET = xel_cmd(0x43, 14, 568); // 0xC238430E
constexpr uint32_t XEL_CMD_ADAPTER_CFG_MODE = xel_cmd(0x43, 15, 16); // 0xC010430F
constexpr uint32_t XEL_CMD_DIAG_REGREAD = xel_cmd(0x43, 16, 32); // 0xC0204310
constexpr uint32_t XEL_CMD_DIAG_MEMREAD = xel_cmd(0x43, 17, 40); // 0xC0284311
constexpr uint32_t XEL_CMD_DIAG_REGWRITE = xel_cmd(0x43, 18, 24); // 0xC0184312
constexpr uint32_t XEL_CMD_DIAG_TSENSOR_QUERY = xel_cmd(0x43, 19, 24); // 0xC0184313
constexpr uint32_t XEL_CMD_DIAG_MEMTEST = xel_cmd(0x43, 21, 56); // 0xC0384315
constexpr uint32_t XEL_CMD_DIAG_LOOPBACK = xel_cmd(0x43, 22, 48); // 0xC0304316
constexpr uint32_t XEL_CMD_DIAG_FWPING = xel_cmd(0x43, 23, 32); // 0xC0204317
constexpr uint32_t XEL_CMD_DIAG_QUEUETEST = xel_cmd(0x43, 24, 24); // 0xC0184318
constexpr uint32_t XEL_CMD_DIAG_SFP_QUERY = xel_cmd(0x43, 26, 256); // 0xC100431A
constexpr uint32_t XEL_CMD_DIAG_LED_TEST = xel_cmd(0x43, 27, 24); // 0xC018431B
constexpr uint32_t XEL_CMD_DIAG_BEACON_LPORT = xel_cmd(0x43, 28, 20); // 0xC014431C
constexpr uint32_t XEL_CMD_DIAG_ETH_LOOPBACK = xel_cmd(0x43, 29, 44); // 0xC02C431D
constexpr uint32_t XEL_CMD_DIAG_GET_LB_STATUS = xel_cmd(0x43, 30, 8); // 0xC008431E
constexpr uint32_t XEL_CMD_DIAG_DPORT_ENABLE = xel_cmd(0x43, 31, 8); // 0xC008431F
constexpr uint32_t XEL_CMD_DIAG_DPORT_DISABLE = xel_cmd(0x43, 32, 8); // 0xC0084320
constexpr uint32_t XEL_CMD_DIAG_DPORT_GET_STATE = xel_cmd(0x43, 33, 12); // 0xC00C4321
constexpr uint32_t XEL_CMD_DEBUG_DRV_TRACE = xel_cmd(0x43, 34, 32); // 0xC0204322
constexpr uint32_t XEL_CMD_DEBUG_DRV_STATE = xel_cmd(0x43, 35, 32); // 0xC0204323
constexpr uint32_t XEL_CMD_DEBUG_FW_TRACE = xel_cmd(0x43, 36, 32); // 0xC0204324
constexpr uint32_t XEL_CMD_DEBUG_FW_STATE = xel_cmd(0x43, 37, 32); // 0xC0204325
constexpr uint32_t XEL_CMD_DEBUG_FW_STATE_CLR = xel_cmd(0x43, 38, 8); // 0xC0084326
constexpr uint32_t XEL_CMD_DEBUG_FW_CORE = xel_cmd(0x43, 39, 32); // 0xC0204327
constexpr uint32_t XEL_CMD_DEBUG_PORTLOG = xel_cmd(0x43, 40, 32); // 0xC0204328
constexpr uint32_t XEL_CMD_DEBUG_PORTLOG_CLR = xel_cmd(0x43, 41, 8); // 0xC0084329
constexpr uint32_t XEL_CMD_DEBUG_PORTLOG_CTL = xel_cmd(0x43, 42, 16); // 0xC010432A
constexpr uint32_t XEL_CMD_DEBUG_DTRC_START = xel_cmd(0x43, 43, 8); // 0xC008432B
constexpr uint32_t XEL_CMD_DEBUG_DTRC_STOP = xel_cmd(0x43, 44, 8); // 0xC008432C
constexpr uint32_t XEL_CMD_LOG_SET_LEVEL = xel_cmd(0x43, 45, 16); // 0xC010432D
constexpr uint32_t XEL_CMD_LOG_GET_LEVEL = xel_cmd(0x43, 46, 16); // 0xC010432E
constexpr uint32_t XEL_CMD_AEN_GET_EVENTS = xel_cmd(0x43, 47, 88); // 0xC058432F
constexpr uint32_t XEL_CMD_PORT_ENABLE = xel_cmd(0x43, 49, 8); // 0xC0084331
constexpr uint32_t XEL_CMD_PORT_DISABLE = xel_cmd(0x43, 50, 8); // 0xC0084332
constexpr uint32_t XEL_CMD_PORT_GET_ATTR = xel_cmd(0x43, 51, 384); // 0xC1804333
constexpr uint32_t XEL_CMD_PORT_GET_STATS = xel_cmd(0x43, 52, 24); // 0xC0184334
constexpr uint32_t XEL_CMD_PORT_RESET_STATS = xel_cmd(0x43, 55, 8); // 0xC0084337
constexpr uint32_t XEL_CMD_PORT_CFG_TOPOLOGY = xel_cmd(0x43, 56, 16); // 0xC0104338
constexpr uint32_t XEL_CMD_PORT_CFG_SPEED = xel_cmd(0x43, 57, 16); // 0xC0104339
constexpr uint32_t XEL_CMD_PORT_CFG_HARDALPA = xel_cmd(0x43, 58, 16); // 0xC010433A
constexpr uint32_t XEL_CMD_PORT_CLR_HARDALPA = xel_cmd(0x43, 59, 16); // 0xC010433B
constexpr uint32_t XEL_CMD_PORT_CFG_MAXFRSIZE = xel_cmd(0x43, 60, 8); // 0xC008433C
constexpr uint32_t XEL_CMD_PORT_CFG_RNID_INFO = xel_cmd(0x43, 63, 56); // 0xC038433F
constexpr uint32_t XEL_CMD_PORT_GET_RNID_INFO = xel_cmd(0x43, 64, 56); // 0xC0384340
constexpr uint32_t XEL_CMD_PORT_CFG_MODE = xel_cmd(0x43, 65, 16); // 0xC0104341
constexpr uint32_t XEL_CMD_PORT_BBSC_ENABLE = xel_cmd(0x43, 66, 8); // 0xC0084342
constexpr uint32_t XEL_CMD_PORT_BBSC_DISABLE = xel_cmd(0x43, 67, 8); // 0xC0084343
constexpr uint32_t XEL_CMD_PORT_NWPART_ENABLE = xel_cmd(0x43, 68, 8); // 0xC0084344
constexpr uint32_t XEL_CMD_PORT_NWPART_DISABLE = xel_cmd(0x43, 69, 8); // 0xC0084345
constexpr uint32_t XEL_CMD_CEE_RESET_STATS = xel_cmd(0x43, 70, 8); // 0xC0084346
constexpr uint32_t XEL_CMD_CEE_GET_ATTR = xel_cmd(0x43, 71, 24); // 0xC0184347
constexpr uint32_t XEL_CMD_CEE_GET_STATS = xel_cmd(0x43, 72, 24); // 0xC0184348
constexpr uint32_t XEL_CMD_SFP_MEDIA = xel_cmd(0x43, 74, 12); // 0xC00C434A
constexpr uint32_t XEL_CMD_SFP_SPEED = xel_cmd(0x43, 75, 12); // 0xC00C434B
constexpr uint32_t XEL_CMD_ETHBOOT_CFG = xel_cmd(0x43, 76, 16); // 0xC010434C
constexpr uint32_t XEL_CMD_ETHBOOT_QUERY = xel_cmd(0x43, 77, 16); // 0xC010434D
constexpr uint32_t XEL_CMD_FLASH_GET_ATTR = xel_cmd(0x43, 78, 1040); // 0xC410434E
constexpr uint32_t XEL_CMD_FLASH_ERASE_PART = xel_cmd(0x43, 79, 24); // 0xC018434F
constexpr uint32_t XEL_CMD_FLASH_UPDATE_PART = xel_cmd(0x43, 80, 24); // 0xC0184350
constexpr uint32_t XEL_CMD_FLASH_READ_PART = xel_cmd(0x43, 81, 24); // 0xC0184351
constexpr uint32_t XEL_CMD_MFG_UPDATE = xel_cmd(0x43, 82, 276); // 0xC1144352
constexpr uint32_t XEL_CMD_FLASH_ENABLE_OPTROM = xel_cmd(0x43, 83, 8); // 0xC0084353
constexpr uint32_t XEL_CMD_FLASH_DISABLE_OPTROM = xel_cmd(0x43, 84, 8); // 0xC0084354
constexpr uint32_t XEL_CMD_BOOT_GET_CFG_VERSION = xel_cmd(0x43, 85, 24); // 0xC0184355
constexpr uint32_t XEL_CMD_PHY_UPDATE = xel_cmd(0x43, 86, 24); // 0xC0184356
constexpr uint32_t XEL_CMD_PHY_READ = xel_cmd(0x43, 87, 24); // 0xC0184357
constexpr uint32_t XEL_CMD_PHY_GET_ATTR = xel_cmd(0x43, 88, 36); // 0xC0244358
constexpr uint32_t XEL_CMD_PHY_GET_STATS = xel_cmd(0x43, 89, 40); // 0xC0284359
constexpr uint32_t XEL_CMD_VHBA_CREATE = xel_cmd(0x43, 90, 24); // 0xC018435A
constexpr uint32_t XEL_CMD_VHBA_DELETE = xel_cmd(0x43, 91, 24); // 0xC018435B
constexpr uint32_t XEL_CMD_PCIFN_ENABLE = xel_cmd(0x43, 92, 24); // 0xC018435C
constexpr uint32_t XEL_CMD_PCIFN_DISABLE = xel_cmd(0x43, 93, 24); // 0xC018435D
constexpr uint32_t XEL_CMD_PCIFN_CFG_TYPE = xel_cmd(0x43, 94, 24); // 0xC018435E
constexpr uint32_t XEL_CMD_VHBA_SET_BW = xel_cmd(0x43, 95, 24); // 0xC018435F
constexpr uint32_t XEL_CMD_VNIC_GET_ATTR = xel_cmd(0x43, 96, 24); // 0xC0184360
constexpr uint32_t XEL_CMD_VNIC_ENABLE = xel_cmd(0x43, 97, 8); // 0xC0084361
constexpr uint32_t XEL_CMD_VNIC_DISABLE = xel_cmd(0x43, 98, 8); // 0xC0084362
constexpr uint32_t XEL_CMD_VNIC_GET_STATS = xel_cmd(0x43, 99, 24); // 0xC0184363
constexpr uint32_t XEL_CMD_VNIC_CLEAR_STATS = xel_cmd(0x43, 100, 8); // 0xC0084364
constexpr uint32_t XEL_CMD_VHBA_GET_ATTR = xel_cmd(0x43, 101, 40); // 0xC0284365
constexpr uint32_t XEL_CMD_VHBA_ENABLE = xel_cmd(0x43, 102, 8); // 0xC0084366
constexpr uint32_t XEL_CMD_VHBA_DISABLE = xel_cmd(0x43, 103, 8); // 0xC0084367
constexpr uint32_t XEL_CMD_TFRU_READ = xel_cmd(0x43, 106, 80); // 0xC050436A
constexpr uint32_t XEL_CMD_TFRU_WRITE = xel_cmd(0x43, 107, 80); // 0xC050436B
constexpr uint32_t XEL_CMD_FRUVPD_READ = xel_cmd(0x43, 108, 4112); // 0xD010436C
constexpr uint32_t XEL_CMD_FRUVPD_WRITE = xel_cmd(0x43, 109, 4112); // 0xD010436D
constexpr uint32_t XEL_CMD_FRUVPD_GET_MAX_SIZE = xel_cmd(0x43, 110, 12); // 0xC00C436E
constexpr uint32_t XEL_CMD_ETHPORT_GET_STATS = xel_cmd(0x43, 112, 600); // 0xC2584370
constexpr uint32_t XEL_CMD_ETHPORT_GET_ATTR = xel_cmd(0x43, 113, 24); // 0xC0184371
constexpr uint32_t XEL_CMD_ETHPORT_GET_CFG = xel_cmd(0x43, 114, 36); // 0xC0244372
constexpr uint32_t XEL_CMD_IOCFC_GET_ATTR = xel_cmd(0xB0, 1, 72); // 0xC048B001
constexpr uint32_t XEL_CMD_IOCFC_INTR_SET = xel_cmd(0xB0, 2, 16); // 0xC010B002
constexpr uint32_t XEL_CMD_LPORT_GET_ATTR = xel_cmd(0xB1, 1, 368); // 0xC170B101
constexpr uint32_t XEL_CMD_LPORT_GET_IOSTATS = xel_cmd(0xB1, 2, 232); // 0xC0E8B102
constexpr uint32_t XEL_CMD_LPORT_GET_STATS = xel_cmd(0xB1, 3, 264); // 0xC108B103
constexpr uint32_t XEL_CMD_LPORT_RESET_STATS = xel_cmd(0xB1, 4, 16); // 0xC010B104
constexpr uint32_t XEL_CMD_LPORT_GET_RPORTS = xel_cmd(0xB1, 5, 32); // 0xC020B105
constexpr uint32_t XEL_CMD_RPORT_ADD = xel_cmd(0xB2, 1, 24); // 0xC018B201
constexpr uint32_t XEL_CMD_RPORT_REMOVE = xel_cmd(0xB2, 2, 24); // 0xC018B202
constexpr uint32_t XEL_CMD_RPORT_GET_STATS = xel_cmd(0xB2, 3, 288); // 0xC120B203
constexpr uint32_t XEL_CMD_RPORT_RESET_STATS = xel_cmd(0xB2, 4, 24); // 0xC018B204
constexpr uint32_t XEL_CMD_RPORT_GET_ATTR_BY_QUALIFIER = xel_cmd(0xB2, 5, 352); // 0xC160B205
constexpr uint32_t XEL_CMD_RPORT_GET_SCSI_ADDRESS = xel_cmd(0xB2, 6, 40); // 0xC028B206
constexpr uint32_t XEL_CMD_RPORT_SET_SPEED = xel_cmd(0xB2, 7, 32); // 0xC020B207
constexpr uint32_t XEL_CMD_VPORT_CREATE = xel_cmd(0xB3, 1, 320); // 0xC140B301
constexpr uint32_t XEL_CMD_VPORT_DELETE = xel_cmd(0xB3, 2, 24); // 0xC018B302
constexpr uint32_t XEL_CMD_VPORT_START = xel_cmd(0xB3, 3, 24); // 0xC018B303
constexpr uint32_t XEL_CMD_VPORT_STOP = xel_cmd(0xB3, 4, 24); // 0xC018B304
constexpr uint32_t XEL_CMD_VPORT_GET_ATTR = xel_cmd(0xB3, 5, 376); // 0xC178B305
constexpr uint32_t XEL_CMD_VPORT_GET_STATS = xel_cmd(0xB3, 6, 344); // 0xC158B306
constexpr uint32_t XEL_CMD_VPORT_RESET_STATS = xel_cmd(0xB3, 7, 16); // 0xC010B307
constexpr uint32_t XEL_CMD_VF_GET_STATS = xel_cmd(0xB4, 8, 56); // 0xC038B408
constexpr uint32_t XEL_CMD_VF_RESET_STATS = xel_cmd(0xB4, 9, 8); // 0xC008B409
constexpr uint32_t XEL_CMD_QOS_ENABLE = xel_cmd(0xB6, 1, 8); // 0xC008B601
constexpr uint32_t XEL_CMD_QOS_DISABLE = xel_cmd(0xB6, 2, 8); // 0xC008B602
constexpr uint32_t XEL_CMD_QOS_GET_ATTR = xel_cmd(0xB6, 3, 24); // 0xC018B603
constexpr uint32_t XEL_CMD_QOS_GET_VC_ATTR = xel_cmd(0xB6, 4, 80); // 0xC050B604
constexpr uint32_t XEL_CMD_QOS_GET_STATS = xel_cmd(0xB6, 5, 80); // 0xC050B605
constexpr uint32_t XEL_CMD_QOS_RESET_STATS = xel_cmd(0xB6, 6, 8); // 0xC008B606
constexpr uint32_t XEL_CMD_QOS_SET_BW = xel_cmd(0xB6, 7, 12); // 0xC00CB607
constexpr uint32_t XEL_CMD_RATELIM_ENABLE = xel_cmd(0xB7, 1, 8); // 0xC008B701
constexpr uint32_t XEL_CMD_RATELIM_DISABLE = xel_cmd(0xB7, 2, 8); // 0xC008B702
constexpr uint32_t XEL_CMD_RATELIM_SET_SPEED = xel_cmd(0xB7, 3, 12); // 0xC00CB703
constexpr uint32_t XEL_CMD_FCPIM_FAST_FAILOVER = xel_cmd(0xB8, 1, 8); // 0xC008B801
constexpr uint32_t XEL_CMD_FCPIM_QDEPTH = xel_cmd(0xB8, 2, 16); // 0xC010B802
constexpr uint32_t XEL_CMD_FCPIM_GET_MODSTATS = xel_cmd(0xB8, 3, 224); // 0xC0E0B803
constexpr uint32_t XEL_CMD_FCPIM_CLR_MODSTATS = xel_cmd(0xB8, 4, 8); // 0xC008B804
constexpr uint32_t XEL_CMD_FCPIM_PROFILE_ON = xel_cmd(0xB8, 5, 8); // 0xC008B805
constexpr uint32_t XEL_CMD_FCPIM_PROFILE_OFF = xel_cmd(0xB8, 6, 8); // 0xC008B806
constexpr uint32_t XEL_CMD_FCPIM_GET_DEL_ITN_STATS = xel_cmd(0xB8, 7, 40); // 0xC028B807
constexpr uint32_t XEL_CMD_FCPIM_LUNMASK_QUERY = xel_cmd(0xB8, 8, 528); // 0xC210B808
constexpr uint32_t XEL_CMD_FCPIM_LUNMASK_ENABLE = xel_cmd(0xB8, 9, 8); // 0xC008B809
constexpr uint32_t XEL_CMD_FCPIM_LUNMASK_DISABLE = xel_cmd(0xB8, 10, 8); // 0xC008B80A
constexpr uint32_t XEL_CMD_FCPIM_LUNMASK_ADD = xel_cmd(0xB8, 11, 32); // 0xC020B80B
constexpr uint32_t XEL_CMD_FCPIM_LUNMASK_DELETE = xel_cmd(0xB8, 12, 32); // 0xC020B80C
constexpr uint32_t XEL_CMD_FCPIM_LUNMASK_CLEAR = xel_cmd(0xB8, 13, 8); // 0xC008B80D
constexpr uint32_t XEL_CMD_FCPIM_THROTTLE_QUERY = xel_cmd(0xB8, 14, 16); // 0xC010B80E
constexpr uint32_t XEL_CMD_FCPIM_THROTTLE_SET = xel_cmd(0xB8, 15, 16); // 0xC010B80F
constexpr uint32_t XEL_CMD_BIOS_CFG = xel_cmd(0xB9, 1, 152); // 0xC098B901
constexpr uint32_t XEL_CMD_BIOS_QUERY = xel_cmd(0xB9, 2, 152); // 0xC098B902
constexpr uint32_t XEL_CMD_BIOS_PBC_QUERY = xel_cmd(0xB9, 3, 144); // 0xC090B903
constexpr uint32_t XEL_CMD_SCSI_CMND = xel_cmd(0xBA, 1, 80); // 0xC050BA01
constexpr uint32_t XEL_CMD_FCPT = xel_cmd(0xBA, 2, 96); // 0xC060BA02
constexpr uint32_t XEL_CMD_ITNIM_GET_ATTR = xel_cmd(0xBB, 1, 32); // 0xC020BB01
constexpr uint32_t XEL_CMD_ITNIM_GET_IOSTATS = xel_cmd(0xBB, 2, 240); // 0xC0F0BB02
constexpr uint32_t XEL_CMD_ITNIM_RESET_STATS = xel_cmd(0xBB, 3, 24); // 0xC018BB03
constexpr uint32_t XEL_CMD_ITNIM_GET_ITNSTATS = xel_cmd(0xBB, 4, 72); // 0xC048BB04
constexpr uint32_t XEL_CMD_ITNIM_GET_IOPROFILE = xel_cmd(0xBB, 5, 544); // 0xC220BB05
constexpr uint32_t XEL_CMD_AUTH_GET_ATTR = xel_cmd(0xBD, 1, 32); // 0xC020BD01
constexpr uint32_t XEL_CMD_AUTH_GET_STATS = xel_cmd(0xBD, 2, 64); // 0xC040BD02
constexpr uint32_t XEL_CMD_AUTH_RESET_STATS = xel_cmd(0xBD, 3, 8); // 0xC008BD03
constexpr uint32_t XEL_CMD_AUTH_REINIT = xel_cmd(0xBD, 4, 8); // 0xC008BD04
constexpr uint32_t XEL_CMD_AUTH_SET_POLICY = xel_cmd(0xBD, 5, 16); // 0xC010BD05
constexpr uint32_t XEL_CMD_AUTH_SET_ALGO = xel_cmd(0xBD, 6, 16); // 0xC010BD06
constexpr uint32_t XEL_CMD_AUTH_SET_GROUP = xel_cmd(0xBD, 7, 16); // 0xC010BD07
constexpr uint32_t XEL_CMD_AUTH_SET_SECRETSOURCE = xel_cmd(0xBD, 8, 16); // 0xC010BD08
constexpr uint32_t XEL_CMD_AUTH_SET_SECRETSTRING = xel_cmd(0xBD, 9, 1288); // 0xC508BD09
constexpr uint32_t XEL_CMD_FABRIC_GET_LPORTS = xel_cmd(0xBE, 1, 24); // 0xC018BE01
constexpr uint32_t XEL_CMD_IPFC_GET_ATTR = xel_cmd(0xC0, 1, 84); // 0xC054C001
constexpr uint32_t XEL_CMD_IPFC_GET_STATS = xel_cmd(0xC0, 2, 48); // 0xC030C002
constexpr uint32_t XEL_CMD_IPFC_RESET_STATS = xel_cmd(0xC0, 3, 8); // 0xC008C003
constexpr uint32_t XEL_CMD_IPFC_ENABLE = xel_cmd(0xC0, 4, 8); // 0xC008C004
constexpr uint32_t XEL_CMD_IPFC_DISABLE = xel_cmd(0xC0, 5, 8); // 0xC008C005
constexpr uint32_t XEL_CMD_FCOE_GET_STATS = xel_cmd(0xC1, 1, 368); // 0xC170C101
constexpr uint32_t XEL_CMD_FCOE_RESET_STATS = xel_cmd(0xC1, 2, 8); // 0xC008C102
constexpr uint32_t XEL_CMD_FCOE_PORT_ENABLE = xel_cmd(0xC1, 3, 8); // 0xC008C103
constexpr uint32_t XEL_CMD_FCOE_PORT_DISABLE = xel_cmd(0xC1, 4, 8); // 0xC008C104
constexpr uint32_t XEL_CMD_PORT_ENABLE_TRUNK = xel_cmd(0xC2, 1, 8); // 0xC008C201
constexpr uint32_t XEL_CMD_PORT_DISABLE_TRUNK = xel_cmd(0xC2, 2, 8); // 0xC008C202
constexpr uint32_t XEL_CMD_PORT_GET_TRUNK_ATTR = xel_cmd(0xC2, 3, 72); // 0xC048C203
constexpr uint32_t XEL_CMD_FAA_QUERY = xel_cmd(0xC3, 3, 24); // 0xC018C303

// The header every record but a few begins with.
struct xel_ioctl_hdr_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
};
static_assert(sizeof(xel_ioctl_hdr_t) == 8);

// Header-only requests: enable, disable, statistics resets and the like.
using xel_ioctl_gen_t = xel_ioctl_hdr_t;

struct xel_ioctl_ioc_info_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    char serialnum[64];
    char hwpath[32];
    char adapter_hwpath[32];
    char guid[128];
    char name[64];
    char port_name[64];
    char eth_name[64];
    wwn_t pwwn;
    wwn_t nwwn;
    wwn_t factorypwwn;
    wwn_t factorynwwn;
    mac_t mac;
    mac_t factory_mac;
    mac_t current_mac;
    uint32_t ioc_type;
    uint16_t pvid;
    uint16_t rsvd1;
    uint32_t host;
    uint32_t bandwidth;
    uint32_t rsvd2;
};
static_assert(sizeof(xel_ioctl_ioc_info_t) == xel_cmd_size(XEL_CMD_IOC_GET_INFO));
static_assert(offsetof(xel_ioctl_ioc_info_t, pwwn) == 456);
static_assert(offsetof(xel_ioctl_ioc_info_t, ioc_type) == 508);
static_assert(offsetof(xel_ioctl_ioc_info_t, host) == 516);

enum xel_ioc_state_t : uint32_t {
    XEL_IOC_UNINIT = 1,
    XEL_IOC_RESET = 2,
    XEL_IOC_SEMWAIT = 3,
    XEL_IOC_HWINIT = 4,
    XEL_IOC_GETATTR = 5,
    XEL_IOC_OPERATIONAL = 6,
    XEL_IOC_INITFAIL = 7,
    XEL_IOC_FAIL = 8,
    XEL_IOC_DISABLING = 9,
    XEL_IOC_DISABLED = 10,
    XEL_IOC_FWMISMATCH = 11,
    XEL_IOC_ENABLING = 12,
    XEL_IOC_HWFAIL = 13,
    XEL_IOC_ACQ_ADDR = 14,
};

// Manufacturing VPD as the adapter reports it.
struct xel_mfg_vpd_s {
    uint8_t version;
    uint8_t vpd_sig[3];
    uint8_t chksum;
    uint8_t vendor;
    uint8_t len;
    uint8_t rsv;
    uint8_t data[512];
};
static_assert(sizeof(xel_mfg_vpd_s) == 520);

struct xel_adapter_attr_s {
    char serial_num[12];
    uint32_t card_type;
    char model[16];
    char model_descr[128];
    wwn_t pwwn;
    char node_symname[256];
    char hw_ver[64];
    char fw_ver[64];
    char optrom_ver[64];
    char os_type[64];
    xel_mfg_vpd_s vpd;
    mac_t mac;
    uint8_t nports;
    uint8_t max_speed;
    uint8_t prototype;
    uint8_t pcie_gen;
    uint8_t pcie_lanes_orig;
    uint8_t pcie_lanes;
    uint8_t cna_capable;
    uint8_t is_mezz;
    uint8_t trunk_capable;
    uint8_t mfg_day;
    uint8_t mfg_month;
    uint8_t rsvd;
    uint16_t mfg_year;
    uint8_t rsvd1[4];
};
static_assert(sizeof(xel_adapter_attr_s) == 1224);
static_assert(offsetof(xel_adapter_attr_s, vpd) == 680);
static_assert(offsetof(xel_adapter_attr_s, nports) == 1206);

struct xel_ioc_driver_attr_s {
    char driver[16];
    char driver_ver[64];
    char fw_ver[64];
    char bios_ver[64];
    char efi_ver[64];
    char ob_ver[64];
};
static_assert(sizeof(xel_ioc_driver_attr_s) == 336);

struct xel_ioc_pci_attr_s {
    uint16_t vendor_id;
    uint16_t device_id;
    uint16_t ssid;
    uint16_t ssvid;
    uint32_t pcifn;
    uint32_t rsvd;
    char chip_rev[8];
};
static_assert(sizeof(xel_ioc_pci_attr_s) == 24);

// Capability bits of cap_bm.
constexpr uint32_t XEL_CAP_STORAGE = 0x1;
constexpr uint32_t XEL_CAP_CONVERGED = 0x2;
constexpr uint32_t XEL_CAP_NETWORK = 0x4;

struct xel_ioc_attr_t {
    uint32_t ioc_type;
    uint32_t state; // xel_ioc_state_t
    xel_adapter_attr_s adapter_attr;
    xel_ioc_driver_attr_s driver_attr;
    xel_ioc_pci_attr_s pci_attr;
    uint32_t port_id;
    uint32_t port_mode;
    uint32_t cap_bm;
    uint32_t port_mode_cfg;
};
static_assert(sizeof(xel_ioc_attr_t) == 1608);

struct xel_ioctl_ioc_attr_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_ioc_attr_t ioc_attr;
};
static_assert(sizeof(xel_ioctl_ioc_attr_t) == xel_cmd_size(XEL_CMD_IOC_GET_ATTR));

struct xel_ioctl_ioc_stats_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_ioc_stats_t stats;
};
static_assert(sizeof(xel_ioctl_ioc_stats_t) == xel_cmd_size(XEL_CMD_IOC_GET_STATS));

// A record that hands the driver a buffer: its size and its address.
struct xel_ioctl_buf_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    uint32_t bufsz;
    uint32_t rsvd1;
    uint64_t buf_ptr;
};
static_assert(sizeof(xel_ioctl_buf_t) == xel_cmd_size(XEL_CMD_IOC_GET_FWSTATS));

// The firmware statistics follow their 24-byte request record.
constexpr uint32_t XEL_FW_STATS_SIZE = 912;
constexpr int XEL_FW_STATS_XFER = 936;

// Trace and state reads: bufsz at 8, buf_ptr at 16, 8 more bytes.
struct xel_ioctl_debug_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    uint32_t bufsz;
    uint32_t rsvd1;
    uint64_t buf_ptr;
    uint64_t offset;
};
static_assert(sizeof(xel_ioctl_debug_t) == xel_cmd_size(XEL_CMD_DEBUG_DRV_TRACE));
// The most a trace read returns.
constexpr uint32_t XEL_DEBUG_TRACE_SIZE = 0x10020;

struct xel_ioctl_ioc_name_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    char name[64];
};
static_assert(sizeof(xel_ioctl_ioc_name_t) == xel_cmd_size(XEL_CMD_IOC_SET_NAME));
static_assert(sizeof(xel_ioctl_ioc_name_t) == xel_cmd_size(XEL_CMD_ADAPTER_SET_NAME));

// The version compare has no instance field.
struct xel_ioctl_ver_t {
    int32_t status;
    uint32_t version;
};
static_assert(sizeof(xel_ioctl_ver_t) == xel_cmd_size(XEL_CMD_IOC_COMPARE_VERSIONS));
// The driver version this library is built for.
constexpr uint32_t XEL_DRV_VERSION = 4134;

struct xel_iocfc_attr_t {
    uint8_t coalesce;
    uint8_t rsvd[3];
    uint16_t delay;
    uint16_t latency;
    uint32_t num_cqs;
    uint32_t num_ioim_reqs;
    uint32_t num_tskim_reqs;
    uint32_t num_fcxp_reqs;
    uint32_t num_uf_bufs;
    uint32_t num_rports;
    uint32_t rsvd1[8];
};
static_assert(sizeof(xel_iocfc_attr_t) == 64);

struct xel_ioctl_iocfc_attr_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_iocfc_attr_t attr;
};
static_assert(sizeof(xel_ioctl_iocfc_attr_t) == xel_cmd_size(XEL_CMD_IOCFC_GET_ATTR));

struct xel_ioctl_iocfc_intr_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    uint8_t coalesce;
    uint8_t rsvd1[3];
    uint16_t latency;
    uint16_t delay;
};
static_assert(sizeof(xel_ioctl_iocfc_intr_t) == xel_cmd_size(XEL_CMD_IOCFC_INTR_SET));
static_assert(offsetof(xel_ioctl_iocfc_intr_t, latency) == 12 && offsetof(xel_ioctl_iocfc_intr_t, delay) == 14);

struct xel_ioctl_regread_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    uint32_t off;
    uint32_t nwords;
    int32_t inst_no;
    uint32_t force;
    uint64_t buf_ptr;
};
static_assert(sizeof(xel_ioctl_regread_t) == xel_cmd_size(XEL_CMD_DIAG_REGREAD));

struct xel_ioctl_regwrite_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    uint32_t off;
    uint32_t word;
    int32_t inst_no;
    uint32_t force;
};
static_assert(sizeof(xel_ioctl_regwrite_t) == xel_cmd_size(XEL_CMD_DIAG_REGWRITE));

struct xel_ioctl_vport_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t vf_id;
    wwn_t vpwwn;
    wwn_t vnwwn;
};
static_assert(sizeof(xel_ioctl_vport_t) == xel_cmd_size(XEL_CMD_VPORT_DELETE));

struct xel_lport_cfg_t {
    wwn_t pwwn;
    wwn_t nwwn;
    char sym_name[128];
    char node_sym_name[128];
    uint32_t roles;
    uint8_t fcp_opts[4];
    uint8_t preboot_vp;
    uint8_t rsvd[3];
    uint8_t tag[16];
    uint8_t synth_fc;
    uint8_t rsvd1[3];
};
static_assert(sizeof(xel_lport_cfg_t) == 304);

struct xel_ioctl_vport_create_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t vf_id;
    wwn_t vpwwn;
    xel_lport_cfg_t port_cfg;
};
static_assert(sizeof(xel_ioctl_vport_create_t) == xel_cmd_size(XEL_CMD_VPORT_CREATE));
static_assert(offsetof(xel_ioctl_vport_create_t, port_cfg) == 16);

struct xel_ioctl_flash_t {
    int32_t status;
    uint16_t xeld_num;
    uint8_t instance;
    uint8_t rsvd;
    uint32_t type;
    uint32_t bufsz;
    uint64_t buf_ptr;
};
static_assert(sizeof(xel_ioctl_flash_t) == xel_cmd_size(XEL_CMD_FLASH_UPDATE_PART));

struct xel_flash_part_attr_t {
    uint32_t part_type;
    uint32_t part_instance;
    uint32_t part_off;
    uint32_t part_size;
    uint32_t part_len;
    uint32_t part_status;
    uint8_t rsv[8];
};
static_assert(sizeof(xel_flash_part_attr_t) == 32);

struct xel_flash_attr_t {
    uint32_t status;
    uint32_t npart;
    xel_flash_part_attr_t part[32];
};

struct xel_ioctl_flash_attr_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_flash_attr_t attr;
};
static_assert(sizeof(xel_ioctl_flash_attr_t) == xel_cmd_size(XEL_CMD_FLASH_GET_ATTR));

// The general request buffer: large enough for every record.
union xell_args_t {
    xel_ioctl_hdr_t hdr;
    xel_ioctl_ioc_info_t ioc_info;
    xel_ioctl_ioc_attr_t ioc_attr;
    uint8_t raw[XELL_ARGS_SIZE];
};
static_assert(sizeof(xell_args_t) == XELL_ARGS_SIZE);
