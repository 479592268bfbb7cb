// Loading the image data files as the start-up does, beside the bound of parsing the same
// bytes with std::from_chars alone, and the start-up's time up to the name dialog.

#include "app/Globals.h"
#include "app/Layout.h"
#include "app/VertanDlg.h"
#include "app/dialogs/Vvod_imy.h"
#include "app/drawing/ImagePainting.h"
#include "app/files/ImageDataFiles.h"
#include "app/intro/IntroModel.h"
#include "engine/Settings.h"
#include "platform/DialogRunner.h"
#include "platform/Files.h"
#include "platform/Pause.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <charconv>
#include <chrono>
#include <vector>

namespace {

const QString kDataFolder = QStringLiteral(VERTAN_PROGRAM_DIR "/");

std::vector<QByteArray> DataTexts()
{
    std::vector<QByteArray> texts;
    for (const ImageDataFile file : kImageDataFiles)
        texts.push_back(
            platform::ReadWholeFile(kDataFolder + ImageDataFileName(file)).value_or(QByteArray()));
    return texts;
}

std::int64_t TotalBytes(const std::vector<QByteArray>& texts)
{
    std::int64_t bytes = 0;
    for (const QByteArray& text : texts)
        bytes += text.size();
    return bytes;
}

/// The start-up's steps for the pictures: every file read and painted, then the back, the
/// corners, the tile, the clean table and the back buffer.
void BM_LoadAndPaintAsStartUp(benchmark::State& state)
{
    CVertanDlg table;
    ComputeLayout(kInitialClientWidth, kInitialClientHeight);
    for (auto _ : state) {
        const DataFileResult result = LoadImageDataFiles(kDataFolder, table.m_dcFaces);
        if (!result.ok()) {
            state.SkipWithError(qPrintable(result.message()));
            return;
        }
        PaintCardBack(table.m_dcBack, table.m_dcBackSide, g_cardBack);
        FillCustomBackground(table.m_customColour);
        table.PaintTableBitmaps();
    }
    state.SetBytesProcessed(state.iterations() * TotalBytes(DataTexts()));
}
BENCHMARK(BM_LoadAndPaintAsStartUp)->Unit(benchmark::kMillisecond);

/// The readers alone on texts already in memory.
void BM_ReadFromMemory(benchmark::State& state)
{
    const std::vector<QByteArray> texts = DataTexts();
    platform::MemoryDC faces(32 * kCardWidth, kCardHeight);
    for (auto _ : state)
        for (std::size_t i = 0; i < texts.size(); ++i)
            benchmark::DoNotOptimize(ReadImageData(kImageDataFiles[i],
                std::string_view(texts[i].constData(), static_cast<std::size_t>(texts[i].size())), faces));
    state.SetBytesProcessed(state.iterations() * TotalBytes(texts));
}
BENCHMARK(BM_ReadFromMemory)->Unit(benchmark::kMillisecond);

/// The bound: every number of the same bytes through std::from_chars, nothing stored.
void BM_FromCharsBound(benchmark::State& state)
{
    const std::vector<QByteArray> texts = DataTexts();
    for (auto _ : state) {
        long long sum = 0;
        for (const QByteArray& text : texts) {
            const char* next = text.constData();
            const char* const end = next + text.size();
            while (next != end) {
                if (*next == ' ' || *next == '\n' || *next == '\r' || *next == '\t') {
                    ++next;
                    continue;
                }
                long long value = 0;
                next = std::from_chars(next, end, value).ptr;
                sum += value;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(state.iterations() * TotalBytes(texts));
}
BENCHMARK(BM_FromCharsBound)->Unit(benchmark::kMillisecond);

/// Pauses return at once: the intro's fixed frames are not what is measured.
class InstantPause final : public platform::Pause {
public:
    void sleep(int) override { }
};

/// Notes when the name dialog opens and confirms a name at once.
class TimedNameDialog final : public platform::DialogRunner {
public:
    int run(QDialog& dialog) override
    {
        if (auto* name = qobject_cast<CVvod_imy*>(&dialog)) {
            opened = std::chrono::steady_clock::now();
            name->m_name = QStringLiteral("bench");
        }
        return QDialog::Accepted;
    }
    std::chrono::steady_clock::time_point opened;
};

/// From the window's creation to the name dialog, in a fresh copy of the program folder.
void BM_LaunchToNameDialog(benchmark::State& state)
{
    QTemporaryDir folder;
    for (const QString& name : QDir(kDataFolder).entryList({ QStringLiteral("*.zst") }, QDir::Files))
        QFile::copy(kDataFolder + name, folder.filePath(name));
    for (const ImageDataFile file : kImageDataFiles) {
        const QString name = ImageDataFileName(file);
        QDir(folder.path()).mkpath(QFileInfo(name).path());
        QFile::copy(kDataFolder + name, folder.filePath(name));
    }
    qputenv("VERTAN_PROGRAM_DIR", folder.path().toUtf8());
    InstantPause pause;
    TimedNameDialog dialog;
    platform::ScopedService<platform::Pause> pauseGuard(pause);
    platform::ScopedService<platform::DialogRunner> dialogGuard(dialog);
    for (auto _ : state) {
        ResetSettings();
        ResetGlobals();
        const auto start = std::chrono::steady_clock::now();
        CVertanDlg table;
        ComputeLayout(kInitialClientWidth, kInitialClientHeight);
        table.OnPaint();
        state.SetIterationTime(std::chrono::duration<double>(dialog.opened - start).count());
    }
    qunsetenv("VERTAN_PROGRAM_DIR");
}
BENCHMARK(BM_LaunchToNameDialog)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
