// Where the emulated host lives.
#pragma once

#include <string>

// IXO_SIM_ROOT, else $HOME/.ixo-sim, else /tmp/ixo-sim-<uid>.
std::string sim_root_from_environment();
// True when the root does not exist or holds nothing.
bool sim_root_is_empty(const std::string &root);
