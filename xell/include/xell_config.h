// The persistent configuration store: /etc/xel.conf held in memory as one
// table of adapter records and one table of IOC records.
//
// Every change runs one cycle: xell_config_load (lock the file, read it into
// the tables), record operations, then xell_config_sync (write back when the
// tables changed, unlock) or xell_config_unload (unlock only). Only the
// process holding the lock touches the tables.
#pragma once

#include "xel_status.h"
#include "xel_types.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct xell_t;
struct xell_port_t;

inline constexpr int XELL_CONFIG_MAX_RECORDS = 128;
inline constexpr int XELL_CONFIG_FLAG_WORDS = 4;

// Setting numbers: the type of xell_config_set_data and the bit of the
// setting in a record's flags and in the global flags.
enum xell_config_setting : int {
    XELL_CFG_AD_ID = 0,
    XELL_CFG_AD_NAME = 1,
    XELL_CFG_AD_POWER = 2,
    XELL_CFG_AD_TRUNK = 3,
    XELL_CFG_PWWN = 4,
    XELL_CFG_MAC = 5,
    XELL_CFG_NAME = 6,
    XELL_CFG_ETHNAME = 7,
    XELL_CFG_MTU = 8,
    XELL_CFG_SPEED = 9,
    XELL_CFG_TOPOLOGY = 10,
    XELL_CFG_ALPA = 11,
    XELL_CFG_MAXFRSZ = 12,
    XELL_CFG_TRUNK = 13,
    XELL_CFG_ENABLE = 14,
    XELL_CFG_IPFC_ENABLE = 15,
    XELL_CFG_LOG = 16,
    XELL_CFG_VF_ENABLE = 17,
    XELL_CFG_VF_DEFAULT = 18,
    XELL_CFG_VF_LIST = 19,
    XELL_CFG_VPORT = 20,
    XELL_CFG_AUTH_POLICY = 21,
    XELL_CFG_AUTH_ALGO = 22,
    XELL_CFG_AUTH_GROUP = 23,
    XELL_CFG_AUTH_SSOURCE = 24,
    XELL_CFG_AUTH_SSTRING = 25,
    XELL_CFG_UNUSED = 26,
    XELL_CFG_PATHTOV = 27,
    XELL_CFG_QDEPTH = 28,
    XELL_CFG_QOS = 29,
    XELL_CFG_RATELIM = 30,
    XELL_CFG_DEFSPEED = 31,
    XELL_CFG_COALESCE = 32,
    XELL_CFG_DELAY = 33,
    XELL_CFG_LATENCY = 34,
    XELL_CFG_BINDING = 35,
    XELL_CFG_NUM_SETTINGS = 36,
};

// Port speed code that asks for automatic speed; stored as 0.
inline constexpr int XELL_CFG_SPEED_AUTO = 15;
// The longest secret text its field holds.
inline constexpr size_t XELL_CFG_SECRET_TEXT_MAX = 511;

using xell_config_flags_t = uint32_t[XELL_CONFIG_FLAG_WORDS];

inline bool xell_cfg_flag_test(const xell_config_flags_t flags, int setting)
{
    return (flags[setting / 32] >> (setting % 32)) & 1U;
}
inline void xell_cfg_flag_set(xell_config_flags_t flags, int setting)
{
    flags[setting / 32] |= 1U << (setting % 32);
}
inline void xell_cfg_flag_clear(xell_config_flags_t flags, int setting)
{
    flags[setting / 32] &= ~(1U << (setting % 32));
}

struct xell_ad_config_t {
    xell_config_flags_t flags = {};
    char id[12] = {}; // serial number: the key
    char name[128] = {};
    bool ad_trunk = false;

    bool operator==(const xell_ad_config_t &) const = default;
};

// One virtual port entry of an IOC record.
struct xell_vf_config_t {
    char pwwn[32] = {}; // the key
    char nwwn[32] = {};
    char role[16] = {}; // "IM + IP" and the like
    char name[128] = {};
    uint16_t vf_id = 0;

    bool operator==(const xell_vf_config_t &) const = default;
};

// One IOC record: the FC part (pwwn and the port settings) and the Ethernet
// part (mac, ethname, mtu) belong to two unrelated IOCs that share a slot.
struct xell_ioc_config_t {
    xell_config_flags_t flags = {};
    char pwwn[32] = {};
    char name[128] = {};
    char mac[32] = {};
    char ethname[128] = {};
    int speed = 0;
    int topology = 0;
    uint8_t alpa = 0;
    uint16_t maxfrsz = 0;
    uint32_t trunking = 0;
    bool enable = false;
    bool ipfc_enable = false;
    int log = 0;
    bool vf_enable = false;
    uint16_t vf_default_id = 0;
    uint16_t vf_list = 0;
    std::vector<xell_vf_config_t> vport; // in file order
    bool authpolicy = false;
    int authalgo = 0;
    int authgroup = 0;
    int authssource = 0;
    char authsstring[512] = {};
    uint16_t pathtov = 0;
    uint16_t qdepth = 0;
    bool binding = false;
    bool qos = false;
    bool ratelim = false;
    int defspeed = 0;
    bool coalesce = false;
    uint16_t delay = 0;
    uint16_t latency = 0;
    int mtu = 0;

    bool operator==(const xell_ioc_config_t &) const = default;
};

// The configuration file's path; every load and sync takes it from here.
const char *xell_get_cfg_path();

// --- Loading, write-back and the file lock -------------------------------

// Locks the file (creating it empty, mode 0644, when missing), finishes or
// drops a write-back a killed command left, and reads the file into the
// tables. XEL_STATUS_FAILED when this process already holds the lock;
// XEL_STATUS_EFOPEN when the file cannot be opened or read, or the lock
// stays taken past the command's 60 seconds of waiting.
xel_status_t xell_config_load(const char *path);
// Writes the tables back when the text they make changed since the load,
// and releases the lock. The file is rewritten in place through a journal
// beside it, so a failed write-back leaves the previous text and returns
// XEL_STATUS_EFOPEN.
// XEL_STATUS_FAILED, writing nothing, when no load holds the lock.
xel_status_t xell_config_sync(const char *path);
// A sync for a change the driver has already taken: a write-back that
// fails is remembered for the command (xell_config_unsaved).
xel_status_t xell_config_commit(const char *path);
// The errno of the first write-back of this command that failed to save
// a change the driver had taken; 0 when every change was saved.
int xell_config_unsaved();
// Starts a command: no change unsaved yet, the whole lock wait ahead.
void xell_config_command_begin();
// Releases the lock without writing.
void xell_config_unload();
// True between a successful load and its sync or unload.
bool xell_config_is_loaded();

// The text a write-back produces from the tables.
std::string xell_config_text();
// Parses one line into the tables (the loader's step; a line ends at its
// first newline or NUL, a carriage return before it included). False when
// no key takes the line.
bool xell_config_parse(std::string_view line);

// --- Lexical rules of the file --------------------------------------------

// Strips spaces, tabs, double quotes, semicolons and newlines from both ends.
std::string_view xell_config_filter_space(std::string_view text);
// The decimal rule: the run of digits at the end of the trimmed text (0 when
// it does not end in a digit, -1 for empty text); saturates at INT32_MAX.
int xell_config_get_num(std::string_view value);
// The hard ALPA rule: the last two characters as hexadecimal digits, any
// other character counting as 0.
uint8_t xell_xstrtoi(std::string_view hex);
// A comma-separated list of decimals as a bitmap with bit (n % 32) set.
uint32_t xell_listtobmp(std::string_view list);
// The set bits of a bitmap in ascending order.
std::vector<int> xell_bmptolist(uint32_t bmp);
// A WWN text ("20:00:...") as a WWN; 0 for no text.
wwn_t xell_wwn_convert(const char *value);

// --- Records ---------------------------------------------------------------

// The records, for reading (null for an index outside 0 to 127).
const xell_ad_config_t *xell_config_ad_get(int idx);
const xell_ioc_config_t *xell_config_ioc_get(int idx);
// The global flag of a setting: the file holds (or shall hold) its global line.
bool xell_config_global_isset(int setting);

// Stores a value text as setting `type` of record `idx` under the file's
// rules. XEL_STATUS_EINVAL, changing nothing, for a text that would not read
// back as written (see the names below); XEL_STATUS_OK otherwise.
xel_status_t xell_config_set_data(int type, int idx, const char *value);
// Adds or updates a virtual port entry of record `idx` from
// "PWWN,NWWN,SYMNAME,ROLES,VFID".
void xell_config_set_vportdata(int idx, std::string_view data);

// Lookups scan records 0 to 127; -1 when nothing matches.
int xell_config_ad_lookup(const char *serialnum);
int xell_config_ioc_lookup(wwn_t wwn);
int xell_config_ethioc_lookup(const mac_t &mac);
// Creation takes the first free record and returns its index; -1 when the
// table is full (or the key holds a control character).
int xell_config_ad_add(const char *serialnum);
int xell_config_ioc_add(wwn_t wwn);
int xell_config_ethioc_add(const mac_t &mac);
void xell_config_ioc_pwwn(int inst, wwn_t wwn);
void xell_config_ethioc_mac(int inst, const mac_t &mac);
int xell_config_ad_get_num();
int xell_config_ioc_get_num();

// Registration at discovery, in one load and sync for the whole host (the
// sync writes only when something was added): a record for every IOC (FC
// and FCoE keyed by port WWN, Ethernet by MAC), then for every adapter (by
// serial number), that has none. Returns the load or sync status.
xel_status_t xell_config_register(const std::vector<const xell_t *> &iocs, const std::vector<const char *> &serials);

// True when `nm` is not empty, the adapter with serial `ad_serial` has a
// record whose name is `nm`, and `snum` is another serial.
bool xell_config_get_ad_name_exists(const char *ad_serial, const char *nm, const char *snum);

// Hook run when a port is freed; nothing to do.
xel_status_t xell_conf_cleanup(const xell_port_t *port);

// --- Per-setting entry points ----------------------------------------------
// Each changes the record of the handle's port WWN (nothing when there is
// none); the caller brackets it with load and sync.

void xell_config_speed(const xell_t *xell, int speed);
void xell_config_topology(const xell_t *xell, int topo);
void xell_config_alpa(const xell_t *xell, uint8_t alpa, bool mode);
void xell_config_maxfrsz(const xell_t *xell, uint16_t maxfrsz);
void xell_config_trunk(const xell_t *xell, uint32_t pp_bmap, bool mode);
void xell_config_enable(const xell_t *xell, bool enable);
void xell_config_ipfc_enable(const xell_t *xell, bool enable);
void xell_config_log_level(const xell_t *xell, int log_level);
void xell_config_vf_mode(const xell_t *xell, uint16_t vf_id, bool mode);
void xell_config_vf_list(const xell_t *xell, uint16_t vf_id, bool mode);
void xell_config_auth_policy(const xell_t *xell, bool mode);
void xell_config_auth_algo(const xell_t *xell, int algo);
void xell_config_auth_group(const xell_t *xell, int group);
void xell_config_auth_secretsource(const xell_t *xell, int source);
// The encrypted secret, one word per character. XEL_STATUS_EINVAL, changing
// nothing, when its text would not fit one line of the file.
xel_status_t xell_config_auth_secretstring(const xell_t *xell, std::span<const uint32_t> encrypt_data);
void xell_config_fcpim(const xell_t *xell, uint16_t pathtov);
void xell_config_qdepth(const xell_t *xell, uint16_t qdepth);
void xell_config_qos(const xell_t *xell, bool mode);
void xell_config_ratelim(const xell_t *xell, bool mode);
void xell_config_defspeed(const xell_t *xell, int speed);
void xell_config_pbind(const xell_t *xell, bool mode);
void xell_config_iocfc_intr(const xell_t *xell, bool coalesce, uint16_t delay, uint16_t latency);

// Names. XEL_STATUS_EINVAL, changing nothing, for a name that would not
// read back as written: one holding a control character, or a port name
// holding "adapter" (an Ethernet port name also "xel"), which the loader
// takes for another kind of line. XEL_STATUS_OK otherwise (also when there
// is no record).
xel_status_t xell_config_ad_name(const char *serialnum, const char *name);
void xell_config_ad_trunk(const char *serialnum, bool mode);
xel_status_t xell_config_ioc_name(const xell_t *xell, const char *name);
// The same check alone, for a caller that must know before it asks the
// driver to take the name.
xel_status_t xell_config_check_ioc_name(const xell_t *xell, const char *name);

// Virtual ports of the handle's record. xell_config_vport runs a whole
// cycle (load, add or delete, sync) and returns the load or sync status;
// XEL_STATUS_EINVAL, touching nothing, for a symbolic name that would not
// read back: a comma (the entry's field separator) or what port names refuse.
xel_status_t xell_config_vport(const xell_t *xell, uint16_t vf_id, wwn_t vpwwn, wwn_t vnwwn, const char *sym_name,
                               uint32_t roles, bool del);
xel_status_t xell_config_vport_add(const xell_t *xell, uint16_t vf_id, wwn_t vpwwn, wwn_t vnwwn,
                                   const char *sym_name, uint32_t roles);
void xell_config_vport_del(const xell_t *xell, wwn_t vpwwn);
// XEL_STATUS_EINVAL for a symbolic name xell_config_vport would refuse.
xel_status_t xell_config_check_vport_name(const char *sym_name);
