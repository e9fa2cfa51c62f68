// A main window on the offscreen platform, with files to drop on it.
#pragma once

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/testing.h"
#include "res/resource.h"
#include "shell/Md5Dlg.h"
#include "tests/support/narrow.h"
#include "tests/support/temp_dir.h"

namespace shelltest {

// The listing's first two lines, as shown (UTF-8).
inline const std::string kHeader = "序号\tMD5\t\t\t\t\t文件\n";
inline std::string Rule() {
    std::string rule;
    for (int i = 0; i < 45; ++i) rule += "─";
    return rule + "\n";
}
inline const std::string kFolderCell = "文件夹\t\t\t\t";
inline const std::string kUnreadableCell = "读取文件错误\t\t\t";

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A file under the test's folder with these bytes; returns its UTF-8 path.
    std::string MakeFile(const std::string& name, const std::string& bytes);
    std::string MakeFolder(const std::string& name);

    void Drop(const std::vector<std::string>& utf8Paths);
    QPlainTextEdit* Listing();
    QWidget* Control(int id);
    QWidget* Window();

    // The listing as the control shows it, and as m_strListing holds it (UTF-8,
    // CR LF as LF); they must always agree.
    std::string Shown();
    std::string Held();
    // The rows after the header and the rule.
    std::vector<std::string> Rows();
    static std::string Row(int n, const std::string& cell, const std::string& path) {
        return std::to_string(n) + "\t" + cell + "\t" + path;
    }

    test::TempDir m_temp;
    std::filesystem::path m_folder{m_temp.Path()};
    CMd5Dlg m_dlg;
};

}  // namespace shelltest
