// Descriptor tables of the IOC, port, CEE, fabric, authentication, logical
// and remote port, target nexus, IP over FC, QoS, FCoE and PHY counters.
// Labels are printed as they stand.

#include "xell_stats_build.h"

namespace {
constexpr xell_stats_desc_t xel_ioc_drv_stats_rows[] = {
    XELL_CTR(xel_ioc_drv_stats_t, mailbox_interrupts, "Mailbox interrupts", 1201),
    XELL_CTR(xel_ioc_drv_stats_t, enable_events, "Enable events", 1202),
    XELL_CTR(xel_ioc_drv_stats_t, disable_events, "Disable events", 1203),
    XELL_CTR(xel_ioc_drv_stats_t, heartbeat_failures, "Heartbeat failures", 1204),
    XELL_CTR(xel_ioc_drv_stats_t, firmware_boots, "Firmware boots", 1205),
    XELL_CTR(xel_ioc_drv_stats_t, stats_timeouts, "Stats timeouts", 1206),
    XELL_CTR(xel_ioc_drv_stats_t, heart_beat_count, "Heart-beat count", 1207),
    XELL_CTR(xel_ioc_drv_stats_t, disable_requests, "Disable requests", 1208),
    XELL_CTR(xel_ioc_drv_stats_t, enable_requests, "Enable requests", 1209),
    XELL_CTR(xel_ioc_drv_stats_t, disable_replies, "Disable replies", 1210),
    XELL_CTR(xel_ioc_drv_stats_t, enable_replies, "Enable replies", 1211),
};
} // namespace
XELL_STATS_TABLE(xell_xel_ioc_drv_stats, xel_ioc_drv_stats_t, xel_ioc_drv_stats_rows, 11);

namespace {
constexpr xell_stats_desc_t xel_ioc_stats_rows[] = {
    XELL_SUB(xel_ioc_stats_t, drv_stats, "driver IOC stats"),
    XELL_SUB(xel_ioc_stats_t, fw_stats, "firmware IOC stats"),
};
} // namespace
XELL_STATS_TABLE(xell_xel_ioc_stats, xel_ioc_stats_t, xel_ioc_stats_rows, 2);

namespace {
constexpr xell_stats_desc_t xel_port_fc_stats_rows[] = {
    XELL_CTR(xel_port_fc_stats_t, secs_reset, "Seconds since stats is reset", 1401),
    XELL_CTR(xel_port_fc_stats_t, tx_frames, "Tx frames", 1402),
    XELL_CTR(xel_port_fc_stats_t, tx_words, "Tx words", 1403),
    XELL_CTR(xel_port_fc_stats_t, tx_lip, "Tx LIP", 1404),
    XELL_CTR(xel_port_fc_stats_t, tx_lip_f7f7, "Tx LIP_F7F7", 1405),
    XELL_CTR(xel_port_fc_stats_t, tx_lip_f8f7, "Tx LIP_F8F7", 1406),
    XELL_CTR(xel_port_fc_stats_t, tx_arb_f0, "Tx ARB F0", 1407),
    XELL_CTR(xel_port_fc_stats_t, tx_nos, "Tx NOS", 1408),
    XELL_CTR(xel_port_fc_stats_t, tx_ols, "Tx OLS", 1409),
    XELL_CTR(xel_port_fc_stats_t, tx_lr, "Tx LR", 1410),
    XELL_CTR(xel_port_fc_stats_t, tx_lrr, "Tx LRR", 1411),
    XELL_CTR(xel_port_fc_stats_t, rx_frames, "Rx frames", 1412),
    XELL_CTR(xel_port_fc_stats_t, rx_words, "Rx words", 1413),
    XELL_CTR(xel_port_fc_stats_t, rx_lip, "Rx LIP", 1414),
    XELL_CTR(xel_port_fc_stats_t, rx_lip_f7f7, "Rx LIP_F7F7", 1415),
    XELL_CTR(xel_port_fc_stats_t, rx_lip_f8f7, "Rx LIP_F8F7", 1416),
    XELL_CTR(xel_port_fc_stats_t, rx_arb_f0, "Rx ARB F0", 1417),
    XELL_CTR(xel_port_fc_stats_t, rx_nos, "Rx NOS", 1418),
    XELL_CTR(xel_port_fc_stats_t, rx_ols, "Rx OLS", 1419),
    XELL_CTR(xel_port_fc_stats_t, rx_lr, "Rx LR", 1420),
    XELL_CTR(xel_port_fc_stats_t, rx_lrr, "Rx LRR", 1421),
    XELL_CTR(xel_port_fc_stats_t, rx_crc_err_frames, "Rx CRC err frames", 1422),
    XELL_CTR(xel_port_fc_stats_t, rx_crc_err_good_eof_frames, "Rx CRC err good EOF frames", 1423),
    XELL_CTR(xel_port_fc_stats_t, rx_undersized_frames, "Rx undersized frames", 1424),
    XELL_CTR(xel_port_fc_stats_t, rx_oversized_frames, "Rx oversized frames", 1425),
    XELL_CTR(xel_port_fc_stats_t, rx_frames_with_bad_eof, "Rx frames with bad EOF", 1426),
    XELL_CTR(xel_port_fc_stats_t, errored_frames, "Errored frames", 1427),
    XELL_CTR(xel_port_fc_stats_t, dropped_frames, "Dropped frames", 1428),
    XELL_CTR(xel_port_fc_stats_t, link_failure_lf_count, "Link Failure (LF) count", 1429),
    XELL_CTR(xel_port_fc_stats_t, loss_of_sync_count, "Loss of sync count", 1430),
    XELL_CTR(xel_port_fc_stats_t, loss_of_signal_count, "Loss of signal count", 1431),
    XELL_CTR(xel_port_fc_stats_t, primitive_sequence_protocol_err, "Primitive sequence protocol err.", 1432),
    XELL_CTR(xel_port_fc_stats_t, invalid_ordered_sets, "Invalid ordered sets", 1433),
    XELL_CTR(xel_port_fc_stats_t, encoding_err_nonframe_8b10b, "Encoding err nonframe_8b10b", 1434),
    XELL_CTR(xel_port_fc_stats_t, encoding_err_frame_8b10b, "Encoding err frame_8b10b", 1435),
    XELL_CTR(xel_port_fc_stats_t, credit_recovery_frames_lost, "Credit Recovery-Frames Lost", 1436),
    XELL_CTR(xel_port_fc_stats_t, credit_recovery_credits_lost, "Credit Recovery-Credits Lost", 1437),
    XELL_CTR(xel_port_fc_stats_t, credit_recovery_link_resets, "Credit Recovery-Link Resets", 1438),
    XELL_CTR(xel_port_fc_stats_t, loop_timeouts, "Loop timeouts", 1439),
};
} // namespace
XELL_STATS_TABLE(xell_xel_port_fc_stats, xel_port_fc_stats_t, xel_port_fc_stats_rows, 39);

namespace {
constexpr xell_stats_desc_t xel_port_eth_stats_rows[] = {
    XELL_CTR(xel_port_eth_stats_t, secs_reset, "Seconds since stats is reset", 1601),
    XELL_CTR(xel_port_eth_stats_t, frame_64, "Frames bytes", 1602),
    XELL_CTR(xel_port_eth_stats_t, frames_65_127_bytes, "Frames 65-127 bytes", 1603),
    XELL_CTR(xel_port_eth_stats_t, frames_128_255_bytes, "Frames 128-255 bytes", 1604),
    XELL_CTR(xel_port_eth_stats_t, frames_256_511_bytes, "Frames 256-511 bytes", 1605),
    XELL_CTR(xel_port_eth_stats_t, frames_512_1023_bytes, "Frames 512-1023 bytes", 1606),
    XELL_CTR(xel_port_eth_stats_t, frames_1024_1518_bytes, "Frames 1024-1518 bytes", 1607),
    XELL_CTR(xel_port_eth_stats_t, frames_1519_1522_bytes, "Frames 1519-1522 bytes", 1608),
    XELL_CTR(xel_port_eth_stats_t, tx_bytes, "Tx bytes", 1609),
    XELL_CTR(xel_port_eth_stats_t, tx_packets, "Tx packets", 1610),
    XELL_CTR(xel_port_eth_stats_t, tx_multicast_packets, "Tx multicast packets", 1611),
    XELL_CTR(xel_port_eth_stats_t, tx_broadcast_packets, "Tx broadcast packets", 1612),
    XELL_CTR(xel_port_eth_stats_t, tx_control_frame, "Tx control frame", 1613),
    XELL_CTR(xel_port_eth_stats_t, tx_drops, "Tx drops", 1614),
    XELL_CTR(xel_port_eth_stats_t, tx_jabber, "Tx jabber", 1615),
    XELL_CTR(xel_port_eth_stats_t, tx_fcs_errors, "Tx FCS errors", 1616),
    XELL_CTR(xel_port_eth_stats_t, tx_fragments, "Tx fragments", 1617),
    XELL_CTR(xel_port_eth_stats_t, rx_bytes, "Rx bytes", 1618),
    XELL_CTR(xel_port_eth_stats_t, rx_packets, "Rx packets", 1619),
    XELL_CTR(xel_port_eth_stats_t, rx_multicast_packets, "Rx multicast packets", 1620),
    XELL_CTR(xel_port_eth_stats_t, rx_broadcast_packets, "Rx broadcast packets", 1621),
    XELL_CTR(xel_port_eth_stats_t, rx_control_frames, "Rx control frames", 1622),
    XELL_CTR(xel_port_eth_stats_t, rx_unknown_opcode, "Rx unknown opcode", 1623),
    XELL_CTR(xel_port_eth_stats_t, rx_drops, "Rx drops", 1624),
    XELL_CTR(xel_port_eth_stats_t, rx_jabber, "Rx jabber", 1625),
    XELL_CTR(xel_port_eth_stats_t, rx_fcs_errors, "Rx FCS errors", 1626),
    XELL_CTR(xel_port_eth_stats_t, rx_alignment_errors, "Rx alignment errors", 1627),
    XELL_CTR(xel_port_eth_stats_t, rx_frame_len_errors, "Rx frame len errors", 1628),
    XELL_CTR(xel_port_eth_stats_t, rx_code_errors, "Rx code errors", 1629),
    XELL_CTR(xel_port_eth_stats_t, rx_fragments, "Rx fragments", 1630),
    XELL_CTR(xel_port_eth_stats_t, rx_pause, "Rx pause", 1631),
    XELL_CTR(xel_port_eth_stats_t, rx_zero_pause, "Rx zero pause", 1632),
    XELL_CTR(xel_port_eth_stats_t, tx_pause, "Tx pause", 1633),
    XELL_CTR(xel_port_eth_stats_t, tx_zero_pause, "Tx zero pause", 1634),
    XELL_CTR(xel_port_eth_stats_t, rx_fcoe_pause, "Rx FCoE pause", 1635),
    XELL_CTR(xel_port_eth_stats_t, rx_fcoe_zero_pause, "Rx FCoE zero pause", 1636),
    XELL_CTR(xel_port_eth_stats_t, tx_fcoe_pause, "Tx FCoE pause", 1637),
    XELL_CTR(xel_port_eth_stats_t, tx_fcoe_zero_pause, "Tx FCoE zero pause", 1638),
    XELL_CTR(xel_port_eth_stats_t, rx_iscsi_pause, "Rx iSCSI pause", 1639),
    XELL_CTR(xel_port_eth_stats_t, rx_iscsi_zero_pause, "Rx iSCSI zero pause", 1640),
    XELL_CTR(xel_port_eth_stats_t, tx_iscsi_pause, "Tx iSCSI pause", 1641),
    XELL_CTR(xel_port_eth_stats_t, tx_iscsi_zero_pause, "Tx iSCSI zero pause", 1642),
};
} // namespace
XELL_STATS_TABLE(xell_xel_port_eth_stats, xel_port_eth_stats_t, xel_port_eth_stats_rows, 42);

namespace {
constexpr xell_stats_desc_t xel_port_stats_rows[] = {
    XELL_SUB(xel_port_stats_t, fc, "fc"),
    XELL_SUB(xel_port_stats_t, eth, "eth"),
};
} // namespace
XELL_STATS_TABLE(xell_xel_port_stats, xel_port_stats_t, xel_port_stats_rows, 2);

namespace {
constexpr xell_stats_desc_t xel_cee_stats_rows[] = {
    XELL_CTR(xel_cee_stats_t, lldp_tx_frames, "LLDP Tx Frames", 1801),
    XELL_CTR(xel_cee_stats_t, lldp_rx_frames, "LLDP Rx Frames", 1802),
    XELL_CTR(xel_cee_stats_t, lldp_rx_frames_invalid, "LLDP Rx Frames invalid", 1803),
    XELL_CTR(xel_cee_stats_t, lldp_rx_frames_new, "LLDP Rx Frames new", 1804),
    XELL_CTR(xel_cee_stats_t, lldp_tlvs_unrecognized, "LLDP Rx unrecog. TLVs", 1805),
    XELL_CTR(xel_cee_stats_t, lldp_rx_shutdown_tlvs, "LLDP Rx shutdown TLVs", 1806),
    XELL_CTR(xel_cee_stats_t, lldp_info_aged_out, "LLDP remote info aged", 1807),
    XELL_CTR(xel_cee_stats_t, dcbx_phylink_ups, "DCBX phy link ups", 1808),
    XELL_CTR(xel_cee_stats_t, dcbx_phylink_downs, "DCBX phy link downs", 1809),
    XELL_CTR(xel_cee_stats_t, dcbx_rx_tlvs, "DCBX Rx TLVs", 1810),
    XELL_CTR(xel_cee_stats_t, dcbx_rx_tlvs_invalid, "DCBX Rx TLVs invalid", 1811),
    XELL_CTR(xel_cee_stats_t, dcbx_control_tlv_error, "DCBX control TLV errors", 1812),
    XELL_CTR(xel_cee_stats_t, dcbx_feature_tlv_error, "DCBX feature TLV errors", 1813),
    XELL_CTR(xel_cee_stats_t, dcbx_cee_cfg_new, "DCBX new CEE cfg rcvd", 1814),
    XELL_CTR(xel_cee_stats_t, cee_status_down, "DCB status down", 1815),
    XELL_CTR(xel_cee_stats_t, cee_status_up, "DCB status up", 1816),
    XELL_CTR(xel_cee_stats_t, cee_hw_cfg_changed, "DCB hw cfg changed", 1817),
    XELL_CTR(xel_cee_stats_t, cee_rx_invalid_cfg, "DCB invalid cfg", 1818),
};
} // namespace
XELL_STATS_TABLE(xell_xel_cee_stats, xel_cee_stats_t, xel_cee_stats_rows, 18);

namespace {
constexpr xell_stats_desc_t xel_vf_stats_rows[] = {
    XELL_CTR(xel_vf_stats_t, num_flogis_sent, "Num FLOGIs sent", 4001),
    XELL_CTR(xel_vf_stats_t, flogi_response_errors, "FLOGI response errors", 4002),
    XELL_CTR(xel_vf_stats_t, flogi_accept_errors, "FLOGI accept errors", 4003),
    XELL_CTR(xel_vf_stats_t, flogi_accepts_received, "FLOGI accepts received", 4004),
    XELL_CTR(xel_vf_stats_t, flogi_rejects_received, "FLOGI rejects received", 4005),
    XELL_CTR(xel_vf_stats_t, unknown_responses_for_flogi, "Unknown responses for FLOGI", 4006),
    XELL_CTR(xel_vf_stats_t, alloc_waits_before_flogi_sent, "Alloc waits before FLOGI sent", 4007),
    XELL_CTR(xel_vf_stats_t, flogis_received, "FLOGIs received", 4008),
    XELL_CTR(xel_vf_stats_t, incoming_flogis_rejected, "Incoming FLOGIs rejected", 4009),
    XELL_CTR(xel_vf_stats_t, fabric_online_notifications, "Fabric online notifications", 4010),
    XELL_CTR(xel_vf_stats_t, fabric_offline_notifications, "Fabric offline notifications", 4011),
};
} // namespace
XELL_STATS_TABLE(xell_xel_vf_stats, xel_vf_stats_t, xel_vf_stats_rows, 11);

namespace {
constexpr xell_stats_desc_t auth_proto_stats_rows[] = {
    XELL_CTR(auth_proto_stats_t, auth_rjts, "auth_rjts", 4201),
    XELL_CTR(auth_proto_stats_t, auth_negs, "auth_negs", 4202),
    XELL_CTR(auth_proto_stats_t, auth_dones, "auth_dones", 4203),
    XELL_CTR(auth_proto_stats_t, dhchap_challenges, "dhchap_challenges", 4204),
    XELL_CTR(auth_proto_stats_t, dhchap_replies, "dhchap_replies", 4205),
    XELL_CTR(auth_proto_stats_t, dhchap_successes, "dhchap_successes", 4206),
};
} // namespace
XELL_STATS_TABLE(xell_auth_proto_stats, auth_proto_stats_t, auth_proto_stats_rows, 6);

namespace {
constexpr xell_stats_desc_t xel_auth_stats_rows[] = {
    XELL_CTR(xel_auth_stats_t, auth_failures, "authentication failures", 4401),
    XELL_CTR(xel_auth_stats_t, auth_successes, "authentication successes", 4402),
    XELL_SUB(xel_auth_stats_t, auth_rx_stats, "Rx protocol stats"),
    XELL_SUB(xel_auth_stats_t, auth_tx_stats, "Tx protocol stats"),
};
} // namespace
XELL_STATS_TABLE(xell_xel_auth_stats, xel_auth_stats_t, xel_auth_stats_rows, 4);

namespace {
constexpr xell_stats_desc_t xel_lport_stats_rows[] = {
    XELL_CTR(xel_lport_stats_t, ns_plogi_sent, "ns_plogi_sent", 4601),
    XELL_CTR(xel_lport_stats_t, ns_plogi_rsp_err, "ns_plogi_rsp_err", 4602),
    XELL_CTR(xel_lport_stats_t, ns_plogi_acc_err, "ns_plogi_acc_err", 4603),
    XELL_CTR(xel_lport_stats_t, ns_plogi_accepts, "ns_plogi_accepts", 4604),
    XELL_CTR(xel_lport_stats_t, ns_command_rejects, "NS command rejects", 4605),
    XELL_CTR(xel_lport_stats_t, ns_plogi_unknown_rsp, "ns_plogi_unknown_rsp", 4606),
    XELL_CTR(xel_lport_stats_t, ns_plogi_alloc_wait, "ns_plogi_alloc_wait", 4607),
    XELL_CTR(xel_lport_stats_t, ns_command_retries, "NS command retries", 4608),
    XELL_CTR(xel_lport_stats_t, ns_command_timeouts, "NS command timeouts", 4609),
    XELL_CTR(xel_lport_stats_t, ns_rspnid_sent, "ns_rspnid_sent", 4610),
    XELL_CTR(xel_lport_stats_t, ns_rspnid_accepts, "ns_rspnid_accepts", 4611),
    XELL_CTR(xel_lport_stats_t, ns_rspnid_rsp_err, "ns_rspnid_rsp_err", 4612),
    XELL_CTR(xel_lport_stats_t, ns_rspnid_rejects, "ns_rspnid_rejects", 4613),
    XELL_CTR(xel_lport_stats_t, ns_rspnid_alloc_wait, "ns_rspnid_alloc_wait", 4614),
    XELL_CTR(xel_lport_stats_t, ns_rftid_sent, "ns_rftid_sent", 4615),
    XELL_CTR(xel_lport_stats_t, ns_rftid_accepts, "ns_rftid_accepts", 4616),
    XELL_CTR(xel_lport_stats_t, ns_rftid_rsp_err, "ns_rftid_rsp_err", 4617),
    XELL_CTR(xel_lport_stats_t, ns_rftid_rejects, "ns_rftid_rejects", 4618),
    XELL_CTR(xel_lport_stats_t, ns_rftid_alloc_wait, "ns_rftid_alloc_wait", 4619),
    XELL_CTR(xel_lport_stats_t, ns_rffid_sent, "ns_rffid_sent", 4620),
    XELL_CTR(xel_lport_stats_t, ns_rffid_accepts, "ns_rffid_accepts", 4621),
    XELL_CTR(xel_lport_stats_t, ns_rffid_rsp_err, "ns_rffid_rsp_err", 4622),
    XELL_CTR(xel_lport_stats_t, ns_rffid_rejects, "ns_rffid_rejects", 4623),
    XELL_CTR(xel_lport_stats_t, ns_rffid_alloc_wait, "ns_rffid_alloc_wait", 4624),
    XELL_CTR(xel_lport_stats_t, ns_gidft_sent, "ns_gidft_sent", 4625),
    XELL_CTR(xel_lport_stats_t, ns_gidft_accepts, "ns_gidft_accepts", 4626),
    XELL_CTR(xel_lport_stats_t, ns_gidft_rsp_err, "ns_gidft_rsp_err", 4627),
    XELL_CTR(xel_lport_stats_t, ns_gidft_rejects, "ns_gidft_rejects", 4628),
    XELL_CTR(xel_lport_stats_t, ns_gidft_unknown_rsp, "ns_gidft_unknown_rsp", 4629),
    XELL_CTR(xel_lport_stats_t, ns_gidft_alloc_wait, "ns_gidft_alloc_wait", 4630),
    XELL_CTR(xel_lport_stats_t, ns_rnnid_sent, "ns_rnnid_sent", 4631),
    XELL_CTR(xel_lport_stats_t, ns_rnnid_accepts, "ns_rnnid_accepts", 4632),
    XELL_CTR(xel_lport_stats_t, ns_rnnid_rsp_err, "ns_rnnid_rsp_err", 4633),
    XELL_CTR(xel_lport_stats_t, ns_rnnid_rejects, "ns_rnnid_rejects", 4634),
    XELL_CTR(xel_lport_stats_t, ns_rnnid_alloc_wait, "ns_rnnid_alloc_wait", 4635),
    XELL_CTR(xel_lport_stats_t, ns_rsnn_nn_sent, "ns_rsnn_nn_sent", 4636),
    XELL_CTR(xel_lport_stats_t, ns_rsnn_nn_accepts, "ns_rsnn_nn_accepts", 4637),
    XELL_CTR(xel_lport_stats_t, ns_rsnn_nn_rsp_err, "ns_rsnn_nn_rsp_err", 4638),
    XELL_CTR(xel_lport_stats_t, ns_rsnn_nn_rejects, "ns_rsnn_nn_rejects", 4639),
    XELL_CTR(xel_lport_stats_t, ns_rsnn_nn_alloc_wait, "ns_rsnn_nn_alloc_wait", 4640),
    XELL_CTR(xel_lport_stats_t, ms_command_retries, "MS command retries", 4641),
    XELL_CTR(xel_lport_stats_t, ms_command_timeouts, "MS command timeouts", 4642),
    XELL_CTR(xel_lport_stats_t, ms_plogi_sent, "ms_plogi_sent", 4643),
    XELL_CTR(xel_lport_stats_t, ms_plogi_rsp_err, "ms_plogi_rsp_err", 4644),
    XELL_CTR(xel_lport_stats_t, ms_plogi_acc_err, "ms_plogi_acc_err", 4645),
    XELL_CTR(xel_lport_stats_t, ms_plogi_accepts, "ms_plogi_accepts", 4646),
    XELL_CTR(xel_lport_stats_t, ms_command_rejects, "MS command rejects", 4647),
    XELL_CTR(xel_lport_stats_t, ms_plogi_unknown_rsp, "ms_plogi_unknown_rsp", 4648),
    XELL_CTR(xel_lport_stats_t, ms_plogi_alloc_wait, "ms_plogi_alloc_wait", 4649),
    XELL_CTR(xel_lport_stats_t, num_of_rscn_received, "Num of RSCN received", 4650),
    XELL_CTR(xel_lport_stats_t, num_portid_format_rscn_rcvd, "Num portid format RSCN rcvd", 4651),
    XELL_CTR(xel_lport_stats_t, unsolicited_recv_frames, "Unsolicited recv frames", 4652),
    XELL_CTR(xel_lport_stats_t, dropped_received_frames, "Dropped received frames", 4653),
    XELL_CTR(xel_lport_stats_t, received_plogi, "Received plogi", 4654),
    XELL_CTR(xel_lport_stats_t, received_prli, "Received prli", 4655),
    XELL_CTR(xel_lport_stats_t, received_adisc, "Received adisc", 4656),
    XELL_CTR(xel_lport_stats_t, received_prlo, "Received prlo", 4657),
    XELL_CTR(xel_lport_stats_t, received_logo, "Received logo", 4658),
    XELL_CTR(xel_lport_stats_t, received_rpsc, "Received rpsc", 4659),
    XELL_CTR(xel_lport_stats_t, received_unhandled_els, "Received unhandled ELS", 4660),
    XELL_CTR(xel_lport_stats_t, rport_plogi_retry_timeout_cnt, "Rport plogi retry timeout cnt", 4661),
    XELL_CTR(xel_lport_stats_t, del_rport_max, "Del rport max", 4662),
};
} // namespace
XELL_STATS_TABLE(xell_xel_lport_stats, xel_lport_stats_t, xel_lport_stats_rows, 62);

namespace {
constexpr xell_stats_desc_t xel_vport_stats_rows[] = {
    XELL_SUB(xel_vport_stats_t, port_stats, "base class stats"),
    XELL_CTR(xel_vport_stats_t, num_fdisc_sent, "num fdisc sent", 4802),
    XELL_CTR(xel_vport_stats_t, fdisc_accepts, "fdisc accepts", 4803),
    XELL_CTR(xel_vport_stats_t, fdisc_retries, "fdisc retries", 4804),
    XELL_CTR(xel_vport_stats_t, fdisc_timeouts, "fdisc timeouts", 4805),
    XELL_CTR(xel_vport_stats_t, fdisc_response_error, "fdisc response error", 4806),
    XELL_CTR(xel_vport_stats_t, bad_fdisc_accepts, "bad fdisc accepts", 4807),
    XELL_CTR(xel_vport_stats_t, fdisc_rejects, "fdisc rejects", 4808),
    XELL_CTR(xel_vport_stats_t, fdisc_unknown_rsp, "fdisc_unknown_rsp", 4809),
    XELL_CTR(xel_vport_stats_t, fdisc_req_wait, "fdisc req wait", 4810),
    XELL_CTR(xel_vport_stats_t, logo_req_alloc_wait, "logo req alloc wait", 4811),
    XELL_CTR(xel_vport_stats_t, logo_sent, "logo sent", 4812),
    XELL_CTR(xel_vport_stats_t, logo_accepts, "logo accepts", 4813),
    XELL_CTR(xel_vport_stats_t, logo_rejects, "logo rejects", 4814),
    XELL_CTR(xel_vport_stats_t, logo_rsp_errors, "logo rsp errors", 4815),
    XELL_CTR(xel_vport_stats_t, logo_rsp_unknown_errors, "logo rsp unknown errors", 4816),
    XELL_CTR(xel_vport_stats_t, fabric_does_not_support_npiv, "fabric does not support npiv", 4817),
    XELL_CTR(xel_vport_stats_t, offline_events_from_fab_sm, "offline events from fab SM", 4818),
    XELL_CTR(xel_vport_stats_t, online_events_from_fab_sm, "online events from fab SM", 4819),
    XELL_CTR(xel_vport_stats_t, cleanup_request_from_fab_sm, "cleanup request from fab SM", 4820),
};
} // namespace
XELL_STATS_TABLE(xell_xel_vport_stats, xel_vport_stats_t, xel_vport_stats_rows, 20);

namespace {
constexpr xell_stats_desc_t xel_rport_hal_stats_rows[] = {
    XELL_CTR(xel_rport_hal_stats_t, uninit_create_events, "uninit: create events", 5001),
    XELL_CTR(xel_rport_hal_stats_t, uninit_exception_events, "uninit: exception events", 5002),
    XELL_CTR(xel_rport_hal_stats_t, created_online_events, "created: online events", 5003),
    XELL_CTR(xel_rport_hal_stats_t, created_delete_events, "created: delete events", 5004),
    XELL_CTR(xel_rport_hal_stats_t, created_ioc_down, "created: IOC down", 5005),
    XELL_CTR(xel_rport_hal_stats_t, created_exception_events, "created: exception events", 5006),
    XELL_CTR(xel_rport_hal_stats_t, fw_create_fw_responses, "fw create: f/w responses", 5007),
    XELL_CTR(xel_rport_hal_stats_t, fw_create_delete_events, "fw create: delete events", 5008),
    XELL_CTR(xel_rport_hal_stats_t, fw_create_offline_events, "fw create: offline events", 5009),
    XELL_CTR(xel_rport_hal_stats_t, fw_create_ioc_down, "fw create: IOC down", 5010),
    XELL_CTR(xel_rport_hal_stats_t, fw_create_exception, "fw create: exception", 5011),
    XELL_CTR(xel_rport_hal_stats_t, online_offline_events, "online: offline events", 5012),
    XELL_CTR(xel_rport_hal_stats_t, online_delete_events, "online: delete events", 5013),
    XELL_CTR(xel_rport_hal_stats_t, online_ioc_down_events, "online: IOC down events", 5014),
    XELL_CTR(xel_rport_hal_stats_t, online_exception_events, "online: exception events", 5015),
    XELL_CTR(xel_rport_hal_stats_t, fw_delete_fw_responses, "fw delete: fw responses", 5016),
    XELL_CTR(xel_rport_hal_stats_t, fw_delete_delete_events, "fw delete: delete events", 5017),
    XELL_CTR(xel_rport_hal_stats_t, fw_delete_ioc_down_events, "fw delete: IOC down events", 5018),
    XELL_CTR(xel_rport_hal_stats_t, fw_delete_exception, "fw delete: exception", 5019),
    XELL_CTR(xel_rport_hal_stats_t, offline_delete_events, "offline: delete events", 5020),
    XELL_CTR(xel_rport_hal_stats_t, offline_online_events, "offline: online events", 5021),
    XELL_CTR(xel_rport_hal_stats_t, offline_ioc_down_events, "offline: IOC down events", 5022),
    XELL_CTR(xel_rport_hal_stats_t, offline_exception_events, "offline: exception events", 5023),
    XELL_CTR(xel_rport_hal_stats_t, delete_fw_responses, "delete: fw responses", 5024),
    XELL_CTR(xel_rport_hal_stats_t, delete_ioc_down_events, "delete: IOC down events", 5025),
    XELL_CTR(xel_rport_hal_stats_t, delete_exception_events, "delete: exception events", 5026),
    XELL_CTR(xel_rport_hal_stats_t, delete_pend_fw_responses, "delete pend: fw responses", 5027),
    XELL_CTR(xel_rport_hal_stats_t, delete_pend_ioc_downs, "delete pend: IOC downs", 5028),
    XELL_CTR(xel_rport_hal_stats_t, delete_pend_exceptions, "delete pend: exceptions", 5029),
    XELL_CTR(xel_rport_hal_stats_t, off_pending_fw_responses, "off-pending: fw responses", 5030),
    XELL_CTR(xel_rport_hal_stats_t, off_pending_deletes, "off-pending: deletes", 5031),
    XELL_CTR(xel_rport_hal_stats_t, off_pending_ioc_downs, "off-pending: IOC downs", 5032),
    XELL_CTR(xel_rport_hal_stats_t, off_pending_exceptions, "off-pending: exceptions", 5033),
    XELL_CTR(xel_rport_hal_stats_t, ioc_down_offline_events, "IOC down: offline events", 5034),
    XELL_CTR(xel_rport_hal_stats_t, ioc_down_delete_events, "IOC down: delete events", 5035),
    XELL_CTR(xel_rport_hal_stats_t, ioc_down_online_events, "IOC down: online events", 5036),
    XELL_CTR(xel_rport_hal_stats_t, ioc_down_exceptions, "IOC down: exceptions", 5037),
};
} // namespace
XELL_STATS_TABLE(xell_xel_rport_hal_stats, xel_rport_hal_stats_t, xel_rport_hal_stats_rows, 37);

namespace {
constexpr xell_stats_desc_t xel_rport_stats_rows[] = {
    XELL_CTR(xel_rport_stats_t, remote_port_offline_count, "remote port offline count", 5201),
    XELL_CTR(xel_rport_stats_t, remote_port_online_count, "remote port online count", 5202),
    XELL_CTR(xel_rport_stats_t, rscn_affecting_rport, "RSCN affecting rport", 5203),
    XELL_CTR(xel_rport_stats_t, plogis_sent, "plogis sent", 5204),
    XELL_CTR(xel_rport_stats_t, plogi_accepts, "plogi accepts", 5205),
    XELL_CTR(xel_rport_stats_t, plogi_timeouts, "plogi timeouts", 5206),
    XELL_CTR(xel_rport_stats_t, rcvd_plogi_rejects, "rcvd plogi rejects", 5207),
    XELL_CTR(xel_rport_stats_t, local_failure, "local failure", 5208),
    XELL_CTR(xel_rport_stats_t, plogis_rcvd, "plogis rcvd", 5209),
    XELL_CTR(xel_rport_stats_t, inbound_prlis, "inbound PRLIs", 5210),
    XELL_CTR(xel_rport_stats_t, adiscs_received, "ADISCs received", 5211),
    XELL_CTR(xel_rport_stats_t, recvd_adisc_rejects, "recvd ADISC rejects", 5212),
    XELL_CTR(xel_rport_stats_t, adisc_requests_sent, "ADISC requests sent", 5213),
    XELL_CTR(xel_rport_stats_t, adisc_accepted_by_rport, "ADISC accepted by rport", 5214),
    XELL_CTR(xel_rport_stats_t, adisc_failed_no_response, "ADISC failed no response", 5215),
    XELL_CTR(xel_rport_stats_t, adisc_rejected_by_us, "ADISC rejected by us", 5216),
    XELL_CTR(xel_rport_stats_t, logos_sent, "logos sent", 5217),
    XELL_CTR(xel_rport_stats_t, logo_accepts_from_rport, "LOGO accepts from rport", 5218),
    XELL_CTR(xel_rport_stats_t, logo_failures, "LOGO failures", 5219),
    XELL_CTR(xel_rport_stats_t, logo_rejects_from_rport, "LOGO rejects from rport", 5220),
    XELL_CTR(xel_rport_stats_t, logo_from_remote_port, "LOGO from remote port", 5221),
    XELL_CTR(xel_rport_stats_t, rpsc_received, "RPSC received", 5222),
    XELL_CTR(xel_rport_stats_t, recvd_rpsc_rejects, "recvd RPSC rejects", 5223),
    XELL_CTR(xel_rport_stats_t, rpsc_requests_sent, "RPSC requests sent", 5224),
    XELL_CTR(xel_rport_stats_t, rpsc_accepted_by_rport, "RPSC accepted by rport", 5225),
    XELL_CTR(xel_rport_stats_t, rpsc_failed_no_response, "RPSC failed no response", 5226),
    XELL_CTR(xel_rport_stats_t, rpsc_rejected_by_us, "RPSC rejected by us", 5227),
    XELL_CTR(xel_rport_stats_t, ls_rjt_with_insuff_resources, "LS RJT with insuff resources", 5228),
    XELL_SUB(xel_rport_stats_t, hal_stats, "XEL rport stats"),
};
} // namespace
XELL_STATS_TABLE(xell_xel_rport_stats, xel_rport_stats_t, xel_rport_stats_rows, 29);

namespace {
constexpr xell_stats_desc_t xel_rport_remote_link_stats_rows[] = {
    XELL_CTR(xel_rport_remote_link_stats_t, link_failure_count, "Link Failure Count", 5401),
    XELL_CTR(xel_rport_remote_link_stats_t, loss_of_synchronization_count, "Loss of Synchronization Count", 5402),
    XELL_CTR(xel_rport_remote_link_stats_t, loss_of_signal_count, "Loss of Signal Count", 5403),
    XELL_CTR(xel_rport_remote_link_stats_t, primitive_sequence_protocol_error_count, "Primitive Sequence Protocol Error Count", 5404),
    XELL_CTR(xel_rport_remote_link_stats_t, invalid_transmission_word_count, "Invalid Transmission Word Count", 5405),
    XELL_CTR(xel_rport_remote_link_stats_t, invalid_crc_count, "Invalid CRC Count", 5406),
};
} // namespace
XELL_STATS_TABLE(xell_xel_rport_remote_link_stats, xel_rport_remote_link_stats_t, xel_rport_remote_link_stats_rows, 6);

namespace {
constexpr xell_stats_desc_t xel_itnim_stats_rows[] = {
    XELL_CTR(xel_itnim_stats_t, num_rport_online, "num rport online", 5601),
    XELL_CTR(xel_itnim_stats_t, num_rport_offline, "num rport offline", 5602),
    XELL_CTR(xel_itnim_stats_t, num_prli_sent_out, "num prli sent out", 5603),
    XELL_CTR(xel_itnim_stats_t, num_fcxp_alloc_waits, "num fcxp alloc waits", 5604),
    XELL_CTR(xel_itnim_stats_t, num_prli_rsp_errors, "num prli rsp errors", 5605),
    XELL_CTR(xel_itnim_stats_t, num_prli_rsp_accepts, "num prli rsp accepts", 5606),
    XELL_CTR(xel_itnim_stats_t, rport_is_an_initiator, "rport is an initiator", 5607),
    XELL_CTR(xel_itnim_stats_t, prli_rsp_parsing_errors, "prli rsp parsing errors", 5608),
    XELL_CTR(xel_itnim_stats_t, num_prli_rsp_rejects, "num prli rsp rejects", 5609),
    XELL_CTR(xel_itnim_stats_t, num_timeouts_detected, "num timeouts detected", 5610),
    XELL_CTR(xel_itnim_stats_t, num_sler_notification_from_xel, "num sler notification from XEL", 5611),
};
} // namespace
XELL_STATS_TABLE(xell_xel_itnim_stats, xel_itnim_stats_t, xel_itnim_stats_rows, 11);

namespace {
constexpr xell_stats_desc_t xel_iprp_stats_rows[] = {
    XELL_CTR(xel_iprp_stats_t, offlines, "offlines", 5801),
    XELL_CTR(xel_iprp_stats_t, onlines, "onlines", 5802),
    XELL_CTR(xel_iprp_stats_t, rscns, "rscns", 5803),
    XELL_CTR(xel_iprp_stats_t, plogis, "plogis", 5804),
    XELL_CTR(xel_iprp_stats_t, logos, "logos", 5805),
    XELL_CTR(xel_iprp_stats_t, plogi_timeouts, "plogi_timeouts", 5806),
    XELL_CTR(xel_iprp_stats_t, plogi_rejects, "plogi_rejects", 5807),
};
} // namespace
XELL_STATS_TABLE(xell_xel_iprp_stats, xel_iprp_stats_t, xel_iprp_stats_rows, 7);

namespace {
constexpr xell_stats_desc_t xel_ipfc_stats_rows[] = {
    XELL_CTR(xel_ipfc_stats_t, arp_sent, "ARP sent", 6001),
    XELL_CTR(xel_ipfc_stats_t, arp_rcvd, "ARP rcvd", 6002),
    XELL_CTR(xel_ipfc_stats_t, arp_reply_sent, "ARP reply sent", 6003),
    XELL_CTR(xel_ipfc_stats_t, arp_reply_rcvd, "ARP reply rcvd", 6004),
    XELL_CTR(xel_ipfc_stats_t, farp_sent, "FARP sent", 6005),
    XELL_CTR(xel_ipfc_stats_t, farp_rcvd, "FARP rcvd", 6006),
    XELL_CTR(xel_ipfc_stats_t, farp_reply_sent, "FARP reply sent", 6007),
    XELL_CTR(xel_ipfc_stats_t, farp_reply_rcvd, "FARP reply rcvd", 6008),
    XELL_CTR(xel_ipfc_stats_t, farp_reject_sent, "FARP reject sent", 6009),
    XELL_CTR(xel_ipfc_stats_t, farp_reject_rcvd, "FARP reject rcvd", 6010),
};
} // namespace
XELL_STATS_TABLE(xell_xel_ipfc_stats, xel_ipfc_stats_t, xel_ipfc_stats_rows, 10);

namespace {
constexpr xell_stats_desc_t xel_qos_stats_rows[] = {
    XELL_CTR(xel_qos_stats_t, qos_flogi_sent, "QoS Flogi sent", 9601),
    XELL_CTR(xel_qos_stats_t, qos_flogi_acc_received, "QoS Flogi Acc received", 9602),
    XELL_CTR(xel_qos_stats_t, qos_flogi_rejects_received, "QoS Flogi rejects received", 9603),
    XELL_CTR(xel_qos_stats_t, qos_flogi_retries, "QoS Flogi retries", 9604),
    XELL_CTR(xel_qos_stats_t, qos_elp_received, "QoS ELP received", 9605),
    XELL_CTR(xel_qos_stats_t, qos_elp_accepted, "QoS ELP Accepted", 9606),
    XELL_CTR(xel_qos_stats_t, qos_elp_rejected, "QoS ELP rejected", 9607),
    XELL_CTR(xel_qos_stats_t, qos_elp_dropped, "QoS ELP dropped", 9608),
    XELL_CTR(xel_qos_stats_t, qos_rscn_received, "QoS RSCN received", 9609),
};
} // namespace
XELL_STATS_TABLE(xell_xel_qos_stats, xel_qos_stats_t, xel_qos_stats_rows, 9);

namespace {
constexpr xell_stats_desc_t xel_fcoe_stats_rows[] = {
    XELL_CTR(xel_fcoe_stats_t, secs_reset, "Seconds since stats reset", 9801),
    XELL_CTR(xel_fcoe_stats_t, cee_link_up, "CEE link up", 9802),
    XELL_CTR(xel_fcoe_stats_t, cee_link_down, "CEE link down", 9803),
    XELL_CTR(xel_fcoe_stats_t, fip_link_up, "FIP link up", 9804),
    XELL_CTR(xel_fcoe_stats_t, fip_link_down, "FIP link down", 9805),
    XELL_CTR(xel_fcoe_stats_t, fip_failures, "FIP failures", 9806),
    XELL_CTR(xel_fcoe_stats_t, invalid_mac_assignments, "Invalid mac assignments", 9807),
    XELL_CTR(xel_fcoe_stats_t, vlan_requests, "Vlan requests", 9808),
    XELL_CTR(xel_fcoe_stats_t, vlan_notifications, "Vlan notifications", 9809),
    XELL_CTR(xel_fcoe_stats_t, vlan_notification_errors, "Vlan notification errors", 9810),
    XELL_CTR(xel_fcoe_stats_t, vlan_request_timeouts, "Vlan request timeouts", 9811),
    XELL_CTR(xel_fcoe_stats_t, vlan_invalids, "Vlan invalids", 9812),
    XELL_CTR(xel_fcoe_stats_t, discovery_requests, "Discovery requests", 9813),
    XELL_CTR(xel_fcoe_stats_t, discovery_responses, "Discovery responses", 9814),
    XELL_CTR(xel_fcoe_stats_t, discovery_error_frames, "Discovery error frames", 9815),
    XELL_CTR(xel_fcoe_stats_t, discovery_unsolicited, "Discovery unsolicited", 9816),
    XELL_CTR(xel_fcoe_stats_t, discovery_timeouts, "Discovery timeouts", 9817),
    XELL_CTR(xel_fcoe_stats_t, discovery_fcf_not_avail, "Discovery FCF not avail", 9818),
    XELL_CTR(xel_fcoe_stats_t, fip_link_service_req_unsupp, "FIP link service req unsupp.", 9819),
    XELL_CTR(xel_fcoe_stats_t, fip_link_service_req_errors, "FIP link service req errors", 9820),
    XELL_CTR(xel_fcoe_stats_t, fip_logos_received, "FIP logos received", 9821),
    XELL_CTR(xel_fcoe_stats_t, clear_virtual_link_requests, "Clear virtual link requests", 9822),
    XELL_CTR(xel_fcoe_stats_t, fip_operation_unsupp, "FIP operation unsupp.", 9823),
    XELL_CTR(xel_fcoe_stats_t, fip_untagged_frames, "FIP untagged frames", 9824),
    XELL_CTR(xel_fcoe_stats_t, tx_fcoe_unicast_frames, "Tx FCoE unicast frames", 9825),
    XELL_CTR(xel_fcoe_stats_t, tx_fcoe_unicast_vlan_frames, "Tx FCoE unicast vlan frames", 9826),
    XELL_CTR(xel_fcoe_stats_t, tx_fcoe_unicast_octets, "Tx FCoE unicast octets", 9827),
    XELL_CTR(xel_fcoe_stats_t, tx_fcoe_multicast_frames, "Tx FCoE multicast frames", 9828),
    XELL_CTR(xel_fcoe_stats_t, tx_fcoe_multicast_vlan_frames, "Tx FCoE multicast vlan frames", 9829),
    XELL_CTR(xel_fcoe_stats_t, tx_fcoe_multicast_octets, "Tx FCoE multicast octets", 9830),
    XELL_CTR(xel_fcoe_stats_t, tx_fcoe_broadcast_frames, "Tx FCoE broadcast frames", 9831),
    XELL_CTR(xel_fcoe_stats_t, tx_fcoe_broadcast_vlan_frames, "Tx FCoE broadcast vlan frames", 9832),
    XELL_CTR(xel_fcoe_stats_t, tx_fcoe_broadcast_octets, "Tx FCoE broadcast octets", 9833),
    XELL_CTR(xel_fcoe_stats_t, tx_timeouts, "Tx timeouts", 9834),
    XELL_CTR(xel_fcoe_stats_t, transmit_parity_err, "Transmit parity err", 9835),
    XELL_CTR(xel_fcoe_stats_t, transmit_fid_parity_err, "Transmit FID parity err", 9836),
    XELL_CTR(xel_fcoe_stats_t, rx_fcoe_unicast_octets, "Rx FCoE unicast octets", 9837),
    XELL_CTR(xel_fcoe_stats_t, rx_fcoe_unicast_frames, "Rx FCoE unicast frames", 9838),
    XELL_CTR(xel_fcoe_stats_t, rx_fcoe_unicast_vlan_frames, "Rx FCoE unicast vlan frames", 9839),
    XELL_CTR(xel_fcoe_stats_t, rx_fcoe_multicast_octets, "Rx FCoE multicast octets", 9840),
    XELL_CTR(xel_fcoe_stats_t, rx_fcoe_multicast_frames, "Rx FCoE multicast frames", 9841),
    XELL_CTR(xel_fcoe_stats_t, rx_fcoe_multicast_vlan_frames, "Rx FCoE multicast vlan frames", 9842),
    XELL_CTR(xel_fcoe_stats_t, rx_fcoe_broadcast_octets, "Rx FCoE broadcast octets", 9843),
    XELL_CTR(xel_fcoe_stats_t, rx_fcoe_broadcast_frames, "Rx FCoE broadcast frames", 9844),
    XELL_CTR(xel_fcoe_stats_t, rx_fcoe_broadcast_vlan_frames, "Rx FCoE broadcast vlan frames", 9845),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fcoe_stats, xel_fcoe_stats_t, xel_fcoe_stats_rows, 45);

namespace {
constexpr xell_stats_desc_t xel_fcport_stats_rows[] = {
    XELL_SUB(xel_fcport_stats_t, fcqos, "fcqos"),
    XELL_SUB(xel_fcport_stats_t, fcoe, "fcoe"),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fcport_stats, xel_fcport_stats_t, xel_fcport_stats_rows, 2);

namespace {
constexpr xell_stats_desc_t xel_fcpim_del_itn_stats_rows[] = {
    XELL_CTR(xel_fcpim_del_itn_stats_t, deleted_itn_aborted_io_requests, "Deleted ITN - Aborted IO requests", 10001),
    XELL_CTR(xel_fcpim_del_itn_stats_t, deleted_itn_io_timeouts, "Deleted ITN - IO timeouts", 10002),
    XELL_CTR(xel_fcpim_del_itn_stats_t, deleted_itn_io_retry_for_sq_error_recovery, "Deleted ITN - IO retry for SQ error recovery", 10003),
    XELL_CTR(xel_fcpim_del_itn_stats_t, deleted_itn_delayed_freeing_of_io_resources, "Deleted ITN - Delayed freeing of IO resources", 10004),
    XELL_CTR(xel_fcpim_del_itn_stats_t, deleted_itn_host_io_abort_requests, "Deleted ITN - Host IO abort requests", 10005),
    XELL_CTR(xel_fcpim_del_itn_stats_t, deleted_itn_total_io_count, "Deleted ITN - Total IO count", 10006),
    XELL_CTR(xel_fcpim_del_itn_stats_t, deleted_itn_io_cleaned_up_due_to_ioc_down, "Deleted ITN - IO cleaned-up due to IOC down", 10007),
    XELL_CTR(xel_fcpim_del_itn_stats_t, deleted_itn_tm_cleaned_up_due_to_ioc_down, "Deleted ITN - TM cleaned-up due to IOC down", 10008),
};
} // namespace
XELL_STATS_TABLE(xell_xel_fcpim_del_itn_stats, xel_fcpim_del_itn_stats_t, xel_fcpim_del_itn_stats_rows, 8);

namespace {
constexpr xell_stats_desc_t xel_itnim_iostats_rows[] = {
    XELL_CTR(xel_itnim_iostats_t, total_io, "Total IO", 10201),
    XELL_CTR(xel_itnim_iostats_t, data_in_bound_requests, "Data in-bound requests", 10202),
    XELL_CTR(xel_itnim_iostats_t, data_out_bound_requests, "Data out-bound requests", 10203),
    XELL_CTR(xel_itnim_iostats_t, total_io_completions, "Total IO Completions", 10204),
    XELL_CTR(xel_itnim_iostats_t, write_data_transferred_in_bytes, "Write data transferred in bytes", 10205),
    XELL_CTR(xel_itnim_iostats_t, read_data_transferred_in_bytes, "Read data transferred in bytes", 10206),
    XELL_CTR(xel_itnim_iostats_t, slowpath_io_completions, "Slowpath IO completions", 10207),
    XELL_CTR(xel_itnim_iostats_t, io_underrun, "IO underrun", 10208),
    XELL_CTR(xel_itnim_iostats_t, io_overrun, "IO overrun", 10209),
    XELL_CTR(xel_itnim_iostats_t, io_request_q_wait, "IO Request-Q wait", 10210),
    XELL_CTR(xel_itnim_iostats_t, io_request_q_wait_done, "IO Request-Q wait done", 10211),
    XELL_CTR(xel_itnim_iostats_t, no_free_io_tag, "No free IO tag", 10212),
    XELL_CTR(xel_itnim_iostats_t, io_timeouts, "IO timeouts", 10213),
    XELL_CTR(xel_itnim_iostats_t, io_failure_due_to_target_offline, "IO failure due to target offline", 10214),
    XELL_CTR(xel_itnim_iostats_t, io_protocol_errors, "IO protocol errors", 10215),
    XELL_CTR(xel_itnim_iostats_t, io_sbc_3_protection_errors, "IO SBC-3 protection errors", 10216),
    XELL_CTR(xel_itnim_iostats_t, fcp_2_error_recovery_failed, "fcp-2 error recovery failed", 10217),
    XELL_CTR(xel_itnim_iostats_t, delayed_freeing_of_io, "Delayed freeing of IO", 10218),
    XELL_CTR(xel_itnim_iostats_t, host_io_abort_requests, "Host IO abort requests", 10219),
    XELL_CTR(xel_itnim_iostats_t, host_io_abort, "Host IO abort", 10220),
    XELL_CTR(xel_itnim_iostats_t, io_clean_up_requests, "IO clean-up requests", 10221),
    XELL_CTR(xel_itnim_iostats_t, io_path_tov_expired, "IO path tov expired", 10222),
    XELL_CTR(xel_itnim_iostats_t, io_abort_completions, "IO abort completions", 10223),
    XELL_CTR(xel_itnim_iostats_t, io_cleaned_up_due_to_ioc_down, "IO cleaned-up due to IOC down", 10224),
    XELL_CTR(xel_itnim_iostats_t, io_comp_with_unknown, "IO comp with unknown", 10225),
    XELL_CTR(xel_itnim_iostats_t, abort_request_due_to_tm_command, "Abort request due to TM command", 10226),
    XELL_CTR(xel_itnim_iostats_t, abort_completion_due_to_tm_command, "Abort completion due to TM command", 10227),
    XELL_CTR(xel_itnim_iostats_t, it_nexus_create_requests, "IT Nexus create requests", 10228),
    XELL_CTR(xel_itnim_iostats_t, it_nexus_fw_create_requests, "IT Nexus FW create requests", 10229),
    XELL_CTR(xel_itnim_iostats_t, it_nexus_fw_create_completions, "IT Nexus FW create completions", 10230),
    XELL_CTR(xel_itnim_iostats_t, it_nexus_onlines, "IT Nexus onlines", 10231),
    XELL_CTR(xel_itnim_iostats_t, it_nexus_offlines, "IT Nexus offlines", 10232),
    XELL_CTR(xel_itnim_iostats_t, it_nexus_fw_delete_requests, "IT Nexus FW delete requests", 10233),
    XELL_CTR(xel_itnim_iostats_t, it_nexus_fw_delete_completions, "IT Nexus FW delete completions", 10234),
    XELL_CTR(xel_itnim_iostats_t, it_nexus_delete_requests, "IT Nexus delete requests", 10235),
    XELL_CTR(xel_itnim_iostats_t, sler_events, "SLER events", 10236),
    XELL_CTR(xel_itnim_iostats_t, num_ioc_disables, "Num IOC disables", 10237),
    XELL_CTR(xel_itnim_iostats_t, it_nexus_cleanup_completions, "IT Nexus cleanup completions", 10238),
    XELL_CTR(xel_itnim_iostats_t, tm_requests, "TM Requests", 10239),
    XELL_CTR(xel_itnim_iostats_t, tm_completions, "TM Completions", 10240),
    XELL_CTR(xel_itnim_iostats_t, tm_initiated_io_cleanup_success, "TM initiated IO cleanup success", 10241),
    XELL_CTR(xel_itnim_iostats_t, tm_initiated_io_cleanup_failure, "TM initiated IO cleanup failure", 10242),
    XELL_CTR(xel_itnim_iostats_t, no_free_tm_tag, "No free TM tag", 10243),
    XELL_CTR(xel_itnim_iostats_t, tm_request_q_wait, "TM Request-Q wait", 10244),
    XELL_CTR(xel_itnim_iostats_t, tm_request_q_wait_done, "TM Request-Q wait done", 10245),
    XELL_CTR(xel_itnim_iostats_t, tm_cleaned_up_due_to_ioc_down, "TM cleaned-up due to IOC down", 10246),
    XELL_CTR(xel_itnim_iostats_t, tm_cleanup_requests, "TM cleanup requests", 10247),
    XELL_CTR(xel_itnim_iostats_t, tm_cleanup_completions, "TM cleanup completions", 10248),
    XELL_CTR(xel_itnim_iostats_t, lm_lun_is_across_sg_data_buf, "LM lun is across sg data buf", 10249),
    XELL_CTR(xel_itnim_iostats_t, lm_lun_not_supported, "LM lun not supported", 10250),
    XELL_CTR(xel_itnim_iostats_t, lm_report_lun_data_changed, "LM report-lun data changed", 10251),
    XELL_CTR(xel_itnim_iostats_t, lm_residue_in_report_lun_response_changed, "LM residue in report-lun response changed", 10252),
    XELL_CTR(xel_itnim_iostats_t, lm_buf_is_smaller_than_lun_cnt_reported_by_tgt, "LM buf is smaller than lun cnt reported by tgt", 10253),
    XELL_CTR(xel_itnim_iostats_t, lm_lun_not_ready, "LM lun not ready", 10254),
};
} // namespace
XELL_STATS_TABLE(xell_xel_itnim_iostats, xel_itnim_iostats_t, xel_itnim_iostats_rows, 54);

namespace {
constexpr xell_stats_desc_t xel_phy_stats_rows[] = {
    XELL_CTR(xel_phy_stats_t, status, "phy stats status", 10601),
    XELL_CTR(xel_phy_stats_t, link_breaks, "Num of link breaks after linkup", 10602),
    XELL_CTR(xel_phy_stats_t, pma_pmd_fault, "NPMA/PMD fault", 10603),
    XELL_CTR(xel_phy_stats_t, pcs_fault, "PCS fault", 10604),
    XELL_CTR(xel_phy_stats_t, speed_neg, "Num of speed negotiation", 10605),
    XELL_CTR(xel_phy_stats_t, tx_eq_training, "Num of TX EQ training", 10606),
    XELL_CTR(xel_phy_stats_t, tx_eq_timeout, "Num of TX EQ timeout", 10607),
    XELL_CTR(xel_phy_stats_t, crc_error, "Num of CRC errors", 10608),
};
} // namespace
XELL_STATS_TABLE(xell_xel_phy_stats, xel_phy_stats_t, xel_phy_stats_rows, 8);
