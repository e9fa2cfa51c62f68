// Buffers come from anonymous mappings, not the heap: a whole file can be
// gigabytes, and the cost worth attacking is the page faults of the one big
// read into fresh memory (10 to 20 us each on a virtual machine). Large
// buffers are therefore 2 MiB-aligned and ask for transparent huge pages,
// which cut the faults 512-fold; small files share one kept block, whose
// pages stay mapped from one file to the next.
#include "platform/filebuffer.h"

#include <sys/mman.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>

#include "platform/exceptions.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
// Only the requested bytes are usable: the rest of the mapping is poisoned,
// so that a read past the buffer is reported even inside the kept block.
#define POISON(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define POISON(p, n) ((void)(p), (void)(n))
#define UNPOISON(p, n) ((void)(p), (void)(n))
#endif

namespace platform {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kKeptBlockSize = 2 * kHugePage;

std::size_t RoundUp(std::size_t n, std::size_t unit) { return (n + unit - 1) / unit * unit; }

std::size_t MappedSize(std::size_t nBytes) {
    return RoundUp(nBytes, nBytes >= kHugePage ? kHugePage : static_cast<std::size_t>(::getpagesize()));
}

// A fresh mapping of MappedSize(nBytes), or nullptr.
BYTE* Map(std::size_t nBytes) {
    const std::size_t size = MappedSize(nBytes);
    if (nBytes < kHugePage) {
        void* p = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        return p == MAP_FAILED ? nullptr : static_cast<BYTE*>(p);
    }
    // Over-map by one huge page, then trim to a 2 MiB-aligned range.
    void* raw = ::mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = RoundUp(start, kHugePage);
    if (aligned > start) ::munmap(raw, aligned - start);
    const std::uintptr_t tail = aligned + size;
    if (const std::uintptr_t end = start + size + kHugePage; end > tail)
        ::munmap(reinterpret_cast<void*>(tail), end - tail);
    auto* p = reinterpret_cast<BYTE*>(aligned);
    ::madvise(p, size, MADV_HUGEPAGE);  // a hint: without it the buffer still works
    return p;
}

BYTE g_emptyBuffer;  // the buffer of an empty file: never read or written
BYTE* g_keptBlock = nullptr;
std::atomic_flag g_keptBlockInUse;

// The kept block for nBytes, if it fits and is free.
BYTE* TakeKeptBlock(std::size_t nBytes) {
    if (nBytes > kKeptBlockSize || g_keptBlockInUse.test_and_set()) return nullptr;
    if (!g_keptBlock) {
        g_keptBlock = Map(kKeptBlockSize);
        if (!g_keptBlock) {
            g_keptBlockInUse.clear();
            return nullptr;
        }
        POISON(g_keptBlock, kKeptBlockSize);
    }
    UNPOISON(g_keptBlock, nBytes);
    return g_keptBlock;
}

}  // namespace

BYTE* AllocFileBuffer(std::size_t nBytes) {
    if (nBytes == 0) return &g_emptyBuffer;
    if (BYTE* p = TakeKeptBlock(nBytes)) return p;
    BYTE* p = Map(nBytes);
    if (!p) throw CMemoryException();
    POISON(p + nBytes, MappedSize(nBytes) - nBytes);
    return p;
}

void FreeFileBuffer(BYTE* pBuffer, std::size_t nBytes) noexcept {
    if (!pBuffer || nBytes == 0) return;
    if (pBuffer == g_keptBlock) {
        POISON(g_keptBlock, kKeptBlockSize);
        g_keptBlockInUse.clear();
        return;
    }
    UNPOISON(pBuffer, MappedSize(nBytes));
    ::munmap(pBuffer, MappedSize(nBytes));
}

}  // namespace platform
