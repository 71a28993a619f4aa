// FC link authentication (DH-CHAP) of a storage function: its state and
// counters, and the settings, which are recorded in the configuration file
// once the driver accepted them.
#pragma once

#include "xel_auth_records.h"
#include "xell_ioc.h"

#include <cstddef>
#include <cstdint>

xel_status_t xell_auth_get_attr(xell_t *ioc, xel_auth_attr_t *attr);
xel_status_t xell_auth_get_stats(xell_t *ioc, xel_auth_stats_t *stats);
xel_status_t xell_auth_reset_stats(xell_t *ioc);
xel_status_t xell_auth_reinit(xell_t *ioc);
xel_status_t xell_auth_set_policy(xell_t *ioc, bool on);
xel_status_t xell_auth_set_algo(xell_t *ioc, uint32_t algo);
xel_status_t xell_auth_set_group(xell_t *ioc, uint32_t group);
xel_status_t xell_auth_set_secretsource(xell_t *ioc, uint32_t source);
// Sends the secret (at most 256 characters) encoded and as text, and
// records the encoded words. A character outside ASCII is refused with
// XEL_STATUS_EINVAL before anything is sent.
xel_status_t xell_auth_set_secretstring(xell_t *ioc, const char *secret);
// Sends count already encoded words (at most 256; more is XEL_STATUS_EINVAL);
// nothing is recorded.
xel_status_t xell_auth_set_encryptstring(xell_t *ioc, const uint32_t *words, size_t count);

// base to the power exp modulo mod, by square and multiply.
uint32_t xell_power(uint32_t base, uint32_t exp, uint32_t mod);
// Word i is character i to the power 27121 modulo 31151; words past the
// string are left alone. False, leaving words as they are, when the string
// holds a character outside ASCII or more than XEL_AUTH_SECRET_MAX.
bool xell_encrypt_string(const char *str, uint32_t words[XEL_AUTH_SECRET_MAX]);
