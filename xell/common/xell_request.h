// Sending one request record for an IOC: the common steps of the library's
// driver operations.
#pragma once

#include "xell_config.h"
#include "xell_transport.h"

#include <cstdint>
#include <cstring>
#include <vector>

// Sends the record with the IOC's instance in its header, handing the
// transport the three lengths. Returns the transport's failure, else the
// status the driver wrote into the record.
template <typename Record>
xel_status_t xell_request(xell_t *ioc, uint32_t cmd, Record *record, int xel_len, int kwo_len, int size)
{
    record->xeld_num = static_cast<uint16_t>(ioc->instance);
    xel_status_t status = xell_ioctl(ioc, cmd, record, xel_len, kwo_len, size);
    return status != XEL_STATUS_OK ? status : static_cast<xel_status_t>(record->status);
}

// A header-only request.
inline xel_status_t xell_header_request(xell_t *ioc, uint32_t cmd, int xel_len, int kwo_len, int size)
{
    xel_ioctl_gen_t record{};
    return xell_request(ioc, cmd, &record, xel_len, kwo_len, size);
}

// Sends the record with size bytes of data right behind it in one
// transfer; the record's buf_ptr points at the data there. On return the
// record and data hold what the driver left in them (when the transport
// succeeded). Returns as xell_request.
template <typename Record>
xel_status_t xell_request_data(xell_t *ioc, uint32_t cmd, Record *record, void *data, size_t size, int xel_len,
                               int kwo_len)
{
    std::vector<uint8_t> buffer(sizeof(Record) + size);
    record->xeld_num = static_cast<uint16_t>(ioc->instance);
    record->buf_ptr = reinterpret_cast<uintptr_t>(buffer.data() + sizeof(Record));
    std::memcpy(buffer.data(), record, sizeof(Record));
    if (size > 0) // a request without data may have no buffer for it
        std::memcpy(buffer.data() + sizeof(Record), data, size);
    xel_status_t status = xell_ioctl(ioc, cmd, buffer.data(), xel_len, kwo_len, static_cast<int>(buffer.size()));
    if (status != XEL_STATUS_OK)
        return status;
    std::memcpy(record, buffer.data(), sizeof(Record));
    if (size > 0)
        std::memcpy(data, buffer.data() + sizeof(Record), size);
    return static_cast<xel_status_t>(record->status);
}

// Records a setting the driver accepted: load the configuration file, let
// set change the records, write the file back. A failed load is returned
// (the adapter has changed all the same); a failed write-back is not: it
// marks the command's change as not saved, which fails the command.
template <typename Set>
xel_status_t xell_config_persist(Set set)
{
    xel_status_t status = xell_config_load(xell_get_cfg_path());
    if (status != XEL_STATUS_OK)
        return status;
    set();
    xell_config_commit(xell_get_cfg_path());
    return XEL_STATUS_OK;
}

// The driver's answer to a change, recorded with set when it is OK.
template <typename Set>
xel_status_t xell_config_persist_if(xel_status_t answer, Set set)
{
    return answer != XEL_STATUS_OK ? answer : xell_config_persist(set);
}
