// The application's start: the single-instance guard's decision and what each
// way shows. The counter here is this process's own word, set by the test.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <cerrno>
#include <string>
#include <vector>

#include "platform/instance_counter.h"
#include "platform/testing.h"
#include "shell/Md5App.h"
#include "shell/Md5Dlg.h"

namespace {

using platform::testing::MessageBoxCall;
using platform::testing::WidgetOf;

// The name this executable was started under (argv[0]), found apart from the
// layer's own lookup, so that a renamed copy must change the caption.
std::string StartedName() {
    std::string name = program_invocation_short_name;
    return name.substr(0, name.rfind('.'));
}

TEST(Startup, GuardDecidesOnTheCountBeforeThisStartAndEveryPathReturnsFalse) {
    struct Case {
        LONG before;
        bool runs;
    };
    // A signed comparison: a count below zero lets the start through.
    const Case cases[] = {{0, true}, {-1, true}, {1, false}, {7, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        CMd5App app;
        std::vector<MessageBoxCall> boxes;
        platform::testing::SetMessageBoxHandler([&](const MessageBoxCall& call) {
            boxes.push_back(call);
            return IDOK;
        });
        bool ran = false;
        platform::testing::SetModalHook([&](CDialog& d) {
            ran = true;
            EXPECT_NE(dynamic_cast<CMd5Dlg*>(&d), nullptr);
            EXPECT_EQ(app.m_pMainWnd, &d);
            EXPECT_TRUE(WidgetOf(d.m_hWnd)->isVisible());
            QTest::keyClick(WidgetOf(d.m_hWnd)->focusWidget(), Qt::Key_Escape);
        });
        g_nInstanceCount = c.before;

        EXPECT_FALSE(app.InitInstance());

        platform::testing::SetModalHook(nullptr);
        platform::testing::SetMessageBoxHandler(nullptr);
        EXPECT_EQ(g_nInstanceCount, c.before + 1);  // every start counts, refused or not
        EXPECT_EQ(ran, c.runs);
        EXPECT_EQ(app.m_pMainWnd, nullptr);  // never left pointing at the ended dialog
        if (c.runs) {
            EXPECT_TRUE(boxes.empty());
            continue;
        }
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, "该程序已经在运行！");
        EXPECT_EQ(boxes[0].caption, StartedName());
        EXPECT_EQ(boxes[0].type, MB_OK | MB_ICONEXCLAMATION);
        EXPECT_EQ(boxes[0].owner, nullptr);
    }
}

}  // namespace
