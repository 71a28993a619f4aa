#include "xell_fcpim.h"

#include "xell_lport.h"
#include "xell_request.h"
#include "xell_scsi.h"
#include "xell_stats.h"

#include <cstring>

xel_status_t xell_fcpim_get_modstats(xell_t *ioc, const xell_stats_t **desc, xel_itnim_iostats_t *stats)
{
    xel_ioctl_fcpim_modstats_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_FCPIM_GET_MODSTATS, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK) {
        *stats = record.stats;
        *desc = &xell_xel_itnim_iostats;
    }
    return status;
}

xel_status_t xell_fcpim_clr_modstats(xell_t *ioc)
{
    return xell_header_request(ioc, XEL_CMD_FCPIM_CLR_MODSTATS, 0, 0, 8);
}

xel_status_t xell_fcpim_get_del_itn_stats(xell_t *ioc, const xell_stats_t **desc, xel_fcpim_del_itn_stats_t *stats)
{
    xel_ioctl_fcpim_del_itn_stats_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_FCPIM_GET_DEL_ITN_STATS, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK) {
        *stats = record.stats;
        *desc = &xell_xel_fcpim_del_itn_stats;
    }
    return status;
}

namespace {

constexpr uint16_t xell_max_path_tov = 60;
constexpr uint16_t xell_max_qdepth = 2000;

xel_status_t xell_fcpim_header(xell_t *ioc, uint32_t cmd)
{
    return ioc == nullptr ? XEL_STATUS_FAILED : xell_header_request(ioc, cmd, 0, 0, 8);
}

xel_status_t xell_fcpim_lunmask_request(xell_t *ioc, uint32_t cmd, uint16_t vf_id, wwn_t *pwwn, wwn_t rpwwn,
                                        lun_t lun)
{
    xel_ioctl_fcpim_lunmask_t record{};
    record.vf_id = vf_id;
    record.pwwn = *pwwn;
    record.rpwwn = rpwwn;
    record.lun = lun;
    xel_status_t status = xell_request(ioc, cmd, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK)
        *pwwn = record.pwwn;
    return status;
}

bool xell_scsi_address(xell_t *ioc, wwn_t lpwwn, wwn_t rpwwn, uint32_t addr[3])
{
    return xell_rport_get_scsi_address(ioc, 0, lpwwn, rpwwn, &addr[0], &addr[1], &addr[2]) == XEL_STATUS_OK;
}

// The OS drops the device of a LUN the mask now hides; LUN 0 stays, it
// answers for the target.
void xell_fcpim_drop_lun(xell_t *ioc, wwn_t lpwwn, wwn_t rpwwn, lun_t lun)
{
    uint32_t number = xell_scsi_lun_number(lun);
    uint32_t addr[3];
    if (number != 0 && xell_scsi_address(ioc, lpwwn, rpwwn, addr))
        xell_scsi_device_remove(addr[0], addr[1], addr[2], number);
}

} // namespace

xel_status_t xell_fcpim_fast_failover(xell_t *ioc, uint16_t path_tov)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    if (path_tov > xell_max_path_tov)
        return XEL_STATUS_EINVAL_TOV;
    xel_ioctl_fcpim_pathtov_t record{};
    record.path_tov = path_tov;
    xel_status_t status = xell_request(ioc, XEL_CMD_FCPIM_FAST_FAILOVER, &record, 0, 0, sizeof record);
    return xell_config_persist_if(status, [&] { xell_config_fcpim(ioc, path_tov); });
}

xel_status_t xell_fcpim_qdepth(xell_t *ioc, uint16_t q_depth)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    if (q_depth > xell_max_qdepth)
        return XEL_STATUS_EINVAL_QDEPTH;
    xel_ioctl_fcpim_qdepth_t record{};
    record.q_depth = q_depth;
    xel_status_t status = xell_request(ioc, XEL_CMD_FCPIM_QDEPTH, &record, 0, 0, sizeof record);
    return xell_config_persist_if(status, [&] { xell_config_qdepth(ioc, q_depth); });
}

xel_status_t xell_fcpim_profile_on(xell_t *ioc)
{
    return xell_fcpim_header(ioc, XEL_CMD_FCPIM_PROFILE_ON);
}

xel_status_t xell_fcpim_profile_off(xell_t *ioc)
{
    return xell_fcpim_header(ioc, XEL_CMD_FCPIM_PROFILE_OFF);
}

xel_status_t xell_fcpim_lunmask_enable(xell_t *ioc)
{
    return xell_fcpim_header(ioc, XEL_CMD_FCPIM_LUNMASK_ENABLE);
}

xel_status_t xell_fcpim_lunmask_disable(xell_t *ioc)
{
    return xell_fcpim_header(ioc, XEL_CMD_FCPIM_LUNMASK_DISABLE);
}

xel_status_t xell_fcpim_lunmask_query(xell_t *ioc, xel_lunmask_cfg_s *cfg)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_ioctl_fcpim_lunmask_query_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_FCPIM_LUNMASK_QUERY, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK)
        std::memcpy(cfg, record.lmcfg, sizeof *cfg);
    return status;
}

xel_status_t xell_fcpim_lunmask_add(xell_t *ioc, uint16_t vf_id, wwn_t *pwwn, wwn_t rpwwn, lun_t lun)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_status_t status = xell_fcpim_lunmask_request(ioc, XEL_CMD_FCPIM_LUNMASK_ADD, vf_id, pwwn, rpwwn, lun);
    uint32_t addr[3];
    if (status == XEL_STATUS_OK && xell_scsi_address(ioc, *pwwn, rpwwn, addr))
        xell_scsi_host_rescan(addr[0]);
    return status;
}

xel_status_t xell_fcpim_lunmask_delete(xell_t *ioc, uint16_t vf_id, wwn_t *pwwn, wwn_t rpwwn, lun_t lun)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_status_t status = xell_fcpim_lunmask_request(ioc, XEL_CMD_FCPIM_LUNMASK_DELETE, vf_id, pwwn, rpwwn, lun);
    xel_lunmask_cfg_s cfg{};
    if (status == XEL_STATUS_OK && xell_fcpim_lunmask_query(ioc, &cfg) == XEL_STATUS_OK &&
        cfg.status == XEL_LUNMASK_ENABLED)
        xell_fcpim_drop_lun(ioc, *pwwn, rpwwn, lun);
    return status;
}

xel_status_t xell_fcpim_lunmask_clear(xell_t *ioc)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_lunmask_cfg_s cfg{};
    bool known = xell_fcpim_lunmask_query(ioc, &cfg) == XEL_STATUS_OK;
    xel_status_t status = xell_fcpim_header(ioc, XEL_CMD_FCPIM_LUNMASK_CLEAR);
    if (status != XEL_STATUS_OK || !known || cfg.status != XEL_LUNMASK_ENABLED)
        return status;
    for (const xel_lun_mask_s &entry : cfg.lun_list)
        if (entry.state == 1)
            xell_fcpim_drop_lun(ioc, entry.lp_wwn, entry.rp_wwn, entry.lun);
    return status;
}

xel_status_t xell_fcpim_throttle_query(xell_t *ioc, xel_defs_fcpim_throttle_t *throttle)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_ioctl_fcpim_throttle_t record{};
    xel_status_t status = xell_request(ioc, XEL_CMD_FCPIM_THROTTLE_QUERY, &record, 0, 0, sizeof record);
    if (status == XEL_STATUS_OK)
        *throttle = record.throttle;
    return status;
}

xel_status_t xell_fcpim_throttle_set(xell_t *ioc, uint16_t value)
{
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_ioctl_fcpim_throttle_t record{};
    record.throttle.cfg_value = value;
    return xell_request(ioc, XEL_CMD_FCPIM_THROTTLE_SET, &record, 0, 0, sizeof record);
}
