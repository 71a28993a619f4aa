// Who runs the commands on the emulated host. A real host refuses an
// unprivileged caller in places; the emulated kernel does the same, so
// that what ixo then prints can be seen. xelsim sets the caller for the
// processes that start after it.
#pragma once

#include <string>

enum class sim_caller {
    root,   // uid 0 with every capability: the administrator ixo is for
    user,   // an ordinary account: root's files and nodes refuse it, and so do privileged requests
    nocaps, // uid 0 with CAP_SYS_RAWIO, CAP_SYS_ADMIN and CAP_NET_ADMIN dropped
};

const char *sim_caller_name(sim_caller caller);
bool sim_parse_caller(const std::string &name, sim_caller *caller);
// The holder of root's files and device nodes (root, or uid 0 without capabilities).
inline bool sim_caller_owns_host_files(sim_caller caller)
{
    return caller != sim_caller::user;
}
inline bool sim_caller_has_capabilities(sim_caller caller)
{
    return caller == sim_caller::root;
}

enum class sim_access {
    look,  // stat, lstat, readlink
    read,  // open for reading, list a directory
    write, // open for writing or creating, rename, unlink, mkdir
};
// The errno with which the host refuses the caller an access to one of its
// own paths (in normal form; dir: the path is a directory), or 0.
int sim_caller_refusal(sim_caller caller, const std::string &path, bool dir, sim_access access);

// The caller set for the host under root; root when none is.
sim_caller sim_read_caller(const std::string &root);
// Sets it under the host lock; 0, or the errno of sim_store::transact.
int sim_write_caller(const std::string &root, sim_caller caller, std::string *error);
