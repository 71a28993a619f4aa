// SCSI commands to one LUN of a remote target through the LUN's SCSI
// generic node (SG_IO version 3), found through sysfs.
#pragma once

#include "xel_fabric_records.h"
#include "xel_fcpim_records.h"
#include "xell_ioc.h"

#include <cstdint>
#include <string>

using scsi_cdb_t = uint8_t[16];

// The first REPORT LUNS allocation length.
constexpr uint32_t XELL_REPORT_LUNS_SIZE = 816;
// The most sense bytes SG_IO takes (its length is one byte).
constexpr uint32_t XELL_SENSE_MAX = 255;

// Every helper takes: the handle, vf_id, the local and remote port WWNs,
// the LUN (wire bytes), a zeroed CDB it fills, the data buffer and its
// size, and returns the SCSI status and the sense bytes (*snssz: the
// sense buffer's size, unchanged on the way out). A SCSI error is not a
// failure: the status is OK and scsi_status and the sense tell.
xel_status_t xell_scsi_cmnd(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, lun_t lun, uint8_t *cdb, int write,
                            void *iobuf, uint32_t iosz, uint8_t *scsi_status, uint8_t *snsbuf, uint32_t *snssz);
xel_status_t xell_scsi_inquiry(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, lun_t lun, uint8_t *cdb,
                               void *iobuf, uint32_t iosz, uint8_t *scsi_status, uint8_t *snsbuf, uint32_t *snssz);
xel_status_t xell_scsi_readcapacity(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, lun_t lun, uint8_t *cdb,
                                    void *iobuf, uint32_t iosz, uint8_t *scsi_status, uint8_t *snsbuf,
                                    uint32_t *snssz);
xel_status_t xell_scsi_readcapacity16(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, lun_t lun, uint8_t *cdb,
                                      void *iobuf, uint32_t iosz, uint8_t *scsi_status, uint8_t *snsbuf,
                                      uint32_t *snssz);
// *iobuf receives a buffer allocated with new[] (the caller deletes it)
// and *iosz its size; the buffer is zeroed before the target answers.
xel_status_t xell_scsi_reportluns(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, lun_t lun, uint8_t *cdb,
                                  uint8_t **iobuf, uint32_t *iosz, uint8_t *scsi_status, uint8_t *snsbuf,
                                  uint32_t *snssz);
xel_status_t xell_scsi_testunitready(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, lun_t lun, uint8_t *cdb,
                                     void *iobuf, uint32_t iosz, uint8_t *scsi_status, uint8_t *snsbuf,
                                     uint32_t *snssz);
// Reads eight blocks of block_len bytes from LBA 0; fewer when the buffer
// holds fewer.
xel_status_t xell_scsi_read10(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, lun_t lun, uint8_t *cdb,
                              void *iobuf, uint32_t iosz, uint32_t block_len, uint8_t *scsi_status, uint8_t *snsbuf,
                              uint32_t *snssz);

// The number of LUN entries a REPORT LUNS answer of size bytes holds: its
// list length, only when the status is good, never more than fit.
uint32_t xell_scsi_reportluns_count(const uint8_t *data, uint32_t size, uint8_t scsi_status);
// A LUN's Linux number from its eight wire bytes (peripheral and flat
// addressing).
uint32_t xell_scsi_lun_number(lun_t lun);

// Opens the LUN's node into ioc->sg_fd.
xel_status_t xell_prep_scsi_passthru_sg(xell_t *ioc, uint16_t vf_id, wwn_t lpwwn, wwn_t rpwwn, lun_t lun);
xel_status_t xell_get_rport_lun_sg(uint32_t host, uint32_t bus, uint32_t target, uint32_t lun, std::string *path);
xel_status_t xell_check_sg_node_presence(uint32_t host, uint32_t bus, uint32_t target, uint32_t lun,
                                         std::string *path);

// Drops from a REPORT LUNS answer the LUNs the masking table hides from
// the local port (0: the base port): 1 when rewritten, 0 when left as it
// was (masking off, a list longer than the data), or the table query's
// failure.
int xell_scsi_lm_modify_rpl_payload(xell_t *ioc, wwn_t lpwwn, wwn_t rpwwn, uint8_t *data, uint32_t size);
// The filter itself: keeps LUN 0 and the LUNs the table's entries in use
// name for this initiator and target, reading no entry past the data.
void xell_scsi_lm_filter(const xel_lunmask_cfg_s &cfg, wwn_t lpwwn, wwn_t rpwwn, uint8_t *data, uint32_t size);

// The host's SCSI layer through its sysfs files, when they exist: a scan
// of every channel, target and LUN of a SCSI host, and the removal of one
// device.
void xell_scsi_host_rescan(uint32_t host);
void xell_scsi_device_remove(uint32_t host, uint32_t bus, uint32_t target, uint32_t lun);
