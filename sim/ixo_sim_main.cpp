// ixo-sim: the ixo front end and library on the emulated host. The root
// comes from IXO_SIM_ROOT, else a per-user default; a missing or empty
// root is given the default host. IXO_SIM_TIME_SCALE scales its sleeps.
#include "ixomain.h"
#include "sim_kernel.h"
#include "sim_paths.h"
#include "sim_topology.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char **argv)
{
    std::string root = sim_root_from_environment();
    if (sim_root_is_empty(root)) {
        std::string error;
        if (!sim_create_host(root, "default", &error)) {
            std::fprintf(stderr, "ixo-sim: cannot create the emulated host in %s: %s\n", root.c_str(), error.c_str());
            return 1;
        }
    }
    SimHost host(root);
    EmulatedSys kernel(host);
    // Tests shorten the waits of a command (the performance monitor's
    // intervals) without changing what it computes from them.
    if (const char *scale = std::getenv("IXO_SIM_TIME_SCALE"))
        kernel.set_time_scale(std::strtod(scale, nullptr));
    xell_os_install(&kernel);
    int status = ixo_run(argc, argv);
    xell_os_install(nullptr);
    return status;
}
