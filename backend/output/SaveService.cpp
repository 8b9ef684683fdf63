#include "SaveService.h"

#include "format/OutsideText.h"
#include "output/CsvFile.h"
#include "output/ReportChartImages.h"
#include "output/ReportTexts.h"
#include "output/ReportWriter.h"
#include "output/ResultCsvWriter.h"
#include "output/SaveFolder.h"
#include "output/WholeFile.h"
#include "store/DataBuffer.h"

#include <QDir>
#include <QFileInfo>
#include <QQmlApplicationEngine>

namespace {

bool isKnownType(int type)
{
    return type >= SaveService::SAVE_SPECTRUM && type <= SaveService::SAVE_RAMAN;
}

const QString kCsvSuffix = QStringLiteral(".csv");
const QString kPdfSuffix = QStringLiteral(".pdf");

QString fileStem(const DataBuffer &buffer, const QString &infix, const QString &suffix)
{
    return SaveFolder::fileStem(buffer.deviceModel(), infix, QDateTime::currentDateTime(), suffix);
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

    const QString stem = fileStem(*m_buffer, QStringLiteral("_"), kCsvSuffix);
    DataBuffer &buffer = *m_buffer;
    const QByteArray content = CsvFile::text(false, [&buffer, type](QTextStream &out) {
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
    QString path;
    const WholeFile::Outcome outcome = WholeFile::writeNew(folder, stem, kCsvSuffix, content, QIODevice::Text, path);
    reportWritten(outcome, path);
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
    const QString stem = fileStem(*m_buffer, QStringLiteral("_"), kPdfSuffix);

    ReportChartImages charts(m_engine);
    const ReportFields fields{sampleNumber, sampleModel, tester, testTime, sampleName};
    const QByteArray document = ReportWriter::document(charts, *m_buffer, ReportTexts::isChinese(m_engine.data()),
                                                       type, fields);
    QString path = SaveFolder::numberedFilePath(folder, stem, kPdfSuffix, 1);
    const WholeFile::Outcome outcome = document.isEmpty()
        ? WholeFile::Outcome::NotWritten
        : WholeFile::writeNew(folder, stem, kPdfSuffix, document, {}, path);
    // A report without a chart it should hold is saved, but not as if it were whole.
    reportWritten(outcome, path, charts.missingCharts());
}

void SaveService::beginCustomizedTestSave()
{
    if (!m_buffer)
        return;
    m_customizedTestFolder = SaveFolder::path();
    m_customizedTestStem =
        fileStem(*m_buffer, QStringLiteral("_CustomizedTest_"), kCsvSuffix);
    m_customizedTestFilePath =
        QDir(m_customizedTestFolder).filePath(m_customizedTestStem + kCsvSuffix);
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
    // The folder may have gone since the begin.
    ensureDirectory(m_customizedTestFolder);
    // Written as it is made: a series of days is never held twice.
    const TimedSeriesTable &table = m_customizedTest;
    const WholeFile::Outcome outcome = WholeFile::writeNew(
        m_customizedTestFolder, m_customizedTestStem, kCsvSuffix,
        [&table](QIODevice &file) {
            const QByteArray byteOrderMark = CsvFile::byteOrderMark();
            return file.write(byteOrderMark) == byteOrderMark.size() && table.write(file);
        },
        QIODevice::Text, m_customizedTestFilePath);
    m_customizedTest.clear();
    reportWritten(outcome, m_customizedTestFilePath);
}

void SaveService::reportWritten(WholeFile::Outcome outcome, const QString &path, const QString &lacking)
{
    switch (outcome) {
    case WholeFile::Outcome::Written:
        emit saveFinished(true, path, lacking);
        return;
    case WholeFile::Outcome::NotOpened:
        emit saveFinished(false, path,
                          tr("Failed to open file for writing in %1.")
                              .arg(OutsideText::isolated(QDir::toNativeSeparators(QFileInfo(path).absolutePath()))));
        return;
    case WholeFile::Outcome::NotWritten:
        emit saveFinished(false, path, tr("Failed to write file."));
        return;
    }
}
