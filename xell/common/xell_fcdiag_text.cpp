// The texts of the rejects the fabric diagnostics meet: ELS LS_RJT reasons
// and explanations, the trace route's rejection reasons and the CT reject
// reasons and explanations.
#include "xell_fcdiag.h"

#include <cstdio>

namespace {

struct code_text {
    uint8_t code;
    const char *text;
};

// The table's text for the code, else other (a format that may show the code).
template <size_t N>
void table_text(const code_text (&table)[N], uint8_t code, const char *other, char *text)
{
    if (text == nullptr)
        return;
    for (const auto &entry : table)
        if (entry.code == code) {
            std::snprintf(text, XELL_RJT_TEXT_MAX, "%s", entry.text);
            return;
        }
    std::snprintf(text, XELL_RJT_TEXT_MAX, other, static_cast<int>(code));
}

const code_text ls_rjt_reasons[] = {
    {1, "Invalid ELS command code"},
    {3, "Logical error"},
    {5, "Logical busy"},
    {7, "Protocol error"},
    {9, "Unable to perform command request"},
    {11, "Command not supported"},
};

const code_text ls_rjt_expls[] = {
    {0, "No additional Info"},
    {1, "sparams err options"},
    {3, "sparams err initiator ctl"},
    {5, "sparams err recvr ctl"},
    {7, "sparams err rx_sz"},
    {9, "sparams err concurrent seq"},
    {11, "sparams err credit"},
    {13, "Invalid port name"},
    {14, "Invalid node fabric name"},
    {15, "Invalid common srvc params"},
    {17, "Invalid associator header"},
    {19, "Associator header requrired"},
    {21, "Invalid originator S_ID"},
    {23, "Invalid OXID/RXID combination"},
    {25, "Command already in progress"},
    {30, "Login required"},
    {31, "Invalid N_Port ID"},
    {41, "Insufficient resources"},
    {44, "Command not supported"},
    {45, "Invalid payload length"},
};

const code_text ftrace_rejects[] = {
    {0, "Command Completed Successfully"},
    {1, "Command not supported in the next Switch"},
    {2, "No response from the next Switch"},
    {3, "Maximum hop count reached"},
    {4, "Source Port not in Fabric"},
    {5, "Destination Port not in Fabric"},
    {6, "Devices not in Common Zone"},
    {7, "No Route between Designated ports"},
    {8, "No Additional Explanation"},
    {9, "Fabric Busy"},
    {10, "Fabric Build in progress"},
};

const code_text ct_rjt_reasons[] = {
    {1, "Invalid command code"},
    {2, "Invalid version level"},
    {3, "Logical error"},
    {4, "Invalid CT_IU Size"},
    {5, "Logical busy"},
    {7, "Protocol error"},
    {9, "Unable to perform command request"},
    {11, "Command not supported"},
    {13, "Server Not Available"},
    {14, "Session Could not be Established"},
    {255, "Vendor Specific"},
};

const code_text ct_rjt_expls[] = {
    {0, "No additional explanation"},
    {1, "Port Identifier not registered"},
    {2, "Port Name not registered"},
    {3, "Node Name not registered"},
    {4, "Class of Service not registered"},
    {5, "IP Address (Node) not registered"},
    {6, "Initial Process Associator not registered"},
    {7, "FC-4 TYPEs not registered"},
    {8, "Symbolic Port Name not registered"},
    {9, "Symbolic Node Name not registered"},
    {10, "Port Type not registered"},
    {11, "IP Address (Port) not registered"},
    {12, "Fabric Port Name not registered"},
    {13, "Hard Address not registered"},
    {14, "Obsolete"},
    {15, "FC-4 Features not registered"},
    {16, "Access denied"},
    {17, "Unacceptable Port Identifier"},
    {18, "Data base empty"},
    {19, "No object registered in the specified scope"},
    {20, "Domain ID not present"},
    {21, "Port number not present"},
    {22, "No device attached"},
};

} // namespace

void xell_ls_rjt_reason(uint8_t code, char *text)
{
    table_text(ls_rjt_reasons, code, "Unknown reason code (%d)", text);
}

void xell_ls_rjt_reason_expl(uint8_t code, char *text)
{
    table_text(ls_rjt_expls, code, "Unknown reason expl (%d)", text);
}

void xell_ftrc_strc_rjt_reason_expl(uint8_t code, char *text)
{
    table_text(ftrace_rejects, code, code >= 240 ? "Vendor Specific Error : 0x%x" : "Unknown Reason Code : 0x%x", text);
}

void xell_fcct_rjt_reason(uint8_t code, char *text)
{
    table_text(ct_rjt_reasons, code, "Unknown Reason Code", text);
}

void xell_fcct_rjt_reason_expl(uint8_t code, char *text)
{
    table_text(ct_rjt_expls, code, "Unknown Explanation", text);
}
