// Message boxes through the test seam: what the layer shows.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "platform/app.h"
#include "platform/exceptions.h"
#include "platform/testing.h"
#include "platform/window.h"

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

// An exception that leaves a handler is reported in one box, and the window goes on.
class Thrower : public CWnd {
public:
    std::function<void()> toThrow;
    int handled = 0;
    void OnPaint() {
        ++handled;
        toThrow();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Thrower, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

TEST(MessageBox, ExceptionsLeavingAHandlerAreReportedAndTheWindowGoesOn) {
    struct Case {
        const char* name;
        std::function<void()> toThrow;
        const char* text;
        UINT type;
    };
    const Case cases[] = {
        {"file error", [] { throw CFileException(CFileException::hardIO); },
         "在存取 一未命名文件 时一个硬件输入/输出错误被报告。", MB_ICONSTOP},
        {"framework's memory exception", [] { throw CMemoryException(); }, "内存不足。",
         MB_ICONEXCLAMATION | MB_SYSTEMMODAL},
        {"the library's memory exception", [] { throw std::bad_alloc(); }, "内存不足。",
         MB_ICONEXCLAMATION | MB_SYSTEMMODAL},
        {"any other library exception", [] { throw std::runtime_error("no converter"); },
         "在对 一未命名文件 进行访问时发生了一个不明错误。", MB_ICONSTOP},
    };
    for (const Case& c : cases) {
        std::vector<platform::testing::MessageBoxCall> shown;
        platform::testing::SetMessageBoxHandler([&](const platform::testing::MessageBoxCall& call) {
            shown.push_back(call);
            return IDOK;
        });
        Thrower wnd;
        wnd.toThrow = c.toThrow;
        wnd.SendMessage(WM_PAINT);
        wnd.SendMessage(WM_PAINT);  // still dispatching
        platform::testing::SetMessageBoxHandler(nullptr);
        EXPECT_EQ(wnd.handled, 2) << c.name;
        ASSERT_EQ(shown.size(), 2u) << c.name;
        EXPECT_EQ(shown[0].text, c.text) << c.name;
        EXPECT_EQ(shown[0].type, c.type) << c.name;
    }
}

}  // namespace
