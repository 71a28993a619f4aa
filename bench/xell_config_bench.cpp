// The configuration store's load and write-back of a full file, against
// plain reading and writing of the same bytes, measured side by side.
//
// The full file: 128 FC records and 128 Ethernet records with every
// setting, and 500 virtual ports. Both sides write durably (the store
// through its journal, the plain side a temporary file, fsync, rename), so
// the ratio is the cost of parsing, building the text and the lock.
//
// Loading many virtual port entries must stay linear: a query's load of
// 2,000 and of 20,000 entries of one record are timed side by side (10
// when linear; the larger index no longer fits the caches, which adds a
// little).

#include "sim_rooted_sys.h"
#include "temp_root.h"
#include "xell_config.h"
#include "xell_ioc.h"
#include "xell_sys.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace {

wwn_t wwn(uint8_t kind, int n, int m)
{
    uint8_t b[8] = {kind, 0, 0, 0, 0, 0, static_cast<uint8_t>(n), static_cast<uint8_t>(m)};
    wwn_t w;
    std::memcpy(&w, b, sizeof w);
    return w;
}

xell_t fc_ioc(int n)
{
    xell_t ioc;
    ioc.ioc_type = XEL_IOC_TYPE_FC;
    ioc.pwwn = wwn(0x20, n, 0);
    return ioc;
}

// Fills the tables through the entry points and writes them out.
void write_full_file()
{
    if (xell_config_load(xell_get_cfg_path()) != XEL_STATUS_OK)
        std::abort();
    for (int n = 0; n < XELL_CONFIG_MAX_RECORDS; n++) {
        xell_t fc = fc_ioc(n);
        xell_config_ioc_add(fc.pwwn);
        xell_config_ethioc_add(mac_t{{0x00, 0x05, 0x1e, 0x00, static_cast<uint8_t>(n), 0x01}});
        xell_t eth;
        eth.ioc_type = XEL_IOC_TYPE_LL;
        eth.mac = mac_t{{0x00, 0x05, 0x1e, 0x00, static_cast<uint8_t>(n), 0x01}};
        xell_config_ioc_name(&fc, ("fc port " + std::to_string(n)).c_str());
        xell_config_ioc_name(&eth, ("eth port " + std::to_string(n)).c_str());
        xell_config_speed(&fc, 16);
        xell_config_topology(&fc, 5);
        xell_config_alpa(&fc, static_cast<uint8_t>(n), true);
        xell_config_maxfrsz(&fc, 1024);
        xell_config_trunk(&fc, 0x3, true);
        xell_config_enable(&fc, false);
        xell_config_ipfc_enable(&fc, false);
        xell_config_log_level(&fc, 3);
        xell_config_vf_mode(&fc, 2, true);
        xell_config_vf_list(&fc, 4, true);
        xell_config_auth_policy(&fc, true);
        xell_config_auth_algo(&fc, 2);
        xell_config_auth_group(&fc, 4);
        xell_config_auth_secretsource(&fc, 2);
        const uint32_t secret[] = {0x73, 0x65, 0x63, 0x72, 0x65, 0x74, 0x2d, 0x31, 0x32};
        xell_config_auth_secretstring(&fc, secret);
        xell_config_fcpim(&fc, 30);
        xell_config_qdepth(&fc, 64);
        xell_config_pbind(&fc, true);
        xell_config_qos(&fc, true);
        xell_config_ratelim(&fc, true);
        xell_config_defspeed(&fc, 8);
        xell_config_iocfc_intr(&fc, false, 0, 0);
    }
    for (int v = 0; v < 500; v++) {
        xell_t fc = fc_ioc(v % XELL_CONFIG_MAX_RECORDS);
        xell_config_vport_add(&fc, 0, wwn(0x21, v % 128, v / 128 + 1), wwn(0x11, v % 128, v / 128 + 1), "vport",
                              5);
    }
    if (xell_config_sync(xell_get_cfg_path()) != XEL_STATUS_OK)
        std::abort();
}

class Host {
public:
    Host()
    {
        root_.mkdir("/etc");
        xell_os_install(&sys_);
        write_full_file();
    }
    ~Host() { xell_os_install(nullptr); }
    void use() { xell_os_install(&sys_); }

private:
    TempRoot root_;
    RootedSys sys_{root_.path()};
};

Host &host()
{
    static Host h;
    h.use();
    return h;
}

// A file of one FC record with count virtual port entries, written as
// the store writes them.
class VportHost {
public:
    explicit VportHost(int count)
    {
        root_.mkdir("/etc");
        std::string text = "xel0-port-wwn = \"20:00:00:00:00:00:00:01\";\n";
        char line[160];
        for (int m = 0; m < count; m++) {
            int a = m >> 16 & 0xff, b = m >> 8 & 0xff, c = m & 0xff;
            std::snprintf(line, sizeof line,
                          "xel0-vport-%d = \"21:00:00:00:00:%02x:%02x:%02x,11:00:00:00:00:%02x:%02x:%02x,vp,IM,0\";\n",
                          m, a, b, c, a, b, c);
            text += line;
        }
        std::FILE *f = std::fopen((root_.path() + "/etc/xel.conf").c_str(), "w");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    void use() { xell_os_install(&sys_); }

private:
    TempRoot root_;
    RootedSys sys_{root_.path()};
};

// What a query does with the file: load it and release it.
void BM_LoadVirtualPorts(benchmark::State &state)
{
    static std::map<int64_t, VportHost> hosts;
    VportHost &h = hosts.try_emplace(state.range(0), static_cast<int>(state.range(0))).first->second;
    h.use();
    for (auto _ : state) {
        if (xell_config_load(xell_get_cfg_path()) != XEL_STATUS_OK)
            state.SkipWithError("load failed");
        xell_config_unload();
    }
    host();
}
BENCHMARK(BM_LoadVirtualPorts)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

// One command's cycle: load, change one setting, write back.
void BM_StoreLoadAndWriteBack(benchmark::State &state)
{
    host();
    xell_t fc = fc_ioc(7);
    int speed = 0;
    for (auto _ : state) {
        if (xell_config_load(xell_get_cfg_path()) != XEL_STATUS_OK)
            state.SkipWithError("load failed");
        speed = speed == 8 ? 16 : 8;
        xell_config_speed(&fc, speed);
        if (xell_config_sync(xell_get_cfg_path()) != XEL_STATUS_OK)
            state.SkipWithError("sync failed");
    }
}
BENCHMARK(BM_StoreLoadAndWriteBack)->Unit(benchmark::kMicrosecond);

// The same bytes read and written durably, with no parsing or building.
void BM_PlainReadAndWrite(benchmark::State &state)
{
    host();
    xell_sys &os = xell_os();
    const char *path = xell_get_cfg_path();
    std::string tmp = std::string(path) + ".tmp";
    std::string text;
    for (auto _ : state) {
        if (!xell_os_read_file(path, &text))
            state.SkipWithError("read failed");
        int fd = os.open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        bool ok = fd >= 0 && os.write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size()) &&
                  os.fsync(fd) == 0;
        ok = fd >= 0 && os.close(fd) == 0 && ok && os.rename(tmp.c_str(), path) == 0;
        if (!ok)
            state.SkipWithError("write failed");
        int dfd = os.open("/etc", O_RDONLY | O_DIRECTORY);
        os.fsync(dfd);
        os.close(dfd);
    }
    state.counters["file_bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_PlainReadAndWrite)->Unit(benchmark::kMicrosecond);

// Prints the usual table, then the ratio of the two in this run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs)
            if (run.run_type == Run::RT_Iteration)
                times_[run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args)] =
                    run.GetAdjustedRealTime();
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        auto store = times_.find("BM_StoreLoadAndWriteBack");
        auto plain = times_.find("BM_PlainReadAndWrite");
        if (store != times_.end() && plain != times_.end() && plain->second > 0)
            std::printf("store / plain I/O: %.2f\n", store->second / plain->second);
        auto small = times_.find("BM_LoadVirtualPorts/2000");
        auto large = times_.find("BM_LoadVirtualPorts/20000");
        if (small != times_.end() && large != times_.end() && small->second > 0)
            std::printf("load of 20000 / 2000 virtual ports: %.2f (10 is linear)\n", large->second / small->second);
    }

private:
    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
