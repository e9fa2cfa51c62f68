// The whole-file buffer: one allocation of exactly a file's length.
#pragma once

#include <cstddef>

#include "platform/types.h"

namespace platform {

// nBytes bytes for a whole file; throws CMemoryException when memory is
// exhausted. Give it back with FreeFileBuffer and the same size.
BYTE* AllocFileBuffer(std::size_t nBytes);
void FreeFileBuffer(BYTE* pBuffer, std::size_t nBytes) noexcept;

// Owns one buffer from AllocFileBuffer: freed by Free or, on any other way
// out, by the destructor.
class FileBuffer {
public:
    explicit FileBuffer(std::size_t nBytes) : m_pData(AllocFileBuffer(nBytes)), m_nBytes(nBytes) {}
    ~FileBuffer() { Free(); }
    FileBuffer(const FileBuffer&) = delete;
    FileBuffer& operator=(const FileBuffer&) = delete;

    BYTE* Data() const { return m_pData; }
    void Free() noexcept {
        if (m_pData) FreeFileBuffer(m_pData, m_nBytes);
        m_pData = nullptr;
    }

private:
    BYTE* m_pData;
    std::size_t m_nBytes;
};

}  // namespace platform
