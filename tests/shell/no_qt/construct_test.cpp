// The main dialog is built before any window exists: its constructor must not
// need a Qt application (this program has none).
#include <gtest/gtest.h>

#include "shell/Md5Dlg.h"

TEST(Md5DlgWithoutQt, ConstructsWithListingIconAndRowCount) {
    CMd5Dlg dlg;
    EXPECT_EQ(dlg.m_strListing.GetLength(), 111);  // the header and the rule
    EXPECT_NE(dlg.m_hAppIcon, nullptr);
    EXPECT_EQ(dlg.m_nRowCount, 0);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_FALSE(dlg.UpdateData(FALSE));  // no window to exchange with
}
