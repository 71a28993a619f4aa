// Diagnostic requests: the adapter's built-in tests, its LEDs and sensors,
// the SFP EEPROM, D-port, and the SFP checks other commands use.
#pragma once

#include "xel_diag_records.h"
#include "xel_port_records.h"
#include "xell_ioc.h"
#include "xell_state.h"

xel_status_t xell_sfp_media(xell_t *ioc, xel_defs_sfp_media_t *media);
// Fails when the installed SFP cannot run that speed.
xel_status_t xell_sfp_speed(xell_t *ioc, uint32_t speed);
xel_status_t xell_diag_dport_get_state(xell_t *ioc, xel_dport_state_t *state);
xel_status_t xell_diag_dport_enable(xell_t *ioc);
xel_status_t xell_diag_dport_disable(xell_t *ioc);

// Registers: nwords words from off land in buf.
xel_status_t xell_diag_regread(xell_t *ioc, uint32_t off, int nwords, uint32_t *buf, uint32_t force);
xel_status_t xell_diag_regwrite(xell_t *ioc, uint32_t off, uint32_t word, uint32_t force);

// The sensors, converted to degrees Celsius by the adapter's PCI device id.
xel_status_t xell_diag_tsensor_query(xell_t *ioc, xel_diag_showtemp_t *temp);
// Junction temperature of a raw 10-bit reading, board temperature of a raw
// signed reading.
double xell_diag_junction_temp(uint16_t device_id, uint16_t raw);
double xell_diag_board_temp(uint16_t raw);

xel_status_t xell_diag_post(xell_t *ioc, xel_diag_post_result_t *result);
xel_status_t xell_diag_pom_query(xell_t *ioc, xel_pom_attr_t *attr);
xel_status_t xell_diag_memtest(xell_t *ioc, uint32_t pat, xel_diag_memtest_result_t *result);
xel_status_t xell_diag_loopback(xell_t *ioc, uint32_t opmode, uint32_t speed, uint32_t lpcnt, uint32_t pat,
                                xel_diag_loopback_result_t *result);
xel_status_t xell_diag_eth_loopback(xell_t *ioc, uint32_t opmode, uint32_t lpcnt, uint32_t pat,
                                    xel_diag_loopback_result_t *result);
xel_status_t xell_diag_fwping(xell_t *ioc, uint32_t cnt, uint32_t pattern, xel_diag_fwping_result_t *result);
xel_status_t xell_diag_queuetest(xell_t *ioc, uint32_t queue, xel_diag_qtest_result_t *result);
xel_status_t xell_diag_get_lb_status(xell_t *ioc);

xel_status_t xell_diag_sfp_query(xell_t *ioc, sfp_mem_t *sfp);
xel_status_t xell_diag_led_test(xell_t *ioc, const xel_diag_ledtest_t *ledtest);
// The port's own beacon; refused when it is already so or the link beacon
// is on.
xel_status_t xell_diag_beacon_lport(xell_t *ioc, bool beacon, uint32_t sec);
// The port and the switch port at the far end beacon together.
xel_status_t xell_diag_beacon_swport(xell_t *ioc, bool beacon, uint32_t sec);
