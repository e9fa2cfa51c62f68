// A scratch folder for file tests, removed with everything in it afterwards.
#pragma once

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace test {

class TempDir {
public:
    TempDir() {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/zembrik-test-XXXXXX";
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        ::chmod(pattern.c_str(), 0755);  // reachable by an unprivileged child
        m_path = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return m_path; }
    std::string operator/(std::string_view name) const { return m_path + "/" + std::string(name); }

    // Writes a file below the folder (name as raw bytes); returns its path.
    std::string Write(std::string_view name, std::string_view contents, mode_t mode = 0644) const {
        const std::string path = *this / name;
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
        if (fd < 0) throw std::runtime_error("cannot create " + path);
        const bool ok = ::write(fd, contents.data(), contents.size()) == static_cast<ssize_t>(contents.size());
        ::close(fd);
        if (!ok) throw std::runtime_error("cannot write " + path);
        return path;
    }

    // A sparse file of `size` bytes: holes except `tail` written at its end.
    std::string Sparse(std::string_view name, off_t size, std::string_view tail = {}) const {
        const std::string path = *this / name;
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) throw std::runtime_error("cannot create " + path);
        bool ok = ::ftruncate(fd, size) == 0;
        if (ok && !tail.empty()) {
            const off_t at = size - static_cast<off_t>(tail.size());
            ok = ::pwrite(fd, tail.data(), tail.size(), at) == static_cast<ssize_t>(tail.size());
        }
        ::close(fd);
        if (!ok) throw std::runtime_error("cannot size " + path);
        return path;
    }

private:
    std::string m_path;
};

// How many file descriptors the process holds: a leak shows as a rise.
inline int OpenDescriptors() {
    int count = 0;
    if (DIR* dir = ::opendir("/proc/self/fd")) {
        while (::readdir(dir)) ++count;
        ::closedir(dir);
    }
    return count;
}

}  // namespace test
