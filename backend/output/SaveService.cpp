#include "SaveService.h"

#include "output/CsvFile.h"
#include "output/ReportChartImages.h"
#include "output/ReportTexts.h"
#include "output/ReportWriter.h"
#include "output/ResultCsvWriter.h"
#include "output/SaveFolder.h"
#include "store/DataBuffer.h"

#include <QDir>
#include <QFile>
#include <QQmlApplicationEngine>
#include <QSaveFile>

namespace {

bool isKnownType(int type)
{
    return type >= SaveService::SAVE_SPECTRUM && type <= SaveService::SAVE_RAMAN;
}

QString fileStem(const DataBuffer &buffer, const QString &infix, const QDateTime &time)
{
    return SaveFolder::fileSafeModelName(buffer.deviceModel()) + infix
        + SaveFolder::timeStamp(time);
}

} // namespace

SaveService::SaveService(QQmlApplicationEngine *engine, QObject *parent, DataBuffer *buffer)
    : QObject(parent), m_engine(engine), m_buffer(buffer ? buffer : DataBuffer::instance())
{
}

bool SaveService::ensureDirectory(const QString &folder)
{
    return SaveFolder::ensureDirectory(folder);
}

void SaveService::handleSaveSignal(SaveType type)
{
    if (!m_buffer) {
        emit saveFinished(false, QString(), tr("Data buffer is not initialized."));
        return;
    }
    // An unknown type writes nothing at all, not even an empty file.
    if (!isKnownType(type)) {
        emit saveFinished(false, QString(), tr("Unknown save type."));
        return;
    }
    const QString folder = SaveFolder::path();
    if (!ensureDirectory(folder)) {
        emit saveFinished(false, folder, tr("Failed to create directory for saving."));
        return;
    }

    QFile file;
    const QString stem = fileStem(*m_buffer, QStringLiteral("_"), QDateTime::currentDateTime());
    if (!CsvFile::openNew(file, folder, stem)) {
        emit saveFinished(false, file.fileName(), QStringLiteral("Failed to open file for writing."));
        return;
    }
    DataBuffer &buffer = *m_buffer;
    const bool written = CsvFile::write(file, false, [&buffer, type](QTextStream &out) {
        using namespace ResultCsvWriter;
        switch (type) {
        case SAVE_SPECTRUM: writeSpectrum(out, buffer); break;
        case SAVE_ABSORBANCE: writeRatio(out, buffer, Ratio::Absorbance); break;
        case SAVE_TRANSMITTANCE: writeRatio(out, buffer, Ratio::Transmittance); break;
        case SAVE_REFLECTANCE: writeRatio(out, buffer, Ratio::Reflectance); break;
        case SAVE_PHOTOMETRIC: writePhotometric(out, buffer); break;
        case SAVE_RAMAN: writeRaman(out, buffer); break;
        }
    });
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        // A truncated export must not pass for a complete one.
        file.remove();
        emit saveFinished(false, file.fileName(), tr("Failed to write file."));
        return;
    }
    emit saveFinished(true, file.fileName(), QString());
}

void SaveService::handleExportSignal(SaveType type, QString sampleNumber, QString sampleModel,
                                     QString tester, QString testTime, QString sampleName)
{
    if (!m_buffer) {
        emit saveFinished(false, QString(), tr("Data buffer is not initialized."));
        return;
    }
    // A report is of a device's measurement; once the link is gone there is neither.
    if (m_buffer->deviceModel().isEmpty() || !m_buffer->hasData()) {
        emit saveFinished(false, QString(),
                          tr("There is no measurement to report. Connect a device and measure first."));
        return;
    }
    const QString folder = SaveFolder::path();
    // A folder that cannot be made shows as a file that cannot be opened.
    ensureDirectory(folder);
    const QString path = SaveFolder::unusedFilePath(
        folder, fileStem(*m_buffer, QStringLiteral("_"), QDateTime::currentDateTime()), QStringLiteral(".pdf"));

    // Written beside its name and renamed when complete, so a failed report leaves no file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        emit saveFinished(false, path, QStringLiteral("Failed to open file for writing."));
        return;
    }
    ReportChartImages charts(m_engine);
    const ReportFields fields{sampleNumber, sampleModel, tester, testTime, sampleName};
    const bool drawn = ReportWriter::writeDocument(file, charts, *m_buffer, ReportTexts::isChinese(m_engine.data()),
                                                   type, fields);
    if (!drawn || !file.commit()) {
        file.cancelWriting();
        emit saveFinished(false, path, tr("Failed to write file."));
        return;
    }
    emit saveFinished(true, path, QString());
}

void SaveService::beginCustomizedTestSave()
{
    if (!m_buffer)
        return;
    m_customizedTestFolder = SaveFolder::path();
    m_customizedTestStem =
        fileStem(*m_buffer, QStringLiteral("_CustomizedTest_"), QDateTime::currentDateTime());
    m_customizedTestFilePath =
        QDir(m_customizedTestFolder).filePath(m_customizedTestStem + QStringLiteral(".csv"));
    ensureDirectory(m_customizedTestFolder);
    m_customizedTest.begin(*m_buffer);
}

void SaveService::appendCustomizedTestSave()
{
    // The store's zeros after a clear are no sample.
    if (!m_buffer || m_customizedTest.isEmpty() || !m_buffer->hasData())
        return;
    m_customizedTest.append(*m_buffer, QDateTime::currentDateTime());
}

void SaveService::endCustomizedTestSave()
{
    if (m_customizedTest.isEmpty())
        return;
    if (m_customizedTest.sampleCount() == 0) {
        m_customizedTest.clear();
        emit saveFinished(false, QString(), tr("The test ended before its first sample; nothing was saved."));
        return;
    }
    const QStringList lines = m_customizedTest.lines();
    m_customizedTest.clear();

    QFile file;
    // The folder may have gone since the begin.
    ensureDirectory(m_customizedTestFolder);
    if (!CsvFile::openNew(file, m_customizedTestFolder, m_customizedTestStem)) {
        emit saveFinished(false, file.fileName(), QStringLiteral("Failed to open file for writing."));
        return;
    }
    const bool written = CsvFile::write(file, true, [&lines](QTextStream &out) {
        for (const QString &line : lines)
            out << line << '\n';
    });
    file.close();
    m_customizedTestFilePath = file.fileName();
    if (!written || file.error() != QFileDevice::NoError) {
        file.remove();
        emit saveFinished(false, file.fileName(), tr("Failed to write file."));
        return;
    }
    emit saveFinished(true, file.fileName(), QString());
}
