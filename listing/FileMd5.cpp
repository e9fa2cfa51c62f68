// The cell of a listing row: the digest of a file's whole contents, or a fixed
// text when the file cannot be opened.
#include "digest/md5hex.h"
#include "platform/exceptions.h"
#include "platform/file.h"
#include "platform/filebuffer.h"
#include "shell/Md5Dlg.h"

namespace {

const char kFolderCell[] = "文件夹\t\t\t\t";
const char kUnreadableCell[] = "读取文件错误\t\t\t";

}  // namespace

// Failures after the open are thrown to the caller; the buffer and the file
// are given back on that way out too.
CString CMd5Dlg::GetFileMd5(CString& strPath) {
    CFileException fileError;
    CFile file;

    if (!file.Open(strPath, CFile::modeRead | CFile::shareDenyNone, &fileError)) {
        // A folder, or a file the user may not read, is refused as access denied.
        return fileError.m_cause == CFileException::accessDenied ? kFolderCell : kUnreadableCell;
    }

    const DWORD dwLength = file.GetLength();
    platform::FileBuffer buffer(dwLength);
    const UINT nRead = file.Read(buffer.Data(), dwLength);

    char szDigest[33];
    MD5HexDigest(buffer.Data(), nRead, szDigest);

    buffer.Free();
    file.Close();
    return CString(szDigest);
}
