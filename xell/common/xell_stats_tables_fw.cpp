// Descriptor tables of the firmware counters.
// Labels are printed as they stand.

#include "xell_stats_build.h"

namespace {
constexpr xell_stats_desc_t xel_fw_ioc_stats_rows[] = {
    XELL_CTR(xel_fw_ioc_stats_t, enable_requests, "Enable Requests", 1001),
    XELL_CTR(xel_fw_ioc_stats_t, disable_requests, "Disable Requests", 1002),
    XELL_CTR(xel_fw_ioc_stats_t, get_attr_requests, "Get Attr Requests", 1003),
    XELL_CTR(xel_fw_ioc_stats_t, dbg_sync_count, "DBG sync count", 1004),
    XELL_CTR(xel_fw_ioc_stats_t, dbg_dump_count, "DBG dump count", 1005),
    XELL_CTR(xel_fw_ioc_stats_t, unknown_requests, "Unknown Requests", 1006),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fw_ioc_stats, xel_fw_ioc_stats_t, xel_fw_ioc_stats_rows, 6);

namespace {
constexpr xell_stats_desc_t xel_fw_ioim_stats_rows[] = {
    XELL_CTR(xel_fw_ioim_stats_t, io_aborted_by_host, "IO aborted by host", 6401),
    XELL_CTR(xel_fw_ioim_stats_t, io_clean_up_by_host_driver, "IO clean up by host driver", 6402),
    XELL_CTR(xel_fw_ioim_stats_t, ios_timedout, "IOs timedout", 6403),
    XELL_CTR(xel_fw_ioim_stats_t, frame_parsed_by_fw, "frame parsed by f/w", 6404),
    XELL_CTR(xel_fw_ioim_stats_t, fcp_data_frame_parsed_by_fw, "fcp_data frame parsed by f/w", 6405),
    XELL_CTR(xel_fw_ioim_stats_t, fcp_rsp_frame_parsed_by_fw, "fcp_rsp frame parsed by f/w", 6406),
    XELL_CTR(xel_fw_ioim_stats_t, xfer_rdy_frame_parsed_by_fw, "xfer_rdy frame parsed by f/w", 6407),
    XELL_CTR(xel_fw_ioim_stats_t, bls_acc_frame_parsed_by_fw, "BLS ACC frame parsed by f/w", 6408),
    XELL_CTR(xel_fw_ioim_stats_t, target_abts_parsed_by_fw, "target ABTS parsed by f/w", 6409),
    XELL_CTR(xel_fw_ioim_stats_t, unknown_parsed_by_fw, "unknown parsed by f/w", 6410),
    XELL_CTR(xel_fw_ioim_stats_t, fw_dmaed_the_data_frame, "f/w DMA'ed the data frame", 6411),
    XELL_CTR(xel_fw_ioim_stats_t, fw_drop_the_frame, "f/w drop the frame", 6412),
    XELL_CTR(xel_fw_ioim_stats_t, fw_rec_timed_out, "FW rec timed out", 6413),
    XELL_CTR(xel_fw_ioim_stats_t, fw_sending_rec_on_an_error_condition, "FW sending rec on an error condition", 6414),
    XELL_CTR(xel_fw_ioim_stats_t, fw_wait_for_si, "FW wait for SI", 6415),
    XELL_CTR(xel_fw_ioim_stats_t, rec_rsp_invalid, "REC rsp invalid", 6416),
    XELL_CTR(xel_fw_ioim_stats_t, target_does_not_know_cmd_so_abort, "target does not know cmd so abort", 6417),
    XELL_CTR(xel_fw_ioim_stats_t, seqr_failed_so_retry_io, "SEQR failed so retry IO", 6418),
    XELL_CTR(xel_fw_ioim_stats_t, itn_cisc_updated_on_fcp_rsp, "ITN cisc updated on fcp_rsp", 6419),
    XELL_CTR(xel_fw_ioim_stats_t, itn_cisc_updated_on_fcp_data, "ITN cisc updated on fcp_data", 6420),
    XELL_CTR(xel_fw_ioim_stats_t, itn_cisc_updated_on_fcp_xfer_rdy, "ITN cisc updated on fcp_xfer_rdy", 6421),
    XELL_CTR(xel_fw_ioim_stats_t, fcp_data_lost, "fcp data lost", 6422),
    XELL_CTR(xel_fw_ioim_stats_t, target_set_ro_in_xfer_rdy_frame, "Target set RO in Xfer_rdy frame", 6423),
    XELL_CTR(xel_fw_ioim_stats_t, out_of_order_xfer_rdy_received, "Out of order Xfer_rdy received", 6424),
    XELL_CTR(xel_fw_ioim_stats_t, unknown_error_in_xfer_rdy_frame, "unknown error in xfer_rdy frame", 6425),
    XELL_CTR(xel_fw_ioim_stats_t, abts_timedout, "ABTS timedout", 6426),
    XELL_CTR(xel_fw_ioim_stats_t, sler_initiated, "SLER initiated", 6427),
    XELL_CTR(xel_fw_ioim_stats_t, fcp_response_in_wrong_state, "fcp response in wrong state", 6428),
    XELL_CTR(xel_fw_ioim_stats_t, fcp_rsp_io_underrun, "fcp rsp IO underrun", 6429),
    XELL_CTR(xel_fw_ioim_stats_t, fcp_rsp_io_underrun_for_write, "fcp rsp IO underrun for write", 6430),
    XELL_CTR(xel_fw_ioim_stats_t, fcp_rsp_io_underrun_error, "fcp rsp IO underrun error", 6431),
    XELL_CTR(xel_fw_ioim_stats_t, invalid_residue, "invalid residue", 6432),
    XELL_CTR(xel_fw_ioim_stats_t, fcp_rsp_io_overrun, "fcp rsp IO overrun", 6433),
    XELL_CTR(xel_fw_ioim_stats_t, fcp_rsp_io_overrun_error, "fcp rsp IO overrun error", 6434),
    XELL_CTR(xel_fw_ioim_stats_t, protocol_error_in_fcp_rsp, "protocol error in fcp rsp", 6435),
    XELL_CTR(xel_fw_ioim_stats_t, error_in_sense_info_in_fcp_rsp, "error in sense info in fcp rsp", 6436),
    XELL_CTR(xel_fw_ioim_stats_t, fcp_conf_requested, "FCP conf requested", 6437),
    XELL_CTR(xel_fw_ioim_stats_t, target_initiated_abort, "target initiated abort", 6438),
    XELL_CTR(xel_fw_ioim_stats_t, ioh_edtov_timer_popped, "IOH edtov timer popped", 6439),
    XELL_CTR(xel_fw_ioim_stats_t, ioh_fcp_rsp_exception, "IOH FCP_RSP exception", 6440),
    XELL_CTR(xel_fw_ioim_stats_t, ioh_fcp_conf, "IOH FCP_CONF", 6441),
    XELL_CTR(xel_fw_ioim_stats_t, ioh_multi_frame_fcp_rsp, "IOH multi_frame FCP_RSP", 6442),
    XELL_CTR(xel_fw_ioim_stats_t, ioh_hit_class2, "IOH hit class2", 6443),
    XELL_CTR(xel_fw_ioim_stats_t, ioh_miss_other, "IOH miss other", 6444),
    XELL_CTR(xel_fw_ioim_stats_t, ioh_seq_cnt_error, "IOH seq cnt error", 6445),
    XELL_CTR(xel_fw_ioim_stats_t, ioh_len_err_fcp_dl_bytes_xfered, "IOH len err - fcp_dl bytes xfered", 6446),
    XELL_CTR(xel_fw_ioim_stats_t, ioh_seq_len_error, "IOH seq len error", 6447),
    XELL_CTR(xel_fw_ioim_stats_t, data_out_of_range, "Data out of range", 6448),
    XELL_CTR(xel_fw_ioim_stats_t, relative_offset_out_of_range, "Relative offset out of range", 6449),
    XELL_CTR(xel_fw_ioim_stats_t, ioh_hit_iost_owned_by_fw, "IOH hit -iost owned by f/w", 6450),
    XELL_CTR(xel_fw_ioim_stats_t, unexpected_frame_received_count, "unexpected frame received count", 6451),
    XELL_CTR(xel_fw_ioim_stats_t, ioh_error_interrupt, "IOH error interrupt", 6452),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fw_ioim_stats, xel_fw_ioim_stats_t, xel_fw_ioim_stats_rows, 52);

namespace {
constexpr xell_stats_desc_t xel_fw_tio_stats_rows[] = {
    XELL_CTR(xel_fw_tio_stats_t, tio_conf_processed, "TIO CONF processed", 6201),
    XELL_CTR(xel_fw_tio_stats_t, tio_conf_dropped, "TIO CONF dropped", 6202),
    XELL_CTR(xel_fw_tio_stats_t, tio_cleanup_requested, "TIO cleanup requested", 6203),
    XELL_CTR(xel_fw_tio_stats_t, tio_cleanup_completed, "TIO cleanup completed", 6204),
    XELL_CTR(xel_fw_tio_stats_t, tio_abort_response, "TIO abort response", 6205),
    XELL_CTR(xel_fw_tio_stats_t, tio_abort_rsp_completed, "TIO abort rsp completed", 6206),
    XELL_CTR(xel_fw_tio_stats_t, tio_abts_requested, "TIO ABTS requested", 6207),
    XELL_CTR(xel_fw_tio_stats_t, tio_abts_ack_ed, "TIO ABTS ack-ed", 6208),
    XELL_CTR(xel_fw_tio_stats_t, tio_abts_ack_ed_but_not_completed, "TIO ABTS ack-ed but not completed", 6209),
    XELL_CTR(xel_fw_tio_stats_t, tio_abts_timeout, "TIO ABTS timeout", 6210),
    XELL_CTR(xel_fw_tio_stats_t, tio_sense_data_dma, "TIO sense data DMA", 6211),
    XELL_CTR(xel_fw_tio_stats_t, tio_waiting_for_rx_wait_channel, "TIO waiting for RX wait channel", 6212),
    XELL_CTR(xel_fw_tio_stats_t, tio_rx_wait_channel_available, "TIO RX wait channel available", 6213),
    XELL_CTR(xel_fw_tio_stats_t, tio_ioh_bls_event, "TIO IOH BLS event", 6214),
    XELL_CTR(xel_fw_tio_stats_t, tio_received_uf, "TIO received UF", 6215),
    XELL_CTR(xel_fw_tio_stats_t, tio_read_reqst_in_wrong_state_machine, "TIO read reqst in wrong state machine", 6216),
    XELL_CTR(xel_fw_tio_stats_t, tio_write_reqst_in_wrong_state_machine, "TIO write reqst in wrong state machine", 6217),
    XELL_CTR(xel_fw_tio_stats_t, ds_waiting_for_rx_wait_channel, "DS waiting for RX wait channel", 6218),
    XELL_CTR(xel_fw_tio_stats_t, ds_rx_wait_channel_available, "DS RX wait channel available", 6219),
    XELL_CTR(xel_fw_tio_stats_t, ds_unaligned_read, "DS unaligned read", 6220),
    XELL_CTR(xel_fw_tio_stats_t, ds_read_completed_in_wrong_state_machine, "DS read completed in wrong state machine", 6221),
    XELL_CTR(xel_fw_tio_stats_t, ds_write_completed_in_wrong_state_machine, "DS write completed in wrong state machine", 6222),
    XELL_CTR(xel_fw_tio_stats_t, ds_flush_requested, "DS flush requested", 6223),
    XELL_CTR(xel_fw_tio_stats_t, ds_flush_completed, "DS flush completed", 6224),
    XELL_CTR(xel_fw_tio_stats_t, ds_xfer_rdy_expired, "DS XFER_RDY expired", 6225),
    XELL_CTR(xel_fw_tio_stats_t, ds_seq_cnt_error, "DS seq cnt error", 6226),
    XELL_CTR(xel_fw_tio_stats_t, ds_seq_len_error, "DS seq len error", 6227),
    XELL_CTR(xel_fw_tio_stats_t, ds_data_out_of_order, "DS data out of order", 6228),
    XELL_CTR(xel_fw_tio_stats_t, ds_hit_bls, "DS hit BLS", 6229),
    XELL_CTR(xel_fw_tio_stats_t, ds_edtov_expired, "DS edtov expired", 6230),
    XELL_CTR(xel_fw_tio_stats_t, ds_cpu_owned, "DS cpu owned", 6231),
    XELL_CTR(xel_fw_tio_stats_t, ds_hit_class2, "DS hit class2", 6232),
    XELL_CTR(xel_fw_tio_stats_t, ds_length_error, "DS length error", 6233),
    XELL_CTR(xel_fw_tio_stats_t, ds_relative_offset_out_of_order_error, "DS relative offset out-of-order error", 6234),
    XELL_CTR(xel_fw_tio_stats_t, ds_rectov_expired, "DS rectov expired", 6235),
    XELL_CTR(xel_fw_tio_stats_t, ds_unexp_frame_error, "DS unexp frame error", 6236),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fw_tio_stats, xel_fw_tio_stats_t, xel_fw_tio_stats_rows, 36);

namespace {
constexpr xell_stats_desc_t xel_fw_io_stats_rows[] = {
    XELL_SUB(xel_fw_io_stats_t, ioim_stats, "ioim_stats"),
    XELL_SUB(xel_fw_io_stats_t, tio_stats, "tio_stats"),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fw_io_stats, xel_fw_io_stats_t, xel_fw_io_stats_rows, 2);

namespace {
constexpr xell_stats_desc_t xel_fw_port_fpg_stats_rows[] = {
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_interrupts, "FPG interrupts", 6601),
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_level_intrs, "FPG level intrs", 6602),
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_intr_excess, "FPG intr_excess", 6603),
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_cause_intrs, "FPG cause intrs", 6604),
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_intr_other, "FPG intr other", 6605),
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_intr_other_ignored, "FPG intr other ignored", 6606),
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_signal_lost, "FPG signal lost", 6607),
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_signal_regained, "FPG signal regained", 6608),
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_sync_lost, "FPG sync lost", 6609),
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_sync_timeout, "FPG sync timeout", 6610),
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_sync_regained, "FPG sync regained", 6611),
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_div2_overflow, "FPG div2 overflow", 6612),
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_div2_underflow, "FPG div2 underflow", 6613),
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_efifo_overflow, "FPG efifo overflow", 6614),
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_efifo_underflow, "FPG efifo underflow", 6615),
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_idle_primitives, "FPG IDLE primitives", 6616),
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_lrr_primitives, "FPG LRR primitives", 6617),
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_lr_primitives, "FPG LR primitives", 6618),
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_ols_primitives, "FPG OLS primitives", 6619),
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_nos_primitives, "FPG NOS primitives", 6620),
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_lip_primitives, "FPG LIP primitives", 6621),
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_arbf0_primitives, "FPG ARBF0 primitives", 6622),
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_arb_primitives, "FPG ARB primitives", 6623),
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_mrk_primitives, "FPG MRK primitives", 6624),
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_const_mrk_rx, "FPG const_mrk_rx", 6625),
    XELL_CTR(xel_fw_port_fpg_stats_t, fpg_unknown_primitives, "FPG unknown primitives", 6626),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fw_port_fpg_stats, xel_fw_port_fpg_stats_t, xel_fw_port_fpg_stats_rows, 26);

namespace {
constexpr xell_stats_desc_t xel_fw_lpsm_stats_rows[] = {
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_cls_rx, "LPSM cls_rx", 6701),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_cls_tx, "LPSM cls_tx", 6702),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_abrf0_rcvd, "LPSM abrf0 rcvd", 6703),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_abrf0_xmit, "LPSM abrf0 xmit", 6704),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_loop_init_start, "LPSM loop init start", 6705),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_unknown_hw_state, "LPSM unknown hw state", 6706),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_unknown_frame, "LPSM unknown_frame", 6707),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_unexpected_primitive, "LPSM unexpected primitive", 6708),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_prev_alpa_unavailable, "LPSM prev alpa unavailable", 6709),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_alpa_not_available, "LPSM alpa not available", 6710),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_lip_rcvd, "LPSM lip rcvd", 6711),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_lip_f7f7_rcvd, "LPSM lip f7f7 rcvd", 6712),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_lip_f8_rcvd, "LPSM lip f8 rcvd", 6713),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_lip_f8f7_rcvd, "LPSM lip f8f7 rcvd", 6714),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_lip_other_rcvd, "LPSM lip other rcvd", 6715),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_lip_xmit, "LPSM lip xmit", 6716),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_retry_tov, "LPSM retry TOV", 6717),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_lip_wait_tov, "LPSM LIP wait TOV", 6718),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_idle_wait_tov, "LPSM idle wait TOV", 6719),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_arbfo_wait_tov, "LPSM arbfo wait TOV", 6720),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_stop_loop_wait_tov, "LPSM stop loop wait TOV", 6721),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_lixa_wait_tov, "LPSM lixa wait TOV", 6722),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_lilp_lirp_wait_tov, "LPSM lilp/lirp wait TOV", 6723),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_cls_wait_tov, "LPSM cls wait TOV", 6724),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_sler_recvd, "LPSM SLER recvd", 6725),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_failed, "LPSM failed", 6726),
    XELL_CTR(xel_fw_lpsm_stats_t, lpsm_online, "LPSM online", 6727),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fw_lpsm_stats, xel_fw_lpsm_stats_t, xel_fw_lpsm_stats_rows, 27);

namespace {
constexpr xell_stats_desc_t xel_fw_port_lksm_stats_rows[] = {
    XELL_CTR(xel_fw_port_lksm_stats_t, lksm_hwsm_success, "LKSM HWSM success", 6801),
    XELL_CTR(xel_fw_port_lksm_stats_t, lksm_hwsm_failures, "LKSM HWSM failures", 6802),
    XELL_CTR(xel_fw_port_lksm_stats_t, lksm_hwsm_timeouts, "LKSM HWSM timeouts", 6803),
    XELL_CTR(xel_fw_port_lksm_stats_t, lksm_swsm_success, "LKSM SWSM success", 6804),
    XELL_CTR(xel_fw_port_lksm_stats_t, lksm_swsm_failures, "LKSM SWSM failures", 6805),
    XELL_CTR(xel_fw_port_lksm_stats_t, lksm_swsm_timeouts, "LKSM SWSM timeouts", 6806),
    XELL_CTR(xel_fw_port_lksm_stats_t, lksm_busy_buffer_failures, "LKSM Busy buffer failures", 6807),
    XELL_CTR(xel_fw_port_lksm_stats_t, lksm_bufwait_state_entries, "LKSM Bufwait state entries", 6808),
    XELL_CTR(xel_fw_port_lksm_stats_t, lksm_link_failures, "LKSM Link failures", 6809),
    XELL_CTR(xel_fw_port_lksm_stats_t, lksm_prim_seq_protocol_errs, "LKSM prim seq protocol errs", 6810),
    XELL_CTR(xel_fw_port_lksm_stats_t, lksm_lrs_unexpected, "LKSM LRs unexpected", 6811),
    XELL_CTR(xel_fw_port_lksm_stats_t, lksm_lrrs_unexpected, "LKSM LRRs unexpected", 6812),
    XELL_CTR(xel_fw_port_lksm_stats_t, lksm_lr_tx_started, "LKSM LR tx started", 6813),
    XELL_CTR(xel_fw_port_lksm_stats_t, lksm_lrr_tx_started, "LKSM LRR tx started", 6814),
    XELL_CTR(xel_fw_port_lksm_stats_t, lksm_ols_tx_started, "LKSM OLS tx started", 6815),
    XELL_CTR(xel_fw_port_lksm_stats_t, lksm_nos_tx_started, "LKSM NOS tx started", 6816),
    XELL_CTR(xel_fw_port_lksm_stats_t, lksm_lrr_rx_ed_in_hwsm, "LKSM LRR rx-ed in HWSM", 6817),
    XELL_CTR(xel_fw_port_lksm_stats_t, lksm_lr_rx_ed_in_hwsm, "LKSM LR rx-ed in HWSM", 6818),
    XELL_CTR(xel_fw_port_lksm_stats_t, lksm_lr_tx_for_credit_recovery, "LKSM LR tx for credit recovery", 6819),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fw_port_lksm_stats, xel_fw_port_lksm_stats_t, xel_fw_port_lksm_stats_rows, 19);

namespace {
constexpr xell_stats_desc_t xel_fw_port_snsm_stats_rows[] = {
    XELL_CTR(xel_fw_port_snsm_stats_t, snsm_hwsm_success, "SNSM HWSM success", 7001),
    XELL_CTR(xel_fw_port_snsm_stats_t, snsm_hwsm_failures, "SNSM HWSM failures", 7002),
    XELL_CTR(xel_fw_port_snsm_stats_t, snsm_hwsm_timeouts, "SNSM HWSM timeouts", 7003),
    XELL_CTR(xel_fw_port_snsm_stats_t, snsm_swsm_success, "SNSM SWSM success", 7004),
    XELL_CTR(xel_fw_port_snsm_stats_t, snsm_swsm_timeouts, "SNSM SWSM timeouts", 7005),
    XELL_CTR(xel_fw_port_snsm_stats_t, snsm_error_resets, "SNSM Error resets", 7006),
    XELL_CTR(xel_fw_port_snsm_stats_t, snsm_sync_loss_count, "SNSM Sync loss count", 7007),
    XELL_CTR(xel_fw_port_snsm_stats_t, snsm_signal_loss_count, "SNSM Signal loss count", 7008),
    XELL_CTR(xel_fw_port_snsm_stats_t, snsm_hwsm_at_8gbps_attempts, "SNSM HWSM at 8Gbps attempts", 7009),
    XELL_CTR(xel_fw_port_snsm_stats_t, snsm_adaptation_success, "SNSM adaptation success", 7010),
    XELL_CTR(xel_fw_port_snsm_stats_t, snsm_adaptation_failures, "SNSM adaptation failures", 7011),
    XELL_CTR(xel_fw_port_snsm_stats_t, snsm_adaptation_failures_ignored, "SNSM adaptation failures ignored", 7012),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fw_port_snsm_stats, xel_fw_port_snsm_stats_t, xel_fw_port_snsm_stats_rows, 12);

namespace {
constexpr xell_stats_desc_t xel_fw_port_physm_stats_rows[] = {
    XELL_CTR(xel_fw_port_physm_stats_t, module_insert_count, "Module insert count", 7201),
    XELL_CTR(xel_fw_port_physm_stats_t, module_extracts_count, "Module extracts count", 7202),
    XELL_CTR(xel_fw_port_physm_stats_t, invalid_module_inserted_count, "Invalid module inserted count", 7203),
    XELL_CTR(xel_fw_port_physm_stats_t, module_validation_status_ignored, "Module validation status ignored", 7204),
    XELL_CTR(xel_fw_port_physm_stats_t, laser_fault_count, "Laser fault count", 7205),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fw_port_physm_stats, xel_fw_port_physm_stats_t, xel_fw_port_physm_stats_rows, 5);

namespace {
constexpr xell_stats_desc_t xel_fw_fip_stats_rows[] = {
    XELL_CTR(xel_fw_fip_stats_t, vlan_discovery_requests, "vlan discovery requests", 7401),
    XELL_CTR(xel_fw_fip_stats_t, vlan_notifications, "vlan notifications", 7402),
    XELL_CTR(xel_fw_fip_stats_t, vlan_response_error, "vlan response error", 7403),
    XELL_CTR(xel_fw_fip_stats_t, vlan_disvoery_timeouts, "vlan disvoery timeouts", 7404),
    XELL_CTR(xel_fw_fip_stats_t, invalid_vlan_in_discovery_advert, "invalid vlan in discovery advert.", 7405),
    XELL_CTR(xel_fw_fip_stats_t, discovery_solicit_requests, "Discovery solicit requests", 7406),
    XELL_CTR(xel_fw_fip_stats_t, discovery_solicit_response, "Discovery solicit response", 7407),
    XELL_CTR(xel_fw_fip_stats_t, discovery_advt_parse_errors, "Discovery advt. parse errors", 7408),
    XELL_CTR(xel_fw_fip_stats_t, discovery_unsolicited, "Discovery unsolicited", 7409),
    XELL_CTR(xel_fw_fip_stats_t, discovery_timeouts, "Discovery timeouts", 7410),
    XELL_CTR(xel_fw_fip_stats_t, discovery_fcf_not_avail, "Discovery FCF Not Avail.", 7411),
    XELL_CTR(xel_fw_fip_stats_t, unsupported_link_service_req, "Unsupported link service req", 7412),
    XELL_CTR(xel_fw_fip_stats_t, parse_error_in_link_service_req, "Parse error in link service req", 7413),
    XELL_CTR(xel_fw_fip_stats_t, fip_logos_received, "FIP logos received", 7414),
    XELL_CTR(xel_fw_fip_stats_t, clear_virtual_link_req, "Clear virtual link req", 7415),
    XELL_CTR(xel_fw_fip_stats_t, unsupported_fip_operation, "Unsupported FIP operation", 7416),
    XELL_CTR(xel_fw_fip_stats_t, untagged_frames, "Untagged frames", 7417),
    XELL_CTR(xel_fw_fip_stats_t, invalid_fip_version, "Invalid FIP version", 7418),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fw_fip_stats, xel_fw_fip_stats_t, xel_fw_fip_stats_rows, 18);

namespace {
constexpr xell_stats_desc_t xel_fw_lps_stats_rows[] = {
    XELL_CTR(xel_fw_lps_stats_t, invalid_mac_assigned, "Invalid mac assigned", 7601),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fw_lps_stats, xel_fw_lps_stats_t, xel_fw_lps_stats_rows, 1);

namespace {
constexpr xell_stats_desc_t xel_fw_fcoe_stats_rows[] = {
    XELL_CTR(xel_fw_fcoe_stats_t, cee_link_up_count, "CEE link up count", 7801),
    XELL_CTR(xel_fw_fcoe_stats_t, cee_link_down_count, "CEE link down count", 7802),
    XELL_CTR(xel_fw_fcoe_stats_t, fip_link_up_count, "FIP link up count", 7803),
    XELL_CTR(xel_fw_fcoe_stats_t, fip_link_down_count, "FIP link down count", 7804),
    XELL_CTR(xel_fw_fcoe_stats_t, fip_fail_count, "FIP fail count", 7805),
    XELL_CTR(xel_fw_fcoe_stats_t, invalid_mac_assigned, "Invalid mac assigned", 7806),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fw_fcoe_stats, xel_fw_fcoe_stats_t, xel_fw_fcoe_stats_rows, 6);

namespace {
constexpr xell_stats_desc_t xel_fw_fcoe_port_stats_rows[] = {
    XELL_SUB(xel_fw_fcoe_port_stats_t, fcoe_stats, "fcoe_stats"),
    XELL_SUB(xel_fw_fcoe_port_stats_t, fip_stats, "fip_stats"),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fw_fcoe_port_stats, xel_fw_fcoe_port_stats_t, xel_fw_fcoe_port_stats_rows, 2);

namespace {
constexpr xell_stats_desc_t xel_fw_fc_uport_stats_rows[] = {
    XELL_SUB(xel_fw_fc_uport_stats_t, snsm_stats, "snsm_stats"),
    XELL_SUB(xel_fw_fc_uport_stats_t, lksm_stats, "lksm_stats"),
    XELL_SUB(xel_fw_fc_uport_stats_t, lpsm_stats, "lpsm_stats"),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fw_fc_uport_stats, xel_fw_fc_uport_stats_t, xel_fw_fc_uport_stats_rows, 3);

namespace {
constexpr xell_stats_desc_t xel_fw_fc_port_stats_rows[] = {
    XELL_SUB(xel_fw_fc_port_stats_t, fc_stats, "fc_stats"),
    XELL_SUB(xel_fw_fc_port_stats_t, fcoe_stats, "fcoe_stats"),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fw_fc_port_stats, xel_fw_fc_port_stats_t, xel_fw_fc_port_stats_rows, 2);

namespace {
constexpr xell_stats_desc_t xel_fw_port_stats_rows[] = {
    XELL_SUB(xel_fw_port_stats_t, fpg_stats, "fpg_stats"),
    XELL_SUB(xel_fw_port_stats_t, physm_stats, "physm_stats"),
    XELL_SUB(xel_fw_port_stats_t, fc_port, "fc_port"),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fw_port_stats, xel_fw_port_stats_t, xel_fw_port_stats_rows, 3);

namespace {
constexpr xell_stats_desc_t xel_fw_fcxchg_stats_rows[] = {
    XELL_CTR(xel_fw_fcxchg_stats_t, ua_tag_inv, "ua_tag_inv", 8001),
    XELL_CTR(xel_fw_fcxchg_stats_t, ua_state_inv, "ua_state_inv", 8002),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fw_fcxchg_stats, xel_fw_fcxchg_stats_t, xel_fw_fcxchg_stats_rows, 2);

namespace {
constexpr xell_stats_desc_t xel_fw_trunk_stats_rows[] = {
    XELL_CTR(xel_fw_trunk_stats_t, trunk_emt_received, "Trunk EMT received", 8401),
    XELL_CTR(xel_fw_trunk_stats_t, trunk_emt_accepted, "Trunk EMT Accepted", 8402),
    XELL_CTR(xel_fw_trunk_stats_t, trunk_emt_rejected, "Trunk EMT rejected", 8403),
    XELL_CTR(xel_fw_trunk_stats_t, trunk_etp_received, "Trunk ETP received", 8404),
    XELL_CTR(xel_fw_trunk_stats_t, trunk_etp_accepted, "Trunk ETP Accepted", 8405),
    XELL_CTR(xel_fw_trunk_stats_t, trunk_etp_rejected, "Trunk ETP rejected", 8406),
    XELL_CTR(xel_fw_trunk_stats_t, trunk_lr_received, "Trunk LR received", 8407),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fw_trunk_stats, xel_fw_trunk_stats_t, xel_fw_trunk_stats_rows, 7);

namespace {
constexpr xell_stats_desc_t xel_fw_advsm_stats_rows[] = {
    XELL_CTR(xel_fw_advsm_stats_t, flogi_sent, "Flogi sent", 8601),
    XELL_CTR(xel_fw_advsm_stats_t, flogi_acc_received, "Flogi Acc received", 8602),
    XELL_CTR(xel_fw_advsm_stats_t, flogi_rejects_received, "Flogi rejects received", 8603),
    XELL_CTR(xel_fw_advsm_stats_t, flogi_retries, "Flogi retries", 8604),
    XELL_CTR(xel_fw_advsm_stats_t, elp_received, "ELP received", 8605),
    XELL_CTR(xel_fw_advsm_stats_t, elp_accepted, "ELP Accepted", 8606),
    XELL_CTR(xel_fw_advsm_stats_t, elp_rejected, "ELP rejected", 8607),
    XELL_CTR(xel_fw_advsm_stats_t, elp_dropped, "ELP dropped", 8608),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fw_advsm_stats, xel_fw_advsm_stats_t, xel_fw_advsm_stats_rows, 8);

namespace {
constexpr xell_stats_desc_t xel_fw_iocfc_stats_rows[] = {
    XELL_CTR(xel_fw_iocfc_stats_t, cfg_request, "cfg request", 8801),
    XELL_CTR(xel_fw_iocfc_stats_t, update_queue_request, "update queue request", 8802),
    XELL_CTR(xel_fw_iocfc_stats_t, interrupt_coalesce_reqs, "interrupt coalesce reqs", 8803),
    XELL_CTR(xel_fw_iocfc_stats_t, unknown_req, "Unknown req", 8804),
    XELL_CTR(xel_fw_iocfc_stats_t, set_interrupt_reqs, "set interrupt reqs", 8805),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fw_iocfc_stats, xel_fw_iocfc_stats_t, xel_fw_iocfc_stats_rows, 5);

namespace {
constexpr xell_stats_desc_t xel_fw_eth_sndrcv_stats_rows[] = {
    XELL_CTR(xel_fw_eth_sndrcv_stats_t, crc_err, "crc_err", 9001),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fw_eth_sndrcv_stats, xel_fw_eth_sndrcv_stats_t, xel_fw_eth_sndrcv_stats_rows, 1);

namespace {
constexpr xell_stats_desc_t xel_fw_mac_mod_stats_rows[] = {
    XELL_CTR(xel_fw_mac_mod_stats_t, mac_got_turned_on, "MAC got turned-on", 9201),
    XELL_CTR(xel_fw_mac_mod_stats_t, link_up, "link-up", 9202),
    XELL_CTR(xel_fw_mac_mod_stats_t, lost_signal, "lost signal", 9203),
    XELL_CTR(xel_fw_mac_mod_stats_t, dfe_on, "DFE on", 9204),
    XELL_CTR(xel_fw_mac_mod_stats_t, no_of_mac_reset_to_bring_lnk_up, "No of MAC reset to bring lnk up", 9205),
    XELL_CTR(xel_fw_mac_mod_stats_t, no_of_pcs_reset_to_bring_lnk_up, "No of PCS reset to bring lnk up", 9206),
    XELL_CTR(xel_fw_mac_mod_stats_t, mac_got_into_serdes_loopback, "MAC got into serdes loopback", 9207),
    XELL_CTR(xel_fw_mac_mod_stats_t, num_mac_reset_to_bring_linkup_in_loopback, "Num MAC reset to bring linkup in loopback", 9208),
    XELL_CTR(xel_fw_mac_mod_stats_t, num_pcs_reset_to_bring_link_up_in_loopback, "Num PCS reset to bring link up in loopback", 9209),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fw_mac_mod_stats, xel_fw_mac_mod_stats_t, xel_fw_mac_mod_stats_rows, 9);

namespace {
constexpr xell_stats_desc_t xel_fw_qe_mod_stats_rows[] = {
    XELL_CTR(xel_fw_qe_mod_stats_t, rxa_rds_underrun, "RxA RDS underrun", 9401),
    XELL_CTR(xel_fw_qe_mod_stats_t, rad_bpc_overflow, "RAD BPC overflow", 9402),
    XELL_CTR(xel_fw_qe_mod_stats_t, rad_rlb_bpc_overflow, "RAD RLB BPC overflow", 9403),
    XELL_CTR(xel_fw_qe_mod_stats_t, bpc_fcs_err, "BPC FCS_ERR", 9404),
    XELL_CTR(xel_fw_qe_mod_stats_t, txa_tso_header_too_long, "TxA TSO header too long", 9405),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fw_qe_mod_stats, xel_fw_qe_mod_stats_t, xel_fw_qe_mod_stats_rows, 5);

namespace {
constexpr xell_stats_desc_t xel_fw_stats_rows[] = {
    XELL_SUB(xel_fw_stats_t, ioc_stats, "ioc_stats"),
    XELL_SUB(xel_fw_stats_t, iocfc_stats, "iocfc_stats"),
    XELL_SUB(xel_fw_stats_t, io_stats, "io_stats"),
    XELL_SUB(xel_fw_stats_t, port_stats, "port_stats"),
    XELL_SUB(xel_fw_stats_t, fcxchg_stats, "fcxchg_stats"),
    XELL_SUB(xel_fw_stats_t, lps_stats, "lps_stats"),
    XELL_SUB(xel_fw_stats_t, trunk_stats, "trunk_stats"),
    XELL_SUB(xel_fw_stats_t, advsm_stats, "advsm_stats"),
    XELL_SUB(xel_fw_stats_t, macmod_stats, "macmod_stats"),
    XELL_SUB(xel_fw_stats_t, ctmod_stats, "ctmod_stats"),
    XELL_SUB(xel_fw_stats_t, ethsndrcv_stats, "ethsndrcv_stats"),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fw_stats, xel_fw_stats_t, xel_fw_stats_rows, 11);
