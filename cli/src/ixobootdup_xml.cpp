#include "ixobootdup_xml.h"

const char *const dell_xml_tags_table[XML_TAG_COUNT] = {
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
    "<SVMInventory lang=",
    "<SVMExecution lang=",
    "\"en\">",
    "\"en\"/>",
    "<Device vendorID=",
    "deviceID=",
    "subDeviceID=",
    "subVendorID=",
    "bus=",
    "device=",
    "function=",
    "display=",
    "<Application componentType=",
    "FRMW",
    "version=",
    "</Device>",
    "</SVMInventory>",
    "<Package version=",
    "<SPStatus result=",
    "<Message id=",
    "</Message>",
    "</SPStatus>",
    "</Application>",
    "<RebootRequired>",
    "</RebootRequired>",
    "</SVMExecution>",
    "<Device componentID=",
    "enum=",
    "DRVR",
};

std::string bootdup_xml_escape(const std::string &value)
{
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t')
                out += '?';
            else
                out += c;
        }
    }
    return out;
}

bootdup_xml_element::bootdup_xml_element(const char *tag, const std::string &value)
    : text_(std::string(tag) + "\"" + bootdup_xml_escape(value) + "\"")
{
}

void bootdup_xml_element::attr(const char *tag, const std::string &value)
{
    text_ += " ";
    text_ += tag;
    // Piece by piece: GCC 12's restrict check misreads "x" + std::string&&.
    text_ += '"';
    text_ += bootdup_xml_escape(value);
    text_ += '"';
}

const char *bootdup_xml_decl()
{
    return dell_xml_tags_table[XML_DECL];
}

void bootdup_xml_line(FILE *fp, const std::string &line)
{
    FILE *out = fp != nullptr ? fp : stdout;
    std::fputs(line.c_str(), out);
    std::fputc('\n', out);
}
