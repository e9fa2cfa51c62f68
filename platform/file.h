// CFile: a file opened for reading. Linux has no share modes, so the sharing
// flag is accepted and has no effect: others may read, write and delete.
#pragma once

#include "platform/exceptions.h"
#include "platform/types.h"

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        shareDenyNone = 0x0040,
    };

    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    // Closes the file if it is still open, silently.
    virtual ~CFile();

    // Opens an existing regular file for reading; never creates, truncates or
    // blocks. On failure returns FALSE and fills *pError (if given): a folder
    // is accessDenied, any other file that is not regular generic, the
    // rest by errno.
    virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);

    // The length as a 32-bit count; a file of 4 GiB or more throws badSeek.
    virtual DWORD GetLength() const;

    // Reads nCount bytes, fewer only where the file ends; however many system
    // calls that takes. A count of 0 returns 0 without asking the system.
    virtual UINT Read(void* lpBuf, UINT nCount);

    // Closes the file; throws CFileException if the system reports an error.
    // The file counts as closed either way.
    virtual void Close();

    static constexpr int hFileNull = -1;
    int m_hFile = hFileNull;  // the file descriptor
};
