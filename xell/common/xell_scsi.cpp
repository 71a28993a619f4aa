// SCSI commands to a LUN: the raw command and the few the library needs.
#include "xell_scsi.h"

#include "xell_fcpim.h"
#include "xell_request.h"
#include "xell_sys.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

namespace {

void xell_put_be16(uint8_t *to, uint32_t value)
{
    to[0] = static_cast<uint8_t>(value >> 8);
    to[1] = static_cast<uint8_t>(value);
}

void xell_put_be32(uint8_t *to, uint32_t value)
{
    to[0] = static_cast<uint8_t>(value >> 24);
    to[1] = static_cast<uint8_t>(value >> 16);
    to[2] = static_cast<uint8_t>(value >> 8);
    to[3] = static_cast<uint8_t>(value);
}

uint32_t xell_get_be32(const uint8_t *from)
{
    return (uint32_t{from[0]} << 24) | (uint32_t{from[1]} << 16) | (uint32_t{from[2]} << 8) | from[3];
}

void xell_close_sg(xell_t *ioc)
{
    if (ioc->sg_fd >= 0)
        xell_os().close(ioc->sg_fd);
    ioc->sg_fd = -1;
}

} // namespace

xel_status_t xell_scsi_cmnd(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, lun_t lun, uint8_t *cdb, int write,
                            void *iobuf, uint32_t iosz, uint8_t *scsi_status, uint8_t *snsbuf, uint32_t *snssz)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_status_t status = xell_prep_scsi_passthru_sg(ioc, vf_id, lpwwn, rpwwn, lun);
    if (status != XEL_STATUS_OK) {
        xell_close_sg(ioc);
        return status;
    }
    xel_ioctl_scsi_t record{};
    record.xeld_num = static_cast<uint16_t>(ioc->instance);
    record.vf_id = vf_id;
    record.lpwwn = lpwwn;
    record.rpwwn = rpwwn;
    record.lun = lun;
    std::memcpy(record.cdb, cdb, sizeof record.cdb);
    record.write = write;
    record.iosz = iosz;
    record.snssz = *snssz;
    record.iobuf_ptr = reinterpret_cast<uintptr_t>(iobuf);
    record.snsbuf_pt = reinterpret_cast<uintptr_t>(snsbuf);
    status = xell_ioctl(ioc, XEL_CMD_SCSI_CMND, &record, 0, 0, sizeof record);
    xell_close_sg(ioc);
    if (status != XEL_STATUS_OK)
        return status;
    // A LUN the masking table hides is not reported; a driver without
    // masking hides nothing.
    if (cdb[0] == 0xA0 && record.scsi_status == 0 && record.status == XEL_STATUS_OK) {
        int filtered = xell_scsi_lm_modify_rpl_payload(ioc, lpwwn, rpwwn, static_cast<uint8_t *>(iobuf), iosz);
        if (filtered != 0 && filtered != 1 && filtered != XEL_STATUS_CMD_NOTSUPP)
            return static_cast<xel_status_t>(filtered);
    }
    *scsi_status = record.scsi_status;
    *snssz = record.snssz;
    return static_cast<xel_status_t>(record.status);
}

xel_status_t xell_scsi_inquiry(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, lun_t lun, uint8_t *cdb,
                               void *iobuf, uint32_t iosz, uint8_t *scsi_status, uint8_t *snsbuf, uint32_t *snssz)
{
    cdb[0] = 0x12;
    xell_put_be16(cdb + 3, iosz);
    return xell_scsi_cmnd(ioc, vf_id, lpwwn, rpwwn, lun, cdb, 0, iobuf, iosz, scsi_status, snsbuf, snssz);
}

xel_status_t xell_scsi_readcapacity(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, lun_t lun, uint8_t *cdb,
                                    void *iobuf, uint32_t iosz, uint8_t *scsi_status, uint8_t *snsbuf,
                                    uint32_t *snssz)
{
    cdb[0] = 0x25;
    return xell_scsi_cmnd(ioc, vf_id, lpwwn, rpwwn, lun, cdb, 0, iobuf, iosz, scsi_status, snsbuf, snssz);
}

xel_status_t xell_scsi_readcapacity16(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, lun_t lun, uint8_t *cdb,
                                      void *iobuf, uint32_t iosz, uint8_t *scsi_status, uint8_t *snsbuf,
                                      uint32_t *snssz)
{
    cdb[0] = 0x9E;
    cdb[1] = 0x10;
    xell_put_be32(cdb + 10, iosz);
    return xell_scsi_cmnd(ioc, vf_id, lpwwn, rpwwn, lun, cdb, 0, iobuf, iosz, scsi_status, snsbuf, snssz);
}

xel_status_t xell_scsi_testunitready(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, lun_t lun, uint8_t *cdb,
                                     void *iobuf, uint32_t iosz, uint8_t *scsi_status, uint8_t *snsbuf,
                                     uint32_t *snssz)
{
    cdb[0] = 0x00;
    return xell_scsi_cmnd(ioc, vf_id, lpwwn, rpwwn, lun, cdb, 0, iobuf, iosz, scsi_status, snsbuf, snssz);
}

xel_status_t xell_scsi_read10(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, lun_t lun, uint8_t *cdb,
                              void *iobuf, uint32_t iosz, uint32_t block_len, uint8_t *scsi_status, uint8_t *snsbuf,
                              uint32_t *snssz)
{
    // Eight blocks, or as many as the buffer holds for the block length.
    uint32_t blocks = block_len == 0 ? 8 : std::min<uint32_t>(8, iosz / block_len);
    cdb[0] = 0x28;
    xell_put_be16(cdb + 7, blocks);
    uint32_t length = block_len == 0 ? iosz : blocks * block_len;
    return xell_scsi_cmnd(ioc, vf_id, lpwwn, rpwwn, lun, cdb, 0, iobuf, length, scsi_status, snsbuf, snssz);
}

xel_status_t xell_scsi_reportluns(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, lun_t lun, uint8_t *cdb,
                                  uint8_t **iobuf, uint32_t *iosz, uint8_t *scsi_status, uint8_t *snsbuf,
                                  uint32_t *snssz)
{
    uint32_t size = XELL_REPORT_LUNS_SIZE;
    *iobuf = nullptr;
    *iosz = 0;
    for (int attempt = 0; attempt < 2; attempt++) {
        auto *buffer = new (std::nothrow) uint8_t[size]();
        if (buffer == nullptr)
            return XEL_STATUS_ENOMEM;
        cdb[0] = 0xA0;
        xell_put_be32(cdb + 6, size);
        uint32_t sense = *snssz;
        xel_status_t status =
            xell_scsi_cmnd(ioc, vf_id, lpwwn, rpwwn, lun, cdb, 0, buffer, size, scsi_status, snsbuf, &sense);
        *snssz = sense;
        uint64_t needed = (uint64_t{xell_get_be32(buffer)} & ~uint64_t{7}) + 8;
        // The list length means something only in a good answer.
        if (status != XEL_STATUS_OK || *scsi_status != 0 || needed <= size || attempt == 1 || needed > UINT32_MAX) {
            *iobuf = buffer;
            *iosz = size;
            return status;
        }
        delete[] buffer;
        size = static_cast<uint32_t>(needed);
    }
    return XEL_STATUS_FAILED;
}

int xell_scsi_lm_modify_rpl_payload(xell_t *ioc, wwn_t lpwwn, wwn_t rpwwn, uint8_t *data, uint32_t size)
{
    if (data == nullptr || size < 8)
        return 0;
    uint32_t count = xell_get_be32(data) / 8;
    if ((size - 8) / 8 < count)
        return 0;
    xel_lunmask_cfg_s cfg{};
    xel_status_t status = xell_fcpim_lunmask_query(ioc, &cfg);
    if (status != XEL_STATUS_OK)
        return status;
    if (cfg.status != XEL_LUNMASK_ENABLED)
        return 0;
    if (lpwwn == 0)
        lpwwn = xell_ioc_get_pwwn(ioc);
    xell_scsi_lm_filter(cfg, lpwwn, rpwwn, data, size);
    return 1;
}
