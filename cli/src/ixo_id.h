// The resolved target of a command.
#pragma once

#include "xell.h"

union ixo_id_t {
    xell_t *xell;
    // A range target (A-B): xell is A's IOC, last B's.
    struct {
        xell_t *xell;
        xell_t *last;
    } range;
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

// IOC types a target may resolve to.
constexpr int IXO_IOC_TYPE_FC = 1;
constexpr int IXO_IOC_TYPE_ETH = 3;

// The form a target word had.
enum port_id_type_t {
    e_id_unknown = 0,
    e_id_adapter_port = 1,
    e_id_adapter_port_pfn = 2,
    e_id_wwn = 3,
    e_id_hwpath = 4,
    e_id_range = 5,
    e_id_name = 6,
};

// The numbers of an adapter/port or adapter/port/pcifn word.
struct ixo_pcifn_t {
    int adapter;
    int port;
    int pcifn_id;
};

// Resolvers: 0 or a front-end error code.
// A range word (A-B) gives A in out and B in range_last, when given.
int ixo_get_port_id_any(const char *text, int ioc_type, xell_t **out, port_id_type_t *form,
                        xell_t **range_last = nullptr);
int ixo_get_port_id(const char *text, int ioc_type, xell_t **out, xell_t **range_last = nullptr);
int ixo_get_port_id_strict(const char *text, int ioc_type, xell_t **out);
int ixo_get_pcifn_id_strict(const char *text, int ioc_type, xell_t **out);
int ixo_get_first_ioc(const char *text, xell_t **out, int *port_id, int *pcifn_id, bool pfid_strict);
xell_adapter_t *ixo_get_adapter_id(const char *text);
xell_adapter_t *ixo_get_adapter_by_id(int number);
xell_t *ixo_get_ioc_by_adapter_id(int number);
int ixo_get_ioc_by_wwn(const char *text, int ioc_type, xell_t **out);
int ixo_get_ioc_by_hwpath(const char *text, int ioc_type, xell_t **out);
int ixo_get_ioc_by_portname(const char *text, int ioc_type, xell_t **out);
bool ixo_get_adapter_port_id(const char *text, ixo_pcifn_t *numbers, bool num_hw_port_ver);
