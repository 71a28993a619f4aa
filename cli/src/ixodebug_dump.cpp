// The register dump: every register block of the adapter's ASIC for this
// port, the serdes registers behind their address and data pair, the
// receive and transmit descriptor information and, by generation, the
// CAM, PCIE registers and block version.
#include "ixodebug.h"
#include "ixodebug_regblk.h"

#include "ixo_commands.h"
#include "ixo_values.h"
#include "xell_diag.h"
#include "xell_ioc.h"
#include "xell_port.h"

#include <cstdio>
#include <new>
#include <vector>

namespace {

constexpr uint32_t page_reg = 0x14008;       // first and second generation
constexpr uint32_t page_reg_gen3 = 0x30118;  // third generation
constexpr uint32_t ahb_reg = 0x14208;        // second generation
// The converged mezzanine card whose serdes the third generation dumps.
constexpr uint32_t serdes_mezz_card = 1052;

// What the dump needs of the IOC, read once.
struct dump_ctx {
    xell_t *ioc;
    int adapter;
    int port;
    uint16_t device;
    uint32_t pcifn;
    uint32_t card_type;
    bool cna_port;
    uint32_t page; // the page register
};

void dump_rule(uint8_t width)
{
    ixo_print_header_line(width);
}

void dump_title(uint8_t width, const char *title)
{
    dump_rule(width);
    std::printf("%s\n", title);
    dump_rule(width);
}

void reg_write(const dump_ctx &ctx, uint32_t addr, uint32_t value)
{
    xell_diag_regwrite(ctx.ioc, addr, value, 0);
}

// count words at addr in the register read format; nothing on failure.
bool reg_dump(const dump_ctx &ctx, uint32_t addr, uint32_t count)
{
    std::vector<uint32_t> words;
    try {
        words.resize(count);
    } catch (const std::bad_alloc &) {
        std::fputs("Resource Error No Dump....\n", stderr);
        return false;
    }
    if (xell_diag_regread(ctx.ioc, addr, static_cast<int>(count), words.data(), 0) != XEL_STATUS_OK)
        return false;
    ixo_debug_print_registers(addr, words.data(), count);
    return true;
}

void block_dump(const dump_ctx &ctx, const asic_reg_blk_t *table, dev_mode_t mode)
{
    dump_rule(34);
    std::printf("%s\n", mode == DEV_MODE_CNA ? "Card Type is CNA_1" : "Card Type is FC_1");
    dump_rule(34);
    std::fputs("\n", stdout);
    for (const asic_reg_blk_t *blk = table; blk->addr != 0; blk++) {
        if (static_cast<int>(blk->port) != ctx.port || (blk->mode != DEV_MODE_COMMON && blk->mode != mode))
            continue;
        dump_rule(34);
        std::printf("Port %2d/%-2d %s \n", ctx.adapter, ctx.port, blk->desc);
        dump_rule(34);
        if (reg_dump(ctx, blk->addr, blk->size))
            std::fputs("\n", stdout);
    }
}

// Receive (RDS) or transmit (TDS) descriptor information, one FID at a
// time through its index registers and the page at 0x8000.
void ds_dump(const dump_ctx &ctx, const char *title, uint32_t ctl_reg, uint32_t page_value, uint32_t entries)
{
    if (ctx.port != 0)
        return;
    dump_title(29, title);
    for (uint32_t fid = 0; fid < entries; fid++) {
        char line[32];
        std::snprintf(line, sizeof line, "FID 0x%x", fid);
        dump_title(29, line);
        reg_write(ctx, ctl_reg, 0xAE07);
        reg_write(ctx, ctl_reg + 4, fid);
        reg_write(ctx, ctx.page, page_value);
        reg_dump(ctx, 0x8000, 16);
    }
}

void rds_tds_dump(const dump_ctx &ctx, uint32_t entries)
{
    ds_dump(ctx, "RDS info", 0x1B008, 0x10, entries);
    ds_dump(ctx, "TDS info", 0x1B810, 0x14, entries);
}

// The serdes address and data registers of this port.
uint32_t serdes_addr_reg(const dump_ctx &ctx)
{
    if (ctx.cna_port)
        return ctx.port == 0 ? 0x220D0 : 0x224D0;
    return ctx.port == 0 ? 0x1E034 : 0x1E038;
}

uint32_t serdes_data_reg(const dump_ctx &ctx)
{
    return ctx.port == 0 ? 0x26800 : 0x26C00;
}

void indirect_read(const dump_ctx &ctx, uint32_t value)
{
    uint32_t a = serdes_addr_reg(ctx);
    uint32_t d = serdes_data_reg(ctx);
    std::printf("address is 0x%x\n", a);
    std::printf(" and value is 0x%x\n", value);
    reg_write(ctx, a, value);
    uint32_t word = 0;
    if (xell_diag_regread(ctx.ioc, d, 1, &word, 0) != XEL_STATUS_OK)
        return;
    std::printf("data read from address: %x length: 1 is:\n", d);
    std::printf("%08x: %08x\n\n", d, word);
}

void serdes_title(const dump_ctx &ctx)
{
    char line[48];
    std::snprintf(line, sizeof line, "Port %2d/%-2d Serdes registers", ctx.adapter, ctx.port);
    dump_title(24, line);
}

void serdes_gen2(const dump_ctx &ctx)
{
    static const uint32_t values[] = {0x808,  0x80C,  0x814,  0x818,  0x82C,  0x830,  0x850,  0x864,  0x920,
                                      0x938,  0xB20,  0xB38,  0xC20,  0xC38,  0x2000, 0x2024, 0x2098, 0x20A8,
                                      0x20AC, 0x20B0, 0x20B4, 0x20B8, 0x20C4, 0x20D8, 0x20DC, 0x20E0, 0x20E4};
    serdes_title(ctx);
    uint32_t ahb = 0;
    if (xell_diag_regread(ctx.ioc, ahb_reg, 1, &ahb, 0) != XEL_STATUS_OK)
        return;
    uint32_t enabled = ctx.port == 0 ? (ahb >> 22) & 0xFF : (ahb >> 23) & 0xFF;
    if (enabled == 0) {
        std::fputs("AHB is not enabled!\n", stdout);
        return;
    }
    for (uint32_t v : values)
        indirect_read(ctx, v);
}

// One decision feedback equaliser parameter: select it in the low five
// bits of the control register, then read its value back.
void serdes_dfe(const dump_ctx &ctx, uint32_t base, uint32_t i)
{
    uint32_t a = serdes_addr_reg(ctx);
    uint32_t d = serdes_data_reg(ctx);
    std::printf("opus dfe params [%u]:\n", i);
    std::printf("address is 0x%x\n", a);
    std::printf(" and value is 0x%x\n", base | 0xD0);
    uint32_t word = 0;
    reg_write(ctx, a, base | 0xD0);
    if (xell_diag_regread(ctx.ioc, d, 1, &word, 0) != XEL_STATUS_OK)
        return;
    reg_write(ctx, a, base | 0xD0);
    reg_write(ctx, d, (word & ~0x1Fu) | i);
    reg_write(ctx, a, base | 0xE0);
    if (xell_diag_regread(ctx.ioc, d, 1, &word, 0) != XEL_STATUS_OK)
        return;
    std::printf("data read from address: %x length: 1 is:\n", d);
    std::printf("%08x: %08x\n\n", d, (word >> 9) & 0x3F);
}

void serdes_gen3(const dump_ctx &ctx)
{
    uint32_t base = ctx.cna_port ? 0x1000 : 0x9000;
    serdes_title(ctx);
    for (uint32_t i = 0; i < 16; i++) {
        std::printf("opus plla register [%u]:\n", i);
        indirect_read(ctx, base | (0x400 + 4 * i));
        std::printf("opus pllb register [%u]:\n", i);
        indirect_read(ctx, base | (0xC00 + 4 * i));
    }
    for (uint32_t i = 0; i < 109; i++) {
        std::printf("opus subsystem register [%u]:\n", i);
        indirect_read(ctx, base | (0xA00 + 4 * i));
    }
    for (uint32_t i = 0; i < 76; i++) {
        std::printf("opus ch0-3 registers [%u]: \n", i);
        for (uint32_t lane : {0x0u, 0x200u, 0x600u, 0x800u})
            indirect_read(ctx, base | (4 * i + lane));
    }
    for (uint32_t i = 0; i < 21; i++)
        serdes_dfe(ctx, base, i);
}

// The function's own page register selects the CAM.
void cam_dump(const dump_ctx &ctx)
{
    static const uint32_t fn_page[] = {0x14008, 0x14108, 0x14308, 0x14408};
    uint32_t page = fn_page[ctx.pcifn % 4];
    reg_write(ctx, page, 0xA1);
    dump_title(26, "Multicast CAM Dump");
    reg_dump(ctx, 0xA000, 512);
    reg_write(ctx, page, 0xA1);
    dump_title(26, "Unicast CAM Dump");
    reg_dump(ctx, 0xA800, 512);
}

void dump_gen1(dump_ctx &ctx)
{
    reg_write(ctx, page_reg, 0x40);
    block_dump(ctx, qa_reg_blk, DEV_MODE_FC);
    rds_tds_dump(ctx, 120);
}

void dump_gen2(dump_ctx &ctx)
{
    ctx.cna_port = ctx.device == 0x14;
    reg_write(ctx, page_reg, 0x180);
    block_dump(ctx, qe_reg_blk, ctx.cna_port ? DEV_MODE_CNA : DEV_MODE_FC);
    serdes_gen2(ctx);
    if (ctx.device == 0x14)
        cam_dump(ctx);
    rds_tds_dump(ctx, 120);
}

void dump_gen3(dump_ctx &ctx)
{
    bool cna = false;
    ctx.cna_port = xell_port_is_cna(ctx.ioc, true, &cna) == XEL_STATUS_OK && cna;
    ctx.page = page_reg_gen3;
    reg_write(ctx, page_reg_gen3, 0x180);
    block_dump(ctx, qe2_reg_blk, DEV_MODE_CNA);
    rds_tds_dump(ctx, 200);
    if (ctx.port == 0) {
        std::fputs("PCIE register dump\n", stdout);
        for (uint32_t addr : {0x14850u, 0x1485Cu, 0x14884u, 0x14998u})
            reg_dump(ctx, addr, 1);
    }
    if (ctx.card_type == serdes_mezz_card)
        serdes_gen3(ctx);
    if (ctx.port == 0) {
        std::fputs("ASIC block version\n", stdout);
        reg_dump(ctx, 0x2765C, 1);
    }
}

} // namespace

int ixo_driver_dump_registers(char **argv, int argc, ixo_id_t *id)
{
    (void)argv;
    (void)argc;
    xell_t *ioc = id->xell;
    if (ioc == nullptr)
        return XEL_STATUS_FAILED;
    xel_ioc_attr_t attr{};
    xel_status_t status = xell_ioc_get_attr(ioc, &attr);
    if (status != XEL_STATUS_OK) {
        std::fputs("IO Error No Dump....\n", stderr);
        return status;
    }
    dump_ctx ctx{ioc,          ioc->ad_id, ioc->port_num, attr.pci_attr.device_id, attr.pci_attr.pcifn,
                 attr.adapter_attr.card_type, false, page_reg};
    switch (ctx.device) {
    case 0x13:
    case 0x17:
        dump_gen1(ctx);
        return XEL_STATUS_OK;
    case 0x14:
    case 0x21:
        dump_gen2(ctx);
        return XEL_STATUS_OK;
    case 0x22:
        dump_gen3(ctx);
        return XEL_STATUS_OK;
    default:
        std::fputs("Card type unknown skipping reg dump...\n", stderr);
        return XEL_STATUS_FAILED;
    }
}
