// Statistics records as the drivers and the firmware return them: plain
// little-endian records with every field at its fixed offset. The tables in
// xell_stats.h print them; field names follow the printed labels.
#pragma once

#include <cstddef>
#include <cstdint>

// IOC counters: the driver's, and the firmware's IOC counters behind them.
struct xel_fw_ioc_stats_t {
    uint32_t enable_requests;
    uint32_t disable_requests;
    uint32_t get_attr_requests;
    uint32_t dbg_sync_count;
    uint32_t dbg_dump_count;
    uint32_t unknown_requests;
};
static_assert(sizeof(xel_fw_ioc_stats_t) == 24);

struct xel_ioc_drv_stats_t {
    uint32_t mailbox_interrupts;
    uint32_t enable_events;
    uint32_t disable_events;
    uint32_t heartbeat_failures;
    uint32_t firmware_boots;
    uint32_t stats_timeouts;
    uint32_t heart_beat_count;
    uint32_t disable_requests;
    uint32_t enable_requests;
    uint32_t disable_replies;
    uint32_t enable_replies;
};
static_assert(sizeof(xel_ioc_drv_stats_t) == 44);

struct xel_ioc_stats_t {
    xel_ioc_drv_stats_t drv_stats;
    uint32_t rsvd;
    xel_fw_ioc_stats_t fw_stats;
};
static_assert(sizeof(xel_ioc_stats_t) == 72);
static_assert(offsetof(xel_ioc_stats_t, rsvd) == 44);
static_assert(offsetof(xel_ioc_stats_t, fw_stats) == 48);

// Port counters: an FC port's or an Ethernet port's, one record for both.
struct xel_port_fc_stats_t {
    uint64_t secs_reset;
    uint64_t tx_frames;
    uint64_t tx_words;
    uint64_t tx_lip;
    uint64_t tx_lip_f7f7;
    uint64_t tx_lip_f8f7;
    uint64_t tx_arb_f0;
    uint64_t tx_nos;
    uint64_t tx_ols;
    uint64_t tx_lr;
    uint64_t tx_lrr;
    uint64_t rx_frames;
    uint64_t rx_words;
    uint64_t rx_lip;
    uint64_t rx_lip_f7f7;
    uint64_t rx_lip_f8f7;
    uint64_t rx_arb_f0;
    uint64_t rx_nos;
    uint64_t rx_ols;
    uint64_t rx_lr;
    uint64_t rx_lrr;
    uint64_t rx_crc_err_frames;
    uint64_t rx_crc_err_good_eof_frames;
    uint64_t rx_undersized_frames;
    uint64_t rx_oversized_frames;
    uint64_t rx_frames_with_bad_eof;
    uint64_t errored_frames;
    uint64_t dropped_frames;
    uint64_t link_failure_lf_count;
    uint64_t loss_of_sync_count;
    uint64_t loss_of_signal_count;
    uint64_t primitive_sequence_protocol_err;
    uint64_t invalid_ordered_sets;
    uint64_t encoding_err_nonframe_8b10b;
    uint64_t encoding_err_frame_8b10b;
    uint64_t credit_recovery_frames_lost;
    uint64_t credit_recovery_credits_lost;
    uint64_t credit_recovery_link_resets;
    uint64_t loop_timeouts;
};
static_assert(sizeof(xel_port_fc_stats_t) == 312);

struct xel_port_eth_stats_t {
    uint64_t secs_reset;
    uint64_t frame_64;
    uint64_t frames_65_127_bytes;
    uint64_t frames_128_255_bytes;
    uint64_t frames_256_511_bytes;
    uint64_t frames_512_1023_bytes;
    uint64_t frames_1024_1518_bytes;
    uint64_t frames_1519_1522_bytes;
    uint64_t tx_bytes;
    uint64_t tx_packets;
    uint64_t tx_multicast_packets;
    uint64_t tx_broadcast_packets;
    uint64_t tx_control_frame;
    uint64_t tx_drops;
    uint64_t tx_jabber;
    uint64_t tx_fcs_errors;
    uint64_t tx_fragments;
    uint64_t rx_bytes;
    uint64_t rx_packets;
    uint64_t rx_multicast_packets;
    uint64_t rx_broadcast_packets;
    uint64_t rx_control_frames;
    uint64_t rx_unknown_opcode;
    uint64_t rx_drops;
    uint64_t rx_jabber;
    uint64_t rx_fcs_errors;
    uint64_t rx_alignment_errors;
    uint64_t rx_frame_len_errors;
    uint64_t rx_code_errors;
    uint64_t rx_fragments;
    uint64_t rx_pause;
    uint64_t rx_zero_pause;
    uint64_t tx_pause;
    uint64_t tx_zero_pause;
    uint64_t rx_fcoe_pause;
    uint64_t rx_fcoe_zero_pause;
    uint64_t tx_fcoe_pause;
    uint64_t tx_fcoe_zero_pause;
    uint64_t rx_iscsi_pause;
    uint64_t rx_iscsi_zero_pause;
    uint64_t tx_iscsi_pause;
    uint64_t tx_iscsi_zero_pause;
};
static_assert(sizeof(xel_port_eth_stats_t) == 336);

union xel_port_stats_t {
    xel_port_fc_stats_t fc;
    xel_port_eth_stats_t eth;
};
static_assert(sizeof(xel_port_stats_t) == 336);

// CEE (DCB) counters of a converged port.
struct xel_cee_stats_t {
    uint32_t lldp_tx_frames;
    uint32_t lldp_rx_frames;
    uint32_t lldp_rx_frames_invalid;
    uint32_t lldp_rx_frames_new;
    uint32_t lldp_tlvs_unrecognized;
    uint32_t lldp_rx_shutdown_tlvs;
    uint32_t lldp_info_aged_out;
    uint32_t dcbx_phylink_ups;
    uint32_t dcbx_phylink_downs;
    uint32_t dcbx_rx_tlvs;
    uint32_t dcbx_rx_tlvs_invalid;
    uint32_t dcbx_control_tlv_error;
    uint32_t dcbx_feature_tlv_error;
    uint32_t dcbx_cee_cfg_new;
    uint32_t cee_status_down;
    uint32_t cee_status_up;
    uint32_t cee_hw_cfg_changed;
    uint32_t cee_rx_invalid_cfg;
};
static_assert(sizeof(xel_cee_stats_t) == 72);

// Network driver counters: the port driver's own, and the MAC, pause, receive
// and function counters of the Ethernet block.
struct kwod_ethport_stats_t {
    uint64_t rx_completed;
    uint64_t rx_dropped;
    uint64_t rx_alloc_failed;
    uint64_t rx_checksum_errors;
    uint64_t rx_mac_errors;
    uint64_t rx_small_packets;
    uint64_t rx_large_packets;
    uint64_t rx_lro;
    uint64_t rx_lro_flush;
    uint64_t rx_low_rxbuf_count;
    uint64_t rx_schedule;
    uint64_t tx_lso4;
    uint64_t tx_lso6;
    uint64_t tx_lso_errors;
    uint64_t tx_tcp_cso;
    uint64_t tx_udp_cso;
    uint64_t tx_ip4_cso;
    uint64_t tx_checksum_help;
    uint64_t tx_skb_too_short;
    uint64_t tx_skb_stopping;
    uint64_t tx_skb_max_vectors;
    uint64_t tx_skb_mss_too_long;
    uint64_t tx_skb_tso_too_short;
    uint64_t tx_skb_tso_prepare;
    uint64_t tx_skb_non_tso_too_long;
    uint64_t tx_skb_tcp_header;
    uint64_t tx_skb_udp_header;
    uint64_t tx_skb_cksum_err;
    uint64_t tx_skb_headlen_too_long;
    uint64_t tx_skb_headlen_zero;
    uint64_t tx_skb_frag_zero;
    uint64_t tx_skb_len_mismatch;
    uint64_t tx_map_errors;
    uint64_t tx_res_drops;
    uint64_t tx_small_packets;
    uint64_t tx_large_packets;
    uint64_t tx_out_of_wis_count;
    uint64_t tx_wi_waitq_count;
    uint64_t tx_ctxt_waitq_count;
    uint64_t tx_max_nbs_per_nbl;
    uint64_t link_toggle_count;
    uint64_t cee_toggle_count;
    uint64_t mbox_intr_disables;
    uint64_t mbox_intr_enables;
    uint64_t tx_stops;
    uint64_t tx_wakeups;
    uint64_t tx_res_stops;
    uint64_t tx_hardware_stop;
    uint64_t rx_hardware_stops;
    uint64_t rx_resumes;
    uint64_t rx_rss_config_count;
    uint64_t fw_stats_query;
};
static_assert(sizeof(kwod_ethport_stats_t) == 416);

struct kwo_stats_txf_t {
    uint64_t txf_ucast_octets;
    uint64_t txf_ucast_packets;
    uint64_t txf_ucast_vlan;
    uint64_t txf_mcast_octets;
    uint64_t txf_mcast_packets;
    uint64_t txf_mcast_vlan;
    uint64_t txf_bcast_octets;
    uint64_t txf_bcast_packets;
    uint64_t txf_bcast_vlan;
    uint64_t txf_errors;
    uint64_t txf_vlan_filtered_frames;
    uint64_t txf_sa_check_filtered_frames;
};
static_assert(sizeof(kwo_stats_txf_t) == 96);

struct kwo_stats_rxf_t {
    uint64_t rxf_ucast_octets;
    uint64_t rxf_ucast_packets;
    uint64_t rxf_ucast_vlan;
    uint64_t rxf_mcast_octets;
    uint64_t rxf_mcast_packets;
    uint64_t rxf_mcast_vlan;
    uint64_t rxf_bcast_octets;
    uint64_t rxf_bcast_packets;
    uint64_t rxf_bcast_vlan;
    uint64_t rxf_frame_drops;
};
static_assert(sizeof(kwo_stats_rxf_t) == 80);

struct kwo_stats_fc_tx_t {
    uint64_t txf_ucast_octets;
    uint64_t txf_ucast;
    uint64_t txf_ucast_vlan;
    uint64_t txf_mcast_octets;
    uint64_t txf_mcast;
    uint64_t txf_mcast_vlan;
    uint64_t txf_bcast_octets;
    uint64_t txf_bcast;
    uint64_t txf_bcast_vlan;
    uint64_t txf_parity_errors;
    uint64_t txf_timeout;
    uint64_t txf_fid_parity_errors;
};
static_assert(sizeof(kwo_stats_fc_tx_t) == 96);

struct kwo_stats_fc_rx_t {
    uint64_t rxf_ucast_octets;
    uint64_t rxf_ucast;
    uint64_t rxf_ucast_vlan;
    uint64_t rxf_mcast_octets;
    uint64_t rxf_mcast;
    uint64_t rxf_mcast_vlan;
    uint64_t rxf_bcast_octets;
    uint64_t rxf_bcast;
    uint64_t rxf_bcast_vlan;
};
static_assert(sizeof(kwo_stats_fc_rx_t) == 72);

struct cna_stats_rad_t {
    uint64_t rx_frames;
    uint64_t rx_octets;
    uint64_t rx_vlan_frames;
    uint64_t rx_ucast;
    uint64_t rx_ucast_octets;
    uint64_t rx_ucast_vlan;
    uint64_t rx_mcast;
    uint64_t rx_mcast_octets;
    uint64_t rx_mcast_vlan;
    uint64_t rx_bcast;
    uint64_t rx_bcast_octets;
    uint64_t rx_bcast_vlan;
    uint64_t rx_drops;
};
static_assert(sizeof(cna_stats_rad_t) == 104);

struct cna_stats_bpc_tx_t {
    uint64_t tx_pause[8];
    uint64_t tx_zero_pause[8];
    uint64_t tx_first_pause[8];
};
static_assert(sizeof(cna_stats_bpc_tx_t) == 192);

struct cna_stats_bpc_rx_t {
    uint64_t rx_pause[8];
    uint64_t rx_zero_pause[8];
    uint64_t rx_first_pause[8];
};
static_assert(sizeof(cna_stats_bpc_rx_t) == 192);

struct cna_stats_mac_tx_t {
    uint64_t tx_bytes;
    uint64_t tx_packets;
    uint64_t tx_multicast;
    uint64_t tx_broadcast;
    uint64_t tx_pause;
    uint64_t tx_deferral;
    uint64_t tx_excessive_deferral;
    uint64_t tx_single_collision;
    uint64_t tx_muliple_collision;
    uint64_t tx_late_collision;
    uint64_t tx_excessive_collision;
    uint64_t tx_total_collision;
    uint64_t tx_pause_honored;
    uint64_t tx_drop;
    uint64_t tx_jabber;
    uint64_t tx_fcs_error;
    uint64_t tx_control_frame;
    uint64_t tx_oversize;
    uint64_t tx_undersize;
    uint64_t tx_fragments;
};
static_assert(sizeof(cna_stats_mac_tx_t) == 160);

struct cna_stats_mac_rx_t {
    uint64_t frame_64;
    uint64_t frame_65_127;
    uint64_t frame_128_255;
    uint64_t frame_256_511;
    uint64_t frame_512_1023;
    uint64_t frame_1024_1518;
    uint64_t frame_1518_1522;
    uint64_t rx_bytes;
    uint64_t rx_packets;
    uint64_t rx_fcs_error;
    uint64_t rx_multicast;
    uint64_t rx_broadcast;
    uint64_t rx_control_frames;
    uint64_t rx_pause;
    uint64_t rx_unknown_opcode;
    uint64_t rx_alignment_error;
    uint64_t rx_frame_length_error;
    uint64_t rx_code_error;
    uint64_t rx_carrier_sense_error;
    uint64_t rx_undersize;
    uint64_t rx_oversize;
    uint64_t rx_fragments;
    uint64_t rx_jabber;
    uint64_t rx_drop;
};
static_assert(sizeof(cna_stats_mac_rx_t) == 192);

struct kwo_stats_t {
    cna_stats_mac_rx_t mac_rx_stats;
    cna_stats_bpc_rx_t bpc_rx_stats;
    cna_stats_rad_t rad_stats;
    kwo_stats_fc_rx_t fc_rx_stats;
    cna_stats_mac_tx_t mac_tx_stats;
    cna_stats_bpc_tx_t bpc_tx_stats;
    kwo_stats_fc_tx_t fc_tx_stats;
    kwo_stats_rxf_t rxf_stats[64];
    kwo_stats_txf_t txf_stats[64];
};
static_assert(sizeof(kwo_stats_t) == 12272);
static_assert(offsetof(kwo_stats_t, bpc_rx_stats) == 192);
static_assert(offsetof(kwo_stats_t, rad_stats) == 384);
static_assert(offsetof(kwo_stats_t, fc_rx_stats) == 488);
static_assert(offsetof(kwo_stats_t, mac_tx_stats) == 560);
static_assert(offsetof(kwo_stats_t, bpc_tx_stats) == 720);
static_assert(offsetof(kwo_stats_t, fc_tx_stats) == 912);
static_assert(offsetof(kwo_stats_t, rxf_stats) == 1008);
static_assert(offsetof(kwo_stats_t, txf_stats) == 6128);

struct xel_ethport_stats_t {
    kwo_stats_txf_t txf_stats[1];
    kwo_stats_rxf_t rxf_stats[1];
    kwod_ethport_stats_t drv_stats;
};
static_assert(sizeof(xel_ethport_stats_t) == 592);
static_assert(offsetof(xel_ethport_stats_t, rxf_stats) == 96);
static_assert(offsetof(xel_ethport_stats_t, drv_stats) == 176);

// Fabric, authentication, logical port, remote port and target nexus counters.
struct xel_vf_stats_t {
    uint32_t num_flogis_sent;
    uint32_t flogi_response_errors;
    uint32_t flogi_accept_errors;
    uint32_t flogi_accepts_received;
    uint32_t flogi_rejects_received;
    uint32_t unknown_responses_for_flogi;
    uint32_t alloc_waits_before_flogi_sent;
    uint32_t flogis_received;
    uint32_t incoming_flogis_rejected;
    uint32_t fabric_online_notifications;
    uint32_t fabric_offline_notifications;
};
static_assert(sizeof(xel_vf_stats_t) == 44);

struct auth_proto_stats_t {
    uint32_t auth_rjts;
    uint32_t auth_negs;
    uint32_t auth_dones;
    uint32_t dhchap_challenges;
    uint32_t dhchap_replies;
    uint32_t dhchap_successes;
};
static_assert(sizeof(auth_proto_stats_t) == 24);

struct xel_auth_stats_t {
    uint32_t auth_failures;
    uint32_t auth_successes;
    auth_proto_stats_t auth_rx_stats;
    auth_proto_stats_t auth_tx_stats;
};
static_assert(sizeof(xel_auth_stats_t) == 56);
static_assert(offsetof(xel_auth_stats_t, auth_successes) == 4);
static_assert(offsetof(xel_auth_stats_t, auth_rx_stats) == 8);
static_assert(offsetof(xel_auth_stats_t, auth_tx_stats) == 32);

struct xel_lport_stats_t {
    uint32_t ns_plogi_sent;
    uint32_t ns_plogi_rsp_err;
    uint32_t ns_plogi_acc_err;
    uint32_t ns_plogi_accepts;
    uint32_t ns_command_rejects;
    uint32_t ns_plogi_unknown_rsp;
    uint32_t ns_plogi_alloc_wait;
    uint32_t ns_command_retries;
    uint32_t ns_command_timeouts;
    uint32_t ns_rspnid_sent;
    uint32_t ns_rspnid_accepts;
    uint32_t ns_rspnid_rsp_err;
    uint32_t ns_rspnid_rejects;
    uint32_t ns_rspnid_alloc_wait;
    uint32_t ns_rftid_sent;
    uint32_t ns_rftid_accepts;
    uint32_t ns_rftid_rsp_err;
    uint32_t ns_rftid_rejects;
    uint32_t ns_rftid_alloc_wait;
    uint32_t ns_rffid_sent;
    uint32_t ns_rffid_accepts;
    uint32_t ns_rffid_rsp_err;
    uint32_t ns_rffid_rejects;
    uint32_t ns_rffid_alloc_wait;
    uint32_t ns_gidft_sent;
    uint32_t ns_gidft_accepts;
    uint32_t ns_gidft_rsp_err;
    uint32_t ns_gidft_rejects;
    uint32_t ns_gidft_unknown_rsp;
    uint32_t ns_gidft_alloc_wait;
    uint32_t ns_rnnid_sent;
    uint32_t ns_rnnid_accepts;
    uint32_t ns_rnnid_rsp_err;
    uint32_t ns_rnnid_rejects;
    uint32_t ns_rnnid_alloc_wait;
    uint32_t ns_rsnn_nn_sent;
    uint32_t ns_rsnn_nn_accepts;
    uint32_t ns_rsnn_nn_rsp_err;
    uint32_t ns_rsnn_nn_rejects;
    uint32_t ns_rsnn_nn_alloc_wait;
    uint32_t ms_command_retries;
    uint32_t ms_command_timeouts;
    uint32_t ms_plogi_sent;
    uint32_t ms_plogi_rsp_err;
    uint32_t ms_plogi_acc_err;
    uint32_t ms_plogi_accepts;
    uint32_t ms_command_rejects;
    uint32_t ms_plogi_unknown_rsp;
    uint32_t ms_plogi_alloc_wait;
    uint32_t num_of_rscn_received;
    uint32_t num_portid_format_rscn_rcvd;
    uint32_t unsolicited_recv_frames;
    uint32_t dropped_received_frames;
    uint32_t received_plogi;
    uint32_t received_prli;
    uint32_t received_adisc;
    uint32_t received_prlo;
    uint32_t received_logo;
    uint32_t received_rpsc;
    uint32_t received_unhandled_els;
    uint32_t rport_plogi_retry_timeout_cnt;
    uint32_t del_rport_max;
};
static_assert(sizeof(xel_lport_stats_t) == 248);

struct xel_vport_stats_t {
    xel_lport_stats_t port_stats;
    uint32_t num_fdisc_sent;
    uint32_t fdisc_accepts;
    uint32_t fdisc_retries;
    uint32_t fdisc_timeouts;
    uint32_t fdisc_response_error;
    uint32_t bad_fdisc_accepts;
    uint32_t fdisc_rejects;
    uint32_t fdisc_unknown_rsp;
    uint32_t fdisc_req_wait;
    uint32_t logo_req_alloc_wait;
    uint32_t logo_sent;
    uint32_t logo_accepts;
    uint32_t logo_rejects;
    uint32_t logo_rsp_errors;
    uint32_t logo_rsp_unknown_errors;
    uint32_t fabric_does_not_support_npiv;
    uint32_t offline_events_from_fab_sm;
    uint32_t online_events_from_fab_sm;
    uint32_t cleanup_request_from_fab_sm;
};
static_assert(sizeof(xel_vport_stats_t) == 324);
static_assert(offsetof(xel_vport_stats_t, num_fdisc_sent) == 248);
static_assert(offsetof(xel_vport_stats_t, fdisc_accepts) == 252);
static_assert(offsetof(xel_vport_stats_t, fdisc_retries) == 256);
static_assert(offsetof(xel_vport_stats_t, fdisc_timeouts) == 260);
static_assert(offsetof(xel_vport_stats_t, fdisc_response_error) == 264);
static_assert(offsetof(xel_vport_stats_t, bad_fdisc_accepts) == 268);
static_assert(offsetof(xel_vport_stats_t, fdisc_rejects) == 272);
static_assert(offsetof(xel_vport_stats_t, fdisc_unknown_rsp) == 276);
static_assert(offsetof(xel_vport_stats_t, fdisc_req_wait) == 280);
static_assert(offsetof(xel_vport_stats_t, logo_req_alloc_wait) == 284);
static_assert(offsetof(xel_vport_stats_t, logo_sent) == 288);
static_assert(offsetof(xel_vport_stats_t, logo_accepts) == 292);
static_assert(offsetof(xel_vport_stats_t, logo_rejects) == 296);
static_assert(offsetof(xel_vport_stats_t, logo_rsp_errors) == 300);
static_assert(offsetof(xel_vport_stats_t, logo_rsp_unknown_errors) == 304);
static_assert(offsetof(xel_vport_stats_t, fabric_does_not_support_npiv) == 308);
static_assert(offsetof(xel_vport_stats_t, offline_events_from_fab_sm) == 312);
static_assert(offsetof(xel_vport_stats_t, online_events_from_fab_sm) == 316);
static_assert(offsetof(xel_vport_stats_t, cleanup_request_from_fab_sm) == 320);

struct xel_rport_hal_stats_t {
    uint32_t uninit_create_events;
    uint32_t uninit_exception_events;
    uint32_t created_online_events;
    uint32_t created_delete_events;
    uint32_t created_ioc_down;
    uint32_t created_exception_events;
    uint32_t fw_create_fw_responses;
    uint32_t fw_create_delete_events;
    uint32_t fw_create_offline_events;
    uint32_t fw_create_ioc_down;
    uint32_t fw_create_exception;
    uint32_t online_offline_events;
    uint32_t online_delete_events;
    uint32_t online_ioc_down_events;
    uint32_t online_exception_events;
    uint32_t fw_delete_fw_responses;
    uint32_t fw_delete_delete_events;
    uint32_t fw_delete_ioc_down_events;
    uint32_t fw_delete_exception;
    uint32_t offline_delete_events;
    uint32_t offline_online_events;
    uint32_t offline_ioc_down_events;
    uint32_t offline_exception_events;
    uint32_t delete_fw_responses;
    uint32_t delete_ioc_down_events;
    uint32_t delete_exception_events;
    uint32_t delete_pend_fw_responses;
    uint32_t delete_pend_ioc_downs;
    uint32_t delete_pend_exceptions;
    uint32_t off_pending_fw_responses;
    uint32_t off_pending_deletes;
    uint32_t off_pending_ioc_downs;
    uint32_t off_pending_exceptions;
    uint32_t ioc_down_offline_events;
    uint32_t ioc_down_delete_events;
    uint32_t ioc_down_online_events;
    uint32_t ioc_down_exceptions;
};
static_assert(sizeof(xel_rport_hal_stats_t) == 148);

struct xel_rport_stats_t {
    uint32_t remote_port_offline_count;
    uint32_t remote_port_online_count;
    uint32_t rscn_affecting_rport;
    uint32_t plogis_sent;
    uint32_t plogi_accepts;
    uint32_t plogi_timeouts;
    uint32_t rcvd_plogi_rejects;
    uint32_t local_failure;
    uint32_t plogis_rcvd;
    uint32_t inbound_prlis;
    uint32_t adiscs_received;
    uint32_t recvd_adisc_rejects;
    uint32_t adisc_requests_sent;
    uint32_t adisc_accepted_by_rport;
    uint32_t adisc_failed_no_response;
    uint32_t adisc_rejected_by_us;
    uint32_t logos_sent;
    uint32_t logo_accepts_from_rport;
    uint32_t logo_failures;
    uint32_t logo_rejects_from_rport;
    uint32_t logo_from_remote_port;
    uint32_t rpsc_received;
    uint32_t recvd_rpsc_rejects;
    uint32_t rpsc_requests_sent;
    uint32_t rpsc_accepted_by_rport;
    uint32_t rpsc_failed_no_response;
    uint32_t rpsc_rejected_by_us;
    uint32_t ls_rjt_with_insuff_resources;
    xel_rport_hal_stats_t hal_stats;
};
static_assert(sizeof(xel_rport_stats_t) == 260);
static_assert(offsetof(xel_rport_stats_t, remote_port_online_count) == 4);
static_assert(offsetof(xel_rport_stats_t, rscn_affecting_rport) == 8);
static_assert(offsetof(xel_rport_stats_t, plogis_sent) == 12);
static_assert(offsetof(xel_rport_stats_t, plogi_accepts) == 16);
static_assert(offsetof(xel_rport_stats_t, plogi_timeouts) == 20);
static_assert(offsetof(xel_rport_stats_t, rcvd_plogi_rejects) == 24);
static_assert(offsetof(xel_rport_stats_t, local_failure) == 28);
static_assert(offsetof(xel_rport_stats_t, plogis_rcvd) == 32);
static_assert(offsetof(xel_rport_stats_t, inbound_prlis) == 36);
static_assert(offsetof(xel_rport_stats_t, adiscs_received) == 40);
static_assert(offsetof(xel_rport_stats_t, recvd_adisc_rejects) == 44);
static_assert(offsetof(xel_rport_stats_t, adisc_requests_sent) == 48);
static_assert(offsetof(xel_rport_stats_t, adisc_accepted_by_rport) == 52);
static_assert(offsetof(xel_rport_stats_t, adisc_failed_no_response) == 56);
static_assert(offsetof(xel_rport_stats_t, adisc_rejected_by_us) == 60);
static_assert(offsetof(xel_rport_stats_t, logos_sent) == 64);
static_assert(offsetof(xel_rport_stats_t, logo_accepts_from_rport) == 68);
static_assert(offsetof(xel_rport_stats_t, logo_failures) == 72);
static_assert(offsetof(xel_rport_stats_t, logo_rejects_from_rport) == 76);
static_assert(offsetof(xel_rport_stats_t, logo_from_remote_port) == 80);
static_assert(offsetof(xel_rport_stats_t, rpsc_received) == 84);
static_assert(offsetof(xel_rport_stats_t, recvd_rpsc_rejects) == 88);
static_assert(offsetof(xel_rport_stats_t, rpsc_requests_sent) == 92);
static_assert(offsetof(xel_rport_stats_t, rpsc_accepted_by_rport) == 96);
static_assert(offsetof(xel_rport_stats_t, rpsc_failed_no_response) == 100);
static_assert(offsetof(xel_rport_stats_t, rpsc_rejected_by_us) == 104);
static_assert(offsetof(xel_rport_stats_t, ls_rjt_with_insuff_resources) == 108);
static_assert(offsetof(xel_rport_stats_t, hal_stats) == 112);

struct xel_rport_remote_link_stats_t {
    uint32_t link_failure_count;
    uint32_t loss_of_synchronization_count;
    uint32_t loss_of_signal_count;
    uint32_t primitive_sequence_protocol_error_count;
    uint32_t invalid_transmission_word_count;
    uint32_t invalid_crc_count;
};
static_assert(sizeof(xel_rport_remote_link_stats_t) == 24);

struct xel_itnim_stats_t {
    uint32_t num_rport_online;
    uint32_t num_rport_offline;
    uint32_t num_prli_sent_out;
    uint32_t num_fcxp_alloc_waits;
    uint32_t num_prli_rsp_errors;
    uint32_t num_prli_rsp_accepts;
    uint32_t rport_is_an_initiator;
    uint32_t prli_rsp_parsing_errors;
    uint32_t num_prli_rsp_rejects;
    uint32_t num_timeouts_detected;
    uint32_t num_sler_notification_from_xel;
};
static_assert(sizeof(xel_itnim_stats_t) == 44);

// IP over FC.
struct xel_iprp_stats_t {
    uint32_t offlines;
    uint32_t onlines;
    uint32_t rscns;
    uint32_t plogis;
    uint32_t logos;
    uint32_t plogi_timeouts;
    uint32_t plogi_rejects;
};
static_assert(sizeof(xel_iprp_stats_t) == 28);

struct xel_ipfc_stats_t {
    uint32_t arp_sent;
    uint32_t arp_rcvd;
    uint32_t arp_reply_sent;
    uint32_t arp_reply_rcvd;
    uint32_t farp_sent;
    uint32_t farp_rcvd;
    uint32_t farp_reply_sent;
    uint32_t farp_reply_rcvd;
    uint32_t farp_reject_sent;
    uint32_t farp_reject_rcvd;
};
static_assert(sizeof(xel_ipfc_stats_t) == 40);

// Firmware counters, read as one xel_fw_stats_t. The reserved words keep the
// firmware's layout.
struct xel_fw_ioim_stats_t {
    uint32_t io_aborted_by_host;
    uint32_t io_clean_up_by_host_driver;
    uint32_t ios_timedout;
    uint32_t frame_parsed_by_fw;
    uint32_t fcp_data_frame_parsed_by_fw;
    uint32_t fcp_rsp_frame_parsed_by_fw;
    uint32_t xfer_rdy_frame_parsed_by_fw;
    uint32_t bls_acc_frame_parsed_by_fw;
    uint32_t target_abts_parsed_by_fw;
    uint32_t unknown_parsed_by_fw;
    uint32_t fw_dmaed_the_data_frame;
    uint32_t fw_drop_the_frame;
    uint32_t fw_rec_timed_out;
    uint32_t fw_sending_rec_on_an_error_condition;
    uint32_t fw_wait_for_si;
    uint32_t rec_rsp_invalid;
    uint32_t target_does_not_know_cmd_so_abort;
    uint32_t seqr_failed_so_retry_io;
    uint32_t itn_cisc_updated_on_fcp_rsp;
    uint32_t itn_cisc_updated_on_fcp_data;
    uint32_t itn_cisc_updated_on_fcp_xfer_rdy;
    uint32_t fcp_data_lost;
    uint32_t target_set_ro_in_xfer_rdy_frame;
    uint32_t out_of_order_xfer_rdy_received;
    uint32_t unknown_error_in_xfer_rdy_frame;
    uint32_t abts_timedout;
    uint32_t sler_initiated;
    uint32_t fcp_response_in_wrong_state;
    uint32_t fcp_rsp_io_underrun;
    uint32_t fcp_rsp_io_underrun_for_write;
    uint32_t fcp_rsp_io_underrun_error;
    uint32_t invalid_residue;
    uint32_t fcp_rsp_io_overrun;
    uint32_t fcp_rsp_io_overrun_error;
    uint32_t protocol_error_in_fcp_rsp;
    uint32_t error_in_sense_info_in_fcp_rsp;
    uint32_t fcp_conf_requested;
    uint32_t target_initiated_abort;
    uint32_t ioh_edtov_timer_popped;
    uint32_t ioh_fcp_rsp_exception;
    uint32_t ioh_fcp_conf;
    uint32_t ioh_multi_frame_fcp_rsp;
    uint32_t ioh_hit_class2;
    uint32_t ioh_miss_other;
    uint32_t ioh_seq_cnt_error;
    uint32_t ioh_len_err_fcp_dl_bytes_xfered;
    uint32_t ioh_seq_len_error;
    uint32_t data_out_of_range;
    uint32_t relative_offset_out_of_range;
    uint32_t ioh_hit_iost_owned_by_fw;
    uint32_t unexpected_frame_received_count;
    uint32_t ioh_error_interrupt;
};
static_assert(sizeof(xel_fw_ioim_stats_t) == 208);

struct xel_fw_tio_stats_t {
    uint32_t tio_conf_processed;
    uint32_t tio_conf_dropped;
    uint32_t tio_cleanup_requested;
    uint32_t tio_cleanup_completed;
    uint32_t tio_abort_response;
    uint32_t tio_abort_rsp_completed;
    uint32_t tio_abts_requested;
    uint32_t tio_abts_ack_ed;
    uint32_t tio_abts_ack_ed_but_not_completed;
    uint32_t tio_abts_timeout;
    uint32_t tio_sense_data_dma;
    uint32_t tio_waiting_for_rx_wait_channel;
    uint32_t tio_rx_wait_channel_available;
    uint32_t tio_ioh_bls_event;
    uint32_t tio_received_uf;
    uint32_t tio_read_reqst_in_wrong_state_machine;
    uint32_t tio_write_reqst_in_wrong_state_machine;
    uint32_t ds_waiting_for_rx_wait_channel;
    uint32_t ds_rx_wait_channel_available;
    uint32_t ds_unaligned_read;
    uint32_t ds_read_completed_in_wrong_state_machine;
    uint32_t ds_write_completed_in_wrong_state_machine;
    uint32_t ds_flush_requested;
    uint32_t ds_flush_completed;
    uint32_t ds_xfer_rdy_expired;
    uint32_t ds_seq_cnt_error;
    uint32_t ds_seq_len_error;
    uint32_t ds_data_out_of_order;
    uint32_t ds_hit_bls;
    uint32_t ds_edtov_expired;
    uint32_t ds_cpu_owned;
    uint32_t ds_hit_class2;
    uint32_t ds_length_error;
    uint32_t ds_relative_offset_out_of_order_error;
    uint32_t ds_rectov_expired;
    uint32_t ds_unexp_frame_error;
};
static_assert(sizeof(xel_fw_tio_stats_t) == 144);

struct xel_fw_io_stats_t {
    xel_fw_ioim_stats_t ioim_stats;
    xel_fw_tio_stats_t tio_stats;
};
static_assert(sizeof(xel_fw_io_stats_t) == 352);
static_assert(offsetof(xel_fw_io_stats_t, tio_stats) == 208);

struct xel_fw_port_fpg_stats_t {
    uint32_t fpg_interrupts;
    uint32_t fpg_level_intrs;
    uint32_t fpg_intr_excess;
    uint32_t fpg_cause_intrs;
    uint32_t fpg_intr_other;
    uint32_t fpg_intr_other_ignored;
    uint32_t fpg_signal_lost;
    uint32_t fpg_signal_regained;
    uint32_t fpg_sync_lost;
    uint32_t fpg_sync_timeout;
    uint32_t fpg_sync_regained;
    uint32_t fpg_div2_overflow;
    uint32_t fpg_div2_underflow;
    uint32_t fpg_efifo_overflow;
    uint32_t fpg_efifo_underflow;
    uint32_t fpg_idle_primitives;
    uint32_t fpg_lrr_primitives;
    uint32_t fpg_lr_primitives;
    uint32_t fpg_ols_primitives;
    uint32_t fpg_nos_primitives;
    uint32_t fpg_lip_primitives;
    uint32_t fpg_arbf0_primitives;
    uint32_t fpg_arb_primitives;
    uint32_t fpg_mrk_primitives;
    uint32_t fpg_const_mrk_rx;
    uint32_t fpg_unknown_primitives;
};
static_assert(sizeof(xel_fw_port_fpg_stats_t) == 104);

struct xel_fw_lpsm_stats_t {
    uint32_t lpsm_cls_rx;
    uint32_t lpsm_cls_tx;
    uint32_t lpsm_abrf0_rcvd;
    uint32_t lpsm_abrf0_xmit;
    uint32_t lpsm_loop_init_start;
    uint32_t lpsm_unknown_hw_state;
    uint32_t lpsm_unknown_frame;
    uint32_t lpsm_unexpected_primitive;
    uint32_t lpsm_prev_alpa_unavailable;
    uint32_t lpsm_alpa_not_available;
    uint32_t lpsm_lip_rcvd;
    uint32_t lpsm_lip_f7f7_rcvd;
    uint32_t lpsm_lip_f8_rcvd;
    uint32_t lpsm_lip_f8f7_rcvd;
    uint32_t lpsm_lip_other_rcvd;
    uint32_t lpsm_lip_xmit;
    uint32_t lpsm_retry_tov;
    uint32_t lpsm_lip_wait_tov;
    uint32_t lpsm_idle_wait_tov;
    uint32_t lpsm_arbfo_wait_tov;
    uint32_t lpsm_stop_loop_wait_tov;
    uint32_t lpsm_lixa_wait_tov;
    uint32_t lpsm_lilp_lirp_wait_tov;
    uint32_t lpsm_cls_wait_tov;
    uint32_t lpsm_sler_recvd;
    uint32_t lpsm_failed;
    uint32_t lpsm_online;
};
static_assert(sizeof(xel_fw_lpsm_stats_t) == 108);

struct xel_fw_port_lksm_stats_t {
    uint32_t lksm_hwsm_success;
    uint32_t lksm_hwsm_failures;
    uint32_t lksm_hwsm_timeouts;
    uint32_t lksm_swsm_success;
    uint32_t lksm_swsm_failures;
    uint32_t lksm_swsm_timeouts;
    uint32_t lksm_busy_buffer_failures;
    uint32_t lksm_bufwait_state_entries;
    uint32_t lksm_link_failures;
    uint32_t lksm_prim_seq_protocol_errs;
    uint32_t lksm_lrs_unexpected;
    uint32_t lksm_lrrs_unexpected;
    uint32_t lksm_lr_tx_started;
    uint32_t lksm_lrr_tx_started;
    uint32_t lksm_ols_tx_started;
    uint32_t lksm_nos_tx_started;
    uint32_t lksm_lrr_rx_ed_in_hwsm;
    uint32_t lksm_lr_rx_ed_in_hwsm;
    uint32_t lksm_lr_tx_for_credit_recovery;
};
static_assert(sizeof(xel_fw_port_lksm_stats_t) == 76);

struct xel_fw_port_snsm_stats_t {
    uint32_t snsm_hwsm_success;
    uint32_t snsm_hwsm_failures;
    uint32_t snsm_hwsm_timeouts;
    uint32_t snsm_swsm_success;
    uint32_t snsm_swsm_timeouts;
    uint32_t snsm_error_resets;
    uint32_t snsm_sync_loss_count;
    uint32_t snsm_signal_loss_count;
    uint32_t snsm_hwsm_at_8gbps_attempts;
    uint32_t snsm_adaptation_success;
    uint32_t snsm_adaptation_failures;
    uint32_t snsm_adaptation_failures_ignored;
};
static_assert(sizeof(xel_fw_port_snsm_stats_t) == 48);

struct xel_fw_port_physm_stats_t {
    uint32_t module_insert_count;
    uint32_t module_extracts_count;
    uint32_t invalid_module_inserted_count;
    uint32_t module_validation_status_ignored;
    uint32_t laser_fault_count;
};
static_assert(sizeof(xel_fw_port_physm_stats_t) == 20);

struct xel_fw_fip_stats_t {
    uint32_t vlan_discovery_requests;
    uint32_t vlan_notifications;
    uint32_t vlan_response_error;
    uint32_t vlan_disvoery_timeouts;
    uint32_t invalid_vlan_in_discovery_advert;
    uint32_t discovery_solicit_requests;
    uint32_t discovery_solicit_response;
    uint32_t discovery_advt_parse_errors;
    uint32_t discovery_unsolicited;
    uint32_t discovery_timeouts;
    uint32_t discovery_fcf_not_avail;
    uint32_t unsupported_link_service_req;
    uint32_t parse_error_in_link_service_req;
    uint32_t fip_logos_received;
    uint32_t clear_virtual_link_req;
    uint32_t unsupported_fip_operation;
    uint32_t untagged_frames;
    uint32_t invalid_fip_version;
};
static_assert(sizeof(xel_fw_fip_stats_t) == 72);

struct xel_fw_lps_stats_t {
    uint32_t invalid_mac_assigned;
};
static_assert(sizeof(xel_fw_lps_stats_t) == 4);

struct xel_fw_fcoe_stats_t {
    uint32_t cee_link_up_count;
    uint32_t cee_link_down_count;
    uint32_t fip_link_up_count;
    uint32_t fip_link_down_count;
    uint32_t fip_fail_count;
    uint32_t invalid_mac_assigned;
};
static_assert(sizeof(xel_fw_fcoe_stats_t) == 24);

struct xel_fw_fcoe_port_stats_t {
    xel_fw_fcoe_stats_t fcoe_stats;
    xel_fw_fip_stats_t fip_stats;
};
static_assert(sizeof(xel_fw_fcoe_port_stats_t) == 96);
static_assert(offsetof(xel_fw_fcoe_port_stats_t, fip_stats) == 24);

struct xel_fw_fc_uport_stats_t {
    xel_fw_port_snsm_stats_t snsm_stats;
    xel_fw_port_lksm_stats_t lksm_stats;
    uint32_t rsvd;
    xel_fw_lpsm_stats_t lpsm_stats;
};
static_assert(sizeof(xel_fw_fc_uport_stats_t) == 236);
static_assert(offsetof(xel_fw_fc_uport_stats_t, lksm_stats) == 48);
static_assert(offsetof(xel_fw_fc_uport_stats_t, rsvd) == 124);
static_assert(offsetof(xel_fw_fc_uport_stats_t, lpsm_stats) == 128);

union xel_fw_fc_port_stats_t {
    xel_fw_fc_uport_stats_t fc_stats;
    xel_fw_fcoe_port_stats_t fcoe_stats;
};
static_assert(sizeof(xel_fw_fc_port_stats_t) == 236);

struct xel_fw_port_stats_t {
    xel_fw_port_fpg_stats_t fpg_stats;
    xel_fw_port_physm_stats_t physm_stats;
    uint32_t rsvd;
    xel_fw_fc_port_stats_t fc_port;
};
static_assert(sizeof(xel_fw_port_stats_t) == 364);
static_assert(offsetof(xel_fw_port_stats_t, physm_stats) == 104);
static_assert(offsetof(xel_fw_port_stats_t, rsvd) == 124);
static_assert(offsetof(xel_fw_port_stats_t, fc_port) == 128);

struct xel_fw_fcxchg_stats_t {
    uint32_t ua_tag_inv;
    uint32_t ua_state_inv;
};
static_assert(sizeof(xel_fw_fcxchg_stats_t) == 8);

struct xel_fw_trunk_stats_t {
    uint32_t trunk_emt_received;
    uint32_t trunk_emt_accepted;
    uint32_t trunk_emt_rejected;
    uint32_t trunk_etp_received;
    uint32_t trunk_etp_accepted;
    uint32_t trunk_etp_rejected;
    uint32_t trunk_lr_received;
};
static_assert(sizeof(xel_fw_trunk_stats_t) == 28);

struct xel_fw_advsm_stats_t {
    uint32_t flogi_sent;
    uint32_t flogi_acc_received;
    uint32_t flogi_rejects_received;
    uint32_t flogi_retries;
    uint32_t elp_received;
    uint32_t elp_accepted;
    uint32_t elp_rejected;
    uint32_t elp_dropped;
};
static_assert(sizeof(xel_fw_advsm_stats_t) == 32);

struct xel_fw_iocfc_stats_t {
    uint32_t cfg_request;
    uint32_t update_queue_request;
    uint32_t interrupt_coalesce_reqs;
    uint32_t unknown_req;
    uint32_t set_interrupt_reqs;
};
static_assert(sizeof(xel_fw_iocfc_stats_t) == 20);

struct xel_fw_eth_sndrcv_stats_t {
    uint32_t crc_err;
};
static_assert(sizeof(xel_fw_eth_sndrcv_stats_t) == 4);

struct xel_fw_mac_mod_stats_t {
    uint32_t mac_got_turned_on;
    uint32_t link_up;
    uint32_t lost_signal;
    uint32_t dfe_on;
    uint32_t no_of_mac_reset_to_bring_lnk_up;
    uint32_t no_of_pcs_reset_to_bring_lnk_up;
    uint32_t mac_got_into_serdes_loopback;
    uint32_t num_mac_reset_to_bring_linkup_in_loopback;
    uint32_t num_pcs_reset_to_bring_link_up_in_loopback;
};
static_assert(sizeof(xel_fw_mac_mod_stats_t) == 36);

struct xel_fw_qe_mod_stats_t {
    uint32_t rxa_rds_underrun;
    uint32_t rad_bpc_overflow;
    uint32_t rad_rlb_bpc_overflow;
    uint32_t bpc_fcs_err;
    uint32_t txa_tso_header_too_long;
};
static_assert(sizeof(xel_fw_qe_mod_stats_t) == 20);

struct xel_fw_stats_t {
    xel_fw_ioc_stats_t ioc_stats;
    xel_fw_iocfc_stats_t iocfc_stats;
    xel_fw_io_stats_t io_stats;
    xel_fw_port_stats_t port_stats;
    xel_fw_fcxchg_stats_t fcxchg_stats;
    xel_fw_lps_stats_t lps_stats;
    uint32_t rsvd;
    xel_fw_trunk_stats_t trunk_stats;
    uint32_t rsvd1;
    xel_fw_advsm_stats_t advsm_stats;
    xel_fw_mac_mod_stats_t macmod_stats;
    uint32_t rsvd2;
    xel_fw_qe_mod_stats_t ctmod_stats;
    uint32_t rsvd3;
    xel_fw_eth_sndrcv_stats_t ethsndrcv_stats;
    uint32_t rsvd4;
};
static_assert(sizeof(xel_fw_stats_t) == 912);
static_assert(offsetof(xel_fw_stats_t, iocfc_stats) == 24);
static_assert(offsetof(xel_fw_stats_t, io_stats) == 44);
static_assert(offsetof(xel_fw_stats_t, port_stats) == 396);
static_assert(offsetof(xel_fw_stats_t, fcxchg_stats) == 760);
static_assert(offsetof(xel_fw_stats_t, lps_stats) == 768);
static_assert(offsetof(xel_fw_stats_t, rsvd) == 772);
static_assert(offsetof(xel_fw_stats_t, trunk_stats) == 776);
static_assert(offsetof(xel_fw_stats_t, rsvd1) == 804);
static_assert(offsetof(xel_fw_stats_t, advsm_stats) == 808);
static_assert(offsetof(xel_fw_stats_t, macmod_stats) == 840);
static_assert(offsetof(xel_fw_stats_t, rsvd2) == 876);
static_assert(offsetof(xel_fw_stats_t, ctmod_stats) == 880);
static_assert(offsetof(xel_fw_stats_t, rsvd3) == 900);
static_assert(offsetof(xel_fw_stats_t, ethsndrcv_stats) == 904);
static_assert(offsetof(xel_fw_stats_t, rsvd4) == 908);

// QoS and FCoE counters of an FC port, one record for both.
struct xel_qos_stats_t {
    uint32_t qos_flogi_sent;
    uint32_t qos_flogi_acc_received;
    uint32_t qos_flogi_rejects_received;
    uint32_t qos_flogi_retries;
    uint32_t qos_elp_received;
    uint32_t qos_elp_accepted;
    uint32_t qos_elp_rejected;
    uint32_t qos_elp_dropped;
    uint32_t qos_rscn_received;
};
static_assert(sizeof(xel_qos_stats_t) == 36);

struct xel_fcoe_stats_t {
    uint64_t secs_reset;
    uint64_t cee_link_up;
    uint64_t cee_link_down;
    uint64_t fip_link_up;
    uint64_t fip_link_down;
    uint64_t fip_failures;
    uint64_t invalid_mac_assignments;
    uint64_t vlan_requests;
    uint64_t vlan_notifications;
    uint64_t vlan_notification_errors;
    uint64_t vlan_request_timeouts;
    uint64_t vlan_invalids;
    uint64_t discovery_requests;
    uint64_t discovery_responses;
    uint64_t discovery_error_frames;
    uint64_t discovery_unsolicited;
    uint64_t discovery_timeouts;
    uint64_t discovery_fcf_not_avail;
    uint64_t fip_link_service_req_unsupp;
    uint64_t fip_link_service_req_errors;
    uint64_t fip_logos_received;
    uint64_t clear_virtual_link_requests;
    uint64_t fip_operation_unsupp;
    uint64_t fip_untagged_frames;
    uint64_t tx_fcoe_unicast_frames;
    uint64_t tx_fcoe_unicast_vlan_frames;
    uint64_t tx_fcoe_unicast_octets;
    uint64_t tx_fcoe_multicast_frames;
    uint64_t tx_fcoe_multicast_vlan_frames;
    uint64_t tx_fcoe_multicast_octets;
    uint64_t tx_fcoe_broadcast_frames;
    uint64_t tx_fcoe_broadcast_vlan_frames;
    uint64_t tx_fcoe_broadcast_octets;
    uint64_t tx_timeouts;
    uint64_t transmit_parity_err;
    uint64_t transmit_fid_parity_err;
    uint64_t rx_fcoe_unicast_octets;
    uint64_t rx_fcoe_unicast_frames;
    uint64_t rx_fcoe_unicast_vlan_frames;
    uint64_t rx_fcoe_multicast_octets;
    uint64_t rx_fcoe_multicast_frames;
    uint64_t rx_fcoe_multicast_vlan_frames;
    uint64_t rx_fcoe_broadcast_octets;
    uint64_t rx_fcoe_broadcast_frames;
    uint64_t rx_fcoe_broadcast_vlan_frames;
};
static_assert(sizeof(xel_fcoe_stats_t) == 360);

union xel_fcport_stats_t {
    xel_qos_stats_t fcqos;
    xel_fcoe_stats_t fcoe;
};
static_assert(sizeof(xel_fcport_stats_t) == 360);

// FCP initiator counters, PHY counters.
struct xel_fcpim_del_itn_stats_t {
    uint32_t deleted_itn_aborted_io_requests;
    uint32_t deleted_itn_io_timeouts;
    uint32_t deleted_itn_io_retry_for_sq_error_recovery;
    uint32_t deleted_itn_delayed_freeing_of_io_resources;
    uint32_t deleted_itn_host_io_abort_requests;
    uint32_t deleted_itn_total_io_count;
    uint32_t deleted_itn_io_cleaned_up_due_to_ioc_down;
    uint32_t deleted_itn_tm_cleaned_up_due_to_ioc_down;
};
static_assert(sizeof(xel_fcpim_del_itn_stats_t) == 32);

struct xel_itnim_iostats_t {
    uint32_t total_io;
    uint32_t data_in_bound_requests;
    uint32_t data_out_bound_requests;
    uint32_t total_io_completions;
    uint32_t write_data_transferred_in_bytes;
    uint32_t read_data_transferred_in_bytes;
    uint32_t slowpath_io_completions;
    uint32_t io_underrun;
    uint32_t io_overrun;
    uint32_t io_request_q_wait;
    uint32_t io_request_q_wait_done;
    uint32_t no_free_io_tag;
    uint32_t io_timeouts;
    uint32_t io_failure_due_to_target_offline;
    uint32_t io_protocol_errors;
    uint32_t io_sbc_3_protection_errors;
    uint32_t fcp_2_error_recovery_failed;
    uint32_t delayed_freeing_of_io;
    uint32_t host_io_abort_requests;
    uint32_t host_io_abort;
    uint32_t io_clean_up_requests;
    uint32_t io_path_tov_expired;
    uint32_t io_abort_completions;
    uint32_t io_cleaned_up_due_to_ioc_down;
    uint32_t io_comp_with_unknown;
    uint32_t abort_request_due_to_tm_command;
    uint32_t abort_completion_due_to_tm_command;
    uint32_t it_nexus_create_requests;
    uint32_t it_nexus_fw_create_requests;
    uint32_t it_nexus_fw_create_completions;
    uint32_t it_nexus_onlines;
    uint32_t it_nexus_offlines;
    uint32_t it_nexus_fw_delete_requests;
    uint32_t it_nexus_fw_delete_completions;
    uint32_t it_nexus_delete_requests;
    uint32_t sler_events;
    uint32_t num_ioc_disables;
    uint32_t it_nexus_cleanup_completions;
    uint32_t tm_requests;
    uint32_t tm_completions;
    uint32_t tm_initiated_io_cleanup_success;
    uint32_t tm_initiated_io_cleanup_failure;
    uint32_t no_free_tm_tag;
    uint32_t tm_request_q_wait;
    uint32_t tm_request_q_wait_done;
    uint32_t tm_cleaned_up_due_to_ioc_down;
    uint32_t tm_cleanup_requests;
    uint32_t tm_cleanup_completions;
    uint32_t lm_lun_is_across_sg_data_buf;
    uint32_t lm_lun_not_supported;
    uint32_t lm_report_lun_data_changed;
    uint32_t lm_residue_in_report_lun_response_changed;
    uint32_t lm_buf_is_smaller_than_lun_cnt_reported_by_tgt;
    uint32_t lm_lun_not_ready;
};
static_assert(sizeof(xel_itnim_iostats_t) == 216);

struct xel_phy_stats_t {
    uint32_t status;
    uint32_t link_breaks;
    uint32_t pma_pmd_fault;
    uint32_t pcs_fault;
    uint32_t speed_neg;
    uint32_t tx_eq_training;
    uint32_t tx_eq_timeout;
    uint32_t crc_error;
};
static_assert(sizeof(xel_phy_stats_t) == 32);

// Virtual NIC counters: pause, receive, and per transmit and receive
// function, queue and path.
struct xel_vnic_stats_bpc_t {
    uint64_t tx_pause[8];
    uint64_t tx_zero_pause[8];
    uint64_t tx_first_pause[8];
    uint64_t rx_pause[8];
    uint64_t rx_zero_pause[8];
    uint64_t rx_first_pause[8];
};
static_assert(sizeof(xel_vnic_stats_bpc_t) == 384);

struct xel_vnic_stats_rad_t {
    uint64_t rx_frames;
    uint64_t rx_octets;
    uint64_t rx_vlan_frames;
    uint64_t rx_ucast;
    uint64_t rx_ucast_octets;
    uint64_t rx_ucast_vlan;
    uint64_t rx_mcast;
    uint64_t rx_mcast_octets;
    uint64_t rx_mcast_vlan;
    uint64_t rx_bcast;
    uint64_t rx_bcast_octets;
    uint64_t rx_bcast_vlan;
    uint64_t rx_drops;
};
static_assert(sizeof(xel_vnic_stats_rad_t) == 104);

struct xel_vnic_stats_txq_t {
    uint64_t tx_queue;
    uint64_t tx_stops;
    uint64_t tx_resumes;
    uint64_t lso4_packets;
    uint64_t lso6_packets;
    uint64_t lso_packets;
    uint64_t tx_bytes;
    uint64_t tx_packets;
    uint64_t ip4_cso_packets;
    uint64_t tcp_cso_packets;
    uint64_t udp_cso_packets;
    uint64_t cso_errors;
    uint64_t out_of_wi;
    uint64_t dma_map_errors;
    uint64_t producer_index;
    uint64_t consumer_index;
    uint64_t unmapped_producer_index;
    uint64_t unmapped_consumer_index;
    uint64_t hw_consumer_index;
};
static_assert(sizeof(xel_vnic_stats_txq_t) == 152);

struct xel_vnic_stats_txf_t {
    uint64_t tx_function;
    uint64_t ucast_bytes;
    uint64_t ucast_packets;
    uint64_t ucast_vlan;
    uint64_t mcast_bytes;
    uint64_t mcast_packets;
    uint64_t mcast_vlan;
    uint64_t bcast_bytes;
    uint64_t bcast_packets;
    uint64_t bcast_vlan;
    uint64_t errors;
    uint64_t filter_vlan;
    uint64_t filter_mac;
    uint64_t num_txq;
    xel_vnic_stats_txq_t txq_stats[8];
};
static_assert(sizeof(xel_vnic_stats_txf_t) == 1328);
static_assert(offsetof(xel_vnic_stats_txf_t, ucast_bytes) == 8);
static_assert(offsetof(xel_vnic_stats_txf_t, ucast_packets) == 16);
static_assert(offsetof(xel_vnic_stats_txf_t, ucast_vlan) == 24);
static_assert(offsetof(xel_vnic_stats_txf_t, mcast_bytes) == 32);
static_assert(offsetof(xel_vnic_stats_txf_t, mcast_packets) == 40);
static_assert(offsetof(xel_vnic_stats_txf_t, mcast_vlan) == 48);
static_assert(offsetof(xel_vnic_stats_txf_t, bcast_bytes) == 56);
static_assert(offsetof(xel_vnic_stats_txf_t, bcast_packets) == 64);
static_assert(offsetof(xel_vnic_stats_txf_t, bcast_vlan) == 72);
static_assert(offsetof(xel_vnic_stats_txf_t, errors) == 80);
static_assert(offsetof(xel_vnic_stats_txf_t, filter_vlan) == 88);
static_assert(offsetof(xel_vnic_stats_txf_t, filter_mac) == 96);
static_assert(offsetof(xel_vnic_stats_txf_t, num_txq) == 104);
static_assert(offsetof(xel_vnic_stats_txf_t, txq_stats) == 112);

struct xel_vnic_stats_rxq_t {
    uint64_t rx_queue;
    uint64_t rx_cleanups;
    uint64_t rx_posts;
    uint64_t rx_schedules;
    uint64_t rx_low_buf_count;
    uint64_t rx_alloc_failures;
    uint64_t rx_bytes;
    uint64_t rx_packets;
    uint64_t rx_mac_errors;
    uint64_t rx_checksum_errors;
    uint64_t rx_lro;
    uint64_t rx_lro_flush;
    uint64_t producer_index;
    uint64_t consumer_index;
};
static_assert(sizeof(xel_vnic_stats_rxq_t) == 112);

struct xel_vnic_stats_rxp_t {
    uint64_t rx_path;
    uint64_t cq_producer_index;
    uint64_t cq_hw_index;
    uint64_t num_rxq;
    xel_vnic_stats_rxq_t rxq_stats[2];
};
static_assert(sizeof(xel_vnic_stats_rxp_t) == 256);
static_assert(offsetof(xel_vnic_stats_rxp_t, cq_producer_index) == 8);
static_assert(offsetof(xel_vnic_stats_rxp_t, cq_hw_index) == 16);
static_assert(offsetof(xel_vnic_stats_rxp_t, num_rxq) == 24);
static_assert(offsetof(xel_vnic_stats_rxp_t, rxq_stats) == 32);

struct xel_vnic_stats_rxf_t {
    uint64_t rx_function;
    uint64_t ucast_bytes;
    uint64_t ucast_packets;
    uint64_t ucast_vlan;
    uint64_t mcast_bytes;
    uint64_t mcast_packets;
    uint64_t mcast_vlan;
    uint64_t bcast_bytes;
    uint64_t bcast_packets;
    uint64_t bcast_vlan;
    uint64_t frame_drops;
    uint64_t num_rxp;
    xel_vnic_stats_rxp_t rxp_stats[16];
};
static_assert(sizeof(xel_vnic_stats_rxf_t) == 4192);
static_assert(offsetof(xel_vnic_stats_rxf_t, ucast_bytes) == 8);
static_assert(offsetof(xel_vnic_stats_rxf_t, ucast_packets) == 16);
static_assert(offsetof(xel_vnic_stats_rxf_t, ucast_vlan) == 24);
static_assert(offsetof(xel_vnic_stats_rxf_t, mcast_bytes) == 32);
static_assert(offsetof(xel_vnic_stats_rxf_t, mcast_packets) == 40);
static_assert(offsetof(xel_vnic_stats_rxf_t, mcast_vlan) == 48);
static_assert(offsetof(xel_vnic_stats_rxf_t, bcast_bytes) == 56);
static_assert(offsetof(xel_vnic_stats_rxf_t, bcast_packets) == 64);
static_assert(offsetof(xel_vnic_stats_rxf_t, bcast_vlan) == 72);
static_assert(offsetof(xel_vnic_stats_rxf_t, frame_drops) == 80);
static_assert(offsetof(xel_vnic_stats_rxf_t, num_rxp) == 88);
static_assert(offsetof(xel_vnic_stats_rxf_t, rxp_stats) == 96);

struct xel_vnic_stats_t {
    uint64_t link_toggle_count;
    uint64_t cee_toggle_count;
    xel_vnic_stats_bpc_t bpc_stats;
    xel_vnic_stats_rad_t rad_stats;
    xel_vnic_stats_rad_t rlb_stats;
    uint64_t num_txf;
    xel_vnic_stats_txf_t txf_stats[8];
    uint64_t num_rxf;
    xel_vnic_stats_rxf_t rxf_stats[16];
};
static_assert(sizeof(xel_vnic_stats_t) == 78320);
static_assert(offsetof(xel_vnic_stats_t, cee_toggle_count) == 8);
static_assert(offsetof(xel_vnic_stats_t, bpc_stats) == 16);
static_assert(offsetof(xel_vnic_stats_t, rad_stats) == 400);
static_assert(offsetof(xel_vnic_stats_t, rlb_stats) == 504);
static_assert(offsetof(xel_vnic_stats_t, num_txf) == 608);
static_assert(offsetof(xel_vnic_stats_t, txf_stats) == 616);
static_assert(offsetof(xel_vnic_stats_t, num_rxf) == 11240);
static_assert(offsetof(xel_vnic_stats_t, rxf_stats) == 11248);
