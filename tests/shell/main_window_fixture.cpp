#include "tests/shell/main_window_fixture.h"

#include <fstream>
#include <sstream>

namespace shelltest {

void MainWindowTest::SetUp() { ASSERT_TRUE(m_dlg.Create(IDD_MAIN)); }

void MainWindowTest::TearDown() {
    platform::testing::SetMessageBoxHandler(nullptr);
    platform::testing::SetFileDialogHandler(nullptr);
    platform::testing::SetDrawIconRecorder(nullptr);
    m_dlg.DestroyWindow();
}

std::string MainWindowTest::MakeFile(const std::string& name, const std::string& bytes) {
    const std::filesystem::path path = m_folder / std::filesystem::u8path(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

std::string MainWindowTest::MakeFolder(const std::string& name) {
    const std::filesystem::path path = m_folder / name;
    std::filesystem::create_directories(path);
    return path.string();
}

void MainWindowTest::Drop(const std::vector<std::string>& utf8Paths) {
    m_dlg.SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(platform::testing::MakeDrop(utf8Paths)), 0);
}

QWidget* MainWindowTest::Window() { return platform::testing::WidgetOf(m_dlg.m_hWnd); }
QWidget* MainWindowTest::Control(int id) { return platform::testing::WidgetOf(m_dlg.GetDlgItem(id)->m_hWnd); }
QPlainTextEdit* MainWindowTest::Listing() { return qobject_cast<QPlainTextEdit*>(Control(IDC_LISTING)); }

std::string MainWindowTest::Shown() { return Listing()->toPlainText().toStdString(); }
std::string MainWindowTest::Held() { return testsupport::ShownText(m_dlg.m_strListing.Bytes()); }

std::vector<std::string> MainWindowTest::Rows() {
    std::vector<std::string> rows;
    std::istringstream lines(Held());
    std::string line;
    for (int n = 0; std::getline(lines, line); ++n)
        if (n >= 2) rows.push_back(line);
    return rows;
}

}  // namespace shelltest
