#include "sim_paths.h"

#include <dirent.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

std::string sim_root_from_environment()
{
    const char *root = std::getenv("IXO_SIM_ROOT");
    if (root != nullptr && root[0] != '\0')
        return root;
    const char *home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0')
        return std::string(home) + "/.ixo-sim";
    return "/tmp/ixo-sim-" + std::to_string(::getuid());
}

bool sim_root_is_empty(const std::string &root)
{
    DIR *dir = ::opendir(root.c_str());
    if (dir == nullptr)
        return true;
    bool empty = true;
    while (const struct dirent *entry = ::readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) {
            empty = false;
            break;
        }
    }
    ::closedir(dir);
    return empty;
}
