// Message boxes through the test seam: what the layer shows.
#include <gtest/gtest.h>

#include "platform/app.h"
#include "platform/testing.h"

namespace {

TEST(MessageBox, CaptionIsTheApplicationNameAndATypeWithoutIconGetsTheExclamation) {
    std::vector<platform::testing::MessageBoxCall> shown;
    platform::testing::SetMessageBoxHandler([&](const platform::testing::MessageBoxCall& call) {
        shown.push_back(call);
        return IDOK;
    });
    EXPECT_EQ(AfxMessageBox("\xC4\xDA\xB4\xE6\xB2\xBB\xD7\xE3\xA1\xA3"), IDOK);  // "内存不足。"
    AfxMessageBox("x", MB_ICONSTOP);
    platform::testing::SetMessageBoxHandler(nullptr);

    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, "内存不足。");
    EXPECT_EQ(shown[0].caption, "window_tests");  // the executable's name
    EXPECT_EQ(shown[0].type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(shown[0].owner, nullptr);  // no main window
    EXPECT_EQ(shown[1].type, MB_ICONSTOP);
}

}  // namespace
