#include "platform/instance_counter.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/interlocked.h"

namespace platform {
namespace {

// The word g_nInstanceCount refers to sits at the start of a page of its own,
// so that binding can put the shared file's page in its place without moving
// the reference. Until then (or if binding fails) the page is private and zero.
LONG& CounterSlot() {
    static LONG* const slot = [] {
        const long pageSize = sysconf(_SC_PAGESIZE);
        void* page = mmap(nullptr, static_cast<size_t>(pageSize), PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        static LONG processLocal = 0;
        return page == MAP_FAILED ? &processLocal : static_cast<LONG*>(page);
    }();
    return *slot;
}

// Byte ranges of the counter file used as locks: every live process holds a
// shared lock on kLifeByte; starts take kEntryByte exclusively while they join,
// so that "nobody else holds the life lock" and "join" are one step.
constexpr off_t kLifeByte = 0;
constexpr off_t kEntryByte = 1;

bool Lock(int fd, off_t byte, short type, bool wait) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = byte;
    lock.l_len = 1;
    // Open-file-description locks: only closing this descriptor releases them,
    // not some other open and close of the same file elsewhere in the process.
    const int command = wait ? F_OFD_SETLKW : F_OFD_SETLK;
    int result;
    do {
        result = fcntl(fd, command, &lock);
    } while (result == -1 && errno == EINTR);
    return result == 0;
}

bool IsPrivateToUser(int fd, mode_t type) {
    struct stat st {};
    return fstat(fd, &st) == 0 && (st.st_mode & S_IFMT) == type && st.st_uid == geteuid() &&
           (st.st_mode & 077) == 0;
}

// $XDG_RUNTIME_DIR if it is usable, else /tmp/zembrik-<uid>.
int OpenCounterFolder() {
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    if (runtimeDir != nullptr && runtimeDir[0] == '/') {
        const int fd = open(runtimeDir, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd != -1 && IsPrivateToUser(fd, S_IFDIR)) return fd;
        if (fd != -1) close(fd);
    }
    char path[64];
    std::snprintf(path, sizeof path, "/tmp/zembrik-%u", static_cast<unsigned>(geteuid()));
    return OpenPrivateFolder(path);
}

class Failure {
public:
    explicit Failure(const char* what) : m_what(what), m_errno(errno) {}
    const char* m_what;
    int m_errno;
};

int OpenCounterFile() {
    struct stat exe {};
    if (stat("/proc/self/exe", &exe) != 0) throw Failure("cannot identify the executable");
    const int folder = OpenCounterFolder();
    if (folder == -1) throw Failure("no private folder for the counter");
    char name[80];
    std::snprintf(name, sizeof name, "instance-count-%llx-%llx",
                  static_cast<unsigned long long>(exe.st_dev),
                  static_cast<unsigned long long>(exe.st_ino));
    const int fd = openat(folder, name, O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0600);
    const Failure openFailure("cannot open the counter file");
    close(folder);
    if (fd == -1) throw openFailure;
    if (!IsPrivateToUser(fd, S_IFREG)) {
        close(fd);
        errno = 0;
        throw Failure("the counter file is not private to the user");
    }
    return fd;
}

// Puts the first page of fd in place of the page holding g_nInstanceCount.
void MapOverSlot(int fd) {
    const size_t pageSize = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    struct stat st {};
    if (fstat(fd, &st) != 0) throw Failure("cannot read the counter file");
    if (st.st_size < static_cast<off_t>(sizeof(LONG)) && ftruncate(fd, sizeof(LONG)) != 0)
        throw Failure("cannot size the counter file");
    void* shared = mmap(nullptr, pageSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (shared == MAP_FAILED) throw Failure("cannot map the counter file");
    // mremap replaces the slot's page in one step and leaves it alone if it fails.
    if (mremap(shared, pageSize, pageSize, MREMAP_MAYMOVE | MREMAP_FIXED, &CounterSlot()) ==
        MAP_FAILED) {
        const Failure failure("cannot map the counter file");
        munmap(shared, pageSize);
        throw failure;
    }
}

}  // namespace

int OpenPrivateFolder(const char* path) {
    const bool created = mkdir(path, 0700) == 0;
    const int fd = open(path, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd == -1) return -1;
    if (created) fchmod(fd, 0700);  // whatever the umask took away
    if (!IsPrivateToUser(fd, S_IFDIR)) {
        close(fd);
        errno = EPERM;
        return -1;
    }
    return fd;
}

bool BindInstanceCounter() {
    int fd = -1;
    try {
        fd = OpenCounterFile();
        if (!Lock(fd, kEntryByte, F_WRLCK, true)) throw Failure("cannot lock the counter file");
        // With the entry lock held, only live processes hold life locks, and
        // only shared ones: the exclusive lock is free exactly when none lives.
        const bool alone = Lock(fd, kLifeByte, F_WRLCK, false);
        if (!alone && !Lock(fd, kLifeByte, F_RDLCK, true))
            throw Failure("cannot lock the counter file");
        MapOverSlot(fd);
        if (alone) {
            // Whatever the file holds was left by processes that have ended.
            std::atomic_ref<LONG>(CounterSlot()).store(0);
            Lock(fd, kLifeByte, F_RDLCK, false);  // a downgrade, which cannot fail
        }
        Lock(fd, kEntryByte, F_UNLCK, false);
        return true;  // fd stays open, and its lock held, for the process's life
    } catch (const Failure& failure) {
        if (fd != -1) close(fd);
        std::fprintf(stderr, "%s: %s%s%s; the instance counter is this process's own\n",
                     program_invocation_short_name, failure.m_what, failure.m_errno ? ": " : "",
                     failure.m_errno ? std::strerror(failure.m_errno) : "");
        return false;
    }
}

}  // namespace platform

LONG& g_nInstanceCount = platform::CounterSlot();
