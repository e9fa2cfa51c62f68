// Narrow (GB18030) bytes are written as escapes; no narrow-text flag here.
#include "platform/exceptions.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace {

const std::string kUnnamedFile = "\xD2\xBB\xCE\xB4\xC3\xFC\xC3\xFB\xCE\xC4\xBC\xFE";  // 一未命名文件

std::string Text(const CException& e) { return platform::ExceptionText(e).Bytes(); }

TEST(ExceptionText, NamesTheUnnamedFileInTheCauseMessage) {
    // 在存取 一未命名文件 时发生锁违例。
    EXPECT_EQ(Text(CFileException(CFileException::lockViolation)),
              "\xD4\xDA\xB4\xE6\xC8\xA1 " + kUnnamedFile + " \xCA\xB1\xB7\xA2\xC9\xFA\xCB\xF8\xCE\xA5\xC0\xFD\xA1\xA3");
    // 对 一未命名文件 进行查找失败。
    EXPECT_EQ(Text(CFileException(CFileException::badSeek, EOVERFLOW)),
              "\xB6\xD4 " + kUnnamedFile + " \xBD\xF8\xD0\xD0\xB2\xE9\xD5\xD2\xCA\xA7\xB0\xDC\xA1\xA3");
}

TEST(ExceptionText, EveryCauseHasItsOwnMessage) {
    std::string previous;
    for (int cause = CFileException::generic; cause <= CFileException::endOfFile; ++cause) {
        SCOPED_TRACE(cause);
        const std::string text = Text(CFileException(cause));
        EXPECT_NE(text.find(kUnnamedFile), std::string::npos);
        EXPECT_EQ(text.find("%1"), std::string::npos);
        EXPECT_NE(text, previous);
        previous = text;
    }
    // No cause (or one out of range) reads as the unknown error.
    EXPECT_EQ(Text(CFileException()), Text(CFileException(CFileException::generic)));
    EXPECT_EQ(Text(CFileException(99)), Text(CFileException(CFileException::generic)));
}

TEST(ExceptionText, UsesTheFileNameWhenThereIsOne) {
    EXPECT_EQ(Text(CFileException(CFileException::fileNotFound, ENOENT, "a.txt")),
              "\xC3\xBB\xD3\xD0\xD5\xD2\xB5\xBD a.txt\xA1\xA3");  // 没有找到 a.txt。
}

TEST(ExceptionText, MemoryExceptionIsOutOfMemory) {
    EXPECT_EQ(Text(CMemoryException()), "\xC4\xDA\xB4\xE6\xB2\xBB\xD7\xE3\xA1\xA3");  // 内存不足。
}

TEST(CFileException, StartsWithNoCauseNoErrorNoName) {
    const CFileException e;
    EXPECT_EQ(e.m_cause, CFileException::none);
    EXPECT_EQ(e.m_lOsError, -1);
    EXPECT_TRUE(e.m_strFileName.IsEmpty());
}

TEST(CFileException, CauseFromErrno) {
    const struct {
        int osError;
        int cause;
    } cases[] = {
        {ENOENT, CFileException::fileNotFound},     {ENOTDIR, CFileException::badPath},
        {ENAMETOOLONG, CFileException::badPath},    {ELOOP, CFileException::badPath},
        {EINVAL, CFileException::badPath},          {EACCES, CFileException::accessDenied},
        {EPERM, CFileException::accessDenied},      {EMFILE, CFileException::tooManyOpenFiles},
        {ENFILE, CFileException::tooManyOpenFiles}, {EBUSY, CFileException::sharingViolation},
        {ETXTBSY, CFileException::sharingViolation}, {ENOSPC, CFileException::diskFull},
        {EIO, CFileException::hardIO},              {ENXIO, CFileException::generic},
        {EISDIR, CFileException::generic},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.osError);
        EXPECT_EQ(CFileException::OsErrorToException(c.osError), c.cause);
    }
}

}  // namespace
