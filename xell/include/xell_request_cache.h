// Within one command, a read whose answer cannot have changed goes to the
// driver once: on real hardware every request is a firmware round trip,
// and a command asks for the same attributes from several places.
//
// Only the reads in the table of xell_request_cache.cpp are kept. Any
// other request may change what they answer, so it forgets them all; so
// do the start and the end of a command, and a caller that waits for the
// driver's state to move (xell_request_cache_forget).
#pragma once

#include "xel_ioctl.h"
#include "xell_ioc.h"

#include <cstdint>
#include <string>

// One request on its way to the transport.
class xell_cached_request {
public:
    // size is the transfer length (0: the whole request buffer).
    xell_cached_request(const xell_t *ioc, uint32_t cmd, void *args, int size);

    // True when an earlier identical request answered: its answer is now
    // in args and *status is what the transport returned for it.
    bool answered(xel_status_t *status) const;
    // Keeps the answer now in args, which the transport returned status for.
    void keep(xel_status_t status) const;

private:
    bool kept_ = false;      // a read of the table
    bool passes_ = false;    // a pass-through, which leaves what is kept
    uint8_t *args_ = nullptr;
    size_t size_ = 0;
    int buf_ptr_at_ = -1;    // the offset of the record's pointer to its data
    std::string key_;        // the node and the request as sent
};

// Forgets every kept answer.
void xell_request_cache_forget();

// Where an IOC's flash partitions lie, for the requests that reach a
// partition by its address. A write changes what a partition holds and how
// much, never where it starts, so the table one write found serves the
// read-back after it; forgotten with the kept answers.
bool xell_request_cache_flash_layout(const xell_t *ioc, xel_flash_attr_t *attr);
void xell_request_cache_keep_flash_layout(const xell_t *ioc, const xel_flash_attr_t &attr);
