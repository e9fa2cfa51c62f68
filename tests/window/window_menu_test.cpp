// The layer's own window menu: its items, what opens it, what choosing does.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QContextMenuEvent>
#include <QTest>
#include <QTimer>

#include "platform/menu.h"
#include "platform/testing.h"
#include "tests/window/test_dialog.h"

namespace {

using platform::testing::MenuCall;
using platform::testing::WidgetOf;

class WindowMenu : public ::testing::Test {
protected:
    void SetUp() override {
        testdlg::Register();
        platform::testing::SetMenuHandler([this](const MenuCall& call) {
            calls.push_back(call);
            return answer;
        });
    }
    void TearDown() override { platform::testing::SetMenuHandler(nullptr); }

    std::vector<MenuCall> calls;
    std::optional<UINT_PTR> answer;
};

TEST_F(WindowMenu, HoldsMoveCloseAndWhatTheProgramAppends) {
    testdlg::TestDialog dlg;
    ASSERT_TRUE(dlg.Create(testdlg::IDD_TEST));
    CMenu* menu = dlg.GetSystemMenu(FALSE);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(dlg.GetSystemMenu(FALSE), menu);  // the window's one menu
    EXPECT_EQ(GetSystemMenu(dlg.m_hWnd, FALSE), menu->m_hMenu);
    EXPECT_EQ(dlg.GetDlgItem(IDOK)->GetSystemMenu(FALSE), nullptr);  // controls have none
    menu->AppendMenu(MF_SEPARATOR);
    menu->AppendMenu(MF_STRING, 0x0010, "\xB9\xD8\xD3\xDA(&A)...");  // "关于(&A)..."

    answer = 0x0010;
    QTest::keyClick(WidgetOf(dlg.GetDlgItem(IDOK)->m_hWnd), Qt::Key_Space, Qt::AltModifier);
    ASSERT_EQ(calls.size(), 1u);
    const auto& items = calls[0].items;
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].id, SC_MOVE);
    EXPECT_EQ(items[1].id, SC_CLOSE);
    EXPECT_NE(items[1].text.find("Alt+F4"), std::string::npos);
    EXPECT_EQ(items[2].flags, MF_SEPARATOR);
    EXPECT_EQ(items[3].text, "关于(&A)...");
    EXPECT_EQ(dlg.sysCommands, std::vector<UINT>{0x0010});

    EXPECT_EQ(dlg.GetSystemMenu(TRUE), nullptr);  // back to the layer's items
    QTest::keyClick(WidgetOf(dlg.GetDlgItem(IDOK)->m_hWnd), Qt::Key_Space, Qt::AltModifier);
    EXPECT_EQ(calls.back().items.size(), 2u);
}

TEST_F(WindowMenu, OpensFromKeysAndRightClicksOutsideTheTextControl) {
    testdlg::TestDialog dlg;
    ASSERT_TRUE(dlg.Create(testdlg::IDD_TEST));
    QWidget* window = WidgetOf(dlg.m_hWnd);
    QWidget* button = WidgetOf(dlg.GetDlgItem(IDCANCEL)->m_hWnd);
    auto* edit = static_cast<QAbstractScrollArea*>(WidgetOf(dlg.GetDlgItem(testdlg::IDC_TEXT)->m_hWnd));
    auto rightClick = [](QWidget* w) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::sendEvent(w, &event);
    };
    // The text control's own menu would run a loop of its own: close it at once.
    auto closeOwnMenu = [] {
        QTimer::singleShot(0, [] {
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        });
    };

    struct Case {
        const char* name;
        std::function<void()> act;
        bool opens;
    };
    const Case cases[] = {
        {"Alt+Space", [&] { QTest::keyClick(button, Qt::Key_Space, Qt::AltModifier); }, true},
        {"Shift+F10 on a button", [&] { QTest::keyClick(button, Qt::Key_F10, Qt::ShiftModifier); }, true},
        {"right click on the dialog", [&] { rightClick(window); }, true},
        {"right click on a button", [&] { rightClick(button); }, true},
        {"right click on the text control",
         [&] {
             closeOwnMenu();
             rightClick(edit->viewport());
         },
         false},
        {"Shift+F10 in the text control",
         [&] {
             edit->setFocus();
             closeOwnMenu();
             QTest::keyClick(edit, Qt::Key_F10, Qt::ShiftModifier);
         },
         false},
    };
    for (const Case& c : cases) {
        const std::size_t before = calls.size();
        c.act();
        EXPECT_EQ(calls.size(), before + (c.opens ? 1 : 0)) << c.name;
    }
}

TEST_F(WindowMenu, CloseEndsTheDialogWithCancel) {
    testdlg::TestDialog dlg;
    answer = SC_CLOSE;
    platform::testing::SetModalHook([](CDialog& d) { QTest::keyClick(WidgetOf(d.m_hWnd), Qt::Key_Space, Qt::AltModifier); });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

}  // namespace
