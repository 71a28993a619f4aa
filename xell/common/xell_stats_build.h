// Building blocks of the statistics descriptor tables. Every row is made
// from the record's own field (offsetof and the field's type), so a label
// cannot drift from its counter's offset or width; the checks below run at
// compile time on every table.
#pragma once

#include "xel_stats_records.h"
#include "xell_stats.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>
#include <type_traits>

namespace xell_stats_build {

// The table that describes each record type; a nested row finds its table
// from the member's type. A record without a table has no specialisation,
// so nesting it does not compile.
template <class T> struct table_of;

// Every record type with its table.
#define XELL_STATS_RECORDS(X)                                          \
    X(xel_fw_ioc_stats_t, xell_xel_fw_ioc_stats)                       \
    X(xel_ioc_drv_stats_t, xell_xel_ioc_drv_stats)                     \
    X(xel_ioc_stats_t, xell_xel_ioc_stats)                             \
    X(xel_port_fc_stats_t, xell_xel_port_fc_stats)                     \
    X(xel_port_eth_stats_t, xell_xel_port_eth_stats)                   \
    X(xel_port_stats_t, xell_xel_port_stats)                           \
    X(xel_cee_stats_t, xell_xel_cee_stats)                             \
    X(kwod_ethport_stats_t, xell_kwod_ethport_stats)                   \
    X(kwo_stats_txf_t, xell_kwo_stats_txf)                             \
    X(kwo_stats_rxf_t, xell_kwo_stats_rxf)                             \
    X(kwo_stats_fc_tx_t, xell_kwo_stats_fc_tx)                         \
    X(kwo_stats_fc_rx_t, xell_kwo_stats_fc_rx)                         \
    X(cna_stats_rad_t, xell_cna_stats_rad)                             \
    X(cna_stats_bpc_tx_t, xell_cna_stats_bpc_tx)                       \
    X(cna_stats_bpc_rx_t, xell_cna_stats_bpc_rx)                       \
    X(cna_stats_mac_tx_t, xell_cna_stats_mac_tx)                       \
    X(cna_stats_mac_rx_t, xell_cna_stats_mac_rx)                       \
    X(kwo_stats_t, xell_kwo_stats)                                     \
    X(xel_ethport_stats_t, xell_xel_ethport_stats)                     \
    X(xel_vf_stats_t, xell_xel_vf_stats)                               \
    X(auth_proto_stats_t, xell_auth_proto_stats)                       \
    X(xel_auth_stats_t, xell_xel_auth_stats)                           \
    X(xel_lport_stats_t, xell_xel_lport_stats)                         \
    X(xel_vport_stats_t, xell_xel_vport_stats)                         \
    X(xel_rport_hal_stats_t, xell_xel_rport_hal_stats)                 \
    X(xel_rport_stats_t, xell_xel_rport_stats)                         \
    X(xel_rport_remote_link_stats_t, xell_xel_rport_remote_link_stats) \
    X(xel_itnim_stats_t, xell_xel_itnim_stats)                         \
    X(xel_iprp_stats_t, xell_xel_iprp_stats)                           \
    X(xel_ipfc_stats_t, xell_xel_ipfc_stats)                           \
    X(xel_fw_ioim_stats_t, xell_xel_fw_ioim_stats)                     \
    X(xel_fw_tio_stats_t, xell_xel_fw_tio_stats)                       \
    X(xel_fw_io_stats_t, xell_xel_fw_io_stats)                         \
    X(xel_fw_port_fpg_stats_t, xell_xel_fw_port_fpg_stats)             \
    X(xel_fw_lpsm_stats_t, xell_xel_fw_lpsm_stats)                     \
    X(xel_fw_port_lksm_stats_t, xell_xel_fw_port_lksm_stats)           \
    X(xel_fw_port_snsm_stats_t, xell_xel_fw_port_snsm_stats)           \
    X(xel_fw_port_physm_stats_t, xell_xel_fw_port_physm_stats)         \
    X(xel_fw_fip_stats_t, xell_xel_fw_fip_stats)                       \
    X(xel_fw_lps_stats_t, xell_xel_fw_lps_stats)                       \
    X(xel_fw_fcoe_stats_t, xell_xel_fw_fcoe_stats)                     \
    X(xel_fw_fcoe_port_stats_t, xell_xel_fw_fcoe_port_stats)           \
    X(xel_fw_fc_uport_stats_t, xell_xel_fw_fc_uport_stats)             \
    X(xel_fw_fc_port_stats_t, xell_xel_fw_fc_port_stats)               \
    X(xel_fw_port_stats_t, xell_xel_fw_port_stats)                     \
    X(xel_fw_fcxchg_stats_t, xell_xel_fw_fcxchg_stats)                 \
    X(xel_fw_trunk_stats_t, xell_xel_fw_trunk_stats)                   \
    X(xel_fw_advsm_stats_t, xell_xel_fw_advsm_stats)                   \
    X(xel_fw_iocfc_stats_t, xell_xel_fw_iocfc_stats)                   \
    X(xel_fw_eth_sndrcv_stats_t, xell_xel_fw_eth_sndrcv_stats)         \
    X(xel_fw_mac_mod_stats_t, xell_xel_fw_mac_mod_stats)               \
    X(xel_fw_qe_mod_stats_t, xell_xel_fw_qe_mod_stats)                 \
    X(xel_fw_stats_t, xell_xel_fw_stats)                               \
    X(xel_qos_stats_t, xell_xel_qos_stats)                             \
    X(xel_fcoe_stats_t, xell_xel_fcoe_stats)                           \
    X(xel_fcport_stats_t, xell_xel_fcport_stats)                       \
    X(xel_fcpim_del_itn_stats_t, xell_xel_fcpim_del_itn_stats)         \
    X(xel_itnim_iostats_t, xell_xel_itnim_iostats)                     \
    X(xel_phy_stats_t, xell_xel_phy_stats)                             \
    X(xel_vnic_stats_bpc_t, xell_xel_vnic_stats_bpc)                   \
    X(xel_vnic_stats_rad_t, xell_xel_vnic_stats_rad)                   \
    X(xel_vnic_stats_txq_t, xell_xel_vnic_stats_txq)                   \
    X(xel_vnic_stats_txf_t, xell_xel_vnic_stats_txf)                   \
    X(xel_vnic_stats_rxq_t, xell_xel_vnic_stats_rxq)                   \
    X(xel_vnic_stats_rxp_t, xell_xel_vnic_stats_rxp)                   \
    X(xel_vnic_stats_rxf_t, xell_xel_vnic_stats_rxf)                   \
    X(xel_vnic_stats_t, xell_xel_vnic_stats)

#define XELL_TABLE_OF(rec, t)                                                                      \
    template <> struct table_of<rec> {                                                             \
        static constexpr const xell_stats_t *table = &(t);                                         \
    };
XELL_STATS_RECORDS(XELL_TABLE_OF)
#undef XELL_TABLE_OF

// The size of the record a table describes.
constexpr std::size_t record_size(const xell_stats_t *table)
{
#define XELL_SIZE_OF(rec, t)                                                                       \
    if (table == &(t))                                                                             \
        return sizeof(rec);
    XELL_STATS_RECORDS(XELL_SIZE_OF)
#undef XELL_SIZE_OF
    return 0;
}

template <class T> constexpr xell_field_type counter_type()
{
    if constexpr (std::is_same_v<T, uint16_t>)
        return XELL_UINT16;
    else if constexpr (std::is_same_v<T, uint32_t>)
        return XELL_UINT32;
    else {
        static_assert(std::is_same_v<T, uint64_t>, "a counter is 16, 32 or 64 bits wide");
        return XELL_UINT64;
    }
}

constexpr xell_stats_desc_t row(xell_field_type parent, xell_field_type type, std::string_view label,
                                std::size_t offset, int id, const xell_stats_t *nested)
{
    xell_stats_desc_t r{};
    r.parent_type = parent;
    r.type = type;
    if (label.empty() || label.size() >= sizeof r.desc)
        throw "a label has 1 to 63 characters";
    for (std::size_t i = 0; i < label.size(); i++)
        r.desc[i] = label[i];
    r.offset = offset;
    r.id = id;
    r.xell_stats = nested;
    return r;
}

template <class Rec> constexpr xell_field_type parent_of()
{
    return std::is_union_v<Rec> ? XELL_UNION : XELL_STRUCT;
}

template <class Rec, class Field>
constexpr xell_stats_desc_t counter(std::string_view label, std::size_t offset, int id)
{
    return row(parent_of<Rec>(), counter_type<Field>(), label, offset, id, nullptr);
}

// One element of a counter array.
template <class Rec, class Array>
constexpr xell_stats_desc_t counter_at(std::size_t index, std::string_view label, std::size_t offset, int id)
{
    static_assert(std::is_array_v<Array>);
    if (index >= std::extent_v<Array>)
        throw "index past the array";
    using Elem = std::remove_extent_t<Array>;
    return row(parent_of<Rec>(), counter_type<Elem>(), label, offset + index * sizeof(Elem), id, nullptr);
}

template <class Rec, class Member> constexpr xell_stats_desc_t nested(std::string_view label, std::size_t offset)
{
    return row(parent_of<Rec>(), std::is_union_v<Member> ? XELL_UNION : XELL_STRUCT, label, offset, 0,
               table_of<Member>::table);
}

// One element of an array of records.
template <class Rec, class Array>
constexpr xell_stats_desc_t nested_at(std::size_t index, std::string_view label, std::size_t offset)
{
    static_assert(std::is_array_v<Array>);
    if (index >= std::extent_v<Array>)
        throw "index past the array";
    using Elem = std::remove_extent_t<Array>;
    return nested<Rec, Elem>(label, offset + index * sizeof(Elem));
}

constexpr std::size_t row_width(const xell_stats_desc_t &r)
{
    switch (r.type) {
    case XELL_UINT16:
        return 2;
    case XELL_UINT32:
        return 4;
    case XELL_UINT64:
        return 8;
    case XELL_STRUCT:
    case XELL_UNION:
        return record_size(r.xell_stats);
    }
    return 0;
}

// A struct's rows lie inside the record, in order and without overlap; a
// union's rows all start at 0 and fit in the union.
template <class Rec, std::size_t N> constexpr bool rows_fit(const xell_stats_desc_t (&rows)[N])
{
    std::size_t end = 0;
    for (const auto &r : rows) {
        std::size_t width = row_width(r);
        if (width == 0 || r.parent_type != parent_of<Rec>())
            return false;
        if (std::is_union_v<Rec>) {
            if (r.offset != 0 || width > sizeof(Rec))
                return false;
        } else {
            if (r.offset < end || r.offset + width > sizeof(Rec))
                return false;
            end = r.offset + width;
        }
    }
    return true;
}

template <std::size_t N>
constexpr xell_stats_t table(std::string_view name, const xell_stats_desc_t (&rows)[N])
{
    xell_stats_t t{};
    if (name.size() >= sizeof t.struct_name)
        throw "a record name has at most 63 characters";
    for (std::size_t i = 0; i < name.size(); i++)
        t.struct_name[i] = name[i];
    t.count = static_cast<int>(N);
    t.desc = rows;
    return t;
}

} // namespace xell_stats_build

#define XELL_CTR(rec, field, label, id)                                                            \
    xell_stats_build::counter<rec, decltype(rec::field)>(label, offsetof(rec, field), id)
#define XELL_CTR_AT(rec, field, index, label, id)                                                  \
    xell_stats_build::counter_at<rec, decltype(rec::field)>(index, label, offsetof(rec, field), id)
#define XELL_SUB(rec, field, label)                                                                \
    xell_stats_build::nested<rec, decltype(rec::field)>(label, offsetof(rec, field))
#define XELL_SUB_AT(rec, field, index, label)                                                      \
    xell_stats_build::nested_at<rec, decltype(rec::field)>(index, label, offsetof(rec, field))

// Defines the exported table of rec, checking its row count and extent.
#define XELL_STATS_TABLE(name, rec, rows, nrows)                                                   \
    static_assert(std::size(rows) == (nrows));                                                     \
    static_assert(xell_stats_build::rows_fit<rec>(rows));                                          \
    constexpr xell_stats_t name = xell_stats_build::table(#rec, rows)
