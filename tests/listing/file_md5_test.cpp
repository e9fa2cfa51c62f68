// GetFileMd5 on real files. Narrow bytes are written as escapes; no
// narrow-text flag here.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

#include "platform/codepage.h"
#include "platform/exceptions.h"
#include "platform/file.h"
#include "platform/filebuffer.h"
#include "shell/Md5Dlg.h"
#include "tests/listing/cells.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr std::int64_t kMiB = std::int64_t{1} << 20;
constexpr std::int64_t kGiB = std::int64_t{1} << 30;

std::string CellOf(const std::string& narrowPath) {
    CMd5Dlg dlg;
    CString path(narrowPath);
    return dlg.GetFileMd5(path).Bytes();
}

std::string Pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 2654435761u) >> 13);
    return bytes;
}

class GetFileMd5Test : public ::testing::Test {
protected:
    test::TempDir dir;
};

TEST_F(GetFileMd5Test, CellForEveryKindOfPath) {
    const std::string big = Pattern(5 * kMiB + 3);  // past the kept small-file block
    const std::string deep = dir / std::string(100, 'a') + "/" + std::string(100, 'b') + "/" + std::string(100, 'c');
    std::filesystem::create_directories(deep);
    ::symlink((dir / "gone").c_str(), (dir / "dangling").c_str());
    ::symlink((dir / "loop").c_str(), (dir / "loop").c_str());
    ::mkfifo((dir / "fifo").c_str(), 0644);
    // A name that is not valid UTF-8 reaches the program with 0xFF in place of
    // the bad byte; the file named with a real '?' must not be digested instead.
    dir.Write("odd\x80name", "the file itself");
    dir.Write("odd?name", "a different file");

    const struct {
        const char* what;
        std::string path;  // narrow, as a drop or the Open dialog delivers it
        std::string cell;
    } cases[] = {
        {"small file", dir.Write("abc", "abc"), test::ReferenceMd5("abc")},
        {"empty file", dir.Write("empty", ""), test::ReferenceMd5("")},
        {"5 MiB file", dir.Write("big", big), test::ReferenceMd5(big)},
        {"name outside GBK", platform::Utf8ToNarrow(dir.Write("한국어😀.txt", "korean")), test::ReferenceMd5("korean")},
        {"path longer than 259 bytes", dir.Write(deep.substr(dir.Path().size() + 1) + "/f", "deep"),
         test::ReferenceMd5("deep")},
        {"folder", dir.Path(), test::kFolderCell},
        {"missing file", dir / "gone", test::kUnreadableCell},
        {"dangling symlink", dir / "dangling", test::kUnreadableCell},
        {"symlink loop", dir / "loop", test::kUnreadableCell},
        {"name too long for the file system", dir / std::string(300, 'n'), test::kUnreadableCell},
        {"FIFO", dir / "fifo", test::kUnreadableCell},
        {"device", "/dev/null", test::kUnreadableCell},
        {"invalid UTF-8 name", platform::Utf8ToNarrow(dir / "odd\x80name"), test::kUnreadableCell},
    };
    const int descriptors = test::OpenDescriptors();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto started = std::chrono::steady_clock::now();
        EXPECT_EQ(CellOf(c.path), c.cell);
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    }
    EXPECT_EQ(test::OpenDescriptors(), descriptors);
}

// In a child process: the cells of a file the user may not read and of one
// he may, after giving up root's privileges (root reads everything).
[[noreturn]] void DigestWithoutPrivileges(const std::string& secret, const std::string& open) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
        std::fputs("cannot drop privileges\n", stderr);
        std::_Exit(2);
    }
    const std::string refused = CellOf(secret);
    const std::string readable = CellOf(open);
    const bool ok = refused == test::kFolderCell && readable != test::kFolderCell && readable != test::kUnreadableCell;
    if (!ok) std::fputs("wrong cells\n", stderr);
    std::_Exit(ok ? 0 : 1);
}

// As documented: a file the user may not read is refused like a folder.
TEST_F(GetFileMd5Test, FileTheUserMayNotReadGetsTheFolderCell) {
    const std::string secret = dir.Write("secret", "x", 0000);
    const std::string open = dir.Write("open", "y", 0644);
    EXPECT_EXIT(DigestWithoutPrivileges(secret, open), ::testing::ExitedWithCode(0), "");
}

TEST_F(GetFileMd5Test, FourGibibyteFileThrowsBadSeekAndLeavesNothingOpen) {
    const std::string path = dir.Sparse("4GiB", 4 * kGiB);
    const int descriptors = test::OpenDescriptors();
    try {
        CellOf(path);
        ADD_FAILURE() << "no exception";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::badSeek);
        // 对 一未命名文件 进行查找失败。
        EXPECT_EQ(platform::ExceptionText(e).Bytes(),
                  "\xB6\xD4 \xD2\xBB\xCE\xB4\xC3\xFC\xC3\xFB\xCE\xC4\xBC\xFE \xBD\xF8\xD0\xD0\xB2\xE9\xD5\xD2\xCA\xA7\xB0\xDC\xA1\xA3");
    }
    EXPECT_EQ(test::OpenDescriptors(), descriptors);
}

std::int64_t VirtualSize() {
    std::ifstream statm("/proc/self/statm");
    std::int64_t pages = 0;
    statm >> pages;
    return pages * ::sysconf(_SC_PAGESIZE);
}

// In a child process whose address space ends 512 MiB beyond its current
// size: the digest of a file that cannot fit, then of one that can.
[[noreturn]] void DigestUnderAddressSpaceLimit(const std::string& huge, const std::string& small) {
    const rlimit limit{static_cast<rlim_t>(VirtualSize() + 512 * kMiB), RLIM_INFINITY};
    if (::setrlimit(RLIMIT_AS, &limit) != 0) std::_Exit(2);
    const int descriptors = test::OpenDescriptors();
    const std::int64_t before = VirtualSize();
    bool thrown = false;
    try {
        CellOf(huge);
    } catch (const CMemoryException&) {
        thrown = true;
    }
    const bool closed = test::OpenDescriptors() == descriptors;
    const bool unmapped = VirtualSize() - before < 8 * kMiB;
    const std::string next = CellOf(small);
    const bool goesOn = next != test::kUnreadableCell && next != test::kFolderCell;
    std::fprintf(stderr, "thrown %d closed %d unmapped %d goes on %d\n", thrown, closed, unmapped, goesOn);
    std::_Exit(thrown && closed && unmapped && goesOn ? 0 : 1);
}

// The whole-file buffer cannot be had: the memory exception reaches the
// caller, the file is closed, nothing stays mapped, and the next file works.
// This holds under AddressSanitizer too: the buffer is the layer's own
// mapping, not its allocator's.
TEST_F(GetFileMd5Test, MemoryExhaustedThrowsAndLeavesNothingBehind) {
    const std::string huge = dir.Sparse("1GiB", kGiB);
    const std::string small = dir.Write("small", "small");
    EXPECT_EXIT(DigestUnderAddressSpaceLimit(huge, small), ::testing::ExitedWithCode(0), "");
}

// A file between 2 and 4 GiB takes more than one read() (at most about 2 GiB
// each): the one request must still deliver all of it.
TEST(SlowGetFileMd5, FileBetweenTwoAndFourGibibytesIsReadWhole) {
    test::TempDir dir;
    const std::int64_t size = 3 * kGiB + 12345;
    const std::string path = dir.Sparse("3GiB", size, "the end");
    {
        std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(2 * kGiB + 7);
        f << "past two gibibytes";
    }
    {
        CFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead));
        const DWORD length = file.GetLength();
        ASSERT_EQ(length, static_cast<DWORD>(size));
        platform::FileBuffer buffer(length);
        ASSERT_EQ(file.Read(buffer.Data(), length), length);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer.Data()) + 2 * kGiB + 7, 18), "past two gibibytes");
        EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer.Data()) + size - 7, 7), "the end");
    }
    EXPECT_EQ(CellOf(path), test::ReferenceMd5OfFile(path));
}

}  // namespace
