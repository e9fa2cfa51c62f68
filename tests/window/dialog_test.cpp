// The dialog manager: modal runs, keys, data exchange and the listing refresh.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QCoreApplication>
#include <QScrollBar>
#include <QTest>

#include "platform/testing.h"
#include "tests/support/narrow.h"
#include "tests/window/test_dialog.h"

namespace {

using platform::testing::WidgetOf;

QWidget* Widget(CWnd& dlg, int id) { return WidgetOf(dlg.GetDlgItem(id)->m_hWnd); }

class DialogManager : public ::testing::Test {
protected:
    void SetUp() override { testdlg::Register(); }
};

TEST_F(DialogManager, KeysEndTheModalLoopWithTheirButtonsCode) {
    struct Case {
        const char* name;
        int focusId;  // 0: the first tab stop, as after initialisation
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int expected;
    };
    const Case cases[] = {
        {"Enter presses the default button", 0, Qt::Key_Return, Qt::NoModifier, IDOK},
        {"Enter in the text control presses the default button", testdlg::IDC_TEXT, Qt::Key_Enter,
         Qt::KeypadModifier, IDOK},
        {"Enter on another button presses that one", IDCANCEL, Qt::Key_Return, Qt::NoModifier, IDCANCEL},
        {"Space presses the focused button", IDCANCEL, Qt::Key_Space, Qt::NoModifier, IDCANCEL},
        {"Esc is Cancel", testdlg::IDC_TEXT, Qt::Key_Escape, Qt::NoModifier, IDCANCEL},
        {"Alt+F4 is Close, and Close is Cancel", 0, Qt::Key_F4, Qt::AltModifier, IDCANCEL},
    };
    for (const Case& c : cases) {
        testdlg::TestDialog dlg;
        platform::testing::SetModalHook([&](CDialog& d) {
            QWidget* focus = c.focusId ? Widget(d, c.focusId) : WidgetOf(d.m_hWnd)->focusWidget();
            ASSERT_NE(focus, nullptr);
            focus->setFocus();
            QTest::keyClick(focus, c.key, c.modifiers);
        });
        EXPECT_EQ(dlg.DoModal(), c.expected) << c.name;
        EXPECT_EQ(dlg.m_hWnd, nullptr) << c.name;
    }
}

TEST_F(DialogManager, CloseBoxAndExitButtonEndWithCancel) {
    for (const bool closeBox : {true, false}) {
        testdlg::TestDialog dlg;
        platform::testing::SetModalHook([&](CDialog& d) {
            if (closeBox)
                WidgetOf(d.m_hWnd)->close();
            else
                static_cast<QPushButton*>(Widget(d, IDCANCEL))->click();
        });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    }
}

TEST_F(DialogManager, MissingTemplateFailsTheModalRun) {
    CDialog dlg(12345);
    EXPECT_EQ(dlg.DoModal(), -1);
}

TEST_F(DialogManager, OkSavesTheControlsTextWithCrLf) {
    testdlg::TestDialog dlg;
    dlg.m_strText = "a\r\nb";
    platform::testing::SetModalHook([](CDialog& d) { QTest::keyClick(Widget(d, IDOK), Qt::Key_Return); });
    // OnInitDialog shows the text, OnOK reads it back.
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strText, "a\r\nb");
}

// The text control must show exactly the string after every refresh, whether
// the layer appended the new tail or replaced the whole text.
TEST_F(DialogManager, RefreshShowsExactlyTheStringWhetherAppendedOrReplaced) {
    testdlg::TestDialog dlg;
    ASSERT_TRUE(dlg.Create(testdlg::IDD_TEST));
    auto* edit = qobject_cast<QPlainTextEdit*>(Widget(dlg, testdlg::IDC_TEXT));
    CString& text = dlg.m_strText;
    const std::string wen = testsupport::NarrowFromUtf8("文件");
    const std::function<void()> steps[] = {
        [&] { text = "head\r\n"; },
        [&] { text += "1\tA\r\n"; },
        [&] { text += (wen + "\r\n").c_str(); },
        [&] { text += "no line end"; },
        [&] { text += (" " + wen + "\r\n").c_str(); },  // the old end was not a line end
        [&] { text += ""; },
        [&] { text = "AB\r\n"; },
        [&] { text = "CD\r\n"; text += "E\r\n"; },  // same length as shown, then longer: a new text
        [&] { CString copy = text; copy += "F\r\n"; text = copy; text += "G\r\n"; },
        [&] { text.Empty(); },
        [&] { text += "again\r\n"; },
    };
    int step = 0;
    for (const auto& change : steps) {
        change();
        dlg.UpdateData(FALSE);
        EXPECT_EQ(edit->toPlainText().toStdString(), testsupport::ShownText(text.Bytes())) << "step " << step;
        ++step;
    }
}

// Rows appended one refresh at a time end up with the same scroll range as
// the whole text set at once, once the event loop has run.
TEST_F(DialogManager, AppendedRowsGetTheScrollRangeOfTheWholeText) {
    testdlg::TestDialog appended, whole;
    ASSERT_TRUE(appended.Create(testdlg::IDD_TEST));
    ASSERT_TRUE(whole.Create(testdlg::IDD_TEST));
    appended.m_strText = "first\r\n";
    appended.UpdateData(FALSE);
    for (int i = 0; i < 100; ++i) {
        appended.m_strText += "row\r\n";
        appended.UpdateData(FALSE);
    }
    whole.m_strText = CString(std::string(appended.m_strText.Bytes()));
    whole.UpdateData(FALSE);
    QCoreApplication::processEvents();
    const auto* a = qobject_cast<QPlainTextEdit*>(Widget(appended, testdlg::IDC_TEXT));
    const auto* w = qobject_cast<QPlainTextEdit*>(Widget(whole, testdlg::IDC_TEXT));
    EXPECT_GT(w->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(a->verticalScrollBar()->maximum(), w->verticalScrollBar()->maximum());
}

TEST_F(DialogManager, RefreshPutsTheViewBackOnTheFirstLine) {
    testdlg::TestDialog dlg;
    ASSERT_TRUE(dlg.Create(testdlg::IDD_TEST));
    auto* edit = qobject_cast<QPlainTextEdit*>(Widget(dlg, testdlg::IDC_TEXT));
    for (int i = 0; i < 200; ++i) dlg.m_strText += "a line of the listing\r\n";
    dlg.UpdateData(FALSE);
    for (const bool append : {true, false}) {
        edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->maximum());
        edit->moveCursor(QTextCursor::End);
        ASSERT_GT(edit->verticalScrollBar()->value(), 0);
        if (append)
            dlg.m_strText += "one more\r\n";
        else
            dlg.m_strText = CString(std::string(dlg.m_strText.Bytes()));
        dlg.UpdateData(FALSE);
        EXPECT_EQ(edit->verticalScrollBar()->value(), 0) << append;
        EXPECT_EQ(edit->textCursor().position(), 0) << append;
    }
}

}  // namespace
