// A drop of 10,000 files of 1 KiB onto the main window (offscreen), against one
// md5sum process over the same files, fed by xargs, in the same run.
// Bar: the drop takes at most 3 times md5sum's time.
#include <benchmark/benchmark.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUrl>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "platform/testing.h"
#include "res/resource.h"
#include "shell/Md5Dlg.h"
#include "tests/support/narrow.h"

namespace {

constexpr int kFiles = 10000;
constexpr std::size_t kFileSize = 1024;

struct Corpus {
    std::filesystem::path folder;
    QByteArray uriList;
    Corpus() {
        folder = std::filesystem::temp_directory_path() / ("bench-drop-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        std::mt19937 random(1);
        std::string bytes(kFileSize, '\0');
        for (int i = 0; i < kFiles; ++i) {
            for (char& b : bytes) b = static_cast<char>(random());
            char name[16];
            std::snprintf(name, sizeof name, "f%05d", i);
            const std::filesystem::path path = folder / name;
            std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            uriList += QUrl::fromLocalFile(QString::fromStdString(path.string())).toEncoded() + "\r\n";
        }
    }
    ~Corpus() { std::filesystem::remove_all(folder); }
};

Corpus& Files() {
    static Corpus corpus;
    return corpus;
}

double g_dropSeconds = 0;
double g_md5sumSeconds = 0;

void RecordBest(double& best, double seconds) { best = best == 0 ? seconds : std::min(best, seconds); }

// The whole road of a drop: Qt's drop event over the listing, the paths, one
// row per file with a refresh after each.
void BM_DropOnMainWindow(benchmark::State& state) {
    Corpus& corpus = Files();
    for (auto _ : state) {
        CMd5Dlg dlg;
        dlg.Create(IDD_MAIN);
        auto* listing = qobject_cast<QPlainTextEdit*>(platform::testing::WidgetOf(dlg.GetDlgItem(IDC_LISTING)->m_hWnd));
        QMimeData mime;
        mime.setData("text/uri-list", corpus.uriList);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);

        const auto start = std::chrono::steady_clock::now();
        QCoreApplication::sendEvent(listing->viewport(), &enter);
        QCoreApplication::sendEvent(listing->viewport(), &drop);
        // The drop reaches the handler once Qt's drop is over.
        QCoreApplication::sendPostedEvents(platform::testing::WidgetOf(dlg.m_hWnd), QEvent::MetaCall);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        RecordBest(g_dropSeconds, seconds);

        if (dlg.m_nRowCount != kFiles ||
            listing->toPlainText().toStdString() != testsupport::ShownText(dlg.m_strListing.Bytes()))
            state.SkipWithError("the listing control does not show m_strListing");
        dlg.DestroyWindow();
    }
}
BENCHMARK(BM_DropOnMainWindow)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_Md5sumViaXargs(benchmark::State& state) {
    Corpus& corpus = Files();
    // Short relative names keep it to one md5sum process (-x fails otherwise).
    const std::string command = "cd '" + corpus.folder.string() +
                                "' && ls | xargs -x -n 100000 -s 200000 md5sum > /dev/null";
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0) state.SkipWithError("md5sum failed");
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        RecordBest(g_md5sumSeconds, seconds);
    }
}
BENCHMARK(BM_Md5sumViaXargs)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    int qtArgc = 3;
    char name[] = "bench_drop", platformOption[] = "-platform", offscreen[] = "offscreen";
    char* qtArgv[] = {name, platformOption, offscreen, nullptr};
    QApplication app(qtArgc, qtArgv);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (g_dropSeconds > 0 && g_md5sumSeconds > 0)
        std::printf("drop / md5sum (best of each) = %.3f s / %.3f s = %.2f (bar: at most 3)\n", g_dropSeconds,
                    g_md5sumSeconds, g_dropSeconds / g_md5sumSeconds);
    return 0;
}
