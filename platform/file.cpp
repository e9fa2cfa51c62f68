#include "platform/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "platform/codepage.h"

namespace {

// Why a file that exists cannot be digested, from its type; none for a regular file.
int CauseForType(mode_t mode) {
    if (S_ISREG(mode)) return CFileException::none;
    return S_ISDIR(mode) ? CFileException::accessDenied : CFileException::generic;
}

BOOL Fail(CFileException* pError, int cause, int osError, LPCTSTR lpszFileName) {
    if (pError) {
        pError->m_cause = cause;
        pError->m_lOsError = osError;
        pError->m_strFileName = lpszFileName;
    }
    return FALSE;
}

}  // namespace

CFile::~CFile() {
    if (m_hFile != hFileNull) ::close(m_hFile);
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT, CFileException* pError) {
    const auto name = platform::NarrowToFileName(lpszFileName ? lpszFileName : "");
    if (!name) return Fail(pError, CFileException::badPath, EILSEQ, lpszFileName);

    // Decide by type before opening where possible: opening a device can have
    // effects of its own (a tape rewinds, a watchdog arms).
    struct stat st;
    if (::stat(name->c_str(), &st) == 0 && CauseForType(st.st_mode) != CFileException::none)
        return Fail(pError, CauseForType(st.st_mode), -1, lpszFileName);

    // Non-blocking, so that a FIFO or device that appeared since cannot hang
    // the window; the type is checked again on what was opened.
    const int fd = ::open(name->c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        const int osError = errno;
        return Fail(pError, CFileException::OsErrorToException(osError), osError, lpszFileName);
    }
    int cause = CFileException::none;
    int osError = -1;
    if (::fstat(fd, &st) != 0) {
        osError = errno;
        cause = CFileException::OsErrorToException(osError);
    } else {
        cause = CauseForType(st.st_mode);
    }
    // Reads of a regular file should wait for the data like any other read.
    if (cause == CFileException::none) {
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags == -1 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
            osError = errno;
            cause = CFileException::OsErrorToException(osError);
        }
    }
    if (cause != CFileException::none) {
        ::close(fd);
        return Fail(pError, cause, osError, lpszFileName);
    }
    if (m_hFile != hFileNull) ::close(m_hFile);
    m_hFile = fd;
    return TRUE;
}

DWORD CFile::GetLength() const {
    struct stat st;
    if (::fstat(m_hFile, &st) != 0) CFileException::ThrowOsError(errno);
    if (static_cast<std::uint64_t>(st.st_size) > UINT32_MAX) throw CFileException(CFileException::badSeek, EOVERFLOW);
    return static_cast<DWORD>(st.st_size);
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
    // One read() returns at most about 2 GiB on Linux: loop until the request
    // is complete or the file ends.
    auto* out = static_cast<char*>(lpBuf);
    UINT nDone = 0;
    while (nDone < nCount) {
        const ssize_t n = ::read(m_hFile, out + nDone, nCount - nDone);
        if (n == 0) break;
        if (n < 0) {
            const int osError = errno;
            if (osError == EINTR) continue;
            throw CFileException(osError == EIO ? CFileException::hardIO : CFileException::generic, osError);
        }
        nDone += static_cast<UINT>(n);
    }
    return nDone;
}

void CFile::Close() {
    if (m_hFile == hFileNull) return;
    const int fd = m_hFile;
    m_hFile = hFileNull;  // closed even if close() fails: retrying could close another file
    if (::close(fd) != 0) CFileException::ThrowOsError(errno);
}
