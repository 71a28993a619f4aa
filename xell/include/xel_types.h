// Basic types shared with the drivers.
#pragma once

#include <cstdint>

// A World Wide Name kept as its eight wire bytes (the first byte printed
// first); compare it as a whole, never print it as a number.
using wwn_t = uint64_t;
// A LUN kept as its eight wire bytes.
using lun_t = uint64_t;

struct mac_t {
    uint8_t mac[6];
};
static_assert(sizeof(mac_t) == 6 && alignof(mac_t) == 1);

inline bool operator==(const mac_t &a, const mac_t &b)
{
    for (int i = 0; i < 6; i++)
        if (a.mac[i] != b.mac[i])
            return false;
    return true;
}

enum xel_ioc_type_t : uint32_t {
    XEL_IOC_TYPE_FC = 1,
    XEL_IOC_TYPE_FCoE = 2,
    XEL_IOC_TYPE_LL = 3, // Ethernet
};

// Storage functions (FC and FCoE) belong to xel, the others to kwo.
constexpr bool xel_ioc_type_is_storage(uint32_t type)
{
    return type == XEL_IOC_TYPE_FC || type == XEL_IOC_TYPE_FCoE;
}
