// The main window's behaviour: start, drops, Browse, Clear, keys, ending, colours, icon.
#include <openssl/evp.h>

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include "tests/shell/main_window_fixture.h"

namespace shelltest {
namespace {

using platform::testing::LiveDrops;

std::string Md5Hex(const std::string& bytes) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_md5(), nullptr);
    char text[33];
    for (int i = 0; i < 16; ++i) std::snprintf(text + 2 * i, 3, "%02X", digest[i]);
    return text;
}

TEST_F(MainWindowTest, StartsWithHeaderRuleTitleFocusOnClearCentred) {
    EXPECT_EQ(Shown(), kHeader + Rule());
    EXPECT_EQ(Held(), Shown());
    EXPECT_EQ(m_dlg.m_nRowCount, 0);
    EXPECT_EQ(Window()->windowTitle().toStdString(), "KestovaMD5生成器");
    EXPECT_EQ(Window()->focusWidget(), Control(IDC_CLEAR));
    EXPECT_FALSE(Window()->windowIcon().isNull());

    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(std::abs(Window()->frameGeometry().center().x() - area.center().x()), 1);
    EXPECT_LE(std::abs(Window()->frameGeometry().center().y() - area.center().y()), 1);

    // A screen reader can name every control.
    const std::pair<int, const char*> names[] = {
        {IDC_CLEAR, "清空"}, {IDCANCEL, "退出"}, {IDC_LISTING, "摘要列表"}, {IDC_BROWSE, "浏览"}};
    for (const auto& [id, name] : names) EXPECT_EQ(Control(id)->accessibleName().toStdString(), name);
}

TEST_F(MainWindowTest, DroppedFilesGetNumberedRowsInTheDropsOrder) {
    const std::string a = MakeFile("a.txt", "abc");
    const std::string b = MakeFile("中文名.bin", std::string(1000, 'x'));
    const std::string c = MakeFile("c", "");
    Drop({a, b, c});
    EXPECT_EQ(Shown(), Held());
    const auto rows = Rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], Row(1, Md5Hex("abc"), a));
    EXPECT_EQ(rows[1], Row(2, Md5Hex(std::string(1000, 'x')), b));
    EXPECT_EQ(rows[2], Row(3, Md5Hex(""), c));
    EXPECT_EQ(m_dlg.m_nRowCount, 3);
}

TEST_F(MainWindowTest, FoldersUnreadableAndOverlongPathsGetTheirFixedCells) {
    const std::string folder = MakeFolder("sub");
    MakeFile("sub/inside.txt", "not listed");
    const std::string missing = (m_folder / "missing").string();
    // Longer than the system's path limit: delivered empty, never cut short.
    const std::string overlong = m_folder.string() + "/" + std::string(MAX_PATH, 'n');
    Drop({folder, missing, overlong});
    EXPECT_EQ(Rows(), (std::vector<std::string>{Row(1, kFolderCell, folder), Row(2, kUnreadableCell, missing),
                                                Row(3, kUnreadableCell, "")}));
    EXPECT_EQ(Shown(), Held());
}

TEST_F(MainWindowTest, FilesDroppedOverTheListingAreTaken) {
    const std::string a = MakeFile("a b.txt", "abc");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(a))});
    QWidget* viewport = Listing()->viewport();
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(Rows(), std::vector<std::string>{}) << "the drop is handled after it is over, not inside it";
    QCoreApplication::processEvents();
    EXPECT_EQ(Rows(), std::vector<std::string>{Row(1, Md5Hex("abc"), a)});
    EXPECT_EQ(Shown(), Held());
}

TEST_F(MainWindowTest, NullAndEmptyDropsChangeNothingAndAreReleased) {
    const std::string before = Shown();
    const int live = LiveDrops();
    m_dlg.SendMessage(WM_DROPFILES, 0, 0);
    Drop({});
    EXPECT_EQ(Shown(), before);
    EXPECT_EQ(m_dlg.m_nRowCount, 0);
    EXPECT_EQ(LiveDrops(), live);
}

// A file error after the open ends the drop: one box, the rows before it stay,
// no number is used up, and the drop is still released.
TEST_F(MainWindowTest, AFileErrorOnTheSecondOfThreeFilesStopsTheDropAfterOneRow) {
    const std::string a = MakeFile("a.txt", "abc");
    // 4 GiB (sparse): its length does not fit the 32-bit count, so taking it throws.
    const std::string huge = MakeFile("huge", "");
    std::filesystem::resize_file(huge, std::uintmax_t{1} << 32);
    const std::string c = MakeFile("c.txt", "c");
    std::vector<platform::testing::MessageBoxCall> boxes;
    platform::testing::SetMessageBoxHandler([&](const platform::testing::MessageBoxCall& call) {
        boxes.push_back(call);
        return IDOK;
    });
    const int live = LiveDrops();

    Drop({a, huge, c});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "对 一未命名文件 进行查找失败。");
    EXPECT_EQ(boxes[0].type, MB_ICONSTOP);
    EXPECT_EQ(Rows(), std::vector<std::string>{Row(1, Md5Hex("abc"), a)});
    EXPECT_EQ(Shown(), Held());
    EXPECT_EQ(LiveDrops(), live);

    Drop({c});
    EXPECT_EQ(Rows(), (std::vector<std::string>{Row(1, Md5Hex("abc"), a), Row(2, Md5Hex("c"), c)}));
}

TEST_F(MainWindowTest, BrowseAddsTheChosenFileOrNothing) {
    const std::string a = MakeFile("a.txt", "abc");
    const std::string typed = (m_folder / "typed-but-missing").string();
    std::optional<std::string> answer;
    std::vector<platform::testing::FileDialogCall> calls;
    platform::testing::SetFileDialogHandler([&](const platform::testing::FileDialogCall& call) {
        calls.push_back(call);
        return answer;
    });
    auto browse = [&] { static_cast<QPushButton*>(Control(IDC_BROWSE))->click(); };

    browse();  // cancelled
    EXPECT_EQ(Shown(), kHeader + Rule());
    EXPECT_EQ(m_dlg.m_nRowCount, 0);
    answer = a;
    browse();
    answer = typed;
    browse();
    EXPECT_EQ(Rows(), (std::vector<std::string>{Row(1, Md5Hex("abc"), a), Row(2, kUnreadableCell, typed)}));
    EXPECT_EQ(Shown(), Held());
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_TRUE(calls[0].open);
    EXPECT_EQ(calls[0].flags, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
}

TEST_F(MainWindowTest, ClearLeavesHeaderAndRuleAndRestartsNumbering) {
    const std::string a = MakeFile("a.txt", "abc");
    Drop({a, a});
    static_cast<QPushButton*>(Control(IDC_CLEAR))->click();
    EXPECT_EQ(Shown(), kHeader + Rule());
    EXPECT_EQ(m_dlg.m_nRowCount, 0);
    Drop({a});
    EXPECT_EQ(Rows(), std::vector<std::string>{Row(1, Md5Hex("abc"), a)});
}

TEST_F(MainWindowTest, EnterClearsUnlessTheFocusIsOnBrowse) {
    const std::string a = MakeFile("a.txt", "abc");
    int opened = 0;
    platform::testing::SetFileDialogHandler([&](const platform::testing::FileDialogCall&) {
        ++opened;
        return std::optional<std::string>();
    });
    struct Case {
        const char* name;
        int focusId;  // 0: as right after start
        bool clears;
    };
    const Case cases[] = {{"right after start", 0, true},
                          {"focus in the listing", IDC_LISTING, true},
                          {"focus on Browse", IDC_BROWSE, false}};
    for (const Case& c : cases) {
        Drop({a});
        QWidget* focus = c.focusId ? Control(c.focusId) : Window()->focusWidget();
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Return);
        EXPECT_EQ(Rows().empty(), c.clears) << c.name;
        EXPECT_EQ(opened, c.clears ? 0 : 1) << c.name;
    }
}

TEST_F(MainWindowTest, TheListingCopiesWithCtrlAAndCtrlC) {
    Drop({MakeFolder("d")});
    Listing()->setFocus();
    QTest::keyClick(Listing(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Listing(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), Held());
}

TEST_F(MainWindowTest, TabMovesClearExitListingBrowse) {
    const int order[] = {IDC_CLEAR, IDCANCEL, IDC_LISTING, IDC_BROWSE, IDC_CLEAR};
    Control(IDC_CLEAR)->setFocus();
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QTest::keyClick(Window()->focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(Window()->focusWidget(), Control(order[i])) << "tab " << i;
    }
}

TEST_F(MainWindowTest, ARefreshShowsTheListingsFirstLine) {
    const std::string folder = MakeFolder("d");
    Drop(std::vector<std::string>(60, folder));
    QCoreApplication::processEvents();  // back in the event loop, as before the user scrolls
    Listing()->verticalScrollBar()->setValue(Listing()->verticalScrollBar()->maximum());
    ASSERT_GT(Listing()->verticalScrollBar()->value(), 0);
    Drop({folder});
    EXPECT_EQ(Listing()->verticalScrollBar()->value(), 0);
    EXPECT_EQ(Listing()->textCursor().position(), 0);
    EXPECT_EQ(Shown(), Held());
}

TEST_F(MainWindowTest, OnlyTheListingIsWhite) {
    const QPalette listing = Listing()->viewport()->palette();
    EXPECT_EQ(listing.color(Listing()->viewport()->backgroundRole()), QColor(Qt::white));
    EXPECT_TRUE(Listing()->viewport()->autoFillBackground());
    for (int id : {IDC_CLEAR, IDCANCEL, IDC_BROWSE})
        EXPECT_EQ(Control(id)->palette(), QApplication::palette(Control(id))) << id;
}

TEST_F(MainWindowTest, MinimisedWindowPaintsItsIconCentredTruncatingTowardZero) {
    std::vector<platform::testing::DrawIconCall> drawn;
    platform::testing::SetDrawIconRecorder([&](const auto& call) { drawn.push_back(call); });
    m_dlg.SendMessage(WM_PAINT);
    EXPECT_TRUE(drawn.empty());  // not minimised: the dialog's own painting

    Window()->showMinimized();
    ASSERT_TRUE(m_dlg.IsIconic());
    m_dlg.SendMessage(WM_PAINT);
    Window()->setFixedSize(0, 1);
    m_dlg.SendMessage(WM_PAINT);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].x, (521 - 32 + 1) / 2);
    EXPECT_EQ(drawn[0].y, (311 - 32 + 1) / 2);
    EXPECT_EQ(drawn[1].x, -15);  // (0 - 32 + 1) / 2, not -16
    EXPECT_EQ(drawn[1].y, -15);
    EXPECT_EQ(drawn[0].icon, m_dlg.m_hAppIcon);
    EXPECT_EQ(reinterpret_cast<HICON>(m_dlg.SendMessage(WM_QUERYDRAGICON)), m_dlg.m_hAppIcon);
}

TEST(MainWindowEnd, EscExitCloseBoxAndAltF4EndWithCancel) {
    const std::function<void(CDialog&)> actions[] = {
        [](CDialog& d) { QTest::keyClick(platform::testing::WidgetOf(d.m_hWnd)->focusWidget(), Qt::Key_Escape); },
        [](CDialog& d) { static_cast<QPushButton*>(platform::testing::WidgetOf(d.GetDlgItem(IDCANCEL)->m_hWnd))->click(); },
        [](CDialog& d) { platform::testing::WidgetOf(d.m_hWnd)->close(); },
        [](CDialog& d) {
            QTest::keyClick(platform::testing::WidgetOf(d.m_hWnd)->focusWidget(), Qt::Key_F4, Qt::AltModifier);
        },
    };
    for (const auto& action : actions) {
        CMd5Dlg dlg;
        platform::testing::SetModalHook(action);
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    }
}

}  // namespace
}  // namespace shelltest
