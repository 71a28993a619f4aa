// The usage printers' texts read back as data: the manual page and the
// shell completion take the commands' synopses and option words from the
// same text that "ixo CLASS --ehelp" prints, so that they cannot drift.
#pragma once

#include "ixotable.h"

#include <functional>
#include <string>
#include <vector>

// What fn writes on the descriptor (1 or 2) while it runs.
std::string ixo_capture_output(int fd, const std::function<void()> &fn);

// The class's usage text; extended is the "--ehelp" form.
std::string ixo_usage_text(const ixo_cmd_class_desc_t &row, bool extended);

// One command as its class's usage describes it: the synopsis lines
// (the command word first) and the description lines below them, with
// the tabs of the text's indentation beyond the description's turned
// into a depth of leading spaces.
struct ixo_usage_entry {
    std::string command;
    std::vector<std::string> synopsis;
    std::vector<std::string> description;
};

// notes, when given, gets the lines after the last command: the target
// forms and whatever else the class explains for all its commands.
std::vector<ixo_usage_entry> ixo_usage_entries(const std::string &text, std::vector<std::string> *notes = nullptr);
// The entry of the command word; null when the usage does not describe it.
const ixo_usage_entry *ixo_usage_find(const std::vector<ixo_usage_entry> &entries, const std::string &command);

// The literal words a synopsis line offers after its command word: option
// switches ("-f", "--force") and the alternatives of a choice ("on", "off"),
// not the placeholders ("<port_id>", "count").
std::vector<std::string> ixo_usage_option_words(const std::string &synopsis);
