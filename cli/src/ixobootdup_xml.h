// The XML vocabulary of the boot duplication reports and the few pieces
// that build their lines.
#pragma once

#include <cstdio>
#include <string>

enum dell_xml_tag {
    XML_DECL,
    XML_SVM_INVENTORY,
    XML_SVM_EXECUTION,
    XML_LANG,
    XML_LANG_EMPTY,
    XML_DEVICE_VENDOR,
    XML_DEVICE_ID,
    XML_SUB_DEVICE_ID,
    XML_SUB_VENDOR_ID,
    XML_BUS,
    XML_DEVICE,
    XML_FUNCTION,
    XML_DISPLAY,
    XML_APPLICATION,
    XML_FRMW,
    XML_VERSION,
    XML_DEVICE_END,
    XML_SVM_INVENTORY_END,
    XML_PACKAGE,
    XML_SPSTATUS,
    XML_MESSAGE,
    XML_MESSAGE_END,
    XML_SPSTATUS_END,
    XML_APPLICATION_END,
    XML_REBOOT,
    XML_REBOOT_END,
    XML_SVM_EXECUTION_END,
    XML_DEVICE_COMPONENT,
    XML_ENUM,
    XML_DRVR,
    XML_TAG_COUNT
};

extern const char *const dell_xml_tags_table[XML_TAG_COUNT];

// The value as it may stand inside double quotes: markup characters as
// entities, control characters XML cannot carry as '?'.
std::string bootdup_xml_escape(const std::string &value);

// An element's opening: its first tag with its value, then further
// attributes, each a tag and a quoted value after one space.
class bootdup_xml_element {
public:
    bootdup_xml_element(const char *tag, const std::string &value);
    void attr(const char *tag, const std::string &value);
    const std::string &text() const { return text_; }

private:
    std::string text_;
};

const char *bootdup_xml_decl();
// One whole line to the stream, standard output when it is null.
void bootdup_xml_line(FILE *fp, const std::string &line);
