// The instance counter across real processes: each probe binds the counter as
// the program's entry point does and takes the guard's decision.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/instance_counter.h"

namespace fs = std::filesystem;

namespace {

struct Start {
    std::string exe = GUARD_PROBE;
    std::vector<std::string> args;
    bool hold = false;
    int gateFd = -1;        // descriptor the probe waits on before starting
    const char* runtimeDir;  // XDG_RUNTIME_DIR, or nullptr for none
    uid_t uid = 0;           // run as this user if not 0 (needs root)
};

// One started probe: its stdin holds it alive (with hold), its stdout tells its decision.
class Probe {
public:
    explicit Probe(const Start& start) {
        int in[2], out[2];
        if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0) std::abort();
        m_pid = fork();
        if (m_pid == 0) {
            dup2(in[0], 0);
            dup2(out[1], 1);
            if (start.gateFd != -1) dup2(start.gateFd, 3);
            start.runtimeDir ? setenv("XDG_RUNTIME_DIR", start.runtimeDir, 1)
                             : unsetenv("XDG_RUNTIME_DIR");
            setenv("GUARD_PROBE_HOLD", start.hold ? "1" : "0", 1);
            start.gateFd != -1 ? setenv("GUARD_PROBE_GATE_FD", "3", 1)
                               : unsetenv("GUARD_PROBE_GATE_FD");
            if (start.uid != 0 && setuid(start.uid) != 0) _exit(127);
            std::vector<char*> argv{const_cast<char*>(start.exe.c_str())};
            for (const std::string& arg : start.args) argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(in[0]);
        close(out[1]);
        m_in = in[1];
        m_out = out[0];
    }
    Probe(const Probe&) = delete;
    Probe& operator=(const Probe&) = delete;
    ~Probe() {
        Release();
        if (m_pid > 0) Wait();
        close(m_out);
    }

    // "pass" or "refused" (the probe's first word), "" if it said nothing.
    std::string Decision() {
        std::string line;
        char c;
        while (read(m_out, &c, 1) == 1 && c != '\n') line += c;
        return line.substr(0, line.find(' '));
    }
    void Release() {
        if (m_in != -1) close(m_in);
        m_in = -1;
    }
    void Kill() {
        kill(m_pid, SIGKILL);
        Wait();
    }
    int Wait() {
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_pid = -1;
        return status;
    }

private:
    pid_t m_pid = -1;
    int m_in = -1;
    int m_out = -1;
};

std::string Decide(const Start& start) { return Probe(start).Decision(); }

// A fresh private runtime folder per test, so that tests never share a counter.
class GuardTest : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/guard-runtime-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_runtimeDir = pattern;
    }
    void TearDown() override { fs::remove_all(m_runtimeDir); }

    Start Options(bool hold = false) const {
        Start start;
        start.hold = hold;
        start.runtimeDir = m_runtimeDir.c_str();
        return start;
    }
    std::vector<fs::path> CounterFiles() const {
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(m_runtimeDir)) files.push_back(entry.path());
        return files;
    }

    std::string m_runtimeDir;
};

TEST_F(GuardTest, OfTwentySimultaneousStartsExactlyOnePasses) {
    int gate[2];
    ASSERT_EQ(pipe2(gate, O_CLOEXEC), 0);
    std::vector<std::unique_ptr<Probe>> probes;
    Start start = Options(true);
    start.gateFd = gate[0];
    for (int i = 0; i < 20; ++i) probes.push_back(std::make_unique<Probe>(start));
    close(gate[0]);
    close(gate[1]);  // all twenty go

    int passed = 0;
    for (auto& probe : probes) {
        const std::string decision = probe->Decision();
        ASSERT_TRUE(decision == "pass" || decision == "refused") << decision;
        passed += decision == "pass";
    }
    EXPECT_EQ(passed, 1);

    // Every start added one; nothing subtracts.
    const std::vector<fs::path> files = CounterFiles();
    ASSERT_EQ(files.size(), 1u);
    LONG count = 0;
    FILE* file = std::fopen(files[0].c_str(), "rb");
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(std::fread(&count, sizeof count, 1, file), 1u);
    std::fclose(file);
    EXPECT_EQ(count, 20);
}

TEST_F(GuardTest, CounterLivesWhileAnyProcessLivesHoweverItEnds) {
    Start withArgs = Options(true);
    withArgs.args = {"--help", "two words", "", "/etc/passwd"};

    Probe first(Options(true));
    ASSERT_EQ(first.Decision(), "pass");
    Probe refused(withArgs);  // arguments change nothing
    ASSERT_EQ(refused.Decision(), "refused");

    first.Kill();
    // The refused start is still alive and keeps the counter alive.
    EXPECT_EQ(Decide(Options()), "refused");
    refused.Release();
    refused.Wait();

    // Nobody is left: the next start passes, with arguments or without, each
    // after the previous one has ended.
    withArgs.hold = false;
    EXPECT_EQ(Decide(withArgs), "pass");
    EXPECT_EQ(Decide(Options()), "pass");

    // A process killed with SIGKILL leaves nothing behind either.
    Probe killed(Options(true));
    ASSERT_EQ(killed.Decision(), "pass");
    killed.Kill();
    EXPECT_EQ(Decide(Options()), "pass");
}

TEST_F(GuardTest, CounterBelongsToTheExecutableFileNotItsPath) {
    // Beside the probe, so that a hard link is possible (same file system).
    const fs::path probeDir = fs::path(GUARD_PROBE).parent_path();
    const fs::path copy = probeDir / ("probe-copy-" + std::to_string(getpid()));
    const fs::path link = probeDir / ("probe-link-" + std::to_string(getpid()));
    fs::copy_file(GUARD_PROBE, copy, fs::copy_options::overwrite_existing);
    fs::remove(link);
    fs::create_hard_link(GUARD_PROBE, link);

    Probe running(Options(true));
    ASSERT_EQ(running.Decision(), "pass");
    struct Case {
        fs::path exe;
        const char* expected;
    };
    for (const Case& c : {Case{copy, "pass"}, Case{link, "refused"}}) {
        Start start = Options(true);
        start.exe = c.exe;
        Probe other(start);
        EXPECT_EQ(other.Decision(), c.expected) << c.exe;
    }
    fs::remove(copy);
    fs::remove(link);
}

TEST_F(GuardTest, CounterFileIsPrivateToTheUser) {
    ASSERT_EQ(Decide(Options()), "pass");
    const std::vector<fs::path> files = CounterFiles();
    ASSERT_EQ(files.size(), 1u);
    struct stat st {};
    ASSERT_EQ(lstat(files[0].c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_EQ(st.st_size, 4);
    EXPECT_EQ(st.st_uid, geteuid());

    // A runtime folder others may enter is not used: the counter goes to the
    // private folder under /tmp instead.
    const std::string fallback = "/tmp/zembrik-" + std::to_string(geteuid());
    ASSERT_EQ(chmod(m_runtimeDir.c_str(), 0755), 0);
    fs::remove(files[0]);
    ASSERT_EQ(Decide(Options()), "pass");
    EXPECT_TRUE(CounterFiles().empty());
    ASSERT_EQ(lstat(fallback.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 07777, 0700u);
    EXPECT_EQ(st.st_uid, geteuid());
    bool found = false;
    for (const auto& entry : fs::directory_iterator(fallback)) {
        ASSERT_EQ(lstat(entry.path().c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0600u) << entry.path();
        found = true;
    }
    EXPECT_TRUE(found);
}

TEST_F(GuardTest, WithoutAPrivateFolderEveryStartPassesAndSaysSo) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to run the probe as another user";
    // Another user whose /tmp/zembrik-<uid> is a file that user cannot use.
    const uid_t uid = 54321;
    const std::string blocker = "/tmp/zembrik-" + std::to_string(uid);
    fs::remove_all(blocker);
    FILE* file = std::fopen(blocker.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);

    // The build tree may lie where that user cannot enter (under /root, say):
    // start a copy from a folder anyone may read.
    char folder[] = "/tmp/guard-probe-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const fs::path probe = fs::path(folder) / "guard_probe";
    fs::copy_file(GUARD_PROBE, probe);
    fs::permissions(folder, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                fs::perms::others_read | fs::perms::others_exec);

    Start start;
    start.exe = probe.string();
    start.hold = true;
    start.runtimeDir = nullptr;
    start.uid = uid;
    {
        Probe first(start);
        EXPECT_EQ(first.Decision(), "pass");
        Probe second(start);
        EXPECT_EQ(second.Decision(), "pass");
    }
    fs::remove(blocker);
    fs::remove_all(folder);
}

TEST(PrivateFolder, OnlyAFolderOfTheUserThatNobodyElseMayEnterIsTaken) {
    char pattern[] = "/tmp/guard-folder-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const fs::path root = pattern;
    struct Case {
        const char* name;
        void (*prepare)(const fs::path&);
        bool taken;
    };
    const Case cases[] = {
        {"missing", [](const fs::path&) {}, true},
        {"private", [](const fs::path& p) { mkdir(p.c_str(), 0700); }, true},
        {"others may read", [](const fs::path& p) { mkdir(p.c_str(), 0700), chmod(p.c_str(), 0755); }, false},
        {"group may enter", [](const fs::path& p) { mkdir(p.c_str(), 0700), chmod(p.c_str(), 0710); }, false},
        {"a file", [](const fs::path& p) { std::fclose(std::fopen(p.c_str(), "w")); }, false},
        {"a symbolic link",
         [](const fs::path& p) {
             mkdir((p.string() + ".real").c_str(), 0700);
             symlink((p.string() + ".real").c_str(), p.c_str());
         },
         false},
    };
    for (const Case& c : cases) {
        const fs::path path = root / c.name;
        c.prepare(path);
        const mode_t oldMask = umask(0277);  // a created folder is still 0700
        const int fd = platform::OpenPrivateFolder(path.c_str());
        umask(oldMask);
        EXPECT_EQ(fd != -1, c.taken) << c.name;
        if (fd == -1) continue;
        struct stat st {};
        ASSERT_EQ(fstat(fd, &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0700u) << c.name;
        close(fd);
    }
    if (geteuid() == 0) {  // a folder of another user
        const fs::path path = root / "foreign";
        mkdir(path.c_str(), 0700);
        ASSERT_EQ(chown(path.c_str(), 54321, 54321), 0);
        EXPECT_EQ(platform::OpenPrivateFolder(path.c_str()), -1);
    }
    fs::remove_all(root);
}

}  // namespace
