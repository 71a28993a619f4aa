// What the kernel returns for a storage request that the driver answered:
// tests that stand in for the kernel call this after writing the record.
#pragma once

#include "xel_bsg.h"

#include <algorithm>
#include <cstring>

inline void bsg_reply_delivered(struct sg_io_v4 *header)
{
    xel_fc_bsg_reply_t reply{0, header->din_xfer_len, {}};
    header->response_len = std::min<uint32_t>(header->max_response_len, sizeof reply);
    std::memcpy(reinterpret_cast<void *>(static_cast<uintptr_t>(header->response)), &reply, header->response_len);
    header->din_resid = 0;
}
