// The listing text byte for byte. Narrow bytes are written as escapes; no
// narrow-text flag here.
#include <gtest/gtest.h>

#include <string>

#include "platform/exceptions.h"
#include "shell/Md5Dlg.h"
#include "tests/listing/cells.h"
#include "tests/support/temp_dir.h"

namespace {

// 序号\tMD5\t\t\t\t\t文件\r\n
const std::string kHeader = "\xD0\xF2\xBA\xC5\tMD5\t\t\t\t\t\xCE\xC4\xBC\xFE\r\n";

std::string Rule() {
    std::string rule;
    for (int i = 0; i < 45; ++i) rule += "\xA9\xA4";  // ─
    return rule + "\r\n";
}

std::string Listing(const CMd5Dlg& dlg) { return dlg.m_strListing.Bytes(); }

TEST(Listing, StartsAsHeaderAndRule) {
    CMd5Dlg dlg;
    EXPECT_EQ(kHeader.size(), 19u);
    EXPECT_EQ(Rule().size(), 92u);
    EXPECT_EQ(Listing(dlg), kHeader + Rule());
    EXPECT_EQ(dlg.m_nRowCount, 0);
}

TEST(Listing, RowsAreNumberedFromOneAndResetStartsOver) {
    CMd5Dlg dlg;
    CString digest("0123456789ABCDEF0123456789ABCDEF");
    CString folder(test::kFolderCell);
    CString unreadable(test::kUnreadableCell);
    CString path("/home/u/\xCE\xC4\xBC\xFE.txt");  // 文件.txt
    const std::string top = kHeader + Rule();

    dlg.AppendRow(digest, path);
    dlg.AppendRow(folder, path);
    dlg.AppendRow(unreadable, path);
    EXPECT_EQ(Listing(dlg), top + "1\t0123456789ABCDEF0123456789ABCDEF\t/home/u/\xCE\xC4\xBC\xFE.txt\r\n" +
                                "2\t\xCE\xC4\xBC\xFE\xBC\xD0\t\t\t\t\t/home/u/\xCE\xC4\xBC\xFE.txt\r\n" +
                                "3\t\xB6\xC1\xC8\xA1\xCE\xC4\xBC\xFE\xB4\xED\xCE\xF3\t\t\t\t/home/u/\xCE\xC4\xBC\xFE.txt\r\n");

    for (int i = 4; i <= 9; ++i) dlg.AppendRow(digest, path);
    const std::string beforeTen = Listing(dlg);
    dlg.AppendRow(digest, path);
    EXPECT_EQ(Listing(dlg), beforeTen + "10\t0123456789ABCDEF0123456789ABCDEF\t/home/u/\xCE\xC4\xBC\xFE.txt\r\n");
    EXPECT_EQ(dlg.m_nRowCount, 10);

    dlg.ResetListing();
    EXPECT_EQ(Listing(dlg), top);
    EXPECT_EQ(dlg.m_nRowCount, 0);
    dlg.ResetListing();
    EXPECT_EQ(Listing(dlg), top);
    dlg.AppendRow(folder, path);
    EXPECT_EQ(Listing(dlg), top + "1\t\xCE\xC4\xBC\xFE\xBC\xD0\t\t\t\t\t/home/u/\xCE\xC4\xBC\xFE.txt\r\n");
}

// Each item as the window handles it: the cell first, then the row. A file
// whose digest fails after the open leaves the listing as it was, and the
// next file takes the number the failed one would have had.
TEST(Listing, AFailingItemLeavesNoTraceAndUsesNoNumber) {
    test::TempDir dir;
    CString file(dir.Write("f", "contents").c_str());
    CString tooBig(dir.Sparse("4GiB", std::int64_t{1} << 32).c_str());
    CMd5Dlg dlg;
    auto handle = [&dlg](CString& path) {
        CString cell = dlg.GetFileMd5(path);
        dlg.AppendRow(cell, path);
    };

    handle(file);
    const std::string afterFirst = Listing(dlg);
    EXPECT_THROW(handle(tooBig), CFileException);
    EXPECT_EQ(Listing(dlg), afterFirst);
    EXPECT_EQ(dlg.m_nRowCount, 1);

    handle(file);
    const std::string row = test::ReferenceMd5("contents") + "\t" + dir.Path() + "/f\r\n";
    EXPECT_EQ(Listing(dlg), kHeader + Rule() + "1\t" + row + "2\t" + row);
}

}  // namespace
