#include "platform/exceptions.h"

#include <cerrno>

namespace {

constexpr UINT kFileCauseBase = 61856;  // message id = base + cause
constexpr UINT kUnnamedFile = 61446;
constexpr UINT kOutOfMemory = 61475;

}  // namespace

int CFileException::OsErrorToException(LONG lOsError) {
    switch (lOsError) {
        case ENOENT:
            return fileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
        case EINVAL:
            return badPath;
        case EACCES:
        case EPERM:
            return accessDenied;
        case EMFILE:
        case ENFILE:
            return tooManyOpenFiles;
        case EBUSY:
        case ETXTBSY:
            return sharingViolation;
        case ENOSPC:
            return diskFull;
        case EIO:
            return hardIO;
        default:
            return generic;
    }
}

void CFileException::ThrowOsError(LONG lOsError) {
    throw CFileException(OsErrorToException(lOsError), lOsError);
}

namespace platform {

CString ExceptionText(const CException& e) {
    CString text;
    if (const auto* fileError = dynamic_cast<const CFileException*>(&e)) {
        const int cause = fileError->m_cause;
        const bool known = cause > CFileException::none && cause <= CFileException::endOfFile;
        text.LoadString(kFileCauseBase + static_cast<UINT>(known ? cause : CFileException::generic));
        CString name = fileError->m_strFileName;
        if (name.IsEmpty()) name.LoadString(kUnnamedFile);
        text.Replace("%1", name);
    } else if (dynamic_cast<const CMemoryException*>(&e)) {
        text.LoadString(kOutOfMemory);
    }
    return text;
}

}  // namespace platform
