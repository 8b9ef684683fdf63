#include "ExportBench.h"

#include "SavedFiles.h"
#include "TemporaryHome.h"

#include "output/SaveFolder.h"
#include "output/SaveService.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

namespace testsupport {

ExportBench::ExportBench() = default;
ExportBench::~ExportBench() = default;

void ExportBench::prepareProcess()
{
    useTemporaryHome();
    QStandardPaths::setTestModeEnabled(true);
    loadCatalogues();
    MeasurementSettings::initMeasurementSettings();
}

void ExportBench::removeSaveFolder()
{
    QDir(SaveFolder::path()).removeRecursively();
    QFile::remove(SaveFolder::path());
}

void ExportBench::reset()
{
    release();
    MeasurementSettings::setRangeEnable(false);
    flags = MeasurementFlags();
    buffer = std::make_unique<DataBuffer>();
    buffer->setMeasurementState(&flags);
    save = std::make_unique<SaveService>(nullptr, nullptr, buffer.get());
}

void ExportBench::release()
{
    save.reset();
    buffer.reset();
    removeSaveFolder();
    MeasurementSettings::setUnit(0);
}

void ExportBench::setDevice(const QString &model, uint16_t wlStart, uint16_t wlEnd, uint32_t expoUs)
{
    buffer->setDeviceModel(model);
    buffer->setWl(wlStart, wlEnd);
    buffer->setExpoTime(expoUs);
}

void ExportBench::feedSpectrum(int16_t scaleCode, const QVector<uint16_t> &samples)
{
    testsupport::feedSpectrum(*buffer, plainSpectrum(scaleCode, samples));
}

void ExportBench::feedWords(float first)
{
    QVector<float> words;
    for (int i = 0; i < 48; ++i)
        words << first + float(i);
    const QByteArray bytes = f32s(words);
    // Past the photometric throttle, so the words are applied at once.
    testsupport::passThrottle(*buffer);
    buffer->setPhotoResult(bytesOf(bytes), int(bytes.size()));
}

void ExportBench::blockSaveFolder()
{
    removeSaveFolder();
    QDir().mkpath(QFileInfo(SaveFolder::path()).path());
    QFile blocker(SaveFolder::path());
    blocker.open(QIODevice::WriteOnly);
}

QStringList ExportBench::linesWrittenBy(const std::function<void()> &action)
{
    QSignalSpy finished(save.get(), &SaveService::saveFinished);
    action();
    if (finished.count() != 1)
        return {QStringLiteral("<no signal>")};
    const QList<QVariant> args = finished.first();
    if (!args.at(0).toBool())
        return {QStringLiteral("<failed> ") + args.at(2).toString()};
    return csvLines(args.at(1).toString());
}

QStringList ExportBench::saveAndRead(int saveType)
{
    return linesWrittenBy([this, saveType] { save->handleSaveSignal(SaveService::SaveType(saveType)); });
}

} // namespace testsupport
