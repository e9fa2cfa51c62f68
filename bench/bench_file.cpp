// GetFileMd5 on a 1 GiB file in the page cache, against one md5sum process on
// the same file, in interleaved rounds; prints the ratio of the median wall
// times. Also the layer's share alone (open, length, buffer, read, close) and
// the cost per small file. Peak memory: run it under /usr/bin/time -v.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/file.h"
#include "platform/filebuffer.h"
#include "shell/Md5Dlg.h"
#include "tests/support/temp_dir.h"

extern char** environ;

namespace {

constexpr std::size_t kBigFile = std::size_t{1} << 30;
constexpr int kRounds = 7;

std::string g_bigFile;
std::string g_smallFile;
std::vector<double> g_ours, g_md5sum, g_layer;

std::string WriteFile(const test::TempDir& dir, const char* name, std::size_t size) {
    std::string chunk(8 << 20, '\0');
    std::uint64_t x = 0x9E3779B97F4A7C15u;
    for (char& c : chunk) {
        x ^= x << 13, x ^= x >> 7, x ^= x << 17;
        c = static_cast<char>(x);
    }
    std::string path = dir / name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    for (std::size_t done = 0; done < size; done += chunk.size())
        std::fwrite(chunk.data(), 1, std::min(chunk.size(), size - done), f);
    std::fclose(f);
    return path;
}

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

void GetFileMd5Once(benchmark::State& state, std::vector<double>* times) {
    CMd5Dlg dlg;
    CString path(times ? g_bigFile.c_str() : g_smallFile.c_str());
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(dlg.GetFileMd5(path));
        if (times) times->push_back(Seconds(started));
    }
}

// One md5sum process from spawn to exit, its output discarded.
void Md5sumOnce(benchmark::State& state) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>("md5sum"), g_bigFile.data(), nullptr};
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        pid_t pid = 0;
        int status = 0;
        if (posix_spawnp(&pid, "md5sum", &actions, nullptr, argv, environ) != 0 || ::waitpid(pid, &status, 0) != pid ||
            status != 0) {
            state.SkipWithError("md5sum failed");
            break;
        }
        g_md5sum.push_back(Seconds(started));
    }
    posix_spawn_file_actions_destroy(&actions);
}

// What the layer adds to the digest: the file into one fresh buffer and back.
void ReadWholeOnce(benchmark::State& state) {
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        CFile file;
        file.Open(g_bigFile.c_str(), CFile::modeRead | CFile::shareDenyNone);
        const DWORD length = file.GetLength();
        platform::FileBuffer buffer(length);
        benchmark::DoNotOptimize(file.Read(buffer.Data(), length));
        buffer.Free();
        file.Close();
        g_layer.push_back(Seconds(started));
    }
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    test::TempDir dir;
    g_bigFile = WriteFile(dir, "1GiB", kBigFile);
    g_smallFile = WriteFile(dir, "64KiB", 64 << 10);

    benchmark::RegisterBenchmark("GetFileMd5/64KiB", GetFileMd5Once, nullptr);
    benchmark::RegisterBenchmark("warm-up/md5sum/1GiB", Md5sumOnce)->Iterations(1)->UseRealTime();
    g_md5sum.clear();
    for (int round = 0; round < kRounds; ++round) {
        benchmark::RegisterBenchmark("GetFileMd5/1GiB", GetFileMd5Once, &g_ours)->Iterations(1)->UseRealTime();
        benchmark::RegisterBenchmark("md5sum/1GiB", Md5sumOnce)->Iterations(1)->UseRealTime();
        benchmark::RegisterBenchmark("read-whole/1GiB", ReadWholeOnce)->Iterations(1)->UseRealTime();
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    if (!g_md5sum.empty()) g_md5sum.erase(g_md5sum.begin());  // the warm-up
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("median of %zu interleaved rounds: GetFileMd5 %.3f s, md5sum %.3f s, ratio %.3f (bar 1.10)\n",
                g_ours.size(), Median(g_ours), Median(g_md5sum), Median(g_ours) / Median(g_md5sum));
    std::printf("of which open, buffer and read (no digest): %.3f s\n", Median(g_layer));
    std::printf("peak resident memory of this process: %ld MiB\n", usage.ru_maxrss / 1024);
    return 0;
}
