// The drivers' event queues: each function keeps the events raised on it,
// and each application reads them from its own position, so that one
// reader never takes another's events.
#include "sim_events.h"

#include "sim_driver.h"
#include "xel_aen_records.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>

using json = nlohmann::ordered_json;

namespace {

// The oldest entries go once the queue is this long, as a driver's ring
// overwrites them.
constexpr size_t sim_aen_queue_max = 256;

std::string hex_of(const std::vector<uint8_t> &bytes)
{
    std::string text;
    char pair[3];
    for (uint8_t b : bytes) {
        std::snprintf(pair, sizeof pair, "%02x", b);
        text += pair;
    }
    return text;
}

std::vector<uint8_t> bytes_of(const std::string &text)
{
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i + 1 < text.size(); i += 2)
        bytes.push_back(static_cast<uint8_t>(std::stoul(text.substr(i, 2), nullptr, 16)));
    return bytes;
}

} // namespace

void sim_aen_to_json(const sim_aen_state &aen, json *obj)
{
    json entries = json::array();
    for (const auto &entry : aen.entries)
        entries.push_back(hex_of(entry));
    json read = json::object();
    for (const auto &[app, pos] : aen.read)
        read[std::to_string(app)] = pos;
    (*obj)["aen"] = {{"entries", entries}, {"read", read}, {"next_seq", aen.next_seq}};
}

void sim_aen_from_json(const json &obj, sim_aen_state *aen)
{
    if (!obj.contains("aen"))
        return;
    const json &a = obj.at("aen");
    for (const auto &entry : a.at("entries")) {
        std::vector<uint8_t> bytes = bytes_of(entry.get<std::string>());
        bytes.resize(sizeof(xel_aen_entry_t));
        aen->entries.push_back(bytes);
    }
    for (const auto &item : a.at("read").items())
        aen->read[std::stoi(item.key())] = item.value().get<uint32_t>();
    aen->next_seq = a.at("next_seq");
}

xel_aen_entry_t sim_aen_raise(sim_aen_state *aen, int instance, uint32_t category, int32_t type, const uint8_t *data,
                   size_t data_len)
{
    xel_aen_entry_t entry{};
    entry.aen_category = category;
    entry.aen_type = type;
    std::memcpy(entry.aen_data, data, std::min(data_len, sizeof entry.aen_data));
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    entry.tv_sec = static_cast<uint32_t>(now.tv_sec);
    entry.tv_usec = static_cast<uint32_t>(now.tv_nsec / 1000);
    entry.seq_num = aen->next_seq++;
    entry.xeld_num = instance;
    const auto *raw = reinterpret_cast<const uint8_t *>(&entry);
    aen->entries.emplace_back(raw, raw + sizeof entry);
    if (aen->entries.size() > sim_aen_queue_max) {
        aen->entries.erase(aen->entries.begin());
        for (auto &[app, pos] : aen->read)
            pos = pos > 0 ? pos - 1 : 0;
    }
    return entry;
}

// The entries the application has not read yet, as many as it asks for
// and the transfer holds, from offset 24 of the record.
int32_t sim_aen_get_events(sim_call &call)
{
    xel_ioctl_aen_t record;
    std::memcpy(&record, call.data.data(), offsetof(xel_ioctl_aen_t, aen_list));
    if (record.app_id < xel_aen_app_ixo || record.app_id > xel_aen_app_test || record.aen_count < 0)
        return XEL_STATUS_EINVAL;
    sim_aen_state &aen = call.st.models.aen;
    size_t room = (call.data.size() - offsetof(xel_ioctl_aen_t, aen_list)) / sizeof(xel_aen_entry_t);
    uint32_t &pos = aen.read[record.app_id];
    pos = std::min<uint32_t>(pos, static_cast<uint32_t>(aen.entries.size()));
    size_t count = std::min({static_cast<size_t>(record.aen_count), room, aen.entries.size() - pos});
    for (size_t i = 0; i < count; i++)
        std::memcpy(call.data.data() + offsetof(xel_ioctl_aen_t, aen_list) + i * sizeof(xel_aen_entry_t),
                    aen.entries[pos + i].data(), sizeof(xel_aen_entry_t));
    pos += static_cast<uint32_t>(count);
    record.aen_count = static_cast<int32_t>(count);
    record.status = XEL_STATUS_OK;
    std::memcpy(call.data.data(), &record, offsetof(xel_ioctl_aen_t, aen_list));
    call.changed = count > 0 || call.changed;
    return XEL_STATUS_OK;
}
