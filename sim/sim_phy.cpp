// The 10G Ethernet PHY module of a converged or Ethernet port: its status
// registers follow the port's link, its counters live in the port state,
// and its firmware image in <root>/.xelsim/phy/<adapter>.<port>; a port
// without a written image holds the factory one. An FC port has no PHY.
#include "sim_port.h"
#include "xel_phy_records.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

constexpr uint32_t factory_version = 0x103;
constexpr size_t factory_size = 4096;

// The port a PHY request names, or null when the adapter has none such.
sim_port_state *phy_port(sim_call &call, uint16_t instance)
{
    if (instance >= call.adapter().nports)
        return nullptr;
    auto it = call.host.ports.find(sim_port_key(call.adapter(), instance));
    return it == call.host.ports.end() ? nullptr : &it->second;
}

bool has_phy(const sim_call &call, uint16_t instance, const sim_port_state &port)
{
    if (!port.phy.present)
        return false;
    for (const auto &fn : call.adapter().functions)
        if (fn.port == instance && fn.ioc_type != XEL_IOC_TYPE_FC)
            return true;
    return false;
}

std::string image_path(const sim_call &call, uint16_t instance)
{
    return sim_state_dir(call.root) + "/phy/" + call.adapter().hwpath() + "." + std::to_string(instance);
}

// The factory image: its version, then a pattern, closed by the byte that
// makes all bytes XOR to zero.
std::vector<uint8_t> factory_image(uint16_t instance)
{
    std::vector<uint8_t> image(factory_size);
    std::memcpy(image.data(), &factory_version, sizeof factory_version);
    uint8_t sum = 0;
    for (size_t i = 0; i < image.size(); i++) {
        if (i >= sizeof factory_version && i + 1 < image.size())
            image[i] = static_cast<uint8_t>(i * 7 + instance);
        sum ^= image[i];
    }
    image.back() = sum;
    return image;
}

std::vector<uint8_t> read_image(const sim_call &call, uint16_t instance)
{
    std::ifstream in(image_path(call, instance), std::ios::binary);
    if (!in)
        return factory_image(instance);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool write_image(const sim_call &call, uint16_t instance, std::span<const uint8_t> image)
{
    std::string path = image_path(call, instance);
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    std::string temp = path + ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(image.data()), static_cast<std::streamsize>(image.size()));
        if (!out)
            return false;
    }
    return std::rename(temp.c_str(), path.c_str()) == 0;
}

// The data behind a firmware record, when the transfer holds all of it.
bool phy_data(const sim_call &call, const xel_ioctl_phy_t &record, std::span<uint8_t> *data)
{
    size_t room = call.data.size() - sizeof record;
    if (record.bufsz > room)
        return false;
    *data = call.data.subspan(sizeof record, static_cast<size_t>(record.bufsz));
    return true;
}

} // namespace

int32_t sim_phy_get_attr(sim_call &call)
{
    auto record = answer_record<xel_ioctl_phy_attr_t>(call);
    sim_port_state *port = phy_port(call, record.instance);
    if (port == nullptr)
        return XEL_STATUS_EINVAL;
    xel_phy_attr_t &a = record.attr;
    if (!has_phy(call, record.instance, *port)) {
        a.status = XEL_PHY_STATUS_NOT_PRESENT;
    } else {
        a.status = XEL_PHY_STATUS_GOOD;
        a.fw_ver = port->phy.fw_ver != 0 ? port->phy.fw_ver : factory_version;
        a.length = static_cast<uint32_t>(read_image(call, record.instance).size());
        a.an_status = XEL_PHY_AN_ABLE;
        if (sim_port_has_link(*port)) {
            a.an_status |= XEL_PHY_AN_LP_ABLE | XEL_PHY_AN_COMPLETE;
            a.pma_pmd_status = XEL_PHY_PMA_LINK_UP;
            a.pma_pmd_signal = XEL_PHY_PMA_SIGNAL;
            a.pcs_status = XEL_PHY_PCS_LINK_UP;
        }
    }
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_phy_get_stats(sim_call &call)
{
    auto record = answer_record<xel_ioctl_phy_stats_t>(call);
    sim_port_state *port = phy_port(call, record.instance);
    if (port == nullptr)
        return XEL_STATUS_EINVAL;
    sim_put_counters(port->phy.stats, reinterpret_cast<uint8_t *>(&record.stats), sizeof record.stats,
                     sizeof(uint32_t));
    record.stats.status = has_phy(call, record.instance, *port) ? XEL_PHY_STATUS_GOOD : XEL_PHY_STATUS_NOT_PRESENT;
    store(call, record);
    return XEL_STATUS_OK;
}

int32_t sim_phy_update(sim_call &call)
{
    auto record = load<xel_ioctl_phy_t>(call);
    sim_port_state *port = phy_port(call, record.instance);
    std::span<uint8_t> image;
    if (port == nullptr || !phy_data(call, record, &image) || image.empty())
        return XEL_STATUS_EINVAL;
    if (!has_phy(call, record.instance, *port))
        return XEL_STATUS_PHY_NOT_PRESENT;
    if (!write_image(call, record.instance, image))
        return XEL_STATUS_FAILED;
    uint32_t version = 0;
    std::memcpy(&version, image.data(), std::min(image.size(), sizeof version));
    port->phy.fw_ver = version;
    call.changed = true;
    return XEL_STATUS_OK;
}

// As much of the image as was asked for; bufsz says how much came back.
int32_t sim_phy_read(sim_call &call)
{
    auto record = load<xel_ioctl_phy_t>(call);
    sim_port_state *port = phy_port(call, record.instance);
    std::span<uint8_t> out;
    if (port == nullptr || !phy_data(call, record, &out))
        return XEL_STATUS_EINVAL;
    if (!has_phy(call, record.instance, *port))
        return XEL_STATUS_PHY_NOT_PRESENT;
    std::vector<uint8_t> image = read_image(call, record.instance);
    size_t n = std::min(image.size(), out.size());
    std::fill(out.begin(), out.end(), 0);
    std::copy_n(image.begin(), n, out.begin());
    record.bufsz = n;
    store(call, record);
    return XEL_STATUS_OK;
}
