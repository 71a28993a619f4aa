// Writes the manual pages ixo-sim(1) and xelsim(1) at build time from
// what the emulated host is documented and run with: the topology and
// fault sections of docs/emulated-host.md, and xelsim's own help text.
//
//   sim_mangen EMULATED_HOST_MD XELSIM_HELP OUTPUT_DIR DATE
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using lines_t = std::vector<std::string>;

std::string escape(const std::string &text)
{
    std::string out;
    for (char c : text)
        out += c == '\\' ? std::string("\\e") : c == '-' ? std::string("\\-") : std::string(1, c);
    if (!out.empty() && (out[0] == '.' || out[0] == '\''))
        out.insert(0, "\\&");
    return out;
}

// Markdown inline text: code in bold, links as their text.
std::string inline_text(const std::string &md)
{
    std::string out;
    bool code = false;
    for (size_t i = 0; i < md.size(); i++) {
        char c = md[i];
        if (c == '`') {
            out += code ? "\\fR" : "\\fB";
            code = !code;
        } else if (c == '[' && !code) {
            size_t close = md.find("](", i);
            size_t end = close == std::string::npos ? close : md.find(')', close);
            if (end == std::string::npos) {
                out += '[';
                continue;
            }
            out += escape(md.substr(i + 1, close - i - 1));
            i = end;
        } else {
            out += escape(std::string(1, c));
        }
    }
    if (code)
        out += "\\fR";
    if (out.rfind("\\&", 0) != 0 && !out.empty() && out[0] == '.')
        out.insert(0, "\\&");
    return out;
}

std::string trim(const std::string &text)
{
    size_t b = text.find_first_not_of(" \t");
    size_t e = text.find_last_not_of(" \t");
    return b == std::string::npos ? std::string() : text.substr(b, e - b + 1);
}

lines_t read_lines(const std::string &path)
{
    lines_t lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The lines of the "## title" section, heading left out.
lines_t md_section(const lines_t &md, const std::string &title)
{
    lines_t out;
    bool in = false;
    for (const std::string &line : md) {
        if (line.rfind("## ", 0) == 0) {
            if (in)
                break;
            in = line == "## " + title;
            continue;
        }
        if (in)
            out.push_back(line);
    }
    return out;
}

lines_t table_cells(const std::string &row)
{
    lines_t cells;
    std::string cell;
    bool code = false;
    for (size_t i = 1; i < row.size(); i++) {
        if (row[i] == '`')
            code = !code;
        if (row[i] == '|' && !code) {
            cells.push_back(trim(cell));
            cell.clear();
        } else {
            cell += row[i];
        }
    }
    return cells;
}

// A table: a tagged paragraph per row, its first cell the tag, the
// others under their column's heading.
void md_table(std::ostream &out, const lines_t &rows)
{
    lines_t head = table_cells(rows[0]);
    for (size_t r = 2; r < rows.size(); r++) {
        lines_t cells = table_cells(rows[r]);
        if (cells.empty())
            continue;
        out << ".TP\n" << inline_text(cells[0]) << "\n";
        for (size_t c = 1; c < cells.size(); c++) {
            std::string label = c < head.size() && cells.size() > 2 ? head[c] + ": " : "";
            out << (c > 1 ? ".br\n" : "") << inline_text(label + cells[c]) << "\n";
        }
    }
    out << ".PP\n";
}

// Paragraphs, bullet lists, tables and code blocks of a markdown section.
void md_to_roff(std::ostream &out, const lines_t &md)
{
    for (size_t i = 0; i < md.size(); i++) {
        const std::string &line = md[i];
        if (line.rfind("```", 0) == 0) {
            out << ".PP\n.RS 4\n.nf\n";
            for (i++; i < md.size() && md[i].rfind("```", 0) != 0; i++)
                out << (md[i].empty() ? "\\&" : escape(md[i])) << "\n";
            out << ".fi\n.RE\n.PP\n";
        } else if (line.rfind("|", 0) == 0) {
            lines_t rows;
            for (; i < md.size() && md[i].rfind("|", 0) == 0; i++)
                rows.push_back(md[i]);
            i--;
            md_table(out, rows);
        } else if (line.rfind("- ", 0) == 0) {
            out << ".IP \\(bu 2\n" << inline_text(line.substr(2)) << "\n";
        } else if (line.rfind("### ", 0) == 0) {
            out << ".SS " << inline_text(line.substr(4)) << "\n";
        } else if (trim(line).empty()) {
            if (i + 1 < md.size() && !trim(md[i + 1]).empty() && md[i + 1].rfind("- ", 0) != 0)
                out << ".PP\n";
        } else {
            out << inline_text(trim(line)) << "\n";
        }
    }
}

struct help_entry {
    std::string command;
    std::string text;
};

// xelsim's help: after "Commands:", a command line of two spaces, its
// words, two spaces or more and what it does; a line that holds only
// words is continued by the next lines' text.
std::vector<help_entry> help_entries(const lines_t &help)
{
    std::vector<help_entry> entries;
    bool in = false;
    for (const std::string &line : help) {
        if (line == "Commands:") {
            in = true;
            continue;
        }
        if (!in || line.size() < 3)
            continue;
        if (line[2] != ' ') {
            size_t gap = line.find("  ", 2);
            entries.push_back({trim(line.substr(2, gap == std::string::npos ? gap : gap - 2)),
                               gap == std::string::npos ? "" : trim(line.substr(gap))});
        } else if (!entries.empty()) {
            entries.back().text += (entries.back().text.empty() ? "" : " ") + trim(line);
        }
    }
    return entries;
}

void commands(std::ostream &out, const lines_t &help)
{
    out << ".SH COMMANDS\n";
    for (const help_entry &entry : help_entries(help)) {
        size_t space = entry.command.find(' ');
        out << ".TP\n\\fB" << escape(entry.command.substr(0, space)) << "\\fR";
        if (space != std::string::npos)
            out << escape(entry.command.substr(space));
        out << "\n" << escape(entry.text) << "\n";
    }
}

void header(std::ostream &out, const char *name, const std::string &date)
{
    std::string upper;
    for (const char *p = name; *p; p++)
        upper += static_cast<char>(*p >= 'a' && *p <= 'z' ? *p - 'a' + 'A' : *p);
    out << ".TH " << escape(upper) << " 1 " << date << " ixo \"User Commands\"\n";
}

const char *ixo_sim_head = R"(.SH NAME
ixo\-sim \- ixo on an emulated host
.SH SYNOPSIS
.B ixo\-sim
.RI [ class
.I command
.RI [ target ]
.RI [ argument ...]]
.SH DESCRIPTION
.B ixo\-sim
is
.BR ixo (8)
with the same front end and library, running on an emulated kernel,
emulated drivers and adapter firmware and a small emulated Fibre Channel
fabric instead of the real ones.
It takes every command, prints every output and exits with every status
that
.BR ixo (8)
documents, so that scripts can be tried against it on a machine without
the adapters.
.PP
The emulated host lives in a directory of its own, the emulated root, under
which the system's paths are mapped: \fI/sys\fR, \fI/dev\fR, \fI/proc\fR,
\fI/lib/firmware\fR and \fI/etc/xel.conf\fR are the root's; every other path
is the user's own file, opened where the user named it.
A missing or empty root is given the \fBdefault\fR host on first use.
.BR xelsim (1)
creates hosts from the presets or from topology files, shows them and
injects faults.
.SH ENVIRONMENT
.TP
.B IXO_SIM_ROOT
The emulated root; else \fI$HOME/.ixo\-sim\fR, else \fI/tmp/ixo\-sim\-<uid>\fR.
.TP
.B IXO_SIM_TIME_SCALE
A factor for the program's waits (1 when unset), so that a test of the
performance monitor runs its intervals in a fraction of the time; the
rates are computed from the intervals as given.
.SH TOPOLOGIES
)";

const char *ixo_sim_tail = R"(.SH FILES
.TP
.I <root>/.xelsim/host.json
The host state: the topology, names, states, settings, counters and the
pending faults.
.TP
.I <root>/.xelsim/requests.log
One line per driver request.
.TP
.I <root>/.xelsim/frames.log
The ELS and CT frames and the CDBs the fabric saw.
.SH SEE ALSO
.BR ixo (8),
.BR xelsim (1)
)";

const char *xelsim_head = R"(.SH NAME
xelsim \- create, show and inject faults into the emulated host of ixo\-sim
.SH SYNOPSIS
.B xelsim
.I command
.RI [ argument ...]
.SH DESCRIPTION
.B xelsim
controls the emulated host that
.BR ixo\-sim (1)
runs on, in the same emulated root (\fBIXO_SIM_ROOT\fR, else
\fI$HOME/.ixo\-sim\fR): it creates hosts from the presets and topology
files that
.BR ixo\-sim (1)
describes, shows their state, their driver requests and frames, and
injects faults and events.
)";

const char *xelsim_tail = R"(.SH EXIT STATUS
.TP
.B 0
Success.
.TP
.B 1
The host is missing, or a file or its state cannot be used.
.TP
.B 2
A command line it does not understand.
.PP
Errors go to standard error.
.SH SEE ALSO
.BR ixo\-sim (1),
.BR ixo (8)
)";

bool starts(const std::string &line, const char *macro)
{
    return line.rfind(macro, 0) == 0;
}

// Tidies the page: no paragraph macro where nothing follows it or a
// heading stands before it, and text lines broken under 80 columns at
// a blank that does not leave a control character first (a tag stays
// whole).
std::string tidy(const std::string &page)
{
    lines_t in, out;
    std::istringstream text(page);
    for (std::string line; std::getline(text, line);)
        in.push_back(line);
    bool fill = true;
    for (size_t i = 0; i < in.size(); i++) {
        std::string line = in[i];
        if (line == ".PP") {
            bool after_heading = !out.empty() && (starts(out.back(), ".SH") || starts(out.back(), ".SS") ||
                                                  out.back() == ".PP");
            bool before_block = i + 1 == in.size() || starts(in[i + 1], ".SH") || starts(in[i + 1], ".SS") ||
                                starts(in[i + 1], ".TP") || starts(in[i + 1], ".IP") || in[i + 1] == ".PP";
            if (after_heading || before_block)
                continue;
        }
        if (line == ".nf" || line == ".fi")
            fill = line == ".fi";
        bool tag = !out.empty() && out.back() == ".TP";
        while (fill && !tag && line[0] != '.' && line.size() > 79) {
            size_t cut = line.rfind(' ', 79);
            while (cut != std::string::npos && cut > 0 && (line[cut + 1] == '.' || line[cut + 1] == '\''))
                cut = line.rfind(' ', cut - 1);
            if (cut == std::string::npos || cut == 0)
                break;
            out.push_back(line.substr(0, cut));
            line = line.substr(cut + 1);
        }
        out.push_back(line);
    }
    std::string joined;
    for (const std::string &line : out)
        joined += line + "\n";
    return joined;
}

bool write_file(const std::string &path, const std::string &text)
{
    std::ofstream out(path);
    out << tidy(text);
    return out.good();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: sim_mangen EMULATED_HOST_MD XELSIM_HELP OUTPUT_DIR DATE\n");
        return 2;
    }
    lines_t md = read_lines(argv[1]);
    lines_t help = read_lines(argv[2]);
    std::string dir = argv[3];
    if (md.empty() || help.empty()) {
        std::fprintf(stderr, "sim_mangen: cannot read %s or %s\n", argv[1], argv[2]);
        return 1;
    }

    std::ostringstream sim;
    header(sim, "ixo-sim", argv[4]);
    sim << ixo_sim_head;
    md_to_roff(sim, md_section(md, "Topologies"));
    sim << ixo_sim_tail;

    std::ostringstream ctl;
    header(ctl, "xelsim", argv[4]);
    ctl << xelsim_head;
    commands(ctl, help);
    ctl << ".SH FAULTS\n";
    md_to_roff(ctl, md_section(md, "Faults and the request log"));
    ctl << ".SH THE CALLER\n";
    md_to_roff(ctl, md_section(md, "The caller"));
    ctl << xelsim_tail;

    bool ok = write_file(dir + "/ixo-sim.1", sim.str()) && write_file(dir + "/xelsim.1", ctl.str());
    return ok ? 0 : 1;
}
