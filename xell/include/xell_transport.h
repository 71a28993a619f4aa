// The driver transport: every request of the library goes through
// xell_ioctl. Storage IOCs are reached through FC BSG vendor requests,
// network IOCs through /dev/kwo; a few codes the library serves itself.
#pragma once

#include "xel_ioctl.h"
#include "xell_ioc.h"

#include <cstdint>

// Sends the record at args (size bytes, 0 meaning XELL_ARGS_SIZE) for the
// IOC. Returns the transport's result: 0 when the request went through,
// and the driver's answer is then in the record's status. xel_len and
// kwo_len are carried for callers and not used.
xel_status_t xell_ioctl(xell_t *ioc, uint32_t cmd, void *args, int xel_len, int kwo_len, int size);
// The routing step behind xell_ioctl.
xel_status_t xell_os_ioctl(xell_t *ioc, uint32_t cmd, void *args, int xel_len, int kwo_len, int size);
// Sends len bytes of buf from a full-size request buffer and copies them back.
xel_status_t xell_ioctl_nomask(xell_t *ioc, uint32_t cmd, void *buf, int len);
// A plain request on the IOC's /dev/xelipfc descriptor.
xel_status_t xell_ioctl_ipfc(xell_t *ioc, uint32_t cmd, void *args);

// The status of a request that failed with errno.
xel_status_t xell_errno_to_status(int err);
// The status of a driver's device node that cannot be opened: no driver,
// unless the caller may not open it.
xel_status_t xell_node_open_status(int err);

// Closes the shared descriptors discovery opened for the IOC list.
void xell_ioc_handles_close();

void xell_update_file_handle(xell_t *src, const xell_t *dst);
int xell_get_unix_fd(const xell_t *ioc);
// Formats a time in seconds as local "%x %X"; 0, or 1 when nothing fits.
int xell_get_time_string(long seconds, char *buf, uint8_t size);
size_t xell_my_strftime(char *buf, size_t size, const char *format, const struct tm *tm);
void xell_get_mutex_lock(void *mutex);
void xell_release_mutex_lock(void *mutex);
