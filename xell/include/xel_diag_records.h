// Request records of the adapter diagnostics: loopbacks, memory and queue
// tests, the firmware ping, LEDs and beacon, the temperature sensors and
// the SFP EEPROM. Records are little-endian in host order; the EEPROM
// image keeps the module's own big-endian bytes.
#pragma once

#include "xel_ioctl.h"

#include <cstddef>
#include <cstdint>

// Loopback operating modes; the command words are "int", "serdes", "ext".
enum xel_port_opmode_t : uint32_t {
    XEL_PORT_OPMODE_NORMAL = 0,
    XEL_PORT_OPMODE_LB_INT = 1,
    XEL_PORT_OPMODE_LB_SLW = 2,
    XEL_PORT_OPMODE_LB_EXT = 4,
    XEL_PORT_OPMODE_LB_CBL = 8,
    XEL_PORT_OPMODE_LB_NLINT = 32,
};

// ---- result records ---------------------------------------------------------

struct xel_diag_loopback_result_t {
    uint32_t numtxmfrm;
    uint32_t numosffrm;
    uint32_t numrcvfrm;
    uint32_t badfrminf;
    uint32_t badfrmnum;
    uint8_t status; // xel_status_t of the test
    uint8_t rsvd[3];
};
static_assert(sizeof(xel_diag_loopback_result_t) == 24);
static_assert(offsetof(xel_diag_loopback_result_t, status) == 20);

struct xel_diag_memtest_result_t {
    uint32_t status;
    uint32_t addr;
    uint32_t exp;
    uint32_t act;
    uint32_t err_status;
    uint32_t err_status1;
    uint32_t err_addr;
    uint8_t algo;
    uint8_t rsv[3];
};
static_assert(sizeof(xel_diag_memtest_result_t) == 32);
static_assert(offsetof(xel_diag_memtest_result_t, algo) == 28);

struct xel_diag_fwping_result_t {
    uint32_t data;
    uint32_t status;
    uint32_t dmastatus;
    uint32_t rsvd;
};
static_assert(sizeof(xel_diag_fwping_result_t) == 16);

struct xel_diag_qtest_result_t {
    uint32_t status;
    uint16_t count;
    uint8_t queue;
    uint8_t rsvd;
};
static_assert(sizeof(xel_diag_qtest_result_t) == 8);

// The sensors as the driver reads them.
struct xel_diag_temp_t {
    uint32_t status;
    uint16_t temp;     // raw junction value, 10 bits
    uint16_t brd_temp; // raw board value, signed, 1/256 degree
    uint8_t ts_junc;
    uint8_t ts_brd;
    uint8_t rsvd[6];
};
static_assert(sizeof(xel_diag_temp_t) == 16);

// The sensors in degrees Celsius; the library's own output.
struct xel_diag_showtemp_t {
    uint32_t status;
    bool ts_junc;
    bool ts_brd;
    double junc_temp;
    double brd_temp;
};

struct xel_diag_ledtest_t {
    uint32_t cmd;   // 0 off, 1 on, 3 blink
    uint32_t color; // 0 green, 1 amber
    uint16_t freq;  // blinks per 10 seconds
    uint8_t led;    // LED bit map
    uint8_t rsvd[5];
};
static_assert(sizeof(xel_diag_ledtest_t) == 16);
constexpr uint32_t XEL_LED_OFF = 0;
constexpr uint32_t XEL_LED_ON = 1;
constexpr uint32_t XEL_LED_BLINK = 3;

// Records whose requests the adapters do not take.
struct xel_diag_post_result_t {
    uint32_t status;
    uint32_t rsvd;
};
struct xel_pom_attr_t {
    uint32_t status;
    uint32_t rsvd;
};

// ---- the SFP EEPROM (SFF-8472) ---------------------------------------------

// Serial ID page (A0h), bytes 0-63.
struct sfp_srlid_base_t {
    uint8_t id;
    uint8_t extid;
    uint8_t connector;
    uint8_t xcvr[8];
    uint8_t encoding;
    uint8_t br_norm;
    uint8_t rate_id;
    uint8_t len_km;
    uint8_t len_100m;
    uint8_t len_om2;
    uint8_t len_om1;
    uint8_t len_cu;
    uint8_t len_om3;
    uint8_t vendor_name[16];
    uint8_t unalloc1;
    uint8_t vendor_oui[3];
    uint8_t vendor_pn[16];
    uint8_t vendor_rev[4];
    uint8_t wavelen[2];
    uint8_t unalloc2;
    uint8_t cc_base; // low byte of the sum of bytes 0-62
};
static_assert(sizeof(sfp_srlid_base_t) == 64);
static_assert(offsetof(sfp_srlid_base_t, vendor_name) == 20 && offsetof(sfp_srlid_base_t, vendor_oui) == 37);
static_assert(offsetof(sfp_srlid_base_t, wavelen) == 60 && offsetof(sfp_srlid_base_t, cc_base) == 63);

// Serial ID page (A0h), bytes 64-95.
struct sfp_srlid_ext_t {
    uint8_t options[2];
    uint8_t br_max;
    uint8_t br_min;
    uint8_t vendor_sn[16];
    uint8_t date_code[8];
    uint8_t diag_mon_type;
    uint8_t en_options;
    uint8_t sff_8472;
    uint8_t cc_ext; // low byte of the sum of bytes 64-94
};
static_assert(sizeof(sfp_srlid_ext_t) == 32);
static_assert(offsetof(sfp_srlid_ext_t, diag_mon_type) == 28);

// Diagnostics page (A2h), bytes 0-95: thresholds and calibration.
struct sfp_diag_base_t {
    uint8_t thresholds[40]; // high/low alarm, high/low warning of temp, volt, bias, tx and rx power
    uint8_t unallocate_1[16];
    uint8_t rx_pwr[20]; // Rx power constants 4 down to 0, IEEE single precision
    uint8_t tx_i[4];    // slope, offset
    uint8_t tx_pwr[4];
    uint8_t temp[4];
    uint8_t volt[4];
    uint8_t unallocate_2[3];
    uint8_t cc_dmi; // low byte of the sum of bytes 0-94
};
static_assert(sizeof(sfp_diag_base_t) == 96);
static_assert(offsetof(sfp_diag_base_t, rx_pwr) == 56 && offsetof(sfp_diag_base_t, volt) == 88);

// Diagnostics page (A2h), bytes 96-119: the measurements.
struct sfp_diag_ext_t {
    uint8_t diag[10]; // temperature, voltage, bias, Tx power, Rx power
    uint8_t unalloc1[4];
    uint8_t status_ctl;
    uint8_t rsvd;
    uint8_t alarm_flags[2];
    uint8_t unalloc2[2];
    uint8_t warning_flags[2];
    uint8_t ext_status_ctl[2];
};
static_assert(sizeof(sfp_diag_ext_t) == 24);
static_assert(offsetof(sfp_diag_ext_t, status_ctl) == 14 && offsetof(sfp_diag_ext_t, warning_flags) == 20);

// Diagnostics page (A2h), bytes 120-151: the vendor's user area.
struct sfp_usr_eeprom_t {
    uint8_t rsvd1[2];
    uint8_t ewrap;
    uint8_t rsvd2[2];
    uint8_t owrap;
    uint8_t rsvd3[2];
    uint8_t prbs;
    uint8_t rsvd4[2];
    uint8_t tx_eqz_16;
    uint8_t tx_eqz_8;
    uint8_t rsvd5[2];
    uint8_t rx_emp_16;
    uint8_t rx_emp_8;
    uint8_t rsvd6[2];
    uint8_t tx_eye_adj;
    uint8_t rsvd7[3];
    uint8_t tx_eye_qctl;
    uint8_t tx_eye_qres;
    uint8_t rsvd8[2];
    uint8_t poh[3]; // power-on hours
    uint8_t rsvd9[2];
};
static_assert(sizeof(sfp_usr_eeprom_t) == 32);
static_assert(offsetof(sfp_usr_eeprom_t, owrap) == 5 && offsetof(sfp_usr_eeprom_t, poh) == 27);

struct sfp_mem_t {
    sfp_srlid_base_t srlid_base;
    sfp_srlid_ext_t srlid_ext;
    sfp_diag_base_t diag_base;
    sfp_diag_ext_t diag_ext;
    sfp_usr_eeprom_t usr_eeprom;
};
static_assert(sizeof(sfp_mem_t) == 248);
static_assert(offsetof(sfp_mem_t, srlid_ext) == 64 && offsetof(sfp_mem_t, diag_base) == 96);
static_assert(offsetof(sfp_mem_t, diag_ext) == 192 && offsetof(sfp_mem_t, usr_eeprom) == 216);

// ---- request records ----------------------------------------------------------

struct xel_ioctl_diag_temp_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_diag_temp_t result;
};
static_assert(sizeof(xel_ioctl_diag_temp_t) == xel_cmd_size(XEL_CMD_DIAG_TSENSOR_QUERY));

// The memory test's header has a six-byte reserved part.
struct xel_ioctl_diag_memtest_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd[3];
    uint32_t pat;
    xel_diag_memtest_result_t result;
    uint8_t algo;
    uint8_t rsvd1[7];
};
static_assert(sizeof(xel_ioctl_diag_memtest_t) == xel_cmd_size(XEL_CMD_DIAG_MEMTEST));
static_assert(offsetof(xel_ioctl_diag_memtest_t, pat) == 12 && offsetof(xel_ioctl_diag_memtest_t, result) == 16);
static_assert(offsetof(xel_ioctl_diag_memtest_t, algo) == 48);

// The frame count and the pattern travel big-endian.
struct xel_ioctl_diag_loopback_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    uint32_t opmode; // xel_port_opmode_t
    uint32_t speed;  // xel_port_speed
    uint32_t lpcnt;
    uint32_t pat;
    xel_diag_loopback_result_t result;
};
static_assert(sizeof(xel_ioctl_diag_loopback_t) == xel_cmd_size(XEL_CMD_DIAG_LOOPBACK));
static_assert(offsetof(xel_ioctl_diag_loopback_t, result) == 24);

struct xel_ioctl_diag_fwping_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    uint32_t cnt;
    uint32_t pattern;
    xel_diag_fwping_result_t result;
};
static_assert(sizeof(xel_ioctl_diag_fwping_t) == xel_cmd_size(XEL_CMD_DIAG_FWPING));
static_assert(offsetof(xel_ioctl_diag_fwping_t, result) == 16);

struct xel_ioctl_diag_qtest_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    uint32_t force;
    uint32_t queue; // 0 to 3, or 4 for all
    xel_diag_qtest_result_t result;
};
static_assert(sizeof(xel_ioctl_diag_qtest_t) == xel_cmd_size(XEL_CMD_DIAG_QUEUETEST));
static_assert(offsetof(xel_ioctl_diag_qtest_t, result) == 16);

struct xel_ioctl_sfp_query_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    sfp_mem_t sfpmem;
};
static_assert(sizeof(xel_ioctl_sfp_query_t) == xel_cmd_size(XEL_CMD_DIAG_SFP_QUERY));

struct xel_ioctl_diag_led_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    xel_diag_ledtest_t ledtest;
};
static_assert(sizeof(xel_ioctl_diag_led_t) == xel_cmd_size(XEL_CMD_DIAG_LED_TEST));

struct xel_ioctl_diag_beacon_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    uint32_t beacon;
    uint32_t link_e2e_beacon;
    uint32_t second;
};
static_assert(sizeof(xel_ioctl_diag_beacon_t) == xel_cmd_size(XEL_CMD_DIAG_BEACON_LPORT));

// The frame count and the pattern travel in host order here.
struct xel_ioctl_diag_eth_loopback_t {
    int32_t status;
    uint16_t xeld_num;
    uint16_t rsvd;
    uint32_t opmode;
    uint32_t lpcnt;
    uint32_t pat;
    xel_diag_loopback_result_t result;
};
static_assert(sizeof(xel_ioctl_diag_eth_loopback_t) == xel_cmd_size(XEL_CMD_DIAG_ETH_LOOPBACK));
static_assert(offsetof(xel_ioctl_diag_eth_loopback_t, result) == 20);
