#include "ExportBench.h"

#include "TemporaryHome.h"

#include "services/SaveFolder.h"
#include "services/SaveService.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

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

void ExportBench::feedSpectrum(int16_t scaleCode, const QVector<uint16_t> &samples)
{
    const QByteArray payload = plainSpectrum(scaleCode, samples);
    buffer->setSpecData(reinterpret_cast<const quint8 *>(payload.constData()), payload.size());
}

} // namespace testsupport
