// Writes the manual page ixo(8) from the program's own data: the command
// table, the usage printers, the front end's error texts and the library's
// status messages. The build runs it, so the page follows every row added.
#include "ixo_errors.h"
#include "ixo_usage.h"
#include "ixo_usage_text.h"
#include "ixomain.h"
#include "ixotable.h"
#include "xell.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Text for roff: backslashes and minus signs escaped, and a control
// character at the start of a line made plain.
std::string roff(const std::string &text)
{
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '\''))
        out.insert(0, "\\&");
    return out;
}

// Running text: a sentence to a line, lines kept under 80 columns.
std::string prose(const std::string &text)
{
    std::string out, line;
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        if (!line.empty() && line.size() + 1 + word.size() > 78) {
            out += line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
        if (word.back() == '.' || word.back() == ':') {
            out += line + "\n";
            line.clear();
        }
    }
    if (!line.empty())
        out += line + "\n";
    return out;
}

std::vector<std::string> lines_of(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// A block printed as it stands, tabs as indentation.
void verbatim(std::ostream &out, const std::vector<std::string> &lines)
{
    out << ".nf\n";
    for (std::string line : lines) {
        std::string indent;
        while (!line.empty() && line[0] == '\t') {
            indent += "    ";
            line.erase(0, 1);
        }
        out << (line.empty() ? std::string("\\&") : roff(indent + line)) << "\n";
    }
    out << ".fi\n";
}

const char *target_kind(ixo_id_desc_t kind)
{
    switch (kind) {
    case PORT_ID:
        return "a port (port id)";
    case ADAPTER_ID:
        return "an adapter (ad_id)";
    case PCIFN_ID:
        return "a port or one of its PCI functions (pcifn id)";
    case PORT_FIRST_IOC:
        return "a port as adapter_id/port_id";
    case PCIFN_FIRST_IOC:
        return "a PCI function as adapter_id/port_id/pcifn_id";
    case PCIFN_ID_STRICT:
        return "a PCI function";
    case TEAM_ID:
    case ID_NONE:
        break;
    }
    return nullptr;
}

const char *path_kind(ixo_drv_path_t path)
{
    switch (path) {
    case PATH_FC:
        return "storage functions only";
    case PATH_ETH:
        return "Ethernet functions only";
    case PATH_ANY:
        return "a storage function, else an Ethernet one";
    case PATH_ANY_OPER:
        return "a storage function, else an Ethernet one, then the port's operational function";
    }
    return "";
}

std::string count_words(int n)
{
    return std::to_string(n) + (n == 1 ? " word" : " words");
}

// What the table says of a command: its word count and its target.
std::string table_note(const ixo_cmd_desc_t &cmd)
{
    std::string note;
    if (cmd.max_args == 0)
        note = "Takes no words after the command word.";
    else if (cmd.min_args == cmd.max_args)
        note = "Takes " + count_words(cmd.min_args) + " after the command word.";
    else
        note = "Takes " + std::to_string(cmd.min_args) + " to " + count_words(cmd.max_args) +
               " after the command word.";
    const char *kind = target_kind(cmd.id_desc);
    if (kind && cmd.max_args > 0) {
        note += std::string(" The first names ") + kind;
        if (cmd.id_desc != ADAPTER_ID)
            note += std::string(", resolved to ") + path_kind(cmd.drv_path);
        note += cmd.min_args == 0 ? "; without it nothing is resolved." : ".";
    } else if (cmd.max_args > 0) {
        note += " The command reads its words itself.";
    }
    if (cmd.handler == nullptr)
        note += " Not supported by this version: the command exits with status 4002.";
    return note;
}

// A synopsis for a command that its class's usage leaves out.
std::string table_synopsis(const ixo_cmd_desc_t &cmd)
{
    std::string synopsis = cmd.name;
    const char *names[] = {"<port_id>", "<ad_id>", "<pcifn>", "<team>", "<port_id>", "<pcifn>", "<pcifn>", "<arguments>"};
    if (cmd.max_args > 0)
        synopsis += std::string(" ") + (cmd.min_args == 0 ? "[" : "") + names[cmd.id_desc] + (cmd.min_args == 0 ? "]" : "");
    if (cmd.max_args > 1 && cmd.id_desc != ID_NONE)
        synopsis += " [<arguments>]";
    return synopsis;
}

void tagged_synopsis(std::ostream &out, const std::string &line)
{
    size_t space = line.find(' ');
    out << "\\fB" << roff(line.substr(0, space)) << "\\fR";
    if (space != std::string::npos)
        out << roff(line.substr(space));
    out << "\n";
}

void write_command(std::ostream &out, const ixo_cmd_desc_t &cmd, const ixo_usage_entry *entry)
{
    out << ".TP\n";
    std::vector<std::string> synopsis = entry ? entry->synopsis : std::vector<std::string>{table_synopsis(cmd)};
    for (size_t i = 0; i < synopsis.size(); i++) {
        if (i > 0)
            out << ".TQ\n";
        tagged_synopsis(out, synopsis[i]);
    }
    if (entry && !entry->description.empty()) {
        verbatim(out, entry->description);
        out << ".IP\n";
    }
    out << prose(roff(table_note(cmd)));
}

// The line of the usage text that says what the class is for.
std::string class_purpose(const std::string &usage)
{
    for (const std::string &line : lines_of(usage))
        if (line.rfind("Direct ", 0) == 0)
            return line;
    return {};
}

void write_classes(std::ostream &out)
{
    out << ".SH CLASSES AND COMMANDS\n"
        << prose("Each class below lists every command of its table, in table order, with the synopsis and "
           "description its usage text gives (\\fBixo\\fR \\fIclass\\fR \\fB\\-\\-ehelp\\fR prints the same) "
           "and the word counts and target kind the program checks.");
    for (const ixo_cmd_class_desc_t *row = ixo_class_desc; std::string(row->name) != "none"; row++) {
        std::string usage = ixo_usage_text(*row, true);
        std::vector<std::string> notes;
        auto entries = ixo_usage_entries(usage, &notes);
        out << ".SS " << roff(row->name) << "\n";
        std::string purpose = class_purpose(usage);
        if (!purpose.empty())
            out << prose(roff(purpose) + ".");
        if (row->os & E_HIDDEN)
            out << (purpose.empty() ? "" : ".PP\n") << "A hidden class: listed by \\fB\\-\\-ehelp\\fR, not by \\fB\\-\\-help\\fR.\n";
        for (int i = 0; i < row->num_cmd; i++)
            write_command(out, row->cmds[i], ixo_usage_find(entries, row->cmds[i].name));
        if (!notes.empty()) {
            out << ".PP\n";
            verbatim(out, notes);
        }
    }
}

void write_targets(std::ostream &out)
{
    out << ".SH TARGETS\n"
        << prose("The word after the command word names what the command works on. "
           "Adapters are numbered from 1 in the order of their PCI addresses, ports from 0 within "
           "their adapter, PCI functions by their function number.");
    verbatim(out, lines_of(ixo_capture_output(1, ixo_usage_ad_id_forms)));
    verbatim(out, lines_of(ixo_capture_output(1, ixo_usage_port_id_forms)));
    verbatim(out, lines_of(ixo_capture_output(1, ixo_usage_pcifn_id_forms)));
}

// The text print_error_string gives a front-end code, with the words of a
// sample command line in its placeholders.
std::string cli_error_text(int code)
{
    char prog[] = "ixo", cls[] = "CLASS", cmd[] = "COMMAND", target[] = "TARGET", word[] = "WORD";
    char *argv[] = {prog, cls, cmd, target, word, nullptr};
    std::string text = ixo_capture_output(2, [&] {
        ixo_capture_output(1, [&] { print_error_string(code, argv, 5); });
    });
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    if (code == E_CLI_CONFIG_NOT_SAVED)
        text = text.substr(0, text.rfind(": ")) + ": REASON";
    return text;
}

void write_exit_status(std::ostream &out)
{
    out << ".SH EXIT STATUS\n"
        << prose("The exit status is the command's status, of which the system keeps the low eight bits. "
           "0 is success. A failing command prints one line on standard error; in the shell it prints none. "
           "The codes of the program itself and their texts, where CLASS, COMMAND, TARGET and WORD stand "
           "for the words of the command line:");
    for (int code = E_CLI_TOO_FEW_ARGS; code <= E_CLI_CONFIG_NOT_SAVED; code++) {
        std::string text = cli_error_text(code);
        out << ".TP\n.B " << code << "\n"
            << prose("(exit status " + std::to_string(code & 0xff) + ") " +
                     (text.empty() ? "no text: the command printed what went wrong itself" : roff(text)));
    }
    out << ".PP\n"
        << prose("A status of the adapter access library or of a driver, exit status the same number, "
           "prints \\(lqERROR: \\(rq and its message:");
    for (int status = 1; status < XEL_STATUS_MAX_VAL; status++)
        out << ".TP\n.B " << status << "\n"
            << prose(roff(xell_status_to_string(static_cast<xel_status_t>(status))));
}

const char *header = R"(.TH IXO 8 @DATE@ "ixo @VERSION@" "System Administration"
.SH NAME
ixo \- manage Tessary Fibre Channel HBAs, converged adapters and NICs
.SH SYNOPSIS
.B ixo
.RB [ \-\-help | \-\-ehelp | \-v | \-\-version ]
.br
.B ixo
.I class
.RB [ \-\-help | \-\-ehelp ]
.br
.B ixo
.I class command
.RI [ target ]
.RI [ argument ...]
.br
.B ixo shell
.SH DESCRIPTION
.B ixo
lists and queries the adapters, ports and PCI functions of the host,
changes their settings and keeps them across reboots in
.IR /etc/xel.conf ,
shows and clears statistics, updates boot code and flash,
runs adapter and fabric diagnostics,
and shows logical ports, remote ports, targets and LUNs.
It talks to the storage driver
.B xel
and the network driver
.BR kwo ,
and is run as root.
.PP
Without arguments it prints the classes;
\fB\-\-ehelp\fR also lists the hidden ones.
A class word alone, or with \fB\-\-help\fR or \fB\-\-ehelp\fR,
prints the class's usage.
A command is a class word, a command word beginning with two dashes,
usually a target, and further arguments; words are matched exactly.
.B ixo shell
reads such commands, without the program name, after the prompt
\(lqixo> \(rq until
.BR quit ,
.B exit
or the end of input, and exits with the status of the last one.
)";

const char *footer = R"(.SH COMPLETION
The bash completion of
.B ixo
and
.B ixo\-sim
asks the program for its words:
.PP
.B ixo \-\-complete
.RI [ word ...]
.PP
prints, one per line, the words that may follow the words given:
with none, the classes and the general options;
after a class, its command words;
after a command, the targets of the command's kind found on the host
(adapter numbers and names, adapter/port and adapter/port/pcifn forms,
port names) or, for a command without a target, its option words;
after its target, the option words of the command's usage text.
It prints nothing for words it does not know and always exits 0.
The listing is meant for scripts:
one word per line, no headings, nothing on standard error.
.SH FILES
.TP
.I /etc/xel.conf
The settings kept across reboots, read and written under an exclusive lock.
.TP
.I /usr/share/bash\-completion/completions/ixo
The bash completion.
.SH SEE ALSO
.BR ixo\-sim (1),
.BR xelsim (1)
)";

std::string version_word()
{
    std::string version = ixo_get_version();
    return version.substr(0, version.find(' '));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: ixo_mangen OUTPUT DATE\n");
        return 2;
    }
    std::ostringstream page;
    std::string head = header;
    head.replace(head.find("@DATE@"), 6, argv[2]);
    head.replace(head.find("@VERSION@"), 9, version_word());
    page << head;
    write_targets(page);
    write_classes(page);
    write_exit_status(page);
    page << footer;
    std::ofstream out(argv[1]);
    out << page.str();
    return out.good() ? 0 : 1;
}
