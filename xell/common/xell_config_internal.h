// Shared state and helpers of the configuration store's source files.
#pragma once

#include "xell_config.h"

#include <array>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Everything a load rebuilds from the file.
struct xell_config_tables {
    std::array<xell_ad_config_t, XELL_CONFIG_MAX_RECORDS> ad{};
    std::array<xell_ioc_config_t, XELL_CONFIG_MAX_RECORDS> ioc{};
    xell_config_flags_t config_all = {};
    // Driver tunable lines, as read, carried over by the write-back.
    std::vector<std::string> tunables;
    // "power" lines (global and adapter) and Ethernet "port-mtu" lines, as
    // read: the write-back has no form of its own for them and carries them
    // over after the tunables.
    std::vector<std::string> kept_lines;
    // Comments (other than the write-back's own) and lines no key takes,
    // as read, carried over last.
    std::vector<std::string> other_lines;

    bool operator==(const xell_config_tables &) const = default;
};

xell_config_tables &xell_cfg();
// The text a write-back makes of the tables; the caller holds vportmutex.
std::string xell_config_text_of(const xell_config_tables &tables);
// Guards every walk and change of a virtual port list.
std::mutex &xell_cfg_vportmutex();

// Where a key may stand.
enum : unsigned {
    XELL_CFG_SCOPE_G = 1, // global line
    XELL_CFG_SCOPE_F = 2, // FC record line
    XELL_CFG_SCOPE_E = 4, // Ethernet record line
};

// How a setting's value is read and written.
enum class xell_cfg_kind {
    none,     // accepted and ignored, or not a key
    text,     // quoted text
    decimal,  // int
    dec16,    // low 16 bits of a decimal
    hex8,     // hard ALPA
    list32,   // number list as a 32-bit bitmap
    list16,   // number list, bits 0 to 15
    boolean,  // "TRUE" / "FALSE"
    onoff,    // "on" / "off"
    topology, // port topology names
    log,      // log level names
    algo,     // authentication algorithm names
    ssource,  // secret source names
};

struct xell_cfg_setting_desc {
    const char *key;
    unsigned scope;
    xell_cfg_kind kind;
};

// Indexed by setting number.
extern const std::array<xell_cfg_setting_desc, XELL_CFG_NUM_SETTINGS> xell_cfg_settings;

// Integer-valued fields of an IOC record by setting number.
int64_t xell_cfg_get_int(int setting, const xell_ioc_config_t &rec);
void xell_cfg_set_int(int setting, xell_ioc_config_t &rec, int64_t value);

// True when text, written as the value of `setting`, would not read back
// as that value: a newline breaks the line, the trimming rule strips
// spaces, tabs, quotes and semicolons from the ends, and a secret longer
// than its field is cut.
bool xell_cfg_text_refused(int setting, std::string_view text);
// Copies text into a fixed field (cut to fit, rest zeroed).
void xell_cfg_copy_text(std::span<char> field, std::string_view text);
// The value trimming rule: trimmed, and a single space when nothing is left.
std::string_view xell_cfg_trim_value(std::string_view text);

// "20:00:00:05:1e:00:00:01" and "00:05:1e:00:00:01".
std::string xell_cfg_wwn_text(wwn_t wwn);
std::string xell_cfg_mac_text(const mac_t &mac);

// The state of the load that holds the file lock: the descriptor, the
// tables and the bytes as read.
int xell_cfg_lock_fd();
const xell_config_tables &xell_cfg_loaded_tables();
const std::string &xell_cfg_loaded_text();
// Drops the index of the virtual port lists (the tables are replaced).
void xell_cfg_vport_index_forget();
// Forgets an unsaved change (part of xell_config_command_begin).
void xell_config_unsaved_forget();
// Releases the lock; nothing when none is held.
void xell_unlock_conf_file();

// Rewrites the locked file (fd, opened at path) in place from old_text to
// text through a journal beside it. 0, or the errno of the step that
// failed; the file then holds old_text.
int xell_cfg_rewrite(const char *path, int fd, const std::string &old_text, const std::string &text);
// Run by a load before it reads: finishes the rewrite of a complete
// journal left beside the file, drops an incomplete one, and removes a
// temporary file of an earlier version's write-back. 0 or an errno.
int xell_cfg_recover(const char *path, int fd);
