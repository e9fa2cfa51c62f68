// MD5HexDigest against OpenSSL's MD5 (through EVP) on the same buffers, and the
// ratio of their speeds at 1 MiB. For a steady figure:
//   bench_digest --benchmark_repetitions=15 --benchmark_enable_random_interleaving=true
#include <benchmark/benchmark.h>
#include <openssl/evp.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "digest/md5hex.h"

namespace {

constexpr long kRatioSize = 1 << 20;

// One buffer for every case, grown on first use so small cases stay cheap.
const unsigned char* Input(std::size_t size) {
    static std::vector<unsigned char> buffer;
    if (buffer.size() < size) {
        std::size_t old = buffer.size();
        buffer.resize(size);
        for (std::size_t i = old; i < size; i++)
            buffer[i] = static_cast<unsigned char>(i * 2654435761u >> 24);
    }
    return buffer.data();
}

void BM_MD5HexDigest(benchmark::State& state) {
    const auto size = static_cast<std::size_t>(state.range(0));
    const unsigned char* data = Input(size);
    char text[33];
    for (auto _ : state) {
        MD5HexDigest(data, static_cast<unsigned>(size), text);
        benchmark::DoNotOptimize(text);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

void BM_OpenSslMd5(benchmark::State& state) {
    const auto size = static_cast<std::size_t>(state.range(0));
    const unsigned char* data = Input(size);
    std::unique_ptr<EVP_MD, decltype(&EVP_MD_free)> md(EVP_MD_fetch(nullptr, "MD5", nullptr),
                                                       EVP_MD_free);
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> ctx(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    if (!md || !ctx) {
        state.SkipWithError("OpenSSL has no MD5");
        return;
    }
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    for (auto _ : state) {
        EVP_DigestInit_ex(ctx.get(), md.get(), nullptr);
        EVP_DigestUpdate(ctx.get(), data, size);
        EVP_DigestFinal_ex(ctx.get(), digest, &length);
        benchmark::DoNotOptimize(digest);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

BENCHMARK(BM_MD5HexDigest)->Arg(64)->Arg(4 << 10)->Arg(kRatioSize)->Arg(256 << 20);
BENCHMARK(BM_OpenSslMd5)->Arg(64)->Arg(4 << 10)->Arg(kRatioSize)->Arg(256 << 20);

// The console report, plus the ratio ours / OpenSSL's at 1 MiB: from the
// medians when runs are repeated, else from the single runs.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred || run.run_name.args != std::to_string(kRatioSize)) continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (!median && !single) continue;
            if (run.run_name.function_name == "BM_MD5HexDigest") ours_ = run.GetAdjustedCPUTime();
            if (run.run_name.function_name == "BM_OpenSslMd5") openssl_ = run.GetAdjustedCPUTime();
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        if (ours_ > 0 && openssl_ > 0)
            std::printf("Ratio at 1 MiB, MD5HexDigest / OpenSSL (speed): %.3f\n", openssl_ / ours_);
    }

private:
    double ours_ = 0;
    double openssl_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
