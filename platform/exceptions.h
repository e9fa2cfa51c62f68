// The framework's exceptions: thrown by value, caught by reference.
#pragma once

#include "platform/cstring.h"
#include "platform/types.h"

class CException {
public:
    virtual ~CException() = default;
};

class CFileException : public CException {
public:
    // Causes; the value plus 61856 is the id of the cause's message.
    enum {
        none = 0,
        generic = 1,
        fileNotFound = 2,
        badPath = 3,
        tooManyOpenFiles = 4,
        accessDenied = 5,
        invalidFile = 6,
        removeCurrentDir = 7,
        directoryFull = 8,
        badSeek = 9,
        hardIO = 10,
        sharingViolation = 11,
        lockViolation = 12,
        diskFull = 13,
        endOfFile = 14,
    };

    explicit CFileException(int cause = none, LONG lOsError = -1, LPCTSTR pstrFileName = nullptr)
        : m_cause(cause), m_lOsError(lOsError), m_strFileName(pstrFileName) {}

    // The cause for an errno value.
    static int OsErrorToException(LONG lOsError);
    // Throws a CFileException (no file name) for an errno value.
    [[noreturn]] static void ThrowOsError(LONG lOsError);

    int m_cause;
    LONG m_lOsError;  // errno, or -1 when there is none
    CString m_strFileName;
};

class CMemoryException : public CException {};

namespace platform {

// The text of the box that reports an exception: for a CFileException the
// message of its cause with "%1" replaced by its file name, or by the
// unnamed-file text when it has none; for a CMemoryException the
// out-of-memory message. Any other exception gives an empty text.
CString ExceptionText(const CException& e);

}  // namespace platform
