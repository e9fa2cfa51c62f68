#include "platform/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"

namespace {

class CFileTest : public ::testing::Test {
protected:
    test::TempDir dir;
};

TEST_F(CFileTest, OpenRefusesWhatIsNotAReadableRegularFileWithItsCause) {
    const std::string file = dir.Write("file", "x");
    ::mkdir((dir / "folder").c_str(), 0755);
    ::symlink((dir / "gone").c_str(), (dir / "dangling").c_str());
    ::symlink((dir / "loop").c_str(), (dir / "loop").c_str());
    ::mkfifo((dir / "fifo").c_str(), 0644);
    const struct {
        const char* what;
        std::string path;
        int cause;
    } cases[] = {
        {"regular file", file, CFileException::none},
        {"folder", dir / "folder", CFileException::accessDenied},
        {"missing", dir / "gone", CFileException::fileNotFound},
        {"empty path", "", CFileException::fileNotFound},
        {"dangling symlink", dir / "dangling", CFileException::fileNotFound},
        {"symlink loop", dir / "loop", CFileException::badPath},
        {"below a file", file + "/x", CFileException::badPath},
        {"name longer than the file system's limit", dir / std::string(300, 'n'), CFileException::badPath},
        {"path longer than PATH_MAX", "/" + std::string(PATH_MAX + 10, 'p'), CFileException::badPath},
        {"bytes that are not the narrow code page", dir / "bad\xFF", CFileException::badPath},
        {"FIFO without a writer", dir / "fifo", CFileException::generic},
        {"character device", "/dev/null", CFileException::generic},
    };
    const int descriptors = test::OpenDescriptors();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CFile f;
        CFileException error;
        const auto started = std::chrono::steady_clock::now();
        const BOOL opened = f.Open(c.path.c_str(), CFile::modeRead | CFile::shareDenyNone, &error);
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
        EXPECT_EQ(opened, c.cause == CFileException::none ? TRUE : FALSE);
        EXPECT_EQ(error.m_cause, c.cause);
        EXPECT_EQ(f.m_hFile == CFile::hFileNull, c.cause != CFileException::none);
    }
    EXPECT_EQ(test::OpenDescriptors(), descriptors);
}

TEST_F(CFileTest, OpenOfAFifoWithAWriterStillRefusesPromptly) {
    const std::string fifo = dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const int writer = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);  // keeps the FIFO open, sends nothing
    ASSERT_GE(writer, 0);
    CFile f;
    CFileException error;
    EXPECT_FALSE(f.Open(fifo.c_str(), CFile::modeRead | CFile::shareDenyNone, &error));
    EXPECT_EQ(error.m_cause, CFileException::generic);
    ::close(writer);
}

TEST_F(CFileTest, ReadDeliversTheWholeRequestUnlessTheFileEnds) {
    std::string contents;
    for (int i = 0; i < 300000; ++i) contents += static_cast<char>(i * 7);
    CFile f;
    ASSERT_TRUE(f.Open(dir.Write("f", contents).c_str(), CFile::modeRead));
    EXPECT_EQ(f.GetLength(), contents.size());

    std::vector<char> buffer(contents.size() + 10);
    EXPECT_EQ(f.Read(buffer.data(), 1000), 1000u);
    EXPECT_EQ(f.Read(buffer.data() + 1000, static_cast<UINT>(buffer.size() - 1000)), contents.size() - 1000);
    EXPECT_EQ(std::string(buffer.data(), contents.size()), contents);
    EXPECT_EQ(f.Read(buffer.data(), 10), 0u);
    f.Close();
    EXPECT_EQ(f.m_hFile, CFile::hFileNull);
}

// The descriptor is swapped for a folder's, where any read() fails: a count
// of 0 must not reach the system, a count of 1 must report the failure.
TEST_F(CFileTest, ReadOfNothingAsksNothingAndAFailedReadThrows) {
    CFile f;
    ASSERT_TRUE(f.Open(dir.Write("f", "abc").c_str(), CFile::modeRead));
    const int folder = ::open(dir.Path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(::dup2(folder, f.m_hFile), 0);
    ::close(folder);

    char c = 0;
    EXPECT_EQ(f.Read(&c, 0), 0u);
    try {
        f.Read(&c, 1);
        ADD_FAILURE() << "no exception";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::generic);
        EXPECT_EQ(e.m_lOsError, EISDIR);
    }
}

TEST_F(CFileTest, LengthIs32BitsAndFourGibibytesIsABadSeek) {
    const std::int64_t kFourGiB = std::int64_t{1} << 32;
    CFile below;
    ASSERT_TRUE(below.Open(dir.Sparse("below", kFourGiB - 1).c_str(), CFile::modeRead));
    EXPECT_EQ(below.GetLength(), 0xFFFFFFFFu);

    for (const std::int64_t size : {kFourGiB, kFourGiB + 1}) {
        SCOPED_TRACE(size);
        CFile f;
        ASSERT_TRUE(f.Open(dir.Sparse("big", size).c_str(), CFile::modeRead));
        try {
            f.GetLength();
            ADD_FAILURE() << "no exception";
        } catch (const CFileException& e) {
            EXPECT_EQ(e.m_cause, CFileException::badSeek);
        }
    }
}

TEST_F(CFileTest, CloseReportsAFailureAndTheFileCountsAsClosed) {
    const int descriptors = test::OpenDescriptors();
    {
        CFile f;
        ASSERT_TRUE(f.Open(dir.Write("f", "abc").c_str(), CFile::modeRead));
        ::close(f.m_hFile);  // behind its back: the layer's close() now fails
        EXPECT_THROW(f.Close(), CFileException);
        EXPECT_EQ(f.m_hFile, CFile::hFileNull);
        f.Close();  // nothing left to close
    }
    {
        CFile f;  // the destructor closes what is still open
        ASSERT_TRUE(f.Open(dir.Write("g", "abc").c_str(), CFile::modeRead));
    }
    EXPECT_EQ(test::OpenDescriptors(), descriptors);
}

}  // namespace
