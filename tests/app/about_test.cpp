// The About item of the main window's menu, the handler of window-menu
// commands, and the About box itself.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "platform/app.h"
#include "platform/resources.h"
#include "platform/testing.h"
#include "res/resource.h"
#include "shell/AboutDlg.h"
#include "shell/Md5Dlg.h"

namespace {

using platform::testing::MenuCall;
using platform::testing::WidgetOf;

// Records the window-menu commands that reach default handling.
class RecordingMd5Dlg : public CMd5Dlg {
public:
    std::vector<std::pair<WPARAM, LPARAM>> passedOn;

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SYSCOMMAND) passedOn.emplace_back(wParam, lParam);
        return CMd5Dlg::DefWindowProc(message, wParam, lParam);
    }
};

QWidget* Widget(CWnd& wnd) { return WidgetOf(wnd.m_hWnd); }
QWidget* Control(CDialog& dlg, int id) { return WidgetOf(dlg.GetDlgItem(id)->m_hWnd); }

class AboutBox : public ::testing::Test {
protected:
    void TearDown() override {
        platform::testing::SetModalHook(nullptr);
        platform::testing::SetMenuHandler(nullptr);
    }

    // Runs dlg as the application's main window; inMain runs inside its loop.
    int RunMain(CMd5Dlg& dlg, std::function<void(CDialog&)> inMain) {
        m_app.m_pMainWnd = &dlg;
        platform::testing::SetModalHook(std::move(inMain));
        return dlg.DoModal();
    }

    // The next modal loop is the About box's: check it, then close it by close.
    void ExpectAbout(std::function<void(CDialog&)> close) {
        ++m_expected;
        platform::testing::SetModalHook([this, close = std::move(close)](CDialog& about) {
            ++m_shown;
            CheckAbout(about);
            // A box that ignores its closing key would hold the test for ever.
            QTimer::singleShot(5000, Widget(about), [&about] {
                ADD_FAILURE() << "the About box did not close";
                about.EndDialog(IDCANCEL);
            });
            close(about);
        });
    }

    void CheckAbout(CDialog& about) {
        EXPECT_NE(dynamic_cast<CMd5AboutDlg*>(&about), nullptr);
        QWidget* box = Widget(about);
        QWidget* main = Widget(*m_app.m_pMainWnd);
        EXPECT_EQ(box->windowTitle().toStdString(), "关于DU5zido");

        const QList<QLabel*> labels = box->findChildren<QLabel*>();
        ASSERT_EQ(labels.size(), 3);
        QImage icon(APP_ICON_XPM);
        EXPECT_EQ(labels[0]->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                  icon.convertToFormat(QImage::Format_ARGB32));
        EXPECT_EQ(labels[1]->text().toStdString(), "ZembrikMD5检测程序 1.0 版");
        EXPECT_EQ(labels[2]->text().toStdString(), "版权所有 (C) 2026 Zembrik");
        auto* ok = qobject_cast<QPushButton*>(Control(about, IDOK));
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->text().toStdString(), "确定");
        EXPECT_TRUE(ok->isDefault());
        EXPECT_EQ(box->focusWidget(), ok);

        // Over the main window, which takes no input meanwhile: its Esc would end it.
        const QPoint offset = box->frameGeometry().center() - main->frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << "," << offset.y();
        EXPECT_EQ(QApplication::activeModalWidget(), box);
        QTest::keyClick(main->windowHandle(), Qt::Key_Escape);
        EXPECT_TRUE(main->isVisible());
    }

    CWinApp m_app;
    int m_expected = 0;
    int m_shown = 0;
};

TEST_F(AboutBox, MenuStepAppendsTheItemOnlyWhenItsTextExists) {
    const std::span<const platform::StringResource> programStrings = platform::ProgramStrings();
    const platform::StringResource without101[] = {{102, "x"}};
    struct Case {
        const char* name;
        std::span<const platform::StringResource> strings;
        std::vector<UINT_PTR> ids;
    };
    const Case cases[] = {
        {"string 101", programStrings, {SC_MOVE, SC_CLOSE, 0, IDM_ABOUT}},
        {"no string 101", without101, {SC_MOVE, SC_CLOSE}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform::RegisterProgramStrings(c.strings);
        std::vector<MenuCall> menus;
        platform::testing::SetMenuHandler([&](const MenuCall& call) {
            menus.push_back(call);
            return std::nullopt;
        });
        CMd5Dlg dlg;
        ASSERT_TRUE(dlg.Create(IDD_MAIN));
        QTest::keyClick(Control(dlg, IDC_CLEAR), Qt::Key_Space, Qt::AltModifier);
        dlg.DestroyWindow();
        platform::RegisterProgramStrings(programStrings);

        ASSERT_EQ(menus.size(), 1u);
        std::vector<UINT_PTR> ids;
        for (const auto& item : menus[0].items) ids.push_back(item.id);
        EXPECT_EQ(ids, c.ids);
        if (ids.size() == 4) {
            EXPECT_EQ(menus[0].items[2].flags, MF_SEPARATOR);
            EXPECT_EQ(menus[0].items[3].flags, MF_STRING);
            EXPECT_EQ(menus[0].items[3].text, "关于 ZembrikMD5 Checker(&A)...");
        }
    }
}

TEST_F(AboutBox, AltSpaceThenAOpensItAndEachWayOfClosingItReturnsToTheMainWindow) {
    CMd5Dlg dlg;
    const std::function<void(CDialog&)> closes[] = {
        [](CDialog& about) { QTest::keyClick(Widget(about)->focusWidget(), Qt::Key_Escape); },
        [](CDialog& about) { QTest::keyClick(Widget(about)->focusWidget(), Qt::Key_Return); },
        [](CDialog& about) { static_cast<QPushButton*>(Control(about, IDOK))->click(); },
        [](CDialog& about) { Widget(about)->close(); },
    };
    std::string listingBefore;
    int topLevelsBefore = 0;
    const int result = RunMain(dlg, [&](CDialog& main) {
        listingBefore = qobject_cast<QPlainTextEdit*>(Control(main, IDC_LISTING))->toPlainText().toStdString();
        topLevelsBefore = QApplication::topLevelWidgets().size();
        for (const auto& close : closes) {
            ExpectAbout(close);
            // The real menu, answered with its access key.
            QTimer::singleShot(0, [] {
                if (QWidget* menu = QApplication::activePopupWidget()) QTest::keyClick(menu, Qt::Key_A);
            });
            QTest::keyClick(Widget(main)->focusWidget(), Qt::Key_Space, Qt::AltModifier);
            EXPECT_EQ(m_shown, m_expected);
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // nothing blocks the main window
        }
        // Nothing left behind, nothing changed.
        EXPECT_EQ(QApplication::topLevelWidgets().size(), topLevelsBefore);
        EXPECT_EQ(qobject_cast<QPlainTextEdit*>(Control(main, IDC_LISTING))->toPlainText().toStdString(),
                  listingBefore);
        main.EndDialog(IDOK);
    });
    EXPECT_EQ(result, IDOK);  // the main window ran on until ended here
    EXPECT_EQ(m_shown, 4);
}

TEST_F(AboutBox, SysCommandOpensItForItsIdWhateverTheOtherBitsAndPassesTheRestOn) {
    constexpr LPARAM kLParam = 0x12345;
    struct Case {
        WPARAM nID;
        bool about;
        int result;  // the main window's end: 42 when it ran on until ended here
    };
    const Case cases[] = {
        {0x0010, true, 42},     {0x001F, true, 42},    {0xABCD0010, true, 42},
        {0x000F, false, 42},    {0x0020, false, 42},   {SC_MOVE, false, 42},
        {SC_CLOSE, false, IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.nID);
        RecordingMd5Dlg dlg;
        const int result = RunMain(dlg, [&](CDialog& main) {
            if (c.about) ExpectAbout([](CDialog& about) { about.EndDialog(IDOK); });
            main.SendMessage(WM_SYSCOMMAND, c.nID, kLParam);
            platform::testing::SetModalHook(nullptr);
            if (c.result == 42) main.EndDialog(42);
        });
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(m_shown, m_expected);
        using Passed = std::vector<std::pair<WPARAM, LPARAM>>;
        const Passed expected = c.about ? Passed{} : Passed{{c.nID, kLParam}};
        EXPECT_EQ(dlg.passedOn, expected);
    }
}

}  // namespace
