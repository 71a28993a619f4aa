// The boot commands: updating the boot code of one adapter or of all of
// them from a package, and the switch command of a boot LUN's zone.
#include "ixo_commands.h"
#include "ixo_errors.h"
#include "ixo_usage.h"
#include "ixo_values.h"
#include "xell_adapter.h"
#include "xell_boot.h"

#include <unistd.h>

#include <cctype>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>

void ixo_boot_usage(bool bhelp)
{
    std::fputs("\nUsage: ixo boot [OPTIONS] [ARGUMENTS] ...\n"
               "Direct boot code specific commands using this option\n"
               "Example: ixo boot --update <ad_id> <image_file>\n"
               "Available commands are:\n"
               "\t--blunZone -c BLUN -p <pwwn> -r <rpwwn> -l <lun>\n"
               "\t\tPrints the switch command that creates a zone for booting\n"
               "\t\tport <pwwn> from LUN <lun> of remote port <rpwwn>\n"
               "\t\t<lun> is 2 hex digits or the full LUN of 16 hex digits\n\n",
               stdout);
    if (bhelp)
        std::fputs("\t--update <ad_id> <image_file> [-d <dev_id>]\n", stdout);
    else
        std::fputs("\t--update <ad_id> <image_file>\n", stdout);
    std::fputs("\t--update <image_file> -a\n"
               "\t\tUpdate the boot code of the adapter from the boot image file\n"
               "\t\t-a: Update the boot code of all the adapters\n",
               stdout);
    if (bhelp)
        std::fputs("\t\tdev_id should be 13 for dual port and 17 for single port card\n", stdout);
    std::fputs("\n", stdout);
    ixo_usage_ad_id_forms();
}

namespace {

// The worker's end of the update, which the main thread waits for.
struct waitCond_t {
    std::mutex mutex;
    std::condition_variable cond;
    int value = 0;
};

// One update at a time in the process.
struct ixo_boot_job {
    std::string sImgFile;
    uint16_t devid = 0;
    uint16_t update_status = 0;
    xel_status_t boot_status[XELL_BOOT_MAX_ADAPTERS] = {};
    waitCond_t wc;
    xel_status_t result = XEL_STATUS_FAILED;
};

constexpr int ixo_boot_max_ticks = 1200;

bool ixo_all_digits(const char *text)
{
    if (*text == '\0')
        return false;
    for (; *text; text++)
        if (!std::isdigit(static_cast<unsigned char>(*text)))
            return false;
    return true;
}

void ixo_boot_update_thread(ixo_boot_job *job, xell_t *ioc)
{
    job->result = xell_boot_fwupdate(ioc, job->sImgFile.c_str(), job->devid, &job->update_status, job->boot_status);
    std::lock_guard<std::mutex> lock(job->wc.mutex);
    job->wc.value = 1;
    job->wc.cond.notify_one();
}

// Waits for the worker in one-second steps, turning a spinner on a
// terminal. A time-out is reported only once the worker has ended: it may
// be writing flash until then.
xel_status_t ixo_boot_update_progress_indicator(ixo_boot_job *job, xell_t *ioc)
{
    std::thread worker(ixo_boot_update_thread, job, ioc);
    bool spin = isatty(STDOUT_FILENO) != 0;
    bool timed_out = false;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    {
        std::unique_lock<std::mutex> lock(job->wc.mutex);
        for (int tick = 0; job->wc.value == 0;) {
            if (job->wc.cond.wait_until(lock, deadline) != std::cv_status::timeout)
                continue;
            if (spin) {
                std::printf("%c\r", "|/-\\"[tick % 4]);
                std::fflush(stdout);
            }
            if (++tick > ixo_boot_max_ticks && !timed_out) {
                std::fputs("boot code update timed out \n", stdout);
                timed_out = true;
            }
            deadline += std::chrono::seconds(1);
        }
    }
    worker.join();
    return timed_out ? XEL_STATUS_BOOT_CODE_TIMEDOUT : job->result;
}

void ixo_boot_reboot_note()
{
    std::fputs("A reboot of the system is needed for the newly updated image to be effective\n\n", stdout);
}

// The adapters that failed, each with its status, and how many succeeded.
// The first failure is the command's status.
xel_status_t ixo_boot_all_summary(const ixo_boot_job &job, unsigned count)
{
    unsigned ok = 0;
    xel_status_t first = XEL_STATUS_OK;
    for (unsigned i = 1; i <= count; i++) {
        if (job.update_status & (1u << (i - 1))) {
            ok++;
            continue;
        }
        std::fflush(stdout);
        std::printf("adapter id %u boot update failed\n", i);
        std::fflush(stdout);
        std::fprintf(stderr, "ERROR: %s\n\n", xell_status_to_string(job.boot_status[i - 1]));
        if (first == XEL_STATUS_OK)
            first = job.boot_status[i - 1] != XEL_STATUS_OK ? job.boot_status[i - 1] : XEL_STATUS_FAILED;
    }
    if (ok > 0) {
        if (ok < count)
            std::printf("Boot code successfully updated for %u out of %u adapters\n", ok, count);
        else
            std::printf("Boot code successfully updated for %u adapters\n", count);
        ixo_boot_reboot_note();
    }
    return first;
}

xel_status_t ixo_update_boot_code(ixo_boot_job *job, xell_adapter_t *adapter)
{
    unsigned count = xell_adapter_get_count();
    if (count > XELL_BOOT_MAX_ADAPTERS) {
        std::fputs("Adapter count exceeds the maximum!\n", stdout);
        return XEL_STATUS_FAILED;
    }
    xell_t *ioc = nullptr;
    if (adapter != nullptr && (ioc = xell_adapter_get_first_ioc(adapter)) == nullptr)
        return XEL_STATUS_FAILED;
    if (!ixo_test_file_exists(job->sImgFile.c_str()))
        return XEL_STATUS_FILE_NOT_FOUND;
    std::fputs("\n\nBoot code update can take a lot of time to complete. \n"
               "Please don't terminate the command as it could result in\n"
               "undesirable adapter state.\n\n"
               "Updating boot code...\n\n",
               stdout);
    std::fflush(stdout);
    xel_status_t status = ixo_boot_update_progress_indicator(job, ioc);
    if (adapter == nullptr) {
        xel_status_t failed = ixo_boot_all_summary(*job, count);
        return status != XEL_STATUS_OK ? status : failed;
    }
    if (status == XEL_STATUS_OK) {
        std::fputs("\nBoot code updated successfully\n", stdout);
        ixo_boot_reboot_note();
    }
    return status;
}

// The LUN as a WWN text: two digits are its second byte, sixteen its
// eight bytes.
bool set_port_wwn(const char *susrlun, std::string *slunstr)
{
    size_t len = std::strlen(susrlun);
    if (len == 2) {
        *slunstr = std::string("00:") + susrlun + ":00:00:00:00:00:00";
        return true;
    }
    if (len != 16)
        return false;
    slunstr->clear();
    for (size_t i = 0; i < 16; i += 2) {
        if (i > 0)
            slunstr->push_back(':');
        slunstr->append(susrlun + i, 2);
    }
    return true;
}

void ixo_boot_member(uint8_t index, const uint8_t *four)
{
    std::printf("00:00:00:%02x:%02x:%02x:%02x:%02x", index, four[0], four[1], four[2], four[3]);
}

void ixo_boot_display_zone(const char *portwwn, const char *scfg, wwn_t slun, wwn_t rportwwn)
{
    std::fputs("\nPlease copy the following line and run this command from the switch command line\n"
               "to create the zone.\n"
               "The zone name created below should be included in an effective cfg.\n"
               "\nzonecreate \"XEL_",
               stdout);
    for (size_t i = 0; i < 23 && portwwn[i]; i++)
        if (portwwn[i] != ':')
            std::putchar(std::toupper(static_cast<unsigned char>(portwwn[i])));
    std::printf("_%s\", \"", scfg);
    uint8_t rport[8], lun[8];
    std::memcpy(rport, &rportwwn, sizeof rport);
    std::memcpy(lun, &slun, sizeof lun);
    ixo_boot_member(0, rport);
    std::fputs("; ", stdout);
    ixo_boot_member(1, rport + 4);
    std::fputs("; ", stdout);
    ixo_boot_member(2, lun);
    std::fputs("; ", stdout);
    ixo_boot_member(3, lun + 4);
    std::fputs("\" \n\n", stdout);
}

} // namespace

int ixo_boot_update(char **argv, int argc, ixo_id_t *)
{
    ixo_boot_job job;
    xell_adapter_t *adapter = nullptr;
    if (!ixo_all_digits(argv[3])) {
        if (argc < 5 || std::strcmp(argv[4], "-a") != 0)
            return E_CLI_INCORRECT_CMD;
        job.sImgFile = argv[3];
    } else {
        if ((adapter = ixo_get_adapter_id(argv[3])) == nullptr)
            return E_CLI_INCORRECT_ADAPTER_ID;
        job.sImgFile = argv[4];
    }
    if (argc > 5) {
        if (std::strcmp(argv[5], "-d") != 0)
            return E_CLI_INCORRECT_CMD;
        if (argc != 7)
            return E_CLI_TOO_FEW_ARGS;
        // The digits are the id as it is written in hexadecimal ("13" is
        // 0x13); more than four would not fit.
        if (!ixo_all_digits(argv[6]) || std::strlen(argv[6]) > 4)
            return E_CLI_INCORRECT_CMD;
        job.devid = static_cast<uint16_t>(std::stoul(argv[6], nullptr, 16));
    }
    return ixo_update_boot_code(&job, adapter);
}

int ixo_boot_zone(char **argv, int argc, ixo_id_t *)
{
    if (argc != 11 || std::strcmp(argv[3], "-c") != 0 || std::strcmp(argv[4], "BLUN") != 0 ||
        std::strcmp(argv[5], "-p") != 0 || std::strlen(argv[6]) != 23 || std::strcmp(argv[7], "-r") != 0 ||
        std::strcmp(argv[9], "-l") != 0)
        return E_CLI_INCORRECT_ARG;
    wwn_t pwwn = 0, rpwwn = 0, lun = 0;
    std::string lunstr;
    if (!ixo_get_port_wwn(argv[6], &pwwn) || !ixo_get_port_wwn(argv[8], &rpwwn) || !set_port_wwn(argv[10], &lunstr) ||
        !ixo_get_port_wwn(lunstr.c_str(), &lun))
        return E_CLI_INCORRECT_ARG;
    ixo_boot_display_zone(argv[6], argv[4], lun, rpwwn);
    return 0;
}
