// The resolved target of a command.
#pragma once

#include "xell.h"

union ixo_id_t {
    xell_t *xell;
    xell_adapter_t *adapter;
    xell_port_t *port;
    struct {
        xell_t *xell;
        int port;
    } port_ioc;
    struct {
        xell_t *xell;
        int port;
        int pfn;
        bool configured;
        bool active;
    } pfn_ioc;
};

// Resolves argv[3] by the kind and driver path of command cmd of class cls.
int ixo_get_id(const char *arg, int cls, int cmd, ixo_id_t *id);
