#include "ixo_errors.h"
#include "ixo_id.h"
#include "ixo_values.h"
#include "ixotable.h"
#include "xell_adapter.h"

#include <cstring>
#include <string>

namespace {

// The IOC must be of the kind the command works on.
int ixo_check_type(const xell_t *ioc, int ioc_type)
{
    if (ioc_type != IXO_IOC_TYPE_ETH && !xell_ioc_is_storage(ioc))
        return E_CLI_NO_FC_INFO;
    if (ioc_type == IXO_IOC_TYPE_ETH && xell_ioc_is_storage(ioc))
        return E_CLI_NO_ETH_INFO;
    return E_CLI_NO_ERROR;
}

// An empty word would match an IOC whose port name is unset.
int ixo_lookup_ioc_string(const char *text, int ioc_type, xell_t **out)
{
    *out = text[0] != '\0' ? xell_adapter_get_ioc_by_str(text) : nullptr;
    if (*out == nullptr)
        return E_CLI_INCORRECT_PORT_ID;
    return ixo_check_type(*out, ioc_type);
}

// Resolves an adapter/port[/pcifn] word already split into numbers.
int ixo_resolve_adapter_port(const ixo_pcifn_t &numbers, int ioc_type, xell_t **out, port_id_type_t *form)
{
    if (numbers.adapter == 0 || numbers.port == -1)
        return E_CLI_INCORRECT_PORT_ID;
    xell_port_t *port = xell_adapter_get_port(xell_adapter_get_by_idx(numbers.adapter), numbers.port);
    if (port == nullptr)
        return E_CLI_INCORRECT_PORT_ID;
    if (numbers.pcifn_id < 0) {
        *form = e_id_adapter_port;
        bool eth = ioc_type == IXO_IOC_TYPE_ETH;
        auto &list = eth ? port->ethioc_list : port->fcioc_list;
        if (list.empty())
            return eth ? E_CLI_NO_ETH_INFO : E_CLI_NO_FC_INFO;
        *out = list.front().get();
    } else {
        *form = e_id_adapter_port_pfn;
        *out = nullptr;
        for (auto *list : {&port->fcioc_list, &port->ethioc_list})
            for (auto &ioc : *list)
                if (*out == nullptr && ioc->pcifn_id == numbers.pcifn_id)
                    *out = ioc.get();
        if (*out == nullptr)
            return E_CLI_INCORRECT_PORT_ID;
    }
    return ixo_check_type(*out, ioc_type);
}

int ixo_resolve_slash_word(const std::string &text, int ioc_type, xell_t **out, port_id_type_t *form)
{
    ixo_pcifn_t numbers{};
    if (!ixo_get_adapter_port_id(text.c_str(), &numbers, false)) {
        *form = e_id_hwpath;
        return ixo_lookup_ioc_string(text.c_str(), ioc_type, out);
    }
    return ixo_resolve_adapter_port(numbers, ioc_type, out, form);
}

// The second target of a range: errors of the adapter/port form end the
// resolution, any other form is only looked up.
int ixo_resolve_range_end(const std::string &text, int ioc_type, xell_t **last)
{
    ixo_pcifn_t numbers{};
    port_id_type_t form = e_id_unknown;
    *last = nullptr;
    if (ixo_get_adapter_port_id(text.c_str(), &numbers, false))
        return ixo_resolve_adapter_port(numbers, ioc_type, last, &form);
    ixo_lookup_ioc_string(text.c_str(), ioc_type, last);
    return E_CLI_NO_ERROR;
}

// Splits a part of an adapter/port word into a number; an oversized part
// is refused, never wrapped.
bool ixo_number_part(const std::string &part, uint64_t max, uint64_t *value)
{
    return ixo_parse_uint(part.c_str(), max, value);
}

int ixo_port_id_dispatch(const char *arg, ixo_drv_path_t path, ixo_id_t *id)
{
    xell_t **last = &id->range.last;
    if (path == PATH_FC)
        return ixo_get_port_id(arg, IXO_IOC_TYPE_FC, &id->xell, last);
    if (path == PATH_ETH)
        return ixo_get_port_id(arg, IXO_IOC_TYPE_ETH, &id->xell, last);
    int status = ixo_get_port_id(arg, IXO_IOC_TYPE_FC, &id->xell, last);
    if (status != E_CLI_NO_ERROR)
        status = ixo_get_port_id(arg, IXO_IOC_TYPE_ETH, &id->xell, last);
    if (status == E_CLI_NO_ERROR && path == PATH_ANY_OPER)
        xell_ioc_get_operational_pf(&id->xell);
    return status;
}

int ixo_pcifn_strict_dispatch(const char *arg, ixo_drv_path_t path, ixo_id_t *id)
{
    int status = E_CLI_INCORRECT_PCIFN_ID;
    if (path == PATH_FC || path == PATH_ANY) {
        status = ixo_get_pcifn_id_strict(arg, IXO_IOC_TYPE_FC, &id->xell);
        if (status == E_CLI_NO_ERROR)
            return status;
    }
    if (path == PATH_ETH || path == PATH_ANY)
        status = ixo_get_pcifn_id_strict(arg, IXO_IOC_TYPE_ETH, &id->xell);
    return status;
}

// The first IOC of port 0 of an adapter; 4024 when there is none.
int ixo_port0_first_ioc(xell_adapter_t *adapter, xell_t **out)
{
    *out = xell_port_get_ioc(xell_adapter_get_port(adapter, 0), 0);
    return *out != nullptr ? E_CLI_NO_ERROR : E_CLI_PORT0_ABSENT;
}

} // namespace

bool ixo_get_adapter_port_id(const char *text, ixo_pcifn_t *numbers, bool num_hw_port_ver)
{
    std::string word = text;
    if (word.find_first_not_of("0123456789/") != std::string::npos)
        return false;
    size_t first = word.find('/');
    size_t second = first == std::string::npos ? first : word.find('/', first + 1);
    if (first == std::string::npos || (second != std::string::npos && word.find('/', second + 1) != std::string::npos))
        return false;
    uint64_t adapter = 0;
    if (first == 0)
        return false;
    if (!ixo_number_part(word.substr(0, first), UINT32_MAX, &adapter) || adapter > xell_adapter_get_count())
        adapter = 0;
    numbers->adapter = static_cast<int>(adapter);

    std::string port_part = word.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
    if (port_part.empty())
        return false;
    int port_count = -1;
    if (num_hw_port_ver) {
        if (xell_adapter_get_hw_port_count(numbers->adapter, &port_count) != XEL_STATUS_OK)
            return false;
    } else {
        port_count = xell_adapter_get_port_count(numbers->adapter);
    }
    if (port_count == -1)
        return false;
    uint64_t port = 0;
    bool fits = ixo_number_part(port_part, UINT32_MAX, &port);
    numbers->port = fits && port < static_cast<uint64_t>(port_count) ? static_cast<int>(port) : -1;

    numbers->pcifn_id = -1;
    if (second != std::string::npos) {
        uint64_t pcifn = 0;
        if (!ixo_number_part(word.substr(second + 1), INT32_MAX, &pcifn))
            return false;
        numbers->pcifn_id = static_cast<int>(pcifn);
    }
    return true;
}

int ixo_get_port_id_any(const char *text, int ioc_type, xell_t **out, port_id_type_t *form, xell_t **range_last)
{
    *form = e_id_unknown;
    *out = nullptr;
    std::string word = text;
    if (word.empty())
        return E_CLI_INCORRECT_PORT_ID;
    if (word.find(':') != std::string::npos) {
        wwn_t wwn = 0;
        if (ixo_get_port_wwn(text, &wwn)) {
            *form = e_id_wwn;
            if (ioc_type == IXO_IOC_TYPE_ETH)
                return E_CLI_INCORRECT_PORT_ID;
            return ixo_get_ioc_by_wwn(text, ioc_type, out);
        }
        *form = e_id_hwpath;
        return ixo_lookup_ioc_string(text, ioc_type, out);
    }
    if (word.find('/') == std::string::npos) {
        *form = e_id_name;
        return ixo_lookup_ioc_string(text, ioc_type, out);
    }
    size_t dash = word.find('-');
    if (dash != std::string::npos) {
        xell_t *last = nullptr;
        int status = ixo_resolve_range_end(word.substr(dash + 1), ioc_type, &last);
        if (status != E_CLI_NO_ERROR)
            return status;
        status = ixo_resolve_slash_word(word.substr(0, dash), ioc_type, out, form);
        if (range_last != nullptr)
            *range_last = last != nullptr ? last : *out;
        return status;
    }
    return ixo_resolve_slash_word(word, ioc_type, out, form);
}

int ixo_get_port_id(const char *text, int ioc_type, xell_t **out, xell_t **range_last)
{
    port_id_type_t form = e_id_unknown;
    int status = ixo_get_port_id_any(text, ioc_type, out, &form, range_last);
    if (status == E_CLI_NO_ERROR && form == e_id_unknown)
        return E_CLI_INCORRECT_PORT_ID;
    return status;
}

int ixo_get_port_id_strict(const char *text, int ioc_type, xell_t **out)
{
    port_id_type_t form = e_id_unknown;
    int status = ixo_get_port_id_any(text, ioc_type, out, &form, nullptr);
    if (status == E_CLI_NO_ERROR && (form == e_id_unknown || form == e_id_adapter_port_pfn))
        return E_CLI_INCORRECT_PORT_ID;
    return status;
}

int ixo_get_pcifn_id_strict(const char *text, int ioc_type, xell_t **out)
{
    port_id_type_t form = e_id_unknown;
    int status = ixo_get_port_id_any(text, ioc_type, out, &form, nullptr);
    if (status == E_CLI_NO_ERROR && (form == e_id_unknown || form == e_id_adapter_port || form == e_id_name))
        return E_CLI_INCORRECT_PCIFN_ID;
    return status;
}

int ixo_get_first_ioc(const char *text, xell_t **out, int *port_id, int *pcifn_id, bool pfid_strict)
{
    int bad_id = pfid_strict ? E_CLI_INCORRECT_PCIFN_ID : E_CLI_INCORRECT_PORT_ID;
    auto resolve = pfid_strict ? ixo_get_pcifn_id_strict : ixo_get_port_id_strict;
    xell_t *ioc = nullptr;
    int status = resolve(text, IXO_IOC_TYPE_FC, &ioc);
    if (status != E_CLI_NO_ERROR)
        status = resolve(text, IXO_IOC_TYPE_ETH, &ioc);
    if (status == E_CLI_NO_ERROR) {
        xell_adapter_t *adapter = xell_adapter_get_by_idx(ioc->ad_id);
        if (adapter == nullptr)
            return bad_id;
        *port_id = ioc->port_num;
        *pcifn_id = ioc->pcifn_id;
        return ixo_port0_first_ioc(adapter, out);
    }
    // The function named may have no driver loaded: take the numbers as given.
    ixo_pcifn_t numbers{};
    if (!ixo_get_adapter_port_id(text, &numbers, true) || numbers.adapter == 0 || numbers.port == -1)
        return E_CLI_INCORRECT_PORT_ID;
    if (!pfid_strict && numbers.pcifn_id >= 0)
        return E_CLI_INCORRECT_PORT_ID;
    if (pfid_strict && numbers.pcifn_id < 0)
        return E_CLI_INCORRECT_PCIFN_ID;
    xell_adapter_t *adapter = xell_adapter_get_by_idx(numbers.adapter);
    if (adapter == nullptr)
        return bad_id;
    *port_id = numbers.port;
    *pcifn_id = numbers.pcifn_id;
    return ixo_port0_first_ioc(adapter, out);
}

xell_adapter_t *ixo_get_adapter_id(const char *text)
{
    // An empty word would match an adapter whose name is unset.
    if (text[0] == '\0')
        return nullptr;
    if (std::strpbrk(text, "/:") == nullptr && text[0] >= '0' && text[0] <= '9') {
        uint64_t number = 0;
        if (!ixo_parse_uint(text, UINT32_MAX, &number) || number < 1 || number > xell_adapter_get_count())
            return nullptr;
        return xell_adapter_get_by_idx(static_cast<int>(number));
    }
    return xell_adapter_get_by_str(text);
}

xell_adapter_t *ixo_get_adapter_by_id(int number)
{
    return xell_adapter_get_by_idx(number);
}

xell_t *ixo_get_ioc_by_adapter_id(int number)
{
    return xell_adapter_get_first_ioc(xell_adapter_get_by_idx(number));
}

int ixo_get_ioc_by_wwn(const char *text, int ioc_type, xell_t **out)
{
    wwn_t wwn = 0;
    *out = nullptr;
    if (!ixo_get_port_wwn(text, &wwn))
        return E_CLI_INCORRECT_PORT_ID;
    *out = xell_adapter_get_ioc_by_wwn(wwn);
    if (*out == nullptr)
        return E_CLI_INCORRECT_PORT_ID;
    return ixo_check_type(*out, ioc_type);
}

int ixo_get_ioc_by_hwpath(const char *text, int ioc_type, xell_t **out)
{
    return ixo_lookup_ioc_string(text, ioc_type, out);
}

int ixo_get_ioc_by_portname(const char *text, int ioc_type, xell_t **out)
{
    return ixo_lookup_ioc_string(text, ioc_type, out);
}

int ixo_get_id(const char *arg, int cls, int cmd, ixo_id_t *id)
{
    const ixo_cmd_desc_t &row = ixo_class_desc[cls].cmds[cmd];
    int pcifn = -1;
    switch (row.id_desc) {
    case PORT_ID:
    case PCIFN_ID:
        return ixo_port_id_dispatch(arg, row.drv_path, id);
    case ADAPTER_ID:
        id->adapter = ixo_get_adapter_id(arg);
        return id->adapter ? E_CLI_NO_ERROR : E_CLI_INCORRECT_ADAPTER_ID;
    case PORT_FIRST_IOC:
        return ixo_get_first_ioc(arg, &id->port_ioc.xell, &id->port_ioc.port, &pcifn, false);
    case PCIFN_FIRST_IOC:
        return ixo_get_first_ioc(arg, &id->pfn_ioc.xell, &id->pfn_ioc.port, &id->pfn_ioc.pfn, true);
    case PCIFN_ID_STRICT:
        return ixo_pcifn_strict_dispatch(arg, row.drv_path, id);
    case TEAM_ID:
    case ID_NONE:
        break;
    }
    return E_CLI_NO_ERROR;
}
