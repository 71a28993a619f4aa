// libFuzzer target for the SFP display: any EEPROM image (short ones
// padded with zeros) decodes without a fault into whole lines that begin
// with the identifier, and the wavelength shown is the big-endian value
// of A0h bytes 60 and 61.

#include "ixodiag.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "ixo_sfp_fuzz: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    sfp_mem_t sfp{};
    std::memcpy(&sfp, data, size < sizeof sfp ? size : sizeof sfp);
    char *text = nullptr;
    size_t length = 0;
    std::FILE *out = open_memstream(&text, &length);
    check(out != nullptr, "no memory stream");
    ixo_sfp_print(out, sfp);
    std::fclose(out);
    std::string shown(text, length);
    std::free(text);

    check(shown.rfind("Identifier:     ", 0) == 0, "the display does not begin with the identifier");
    check(!shown.empty() && shown.back() == '\n', "the display ends inside a line");
    unsigned wavelength = static_cast<unsigned>(sfp.srlid_base.wavelen[0]) << 8 | sfp.srlid_base.wavelen[1];
    std::string want = "\nWavelength:     " + std::to_string(wavelength) + " (units nm)\n";
    check(shown.find(want) != std::string::npos, "the wavelength is not the EEPROM's");
    return 0;
}
