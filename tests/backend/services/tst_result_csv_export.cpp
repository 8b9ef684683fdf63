// The result CSV exports read back from disk: header and rows of every save type, for an
// irradiance model in two units and a photon-count ("T") model, and the failures.
#include "ExportBench.h"

#include "services/SaveFolder.h"
#include "services/SaveService.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

namespace {

const QVector<uint16_t> kSamples{100, 250, 0, 1000, 12345}; // / 100 at scale code 2

QStringList readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("<unreadable>")};
    const QByteArray bytes = file.readAll();
    QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList savedFiles()
{
    return QDir(SaveFolder::path()).entryList(QDir::Files, QDir::Name);
}

} // namespace

class TestResultCsvExport : public QObject
{
    Q_OBJECT
    testsupport::ExportBench m_bench;

    void loadSample(const QString &model, const QVector<uint16_t> &samples = kSamples)
    {
        m_bench.buffer->setDeviceModel(model);
        m_bench.buffer->setWl(380, 384);
        m_bench.buffer->setExpoTime(12500);
        m_bench.buffer->setExpoStatus(1);
        m_bench.feedSpectrum(2, samples);
    }

    void loadReference(const QVector<uint16_t> &samples)
    {
        m_bench.flags.reference = true;
        m_bench.feedSpectrum(2, samples);
        m_bench.flags.reference = false;
        m_bench.buffer->setHasReference(true);
    }

    // Saves and returns the written file's lines; fails the test when the save failed.
    QStringList save(SaveService::SaveType type)
    {
        QSignalSpy finished(m_bench.save.get(), &SaveService::saveFinished);
        m_bench.save->handleSaveSignal(type);
        if (finished.count() != 1)
            return {QStringLiteral("<no signal>")};
        const QList<QVariant> args = finished.first();
        if (!args.at(0).toBool())
            return {QStringLiteral("<failed> ") + args.at(2).toString()};
        return readLines(args.at(1).toString());
    }

    void setUnit(int unit)
    {
        MeasurementSettings::setUnit(unit);
        m_bench.buffer->reloadSpecData();
    }

private slots:
    void initTestCase() { testsupport::ExportBench::prepareProcess(); }
    void init() { m_bench.reset(); }
    void cleanup() { m_bench.release(); }

    void spectrumInWattsAndMicrowatts()
    {
        loadSample(QStringLiteral("PQV-21"));
        const QStringList head{QStringLiteral("exposure time,12.5 ms"),
                               QStringLiteral("exposure status: over exposure")};
        QCOMPARE(save(SaveService::SAVE_SPECTRUM),
                 (head + QStringList{QStringLiteral("wavelength(nm), irradiance(W/m^2)"),
                                    "380,1", "381,2.5", "382,0", "383,10", "384,123.45"}));
        setUnit(3);
        QCOMPARE(save(SaveService::SAVE_SPECTRUM),
                 (head + QStringList{QString::fromUtf8("wavelength(nm), irradiance(\u03bcW/cm^2)"),
                                    "380,100", "381,250", "382,0", "383,1000", "384,12345"}));
        // The unit label is UTF-8 in the file.
        const QString path = SaveFolder::path() + QLatin1Char('/') + savedFiles().last();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("irradiance(\xCE\xBCW/cm^2)"));
        QCOMPARE(savedFiles().size(), 2);
    }

    void photonCountsIgnoreTheIrradianceUnit()
    {
        loadSample(QStringLiteral("TQV-12"));
        setUnit(1);
        m_bench.buffer->setExpoStatus(2);
        QCOMPARE(save(SaveService::SAVE_SPECTRUM),
                 (QStringList{"exposure time,12.5 ms", "exposure status: under exposure",
                              "wavelength(nm), photon counts", "380,1", "381,2.5", "382,0",
                              "383,10", "384,123.45"}));
    }

    void unknownExposureStatusWritesNoStatusLine()
    {
        loadSample(QStringLiteral("PQV-21"));
        m_bench.buffer->setExpoStatus(7);
        const QStringList lines = save(SaveService::SAVE_SPECTRUM);
        QCOMPARE(lines.mid(0, 2), (QStringList{"exposure time,12.5 ms",
                                               "wavelength(nm), irradiance(W/m^2)"}));
    }

    void ratioExportsAgainstTheReference()
    {
        loadSample(QStringLiteral("PQV-21"));
        loadReference({10000, 10000, 400, 10000, 10000}); // 100, 100, 4 (weak), 100, 100
        m_bench.feedSpectrum(2, {5000, 20000, 100, 0, 1000});
        m_bench.buffer->setExpoStatus(0);
        const QStringList head{"exposure time,12.5 ms", "exposure status: normal"};

        QCOMPARE(save(SaveService::SAVE_TRANSMITTANCE),
                 (head + QStringList{"wl, source, reference, transmittance", "380,50,100,0.5",
                                    "381,200,100,1", "382,1,4,nan", "383,0,100,0",
                                    "384,10,100,0.1"}));
        QCOMPARE(save(SaveService::SAVE_REFLECTANCE),
                 (head + QStringList{"wl, source, reference, reflectance", "380,50,100,0.5",
                                    "381,200,100,1", "382,1,4,nan", "383,0,100,0",
                                    "384,10,100,0.1"}));
        QCOMPARE(save(SaveService::SAVE_ABSORBANCE),
                 (head + QStringList{"wl, source, reference, absorbance", "380,50,100,0.30103",
                                    "381,200,100,0", "382,1,4,nan", "383,0,100,3",
                                    "384,10,100,1"}));
        // The ratio files carry the source as received, whatever the unit.
        setUnit(1);
        QCOMPARE(save(SaveService::SAVE_TRANSMITTANCE).at(3), QStringLiteral("380,50,100,0.5"));
    }

    void ratioWithoutReferenceIsNotANumber()
    {
        loadSample(QStringLiteral("TQV-12"));
        const QStringList lines = save(SaveService::SAVE_ABSORBANCE);
        QCOMPARE(lines.size(), 3 + 5);
        for (const QString &line : lines.mid(3))
            QVERIFY2(line.endsWith(QLatin1String(",nan")), qPrintable(line));
    }

    void photometricExportListsEveryItemThenTheSpectrum()
    {
        loadSample(QStringLiteral("PQV-21"));
        QVector<float> words;
        for (int i = 0; i < 48; ++i)
            words << float(i) + 0.5f;
        const QByteArray bytes = testsupport::f32s(words);
        m_bench.buffer->setPhotoResult(reinterpret_cast<const quint8 *>(bytes.constData()), bytes.size());
        QTRY_VERIFY(!m_bench.buffer->lastResultItems().isEmpty());
        const QList<QJsonObject> items = m_bench.buffer->lastResultItems();

        for (int unit : {0, 2}) {
            setUnit(unit);
            const QStringList lines = save(SaveService::SAVE_PHOTOMETRIC);
            QCOMPARE(lines.size(), items.size() + 3 + 5);
            QCOMPARE(lines.first(), QStringLiteral("X,0.50"));
            // Hidden parameters are exported too, in the table's order.
            QVERIFY(lines.contains(QStringLiteral("SDCM,36.50")));
            QVERIFY(lines.indexOf(QStringLiteral("SDCM,36.50")) < lines.indexOf(QStringLiteral("k,37.50")));
            QCOMPARE(lines.at(items.size()), QStringLiteral("exposure time,12.5 ms"));
            QCOMPARE(lines.at(items.size() + 2),
                     QStringLiteral("wavelength(nm), irradiance(") + MeasurementSettings::unitLabel(unit)
                         + QLatin1Char(')'));
            QCOMPARE(lines.last(), unit == 0 ? QStringLiteral("384,123.45") : QStringLiteral("384,12.345"));
        }
    }

    void photometricExportAddsTheFlickerRecord()
    {
        loadSample(QStringLiteral("PQV-32"));
        m_bench.buffer->setHasFlicker(true);
        m_bench.buffer->setFrequency(99.126f);
        m_bench.buffer->setDepth(37.56f);
        m_bench.buffer->setPercent(12.345f);
        m_bench.buffer->setIndex(0.12345f);
        m_bench.buffer->setGainValue(2);
        QByteArray wave;
        for (int i = 0; i < 1024; ++i)
            wave += testsupport::le16(uint16_t((i % 4) * 100));
        m_bench.buffer->setFlickerData(reinterpret_cast<const quint8 *>(wave.constData()), wave.size());

        const QStringList lines = save(SaveService::SAVE_PHOTOMETRIC);
        const int start = lines.indexOf(QStringLiteral("384,123.45")) + 1;
        QVERIFY(start > 0);
        QCOMPARE(lines.mid(start, 10),
                 (QStringList{"Flicker frequency(Hz): 99.13", "Modulation depth(%): 37.6",
                              "Percent flicker(%): 12.35", "Flicker index: 0.123", "Gain: x100",
                              "Flicker waveform", "0", "0.333333", "0.666667", "1"}));
        QCOMPARE(lines.size(), start + 6 + 1024);

        m_bench.buffer->setGainValue(7);
        m_bench.buffer->setFlickerData(reinterpret_cast<const quint8 *>(QByteArray(2048, 0).constData()),
                                 2048);
        const QStringList flat = save(SaveService::SAVE_PHOTOMETRIC);
        QCOMPARE(flat.at(start + 4), QStringLiteral("Gain: x1000"));
        QCOMPARE(flat.mid(start + 6), QStringList(1024, QStringLiteral("0")));

        // A model without flicker ends with the spectrum table.
        m_bench.buffer->setHasFlicker(false);
        QCOMPARE(save(SaveService::SAVE_PHOTOMETRIC).last(), QStringLiteral("384,123.45"));
    }

    void ramanExportWritesSpectraAndPeaks()
    {
        m_bench.buffer->setDeviceModel(QStringLiteral("WQV-71"));
        m_bench.buffer->setWl(340, 1020);
        m_bench.buffer->setExpoTime(1500);
        m_bench.buffer->setExpoStatus(0);
        QVector<uint16_t> samples(681, 1000);
        for (int i = 0; i < 681; ++i) // a broad hump with two narrow lines
            samples[i] = uint16_t(1000 + 3000 * std::exp(-std::pow((i - 350) / 150.0, 2))
                                  + (std::abs(i - 250) < 2 ? 20000 : 0)
                                  + (std::abs(i - 450) < 2 ? 15000 : 0));
        m_bench.feedSpectrum(0, samples);

        const QStringList lines = save(SaveService::SAVE_RAMAN);
        QCOMPARE(lines.mid(0, 3), (QStringList{"exposure time,1.5 ms", "exposure status,normal",
                                               "wavenumber, raman_raw, raman_clean, raman_fl"}));
        const QList<double> shift = m_bench.buffer->getRamanKey(DataBuffer::RamanRaw);
        const QList<double> peaks = m_bench.buffer->getRamanPks();
        QVERIFY(!shift.isEmpty());
        QCOMPARE(lines.size(), 3 + shift.size() + 1 + peaks.size());
        QCOMPARE(lines.at(3 + shift.size()), QStringLiteral("raman_peak_loc(cm^-1), raman_peak_val"));
        // Every data row: shift, raw = clean + fluorescence.
        for (int i = 0; i < shift.size(); ++i) {
            const QStringList f = lines.at(3 + i).split(QLatin1Char(','));
            QCOMPARE(f.size(), 4);
            QCOMPARE(f.at(0), QString::number(shift.at(i), 'g', 6));
            QVERIFY(qAbs(f.at(1).toDouble() - f.at(2).toDouble() - f.at(3).toDouble())
                    <= 1e-4 * qMax(1.0, qAbs(f.at(1).toDouble())));
        }
        const QList<double> locations = m_bench.buffer->getRamanLocs();
        for (int i = 0; i < peaks.size(); ++i)
            QCOMPARE(lines.at(4 + shift.size() + i),
                     QString::number(locations.at(i), 'g', 6) + QLatin1Char(',')
                         + QString::number(peaks.at(i), 'g', 6));
    }

    void unknownTypeCreatesNoFile()
    {
        loadSample(QStringLiteral("PQV-21"));
        QSignalSpy finished(m_bench.save.get(), &SaveService::saveFinished);
        m_bench.save->handleSaveSignal(SaveService::SaveType(6));
        m_bench.save->handleSaveSignal(SaveService::SaveType(-1));
        QCOMPARE(finished.count(), 2);
        QCOMPARE(finished.at(0).at(0).toBool(), false);
        QCOMPARE(finished.at(0).at(2).toString(), QStringLiteral("Unknown save type."));
        QVERIFY(savedFiles().isEmpty());
    }

    void folderBlockedByAFileIsReportedAsFailure()
    {
        loadSample(QStringLiteral("PQV-21"));
        QDir().mkpath(QFileInfo(SaveFolder::path()).path());
        QFile blocker(SaveFolder::path());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QSignalSpy finished(m_bench.save.get(), &SaveService::saveFinished);
        m_bench.save->handleSaveSignal(SaveService::SAVE_SPECTRUM);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().at(0).toBool(), false);
        QCOMPARE(finished.first().at(1).toString(), SaveFolder::path());
        QCOMPARE(finished.first().at(2).toString(),
                 QStringLiteral("Failed to create directory for saving."));
        QCOMPARE(QFileInfo(SaveFolder::path()).size(), 0); // the file in the way is untouched
    }

    void fileNameCarriesASafeModelNameAndSavesNeverOverwrite()
    {
        loadSample(QStringLiteral("PQV-21/../a b"));
        QSignalSpy finished(m_bench.save.get(), &SaveService::saveFinished);
        for (int i = 0; i < 5; ++i)
            m_bench.save->handleSaveSignal(SaveService::SAVE_SPECTRUM);
        QCOMPARE(finished.count(), 5);
        QSet<QString> paths;
        const QRegularExpression name(QStringLiteral("^PQV-21_\\.\\._a_b_\\d{17}(_\\d)?\\.csv$"));
        for (const QList<QVariant> &args : finished) {
            QVERIFY(args.at(0).toBool());
            const QFileInfo info(args.at(1).toString());
            QCOMPARE(info.absolutePath(), QDir(SaveFolder::path()).absolutePath());
            QVERIFY2(name.match(info.fileName()).hasMatch(), qPrintable(info.fileName()));
            QCOMPARE(readLines(info.filePath()).size(), 3 + 5); // each one complete
            paths.insert(info.filePath());
        }
        QCOMPARE(paths.size(), 5);
        QCOMPARE(savedFiles().size(), 5);
    }
};

QTEST_GUILESS_MAIN(TestResultCsvExport)
#include "tst_result_csv_export.moc"
