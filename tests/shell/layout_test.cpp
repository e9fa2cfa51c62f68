// Where things fall: dialog units through the template font's base units, and
// the listing's columns on its tab stops. Also run at QT_SCALE_FACTOR=2.
#include <QTextBlock>

#include "tests/shell/main_window_fixture.h"

namespace shelltest {
namespace {

class MainWindowLayout : public MainWindowTest {
protected:
    // Pixels from the start of line `line` to the first occurrence of `text` in it.
    int ColumnOf(int line, const std::string& text) {
        const QTextBlock block = Listing()->document()->findBlockByNumber(line);
        const int offset = block.text().indexOf(QString::fromStdString(text));
        EXPECT_GE(offset, 0) << text;
        return XAt(block.position() + offset) - XAt(block.position());
    }
    int XAt(int position) {
        QTextCursor cursor(Listing()->document());
        cursor.setPosition(position);
        return Listing()->cursorRect(cursor).left();
    }
};

TEST_F(MainWindowLayout, ClientAreaAndControlsFollowTheBaseUnits6By12) {
    EXPECT_EQ(Window()->size(), QSize(521, 311));
    struct Case {
        int id;
        QRect rect;
    };
    const Case cases[] = {
        {IDC_LISTING, QRect(0, 0, 521, 279)}, {IDC_BROWSE, QRect(294, 284, 63, 21)},
        {IDC_CLEAR, QRect(377, 284, 63, 21)}, {IDCANCEL, QRect(456, 284, 63, 21)},
    };
    for (const Case& c : cases) EXPECT_EQ(Control(c.id)->geometry(), c.rect) << c.id;
    EXPECT_EQ(Listing()->tabStopDistance(), 48);
}

TEST_F(MainWindowLayout, ColumnsLineUpUnderTheHeader) {
    const std::string file = MakeFile("f", "abc");
    const std::string folder = MakeFolder("d");
    Drop({file, folder, (m_folder / "missing").string()});
    const std::string lastLine = Rows().back();

    EXPECT_EQ(ColumnOf(0, "MD5"), 48);
    EXPECT_EQ(ColumnOf(0, "文件"), 288);
    EXPECT_EQ(XAt(Listing()->document()->findBlockByNumber(1).position() + 45) -
                  XAt(Listing()->document()->findBlockByNumber(1).position()),
              540);  // the rule: 90 columns
    for (int line = 2; line <= 4; ++line) {
        const std::string row = Rows()[line - 2];
        const std::size_t cell = row.find('\t') + 1;
        EXPECT_EQ(ColumnOf(line, row.substr(cell, 3)), 48) << row;
        EXPECT_EQ(ColumnOf(line, "/"), 288) << row;
    }
}

}  // namespace
}  // namespace shelltest
