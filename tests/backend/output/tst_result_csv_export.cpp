// The result CSV exports read back from disk: header and rows of every save type, for an
// irradiance model in two units and a photon-count ("T") model; file names and failures.
#include "ExportBench.h"
#include "SavedFiles.h"
#include "SyntheticRamanSpectrum.h"

#include "output/CsvFile.h"
#include "output/SaveFolder.h"
#include "output/SaveService.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"

#include <QJsonObject>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

using testsupport::savedFiles;

class TestResultCsvExport : public QObject
{
    Q_OBJECT
    testsupport::ExportBench m_bench;

    // Five points at 380-384 nm, scale code 2 (divide by 100), 12.5 ms, over exposure.
    void loadSample(const QString &model)
    {
        m_bench.setDevice(model, 380, 384);
        m_bench.buffer->setExpoStatus(1);
        m_bench.feedSpectrum(2, {100, 250, 0, 1000, 12345});
    }

    QStringList save(SaveService::SaveType type) { return m_bench.saveAndRead(type); }

    void setUnit(int unit)
    {
        MeasurementSettings::setUnit(unit);
        m_bench.buffer->reloadSpecData();
    }

private slots:
    void initTestCase() { testsupport::ExportBench::prepareProcess(); }
    void init() { m_bench.reset(); }
    void cleanup() { m_bench.release(); }

    void spectrumInTwoUnits()
    {
        loadSample(QStringLiteral("PQV-21"));
        const QStringList head{"exposure time,12.5 ms", "exposure status: over exposure"};
        QCOMPARE(save(SaveService::SAVE_SPECTRUM),
                 (head + QStringList{"wavelength(nm), irradiance(W/m^2)", "380,1", "381,2.5", "382,0",
                                     "383,10", "384,123.45"}));
        setUnit(3); // read back as UTF-8, so a mis-encoded label fails here
        QCOMPARE(save(SaveService::SAVE_SPECTRUM),
                 (head + QStringList{QString::fromUtf8("wavelength(nm), irradiance(\u03bcW/cm^2)"), "380,100",
                                     "381,250", "382,0", "383,1000", "384,12345"}));
        m_bench.buffer->setExpoStatus(7); // unknown: no status line
        QCOMPARE(save(SaveService::SAVE_SPECTRUM).at(1), QString::fromUtf8("wavelength(nm), irradiance(\u03bcW/cm^2)"));
    }

    void photonCountsIgnoreTheIrradianceUnit()
    {
        loadSample(QStringLiteral("TQV-12"));
        setUnit(1);
        m_bench.buffer->setExpoStatus(2);
        QCOMPARE(save(SaveService::SAVE_SPECTRUM),
                 (QStringList{"exposure time,12.5 ms", "exposure status: under exposure",
                              "wavelength(nm), photon counts", "380,1", "381,2.5", "382,0", "383,10", "384,123.45"}));
    }

    void ratioExportsAgainstTheReference()
    {
        loadSample(QStringLiteral("PQV-21"));
        const QStringList unreferenced = save(SaveService::SAVE_ABSORBANCE);
        QCOMPARE(unreferenced.size(), 3 + 5);
        for (const QString &line : unreferenced.mid(3))
            QVERIFY2(line.endsWith(QLatin1String(",nan")), qPrintable(line));

        m_bench.flags.reference = true;
        m_bench.feedSpectrum(2, {10000, 10000, 400, 10000, 10000}); // 100, 100, 4 (weak), 100, 100
        m_bench.flags.reference = false;
        m_bench.buffer->setHasReference(true);
        m_bench.feedSpectrum(2, {5000, 20000, 100, 0, 1000});
        m_bench.buffer->setExpoStatus(0);
        const QStringList head{"exposure time,12.5 ms", "exposure status: normal"};
        const QStringList rows{"380,50,100,0.5", "381,200,100,1", "382,1,4,nan", "383,0,100,0", "384,10,100,0.1"};
        QCOMPARE(save(SaveService::SAVE_TRANSMITTANCE), (head + QStringList{"wl, source, reference, transmittance"} + rows));
        QCOMPARE(save(SaveService::SAVE_REFLECTANCE), (head + QStringList{"wl, source, reference, reflectance"} + rows));
        QCOMPARE(save(SaveService::SAVE_ABSORBANCE),
                 (head + QStringList{"wl, source, reference, absorbance", "380,50,100,0.30103", "381,200,100,0",
                                     "382,1,4,nan", "383,0,100,3", "384,10,100,1"}));
        setUnit(1); // the ratio files carry the source as received, whatever the unit
        QCOMPARE(save(SaveService::SAVE_TRANSMITTANCE).at(3), QStringLiteral("380,50,100,0.5"));
    }

    void photometricExportListsEveryItemThenTheSpectrum()
    {
        loadSample(QStringLiteral("PQV-21"));
        m_bench.feedWords(0.5f);
        QTRY_VERIFY(!m_bench.buffer->lastResultItems().isEmpty());
        const int items = int(m_bench.buffer->lastResultItems().size());
        for (int unit : {0, 2}) {
            setUnit(unit);
            const QStringList lines = save(SaveService::SAVE_PHOTOMETRIC);
            QCOMPARE(lines.size(), items + 3 + 5);
            QCOMPARE(lines.first(), QStringLiteral("X,0.50"));
            // Hidden parameters are exported too, in the table's order.
            QVERIFY(lines.indexOf(QStringLiteral("SDCM,36.50")) >= 0);
            QVERIFY(lines.indexOf(QStringLiteral("SDCM,36.50")) < lines.indexOf(QStringLiteral("k,37.50")));
            QCOMPARE(lines.at(items), QStringLiteral("exposure time,12.5 ms"));
            QCOMPARE(lines.at(items + 2),
                     "wavelength(nm), irradiance(" + MeasurementSettings::unitLabel(unit) + ')');
            QCOMPARE(lines.last(), unit == 0 ? QStringLiteral("384,123.45") : QStringLiteral("384,12.345"));
        }
    }

    void photometricExportAddsTheFlickerRecord()
    {
        loadSample(QStringLiteral("PQV-32"));
        DataBuffer &store = *m_bench.buffer;
        store.setHasFlicker(true);
        store.setFrequency(99.126f);
        store.setDepth(37.56f);
        store.setPercent(12.345f);
        store.setIndex(0.12345f);
        store.setGainValue(2);
        QByteArray wave;
        for (int i = 0; i < 1024; ++i)
            wave += testsupport::le16(uint16_t((i % 4) * 100));
        store.setFlickerData(testsupport::bytesOf(wave), int(wave.size()));

        const QStringList lines = save(SaveService::SAVE_PHOTOMETRIC);
        const int start = int(lines.indexOf(QStringLiteral("384,123.45"))) + 1;
        QVERIFY(start > 0);
        QCOMPARE(lines.mid(start, 10),
                 (QStringList{"Flicker frequency(Hz): 99.13", "Modulation depth(%): 37.6", "Percent flicker(%): 12.35",
                              "Flicker index: 0.123", "Gain: x100", "Flicker waveform", "0", "0.333333", "0.666667", "1"}));
        QCOMPARE(lines.size(), start + 6 + 1024);

        store.setGainValue(7);
        const QByteArray flat(2048, 0);
        store.setFlickerData(testsupport::bytesOf(flat), int(flat.size()));
        const QStringList flatLines = save(SaveService::SAVE_PHOTOMETRIC);
        QCOMPARE(flatLines.at(start + 4), QStringLiteral("Gain: x1000"));
        QCOMPARE(flatLines.mid(start + 6), QStringList(1024, QStringLiteral("0")));

        store.setHasFlicker(false); // then the file ends with the spectrum table
        QCOMPARE(save(SaveService::SAVE_PHOTOMETRIC).last(), QStringLiteral("384,123.45"));
    }

    void ramanExportWritesSpectraAndPeaks()
    {
        m_bench.setDevice(QStringLiteral("WQV-71"), 340, 1020, 1500);
        m_bench.buffer->setExpoStatus(0);
        SyntheticRamanSpectrum synthetic;
        synthetic.lines = {{1000.0, 20000.0}, {1600.0, 15000.0}};
        QVector<uint16_t> samples;
        for (double value : synthetic.values())
            samples << uint16_t(1000.0 + value);
        m_bench.feedSpectrum(0, samples);

        const QStringList lines = save(SaveService::SAVE_RAMAN);
        QCOMPARE(lines.mid(0, 3), (QStringList{"exposure time,1.5 ms", "exposure status,normal",
                                               "wavenumber, raman_raw, raman_clean, raman_fl"}));
        const QList<double> shift = m_bench.buffer->getRamanKey(DataBuffer::RamanRaw);
        const QList<double> peaks = m_bench.buffer->getRamanPks();
        const QList<double> locations = m_bench.buffer->getRamanLocs();
        QVERIFY(!shift.isEmpty() && !peaks.isEmpty());
        QCOMPARE(lines.size(), 3 + shift.size() + 1 + peaks.size());
        QCOMPARE(lines.at(3 + shift.size()), QStringLiteral("raman_peak_loc(cm^-1), raman_peak_val"));
        for (int i = 0; i < shift.size(); ++i) { // shift, then raw = clean + fluorescence
            const QStringList f = lines.at(3 + i).split(QLatin1Char(','));
            QCOMPARE(f.size(), 4);
            QCOMPARE(f.at(0), QString::number(shift.at(i), 'g', 6));
            QVERIFY(qAbs(f.at(1).toDouble() - f.at(2).toDouble() - f.at(3).toDouble())
                    <= 1e-4 * qMax(1.0, qAbs(f.at(1).toDouble())));
        }
        for (int i = 0; i < peaks.size(); ++i)
            QCOMPARE(lines.at(4 + shift.size() + i),
                     QString::number(locations.at(i), 'g', 6) + ',' + QString::number(peaks.at(i), 'g', 6));
    }

    void fileNamesAreSafeAndSavesNeverOverwrite()
    {
        QCOMPARE(SaveFolder::path(),
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/Vantorel");
        QCOMPARE(SaveFolder::fileSafeModelName(QString::fromUtf8("A.b_C-9/..\\x y\0z\xC2\xB5", 18)),
                 QStringLiteral("A.b_C-9_.._x_y_z_"));

        loadSample(QStringLiteral("PQV-21/../a b"));
        QSignalSpy finished(m_bench.save.get(), &SaveService::saveFinished);
        for (int i = 0; i < 5; ++i) // within the same millisecond, most likely
            m_bench.save->handleSaveSignal(SaveService::SAVE_SPECTRUM);
        QCOMPARE(finished.count(), 5);
        QSet<QString> paths;
        const QRegularExpression name(QStringLiteral("^PQV-21_\\.\\._a_b_\\d{17}(_\\d)?\\.csv$"));
        for (const QList<QVariant> &args : finished) {
            QVERIFY(args.at(0).toBool());
            const QFileInfo info(args.at(1).toString());
            QCOMPARE(info.absolutePath(), QDir(SaveFolder::path()).absolutePath());
            QVERIFY2(name.match(info.fileName()).hasMatch(), qPrintable(info.fileName()));
            QCOMPARE(testsupport::csvLines(info.filePath()).size(), 3 + 5); // each one complete
            paths.insert(info.filePath());
        }
        QCOMPARE(paths.size(), 5);
        QCOMPARE(savedFiles().size(), 5);

        // The same stem for certain: the second file gets a number instead of replacing the first.
        QFile first, second;
        QVERIFY(CsvFile::openNew(first, SaveFolder::path(), QStringLiteral("M")));
        QVERIFY(first.write("first") == 5 && first.flush());
        QVERIFY(CsvFile::openNew(second, SaveFolder::path(), QStringLiteral("M")));
        QCOMPARE(second.fileName(), SaveFolder::path() + "/M_2.csv");
        QCOMPARE(QFileInfo(first.fileName()).size(), 5);
    }

    void failuresAreReportedAndWriteNothing()
    {
        loadSample(QStringLiteral("PQV-21"));
        for (int type : {6, -1})
            QCOMPARE(m_bench.saveAndRead(type), QStringList{"<failed> Unknown save type."});
        QVERIFY(savedFiles().isEmpty());

        m_bench.blockSaveFolder();
        QCOMPARE(save(SaveService::SAVE_SPECTRUM), QStringList{"<failed> Failed to create directory for saving."});
        QCOMPARE(QFileInfo(SaveFolder::path()).size(), 0); // the file in the way is untouched

        QFile full(QStringLiteral("/dev/full"));
        if (!full.open(QIODevice::WriteOnly))
            QSKIP("/dev/full is not available");
        QVERIFY(!CsvFile::write(full, false, [](QTextStream &out) {
            for (int i = 0; i < 1000; ++i)
                out << "wavelength,value\n";
        }));
    }
};

QTEST_GUILESS_MAIN(TestResultCsvExport)
#include "tst_result_csv_export.moc"
