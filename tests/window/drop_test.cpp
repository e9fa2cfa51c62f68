// Drops: the drop handle's queries, and drops arriving through Qt's events.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <string>

#include "platform/drop.h"
#include "platform/testing.h"
#include "tests/support/narrow.h"
#include "tests/window/test_dialog.h"

namespace {

using platform::testing::LiveDrops;
using platform::testing::MakeDrop;

TEST(DragQueryFile, CountsLengthsAndCopiesWholePathsOnly) {
    const std::string longest(MAX_PATH - 1, 'a');  // fits with its NUL
    const std::string tooLong(MAX_PATH, 'b');
    const int live = LiveDrops();
    HDROP drop = MakeDrop({"/tmp/x", longest, tooLong});
    EXPECT_EQ(LiveDrops(), live + 1);

    EXPECT_EQ(DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0), 3u);
    EXPECT_EQ(DragQueryFileA(drop, 2, nullptr, 0), static_cast<UINT>(MAX_PATH));

    char buffer[MAX_PATH];
    struct Case {
        UINT index;
        UINT size;
        std::string expected;
    };
    const Case cases[] = {
        {0, MAX_PATH, "/tmp/x"},
        {0, 7, "/tmp/x"},
        {0, 6, ""},  // one byte short of the NUL: empty, not "/tmp/"
        {1, MAX_PATH, longest},
        {2, MAX_PATH, ""},  // longer than the system's limit: never cut short
        {3, MAX_PATH, ""},  // no such item
    };
    for (const Case& c : cases) {
        std::fill(std::begin(buffer), std::end(buffer), 'z');
        const UINT n = DragQueryFileA(drop, c.index, buffer, c.size);
        EXPECT_EQ(std::string(buffer), c.expected) << "item " << c.index << " size " << c.size;
        EXPECT_EQ(n, c.expected.size());
    }
    DragFinish(drop);
    DragFinish(nullptr);
    EXPECT_EQ(LiveDrops(), live);
    EXPECT_EQ(DragQueryFileA(nullptr, 0xFFFFFFFF, nullptr, 0), 0u);
}

TEST(DragQueryFile, PathsAreNarrowAndBadUtf8BytesBecomeFF) {
    HDROP drop = MakeDrop({"/tmp/文件.txt", "/tmp/\xC3(.bin", "/tmp/한.txt"});
    char buffer[MAX_PATH];
    DragQueryFileA(drop, 0, buffer, MAX_PATH);
    EXPECT_EQ(std::string(buffer), "/tmp/\xCE\xC4\xBC\xFE.txt");
    DragQueryFileA(drop, 1, buffer, MAX_PATH);
    EXPECT_EQ(std::string(buffer), "/tmp/\xFF(.bin");
    DragQueryFileA(drop, 2, buffer, MAX_PATH);
    EXPECT_EQ(testsupport::Utf8FromNarrow(buffer), "/tmp/한.txt");  // GB18030 keeps what GBK cannot
    DragFinish(drop);
}

class DropOnWindow : public ::testing::Test {
protected:
    void SetUp() override { testdlg::Register(); }

    // Delivers a drop at the widget as Qt would, enter then drop; true if accepted.
    static bool Drop(QWidget* target, QMimeData& mime) {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        QCoreApplication::processEvents();  // the drop reaches the handler once it is over
        return drop.isAccepted();
    }

    static QPlainTextEdit* Edit(testdlg::TestDialog& dlg) {
        return qobject_cast<QPlainTextEdit*>(platform::testing::WidgetOf(dlg.GetDlgItem(testdlg::IDC_TEXT)->m_hWnd));
    }
};

TEST_F(DropOnWindow, FilesDroppedOverTheDialogOrItsTextControlReachTheHandler) {
    testdlg::TestDialog dlg;
    ASSERT_TRUE(dlg.Create(testdlg::IDD_TEST));
    QMimeData mime;
    mime.setData("text/uri-list",
                 "# a comment\r\n"
                 "file:///tmp/a%20b\r\n"
                 "file://localhost/tmp/%E6%96%87\r\n"
                 "file:///tmp/bad%FF\r\n"
                 "http://example.org/x\r\n"
                 "file://elsewhere.example/tmp/y\r\n");
    const std::vector<std::string> expected = {"/tmp/a b", "/tmp/\xCE\xC4", "/tmp/bad\xFF"};

    const int live = LiveDrops();
    QWidget* edit = Edit(dlg);
    for (QWidget* target : {platform::testing::WidgetOf(dlg.m_hWnd), static_cast<QAbstractScrollArea*>(edit)->viewport()})
        EXPECT_TRUE(Drop(target, mime));
    ASSERT_EQ(dlg.drops.size(), 2u);
    EXPECT_EQ(dlg.drops[0], expected);
    EXPECT_EQ(dlg.drops[1], expected);
    EXPECT_EQ(LiveDrops(), live);
}

TEST_F(DropOnWindow, TextDropsAndWindowsWithoutAcceptFilesTakeNothing) {
    testdlg::TestDialog accepting;
    ASSERT_TRUE(accepting.Create(testdlg::IDD_TEST));
    QMimeData text;
    text.setText("dropped text");
    EXPECT_FALSE(Drop(static_cast<QAbstractScrollArea*>(Edit(accepting))->viewport(), text));
    EXPECT_TRUE(Edit(accepting)->toPlainText().isEmpty());

    testdlg::TestDialog refusing(testdlg::IDD_TEST_NO_DROPS);
    ASSERT_TRUE(refusing.Create(testdlg::IDD_TEST_NO_DROPS));
    QMimeData files;
    files.setData("text/uri-list", "file:///tmp/x\r\n");
    EXPECT_FALSE(Drop(platform::testing::WidgetOf(refusing.m_hWnd), files));
    EXPECT_TRUE(accepting.drops.empty());
    EXPECT_TRUE(refusing.drops.empty());
}

TEST_F(DropOnWindow, DefaultHandlingReleasesADropNoHandlerTakes) {
    CDialog plain(testdlg::IDD_TEST);
    const int live = LiveDrops();
    plain.SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({"/tmp/x"})), 0);
    EXPECT_EQ(LiveDrops(), live);
}

}  // namespace
