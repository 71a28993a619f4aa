#include "sim_caller.h"

#include "sim_state.h"

#include <cerrno>
#include <fstream>

namespace {

// Beside the state, not in it: the caller is not part of the host, and
// recreating the host gives root back.
std::string caller_file(const std::string &root)
{
    return sim_state_dir(root) + "/caller";
}

constexpr struct {
    sim_caller caller;
    const char *name;
} caller_names[] = {{sim_caller::root, "root"}, {sim_caller::user, "user"}, {sim_caller::nocaps, "nocaps"}};

} // namespace

const char *sim_caller_name(sim_caller caller)
{
    for (const auto &entry : caller_names)
        if (entry.caller == caller)
            return entry.name;
    return "root";
}

bool sim_parse_caller(const std::string &name, sim_caller *caller)
{
    for (const auto &entry : caller_names)
        if (name == entry.name) {
            *caller = entry.caller;
            return true;
        }
    return false;
}

// An ordinary account meets root's permissions: the host's files and
// directories are root's and only readable by others (0644, 0755), debugfs
// is root's alone (0700) and so are the device nodes (0600).
int sim_caller_refusal(sim_caller caller, const std::string &path, bool dir, sim_access access)
{
    if (sim_caller_owns_host_files(caller))
        return 0;
    bool below_debugfs = path.starts_with("/sys/kernel/debug/");
    bool closed = path == "/sys/kernel/debug" || (path.starts_with("/dev/") && !dir);
    if (access == sim_access::write || below_debugfs || (access == sim_access::read && closed))
        return EACCES;
    return 0;
}

sim_caller sim_read_caller(const std::string &root)
{
    std::ifstream in(caller_file(root));
    std::string name;
    sim_caller caller = sim_caller::root;
    if (in >> name)
        sim_parse_caller(name, &caller);
    return caller;
}

int sim_write_caller(const std::string &root, sim_caller caller, std::string *error)
{
    bool written = false;
    int status = sim_store(root).transact(
        [&](sim_store::session &) {
            std::ofstream out(caller_file(root), std::ios::trunc);
            written = static_cast<bool>(out << sim_caller_name(caller) << '\n');
        },
        error);
    if (status == 0 && !written) {
        if (error)
            *error = caller_file(root) + ": cannot write";
        return EIO;
    }
    return status;
}
