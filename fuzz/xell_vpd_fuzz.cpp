// libFuzzer target for the adapter's product data as outside input: a VPD
// image (the first byte the vendor, the rest the 512 bytes, short ones
// padded with zeros) is checked and its entries filled without reading
// outside the image, every entry a terminated text and their number the
// count the check gave; the words of a manufacturing update (the input
// split at NUL bytes) are checked without a fault, to 0 or a front-end
// code, and what they accept lies within its fields.

#include "ixo_errors.h"
#include "ixomfg.h"
#include "xell_vpd.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "xell_vpd_fuzz: %s\n", what);
        std::abort();
    }
}

void fuzz_vpd(const uint8_t *data, size_t size)
{
    uint8_t vendor = size > 0 ? data[0] : 0;
    // On the heap at its exact size, so that a read past it is caught.
    auto vpd = std::make_unique<uint8_t[]>(512);
    std::memset(vpd.get(), 0, 512);
    if (size > 1)
        std::memcpy(vpd.get(), data + 1, size - 1 < 512 ? size - 1 : 512);
    check(xell_vpd_id_string_len(vpd.get()) <= 128, "identifier string past its field");
    int count = 0;
    bool oem = false;
    if (xell_vpd_get_size(vpd.get(), &count, &oem, vendor) != XEL_STATUS_OK)
        return;
    check(count >= 1 && count <= 1 + (512 - 153) / 3, "entry count out of range");
    std::vector<xell_vpd_name_value_t> items(static_cast<size_t>(count));
    check(xell_vpd_populate_params(vpd.get(), vendor, items.data(), count) == XEL_STATUS_OK,
          "the counted entries do not fill");
    for (const auto &item : items)
        check(std::memchr(item.name, 0, sizeof item.name) && std::memchr(item.value, 0, sizeof item.value),
              "an entry without its NUL");
    if (count > 1)
        check(xell_vpd_populate_params(vpd.get(), vendor, items.data(), count - 1) == XEL_STATUS_ENOMEM,
              "fewer entries than counted fill");
}

void fuzz_mfg(const uint8_t *data, size_t size)
{
    std::vector<std::string> words = {"ixo", "mfg", "--update", "1"};
    std::string word;
    for (size_t i = 0; i < size && words.size() < 16; i++) {
        if (data[i] == 0) {
            words.push_back(word);
            word.clear();
        } else {
            word += static_cast<char>(data[i]);
        }
    }
    words.push_back(word);
    while (words.size() < 10)
        words.emplace_back("");
    std::vector<char *> argv;
    for (auto &w : words)
        argv.push_back(w.data());
    ixo_mfg_args a{};
    int status = ixo_mfg_parse(argv.data(), static_cast<int>(argv.size()), &a);
    check(status == 0 || (status >= E_CLI_TOO_FEW_ARGS && status <= E_CLI_LIST_ERR), "not a front-end code");
    if (status != 0)
        return;
    check(std::strlen(a.serial) <= 11 && a.card_type != 0 && a.nports != 0, "a refused word accepted");
    check((a.cm & ~0x3fu) == 0, "an unknown capability bit");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    if (data[0] & 1)
        fuzz_mfg(data + 1, size - 1);
    else
        fuzz_vpd(data + 1, size - 1);
    return 0;
}
