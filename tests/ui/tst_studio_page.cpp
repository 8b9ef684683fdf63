// The photometry page in the real window, connected to the simulated spectrometer: the
// chart selector, hue-bin table and result table for each model family, the status row,
// and which controls a measurement leaves enabled.
#include "StudioPageSession.h"

#include "control/StudioService.h"
#include "store/DataBuffer.h"

#include <QColor>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QtTest>
#include <algorithm>

using simdevice::DeviceState;
using testsupport::commandFrame;
using testsupport::StudioPageSession;

namespace {

const QStringList kAllChartTypes{QStringLiteral("Spectrum"),     QStringLiteral("Cie1931"),
                                 QStringLiteral("Cie1960"),      QStringLiteral("Cie1976"),
                                 QStringLiteral("CRI1"),         QStringLiteral("CRI2"),
                                 QStringLiteral("RfRg"),         QStringLiteral("PowerDistribution"),
                                 QStringLiteral("Fidelity"),     QStringLiteral("DataAnalysis"),
                                 QStringLiteral("ColorVector"),  QStringLiteral("Chromaticity"),
                                 QStringLiteral("Flicker")};

} // namespace

class TestStudioPage : public QObject
{
    Q_OBJECT
    StudioPageSession m_s;

    StudioService *studio() const { return m_s.studio(); }
    DataBuffer *buffer() const { return m_s.buffer(); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_s.start());
        // Before any device, the page already lists the colour views of a plain model, and
        // the hue bins, not computed yet, read zero.
        QCOMPARE(m_s.chartTypes(), kAllChartTypes.mid(0, 6));
        QVERIFY(m_s.hueBins());
        QCOMPARE(m_s.hueBins()->rowCount(), 16);
        QCOMPARE(m_s.hueBin(0), (QStringList{QStringLiteral("0.0°-22.5°"), "0.0000", "0.0000", "0.0000"}));
        QCOMPARE(m_s.hueBin(15), (QStringList{QStringLiteral("337.5°-360.0°"), "0.0000", "0.0000", "0.0000"}));
    }

    void cleanupTestCase() { m_s.stop(); }

    void cleanup()
    {
        if (m_s.hasDevice())
            m_s.device().setSilent(false);
        if (studio()->isAuto())
            studio()->handleAutoSpectrumSignal();
    }

    void chartListAndResultPaneFollowTheModelFamily_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("types");
        QTest::addColumn<bool>("resultPane");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("Y") << "YQV-01" << QStringList{"Spectrum", "Cie1931"} << true
                           << QStringList{"BASE", "BL", "PPFD"};
        QTest::newRow("T") << "TQV-11" << QStringList{"Spectrum"} << false << QStringList{};
        QTest::newRow("irradiance") << "PQV-24" << kAllChartTypes.mid(0, 6) << true
                                    << QStringList{"BASE", "BL", "IR", "PPFD"};
        QTest::newRow("TM-30 and flicker") << "PQV-27" << kAllChartTypes << true
                                           << QStringList{"BASE", "BL", "IR", "PPFD"};
    }
    void chartListAndResultPaneFollowTheModelFamily()
    {
        QFETCH(QString, model);
        QFETCH(QStringList, types);
        QFETCH(bool, resultPane);
        QFETCH(QStringList, titles);
        QVERIFY(m_s.openStudioWith(model));
        QCOMPARE(m_s.chartTypes(), types);
        QCOMPARE(m_s.ui().property(QStringLiteral("selectShowChart"), "model").toStringList(), types);
        QCOMPARE(m_s.shownChart(), QStringLiteral("Spectrum"));
        QCOMPARE(m_s.ui().item(QStringLiteral("chartSpectrogram"))->isVisible(), true);
        QCOMPARE(m_s.ui().item(QStringLiteral("resultPane"))->isVisible(), resultPane);
        QCOMPARE(m_s.ui().property(QStringLiteral("modelLine"), "text").toString(), model + QStringLiteral(" Serial"));
        QVERIFY(m_s.snapshotByClick());
        // "Y" models' raw counts are not saved; "T" models have no report.
        QCOMPARE(m_s.ui().isOperable(QStringLiteral("save")), !model.startsWith(QLatin1Char('Y')));
        QCOMPARE(m_s.ui().isOperable(QStringLiteral("exportReport")), !model.startsWith(QLatin1Char('T')));
        if (!resultPane)
            return;
        // Group titles in the order of the model's modules, each above its rows.
        const QStringList texts = m_s.tableTexts();
        QStringList shownTitles;
        for (const QString &text : texts) {
            if (QStringList{"BASE", "IR", "PPFD", "BL"}.contains(text))
                shownTitles << text;
        }
        QCOMPARE(shownTitles, titles);
        // Every value the store formatted stands in the table, after its label.
        const QVariantList groups = buffer()->formattedPhotoResult();
        int items = 0;
        for (const QVariant &group : groups) {
            for (const QVariant &entry : group.toMap().value(QStringLiteral("items")).toList()) {
                const QVariantMap item = entry.toMap();
                const int at = texts.indexOf(item.value(QStringLiteral("value")).toString(), 0);
                QVERIFY2(at > 0, qPrintable(item.value(QStringLiteral("key")).toString()));
                QVERIFY2(texts.at(at - 1).endsWith(QLatin1Char(':')), qPrintable(texts.at(at - 1)));
                ++items;
            }
        }
        QVERIFY(items > 3);
        if (titles.contains(QStringLiteral("IR")))
            QVERIFY(texts.contains(QStringLiteral("Red irradiance Red_Ee(W/m^2):")));
    }

    void resultTableFollowsUnitAndRangeSettings()
    {
        QVERIFY(m_s.openStudioWith(QStringLiteral("PQV-24")));
        QVERIFY(m_s.snapshotByClick());
        QVERIFY(m_s.tableTexts().contains(QStringLiteral("Irradiance Ee(W/m^2):")));
        QVERIFY(!m_s.tableTexts().contains(QStringLiteral("Bandwidth:")));
        studio()->setUnit(3);
        QTRY_VERIFY(m_s.tableTexts().contains(QStringLiteral("Irradiance Ee(μW/cm^2):")));
        // The range results join with the next measurement.
        studio()->setRangeEnable(true);
        QVERIFY(m_s.snapshotByClick());
        QTRY_VERIFY(m_s.tableTexts().contains(QStringLiteral("Bandwidth:")));
        QVERIFY(m_s.tableTexts().contains(QStringLiteral("Custom Irradiance Ee(μW/cm^2):")));
        QVERIFY(m_s.tableTexts().contains(QStringLiteral("Custom Half-peak width HW:")));
        studio()->setRangeEnable(false);
        studio()->setUnit(0);
        QVERIFY(m_s.snapshotByClick());
        QTRY_VERIFY(!m_s.tableTexts().contains(QStringLiteral("Bandwidth:")));
    }

    void snapshotAndContinuousMeasurementDriveTheEnableRules()
    {
        QVERIFY(m_s.openStudioWith(QStringLiteral("PQV-27")));
        QVERIFY(!m_s.ui().isOperable(QStringLiteral("save")));
        QVERIFY(!m_s.ui().isOperable(QStringLiteral("exportReport")));
        QVERIFY(m_s.ui().isOperable(QStringLiteral("openDir")));
        QVERIFY(m_s.ui().isOperable(QStringLiteral("flickerButton")));

        // A snapshot that the device has not answered yet.
        m_s.device().setSilent(true);
        QVERIFY(m_s.ui().click(QStringLiteral("manualSpectrum")));
        QVERIFY(studio()->isSingle());
        QCOMPARE(m_s.statusText(), QStringLiteral("Adjusting Exposure"));
        for (const char *name : {"save", "exportReport", "manualSpectrum", "autoSpectrum", "flickerButton",
                                 "autoRadioButton", "manualRadioButton", "setExposeTime", "getExposeTime"})
            QVERIFY2(!m_s.ui().isOperable(QLatin1String(name)), name);
        QVERIFY(m_s.ui().isOperable(QStringLiteral("openDir")));
        m_s.device().setSilent(false);
        m_s.device().pushSpectrum();
        QTRY_VERIFY_WITH_TIMEOUT(!studio()->isSingle(), StudioPageSession::kReplyTimeoutMs);
        QCOMPARE(m_s.statusText(), QStringLiteral("Normal Exposure"));
        QVERIFY(m_s.ui().isOperable(QStringLiteral("save")));
        QVERIFY(m_s.ui().isOperable(QStringLiteral("exportReport")));

        // Continuous measurement: one button starts and stops it.
        QVERIFY(m_s.ui().click(QStringLiteral("autoSpectrum")));
        QVERIFY(studio()->isAuto());
        QCOMPARE(m_s.ui().property(QStringLiteral("autoSpectrum"), "text").toString(), QStringLiteral("Stop"));
        QVERIFY(m_s.ui().isOperable(QStringLiteral("autoSpectrum")));
        QVERIFY(m_s.ui().isOperable(QStringLiteral("save")));
        for (const char *name : {"manualSpectrum", "flickerButton", "autoRadioButton", "manualRadioButton"})
            QVERIFY2(!m_s.ui().isOperable(QLatin1String(name)), name);
        QSignalSpy spectra(buffer(), &DataBuffer::specDataChanged);
        QTRY_VERIFY_WITH_TIMEOUT(spectra.count() >= 3, StudioPageSession::kReplyTimeoutMs);
        QVERIFY(m_s.ui().click(QStringLiteral("autoSpectrum")));
        QVERIFY(!studio()->isAuto());
        QCOMPARE(m_s.ui().property(QStringLiteral("autoSpectrum"), "text").toString(),
                 QStringLiteral("Continuous Measure"));
        QTRY_VERIFY_WITH_TIMEOUT(!m_s.device().isStreaming(), StudioPageSession::kReplyTimeoutMs);
        const QList<QByteArray> frames = m_s.receivedFrames(2);
        QVERIFY(frames.contains(commandFrame(51)));
        QCOMPARE(frames.last(), commandFrame(4));
    }

    void exposureStatusFollowsTheDevice()
    {
        QVERIFY(m_s.openStudioWith(QStringLiteral("PQV-21")));
        const QList<QPair<uint8_t, QString>> cases{{2, QStringLiteral("Under Exposure")},
                                                   {1, QStringLiteral("Over Exposure")},
                                                   {0, QStringLiteral("Normal Exposure")}};
        for (const auto &[status, text] : cases) {
            m_s.device().updateState([status = status](DeviceState &state) { state.spectrum.exposureStatus = status; });
            QVERIFY(m_s.snapshotByClick());
            QCOMPARE(m_s.statusText(), text);
        }
        buffer()->setExpoStatus(3);
        QCOMPARE(m_s.statusText(), QString());
    }

    void flickerViewComesAndGoesWithItsButtons()
    {
        QVERIFY(m_s.openStudioWith(QStringLiteral("PQV-27")));
        QSignalSpy flicker(buffer(), &DataBuffer::flickerDataChanged);
        QVERIFY(m_s.ui().click(QStringLiteral("flickerButton")));
        QCOMPARE(m_s.shownChart(), QStringLiteral("Flicker"));
        QVERIFY(m_s.ui().item(QStringLiteral("chartFlicker"))->isVisible());
        QVERIFY(!m_s.ui().item(QStringLiteral("chartSpectrogram"))->isVisible());
        QCOMPARE(m_s.receivedFrames(1), QList<QByteArray>{commandFrame(60)});
        QTRY_VERIFY_WITH_TIMEOUT(flicker.count() >= 1, StudioPageSession::kReplyTimeoutMs);

        // Continuous measurement goes back to the spectrum first.
        QVERIFY(m_s.ui().click(QStringLiteral("autoSpectrum")));
        QCOMPARE(m_s.shownChart(), QStringLiteral("Spectrum"));
        QVERIFY(studio()->isAuto());
        QVERIFY(m_s.ui().click(QStringLiteral("autoSpectrum")));
        QCOMPARE(m_s.shownChart(), QStringLiteral("Spectrum"));

        // A model without flicker has no such view, and its button stays disabled.
        QVERIFY(m_s.openStudioWith(QStringLiteral("PQV-22")));
        QVERIFY(!m_s.chartTypes().contains(QStringLiteral("Flicker")));
        QVERIFY(!m_s.ui().isOperable(QStringLiteral("flickerButton")));
    }

    void hueBinTableFillsFromEachResultAndEmptiesOnAnotherPick()
    {
        QVERIFY(m_s.openStudioWith(QStringLiteral("PQV-22")));
        QAbstractItemModel *model = m_s.hueBins();
        QQuickItem *rows = m_s.ui().item(QStringLiteral("hueBinRows"));
        // Picking the page empties the table until the next result.
        QCOMPARE(model->rowCount(), 0);
        auto row = [this](int r) { return m_s.hueBin(r); };

        QVERIFY(m_s.snapshotByClick());
        QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(), 16, StudioPageSession::kReplyTimeoutMs);
        const QList<float> rf = buffer()->colorFidelity();
        const QList<float> chroma = buffer()->chromaShift();
        const QList<float> hue = buffer()->hueShift();
        QCOMPARE(rf.size(), 16);
        QVERIFY(std::any_of(rf.begin(), rf.end(), [](float value) { return value > 1.0f; }));
        for (int i = 0; i < 16; ++i) {
            QCOMPARE(row(i).at(1), QString::number(rf.at(i), 'f', 4));
            QCOMPARE(row(i).at(2), QString::number(chroma.at(i), 'f', 4));
            QCOMPARE(row(i).at(3), QString::number(hue.at(i), 'f', 4));
        }

        // Shown in the dark theme, the values stay readable.
        QObject *selector = m_s.ui().find(QStringLiteral("selectShowChart"));
        selector->setProperty("currentIndex", m_s.chartTypes().indexOf(QStringLiteral("DataAnalysis")));
        QTRY_VERIFY(m_s.ui().item(QStringLiteral("dataAnalysis"))->isVisible());
        QVERIFY(!m_s.ui().item(QStringLiteral("chartSpectrogram"))->isVisible());
        QObject *theme = m_s.app().engine().rootContext()->contextProperty(QStringLiteral("theme")).value<QObject *>();
        QMetaObject::invokeMethod(theme, "switchTheme", Q_ARG(QString, QStringLiteral("dark")));
        // Every shown bin text in the theme's text colour.
        auto shownBinColours = [rows] {
            QSet<QString> colours;
            int count = 0;
            QList<QQuickItem *> pending{rows};
            while (!pending.isEmpty()) {
                QQuickItem *item = pending.takeFirst();
                pending << item->childItems();
                if (item->inherits("QQuickText") && item->isVisible()) {
                    colours << item->property("color").value<QColor>().name();
                    ++count;
                }
            }
            return count >= 16 ? colours : QSet<QString>();
        };
        QTRY_COMPARE(shownBinColours(), QSet<QString>{QStringLiteral("#ffffff")});
        QMetaObject::invokeMethod(theme, "switchTheme", Q_ARG(QString, QStringLiteral("light")));
        QTRY_COMPARE(shownBinColours(), QSet<QString>{QStringLiteral("#212121")});

        // Picking the page again empties the table and keeps the view.
        QVERIFY(QMetaObject::invokeMethod(m_s.app().window(), "pageSwitch", Q_ARG(QVariant, QStringLiteral("Studio"))));
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(m_s.shownChart(), QStringLiteral("DataAnalysis"));
        QVERIFY(m_s.snapshotByClick());
        QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(), 16, StudioPageSession::kReplyTimeoutMs);
        selector->setProperty("currentIndex", 0);
    }

};

QTEST_MAIN(TestStudioPage)
#include "tst_studio_page.moc"
