// A fresh emulated root for every configuration store test, so that no test
// touches the machine's own /etc/xel.conf.
#pragma once

#include "sim_rooted_sys.h"
#include "temp_root.h"
#include "xell_config.h"
#include "xell_ioc.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

class ConfigTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = temp_.path();
        temp_.mkdir("/etc");
        install(std::make_unique<RootedSys>(root_));
        xell_config_command_begin();
    }

    void TearDown() override
    {
        xell_config_unload();
        xell_os_install(nullptr);
    }

    // Replaces the seam (a RootedSys on the same root, or one derived from it).
    void install(std::unique_ptr<RootedSys> sys)
    {
        xell_os_install(sys.get());
        sys_ = std::move(sys);
    }

    std::string conf_path() const { return root_ + "/etc/xel.conf"; }

    void write_file(const std::string &text) const
    {
        std::ofstream(conf_path(), std::ios::binary | std::ios::trunc) << text;
    }

    std::string read_file() const
    {
        std::ifstream in(conf_path(), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    struct stat file_stat() const
    {
        struct stat st = {};
        ::stat(conf_path().c_str(), &st);
        return st;
    }

    // Loads text and returns what a write-back would write; the lock is released.
    std::string cycle(const std::string &text) const
    {
        write_file(text);
        EXPECT_EQ(xell_config_load(xell_get_cfg_path()), XEL_STATUS_OK);
        std::string out = xell_config_text();
        xell_config_unload();
        return out;
    }

    static xel_status_t load() { return xell_config_load(xell_get_cfg_path()); }
    static xel_status_t sync() { return xell_config_sync(xell_get_cfg_path()); }

    TempRoot temp_;
    std::string root_;
    std::unique_ptr<RootedSys> sys_;
};

// The lines of a text that are neither comments nor blank.
inline std::vector<std::string> body_lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#')
            lines.push_back(line);
    return lines;
}

// A WWN whose wire bytes are 20:00:00:00:00:00:00:<last>.
inline wwn_t test_wwn(uint8_t last)
{
    uint8_t b[8] = {0x20, 0, 0, 0, 0, 0, 0, last};
    wwn_t w;
    std::memcpy(&w, b, sizeof w);
    return w;
}

inline xell_t fc_ioc(uint8_t last)
{
    xell_t ioc;
    ioc.ioc_type = XEL_IOC_TYPE_FC;
    ioc.pwwn = test_wwn(last);
    return ioc;
}

inline xell_t eth_ioc(uint8_t last)
{
    xell_t ioc;
    ioc.ioc_type = XEL_IOC_TYPE_LL;
    ioc.mac = mac_t{{0x00, 0x05, 0x1e, 0x00, 0x00, last}};
    return ioc;
}
