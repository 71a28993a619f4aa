#include "xell.h"

#include <gtest/gtest.h>

#include <string>

TEST(StatusToString, MessagesAndOutOfRangeCodes)
{
    struct {
        int status;
        const char *message;
    } const cases[] = {
        {0, "Success "},
        {1, "Operation failed "},
        {26, "Command/API not supported "},
        {95, "Can't read windows registry "},
        {180, "Microsoft Hyper-V is enabled on this Port/VLAN.\nPlease remove this Port/VLAN from Microsoft "
              "Hyper-V configuration\nusing Microsoft Hyper-V tools and then try this operation again. "},
        {253, "One/more vNIC(s) of the port is part of an lacp team or has teams configured "},
        {254, "Unknown Failure"},
        {255, "Unknown Failure"},
        {4001, "Unknown Failure"},
        {-1, "Unknown Failure"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(xell_status_to_string(static_cast<xel_status_t>(c.status)), std::string(c.message)) << c.status;
}

TEST(StatusToString, EveryCodeHasAMessageEndingInOneSpace)
{
    for (int status = 0; status < XEL_STATUS_MAX_VAL; status++) {
        std::string message = xell_status_to_string(static_cast<xel_status_t>(status));
        ASSERT_GE(message.size(), 2u) << status;
        EXPECT_EQ(message.back(), ' ') << status;
        EXPECT_NE(message[message.size() - 2], ' ') << status;
    }
}

TEST(LastError, KeepsTheLastRecordedStatus)
{
    EXPECT_EQ(xell_get_last_error(), XEL_STATUS_OK);
    xell_set_last_error(XEL_STATUS_NO_DRIVER);
    EXPECT_EQ(xell_get_last_error(), XEL_STATUS_NO_DRIVER);
    xell_set_last_error(XEL_STATUS_OK);
}
