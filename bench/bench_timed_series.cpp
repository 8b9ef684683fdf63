// What a long timed series costs on a 681-point device (340-1020 nm) with its 49 result
// values, sampled every 5 s: the memory held per sample while it runs, and at its end the
// memory taken beyond that (peak resident size, measured in a forked copy of this process)
// and the time to write the file. Uses only SaveService's begin/append/end, so the same
// program measures any version of the table.
//
// Usage: build/bench/bench_timed_series [samples...]   (default: 17280 = 24 h, 120960 = 7 days)
#include "StoreFixtures.h"
#include "TemporaryHome.h"

#include "output/SaveFolder.h"
#include "output/SaveService.h"
#include "store/DataBuffer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kPoints = 681;

qint64 heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
}

qint64 residentBytes()
{
    std::ifstream in("/proc/self/statm");
    long long pages = 0, resident = 0;
    in >> pages >> resident;
    return qint64(resident) * sysconf(_SC_PAGESIZE);
}

// A white LED: a blue line and a broad phosphor hump, with the device's noise.
QVector<uint16_t> ledSamples()
{
    QVector<uint16_t> samples;
    for (int i = 0; i < kPoints; ++i) {
        const double nm = 340 + i;
        const double blue = std::exp(-0.5 * std::pow((nm - 450) / 10, 2));
        const double phosphor = 0.6 * std::exp(-0.5 * std::pow((nm - 570) / 50, 2));
        samples << uint16_t(20000 * (blue + phosphor) + 30 + (i * 7919) % 97);
    }
    return samples;
}

struct EndFigures {
    double extraMB = 0;
    double seconds = 0;
    bool written = false;
    double fileMB = 0;
};

// The end in a forked copy: what it adds to the resident size at its peak, and its time.
EndFigures measureEnd(SaveService &save)
{
    malloc_trim(0);
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        EndFigures figures;
        QObject::connect(&save, &SaveService::saveFinished, [&figures](bool ok, const QString &path) {
            figures.written = ok;
            figures.fileMB = QFileInfo(path).size() / 1e6;
            QFile::remove(path);
        });
        const qint64 before = residentBytes();
        QElapsedTimer timer;
        timer.start();
        save.endCustomizedTestSave();
        figures.seconds = timer.nsecsElapsed() / 1e9;
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        figures.extraMB = (qint64(usage.ru_maxrss) * 1024 - before) / 1e6;
        (void)!write(pipeEnds[1], &figures, sizeof figures);
        _exit(0);
    }
    close(pipeEnds[1]);
    EndFigures figures;
    if (read(pipeEnds[0], &figures, sizeof figures) != sizeof figures)
        figures = {};
    close(pipeEnds[0]);
    waitpid(child, nullptr, 0);
    return figures;
}

} // namespace

int main(int argc, char **argv)
{
    testsupport::useTemporaryHome();
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    testsupport::prepareStoreTests();

    QList<int> runs;
    for (int i = 1; i < argc; ++i)
        runs << QByteArray(argv[i]).toInt();
    if (runs.isEmpty())
        runs = {17280, 120960};

    std::printf("%-9s %10s %14s %14s %10s %10s\n", "samples", "series", "held/sample", "end extra", "end time",
                "file");
    for (int samples : runs) {
        testsupport::MeasurementFlags flags;
        DataBuffer buffer;
        buffer.setMeasurementState(&flags);
        buffer.setDeviceModel(QStringLiteral("PQV-21"));
        buffer.setWl(340, 1020);
        buffer.setExpoTime(12500);
        testsupport::feedSpectrum(buffer, testsupport::plainSpectrum(2, ledSamples()));
        QVector<float> words;
        for (int i = 0; i < 48; ++i)
            words << 1234.5678f + 17.25f * float(i);
        const QByteArray bytes = testsupport::f32s(words);
        testsupport::passThrottle(buffer);
        buffer.setPhotoResult(testsupport::bytesOf(bytes), int(bytes.size()));
        if (buffer.lastResultItems().size() != 49 || buffer.getWlLength() != kPoints)
            qFatal("the store is not the 681-point device with its result values");

        SaveService save(nullptr, nullptr, &buffer);
        malloc_trim(0);
        const qint64 before = heapInUse();
        save.beginCustomizedTestSave();
        for (int i = 0; i < samples; ++i)
            save.appendCustomizedTestSave();
        const double perSample = double(heapInUse() - before) / samples;

        const EndFigures end = measureEnd(save);
        std::printf("%-9d %8.1f h %11.0f B %11.1f MB %8.2f s %7.1f MB%s\n", samples, samples * 5 / 3600.0, perSample,
                    end.extraMB, end.seconds, end.fileMB, end.written ? "" : "  (not written)");
        std::fflush(stdout);
        save.beginCustomizedTestSave(); // lets the held series go
    }
    QDir(SaveFolder::path()).removeRecursively();
    return 0;
}
