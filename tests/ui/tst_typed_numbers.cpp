// Numbers as a person types them into the real window, under the system locale the test
// runs in (CTest runs it in English, German and French) and in the interface language of
// that locale and of another: the exposure on the photometry and spectrum pages, the timed
// series, the illuminance calibration and the band. What is sent to the device or stored is
// the number the field shows; a text that names no single number is refused with a message
// and sends nothing.
#include "RunningApplication.h"
#include "SerialLink.h"
#include "SimulatedDevice.h"
#include "TemporaryHome.h"
#include "UiDriver.h"
#include "control/StudioService.h"
#include "protocol/DeviceCommand.h"
#include "protocol/DeviceFrame.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"
#include "welcome/WelcomeService.h"

#include <QQuickWindow>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtEndian>
#include <QtTest>
#include <functional>

using simdevice::SimulatedDevice;

namespace {

constexpr int kConnectTimeoutMs = 30000;
constexpr int kReplyTimeoutMs = 15000;

const QStringList kLanguages{"zh", "en", "de", "fr"}; // in the order of the language menu

bool writesDecimalComma(const QString &language) { return language == QLatin1String("de") || language == QLatin1String("fr"); }

} // namespace

class TestTypedNumbers : public QObject
{
    Q_OBJECT
    std::unique_ptr<testsupport::RunningApplication> m_app;
    std::unique_ptr<testsupport::UiDriver> m_ui;
    std::unique_ptr<SimulatedDevice> m_device;
    QString m_systemLanguage;

    StudioService *studio() const { return m_app->studio(); }
    DataBuffer *buffer() const { return m_app->dataBuffer(); }
    void trigger(const char *action)
    {
        // The menu's actions follow the page and the model's features.
        QTRY_VERIFY_WITH_TIMEOUT(m_ui->property(QLatin1String(action), "enabled").toBool(), kReplyTimeoutMs);
        QVERIFY(QMetaObject::invokeMethod(m_ui->find(action), "trigger"));
    }
    QString text(const char *field) const { return m_ui->property(field, "text").toString(); }
    QString language() const { return m_app->engine().uiLanguage(); }
    // 12.5 as the interface language writes it, as the messages show how to type it.
    QString twelveAndAHalf() const { return writesDecimalComma(language()) ? "12,5" : "12.5"; }

    // Refused: the message shows, and nothing reaches the device.
    bool refusedWith(const QString &message)
    {
        const bool shown = QTest::qWaitFor([&] { return m_app->shownMessage() == message; }, kReplyTimeoutMs);
        if (!shown)
            qWarning().noquote() << "shown:" << m_app->shownMessage() << "| expected:" << message;
        const bool silent = testsupport::takeSentFrames(*m_device).isEmpty();
        m_app->closeMessage();
        return shown && silent;
    }

    void typeAndClick(const char *field, const QString &typed, const char *button)
    {
        m_app->closeMessage();
        m_device->clearReceived();
        QVERIFY(m_ui->type(QLatin1String(field), typed));
        // The field holds what was typed when it is read.
        QCOMPARE(text(field), typed);
        QVERIFY(m_ui->click(QLatin1String(button)));
    }

    void exposureOnPage(const QString &page)
    {
        QVERIFY(QMetaObject::invokeMethod(m_app->window(), "pageSwitch", Q_ARG(QVariant, page)));
        QTRY_VERIFY_WITH_TIMEOUT(m_ui->isOperable(QStringLiteral("setExposeTime")), kReplyTimeoutMs);
        const QString refusal = QCoreApplication::translate("StudioService", "Enter an exposure time in milliseconds from 0 to %1, such as %2.")
                                    .arg(4294967)
                                    .arg(twelveAndAHalf());
        using Typed = std::tuple<QString, quint32, QString>; // microseconds sent, 0 for refused; then shown, with a point
        // The last two as a full-width input method types them: 12,5 and a no-break space.
        for (const auto &[typed, microseconds, shown] :
             {Typed{"12,5", 12500, "12.5"}, Typed{"1,000", 0, ""}, Typed{"10.000", 0, ""}, Typed{"3 600", 0, ""},
              Typed{"250", 250000, "250"}, Typed{"0.666666666666665", 666, "0.666"},
              Typed{QStringLiteral("\uff11\uff12\uff0c\uff15"), 12500, "12.5"}, Typed{QStringLiteral("3\u00a0600"), 0, ""}}) {
            typeAndClick("exposeTime", typed, "setExposeTime");
            if (!microseconds) {
                QVERIFY2(refusedWith(refusal), qPrintable(typed));
                continue;
            }
            QByteArray payload(4, 0);
            qToLittleEndian(microseconds, payload.data());
            QTRY_COMPARE_WITH_TIMEOUT(m_device->framesWithCode(DeviceCommand::CMD_SET_EXPO_TIME),
                                      QList<QByteArray>{DeviceFrame::build(DeviceCommand::CMD_SET_EXPO_TIME, payload)}, kReplyTimeoutMs);
            QTRY_COMPARE_WITH_TIMEOUT(buffer()->expoTime(), microseconds, kReplyTimeoutMs);
            // The device's time comes back in the interface language's notation.
            QTRY_COMPARE(text("exposeTime"), writesDecimalComma(language()) ? QString(shown).replace('.', ',') : shown);
        }
    }

    void timedSeries()
    {
        trigger("customizedTestAction");
        QTRY_VERIFY(m_ui->property("customizedTestDialog", "visible").toBool());
        QSignalSpy begin(studio(), &StudioService::requestCustomizedTestBegin);
        const QString refusal = QCoreApplication::translate(
            "CustomizedTestDialog", "Enter the duration and the intervals as whole numbers in digits only, such as 3600.");
        using Series = std::pair<QString, QString>; // duration, intervals
        for (const auto &[duration, intervals] : {Series{"10.000", "5"}, Series{"3 600", "5"}, Series{"60", "5.000"},
                                                  Series{"1,5", "5"}, Series{"60", "1,000"},
                                                  Series{QStringLiteral("3\u202f600"), "5"}}) {
            QVERIFY(m_ui->type(QStringLiteral("intervalsField"), intervals));
            typeAndClick("durationField", duration, "customizedTestStartButton");
            QVERIFY2(refusedWith(refusal), qPrintable(duration));
        }
        QVERIFY(begin.isEmpty() && !studio()->isAuto());

        // Typed on a plain keyboard, then in the full-width digits of a Chinese input method.
        for (const auto &[duration, intervals] :
             {Series{"3600", "6"}, Series{QStringLiteral("\uff13\uff16\uff10\uff10"), QStringLiteral("\uff16")}}) {
            trigger("customizedTestAction");
            QVERIFY(m_ui->type(QStringLiteral("intervalsField"), intervals));
            typeAndClick("durationField", duration, "customizedTestStartButton");
            QTRY_COMPARE_WITH_TIMEOUT(begin.count(), 1, kReplyTimeoutMs);
            QCOMPARE(std::make_pair(studio()->testDuration(), studio()->testIntervals()), std::make_pair(3600, 6));
            m_ui->find(QStringLiteral("customizedTestDialog"))->setProperty("visible", false);
            QTRY_VERIFY_WITH_TIMEOUT(!studio()->isAuto(), kReplyTimeoutMs);
            begin.clear();
        }
    }

    void illuminanceRatio()
    {
        trigger("setIlluminanceAction");
        // Opening the dialog asks for the device's table, which the ratio scales.
        QTRY_VERIFY_WITH_TIMEOUT(buffer()->efficiencyTableRead(), kReplyTimeoutMs);
        const QString refusal = QCoreApplication::translate("IlluminanceDialog", "Enter two illuminances of at least %1, such as %2.")
                                    .arg(writesDecimalComma(language()) ? "0,01" : "0.01", twelveAndAHalf());
        using Calibration = std::tuple<const char *, const char *, float>; // current, target, ratio sent (0: refused)
        for (const auto &[current, target, ratio] :
             {Calibration{"1,5", "3", 0.5f}, Calibration{"1,000", "2", 0.0f}, Calibration{"3 600", "1", 0.0f},
              Calibration{"2", "0.5", 4.0f}}) {
            const qsizetype uploads = m_device->savedEfficiencyUploads().size();
            QVERIFY(m_ui->type(QStringLiteral("targetIlluminanceField"), QLatin1String(target)));
            typeAndClick("currentIlluminanceField", QLatin1String(current), "illuminanceConfirmButton");
            if (ratio == 0.0f) {
                QVERIFY2(refusedWith(refusal), current);
                continue;
            }
            QTRY_COMPARE_WITH_TIMEOUT(m_device->savedEfficiencyUploads().size(), uploads + 1, kReplyTimeoutMs);
            QCOMPARE(m_device->savedEfficiencyUploads().last().value(0), ratio);
            // The device's acknowledgement shows a message of its own; a late one would take
            // the place of the next refusal.
            QTRY_COMPARE_WITH_TIMEOUT(m_app->shownMessage(), QCoreApplication::translate("Main", "OK"), kReplyTimeoutMs);
            m_app->closeMessage();
        }
        m_ui->find(QStringLiteral("illuminanceDialog"))->setProperty("visible", false);
        m_app->closeMessage();
    }

    void band()
    {
        studio()->setRangeEnable(true);
        MeasurementSettings::setRange(370, 780);
        trigger("setBandwidthAction");
        QTRY_VERIFY(m_ui->isOperable(QStringLiteral("rangeEndField")));
        const QString refusal = QCoreApplication::translate("BandwidthDialog", "Enter whole numbers of nanometres in digits only, such as 380.");
        for (const char *end : {"1.000", "1,000", "1 000", "700,5"}) {
            QVERIFY(m_ui->type(QStringLiteral("rangeBeginField"), QStringLiteral("400")));
            typeAndClick("rangeEndField", QLatin1String(end), "bandwidthConfirmButton");
            QVERIFY2(refusedWith(refusal), end);
            QCOMPARE(MeasurementSettings::range(), (QVariantList{370, 780}));
        }
        typeAndClick("rangeEndField", QStringLiteral("700"), "bandwidthConfirmButton");
        QTRY_COMPARE(MeasurementSettings::range(), (QVariantList{400, 700}));
        MeasurementSettings::setRange(370, 780);
        studio()->setRangeEnable(false);
    }

private slots:
    void initTestCase()
    {
        testsupport::useTemporaryHome();
        QStandardPaths::setTestModeEnabled(true);
        m_app = std::make_unique<testsupport::RunningApplication>();
        QVERIFY(m_app->start());
        m_ui = std::make_unique<testsupport::UiDriver>(*m_app);
        QVERIFY(QTest::qWaitForWindowExposed(m_app->window()));
        // The interface starts in the system's language.
        const QString system = QLocale::system().name().left(2);
        m_systemLanguage = kLanguages.contains(system) ? system : QStringLiteral("en");
        QTRY_COMPARE(language(), m_systemLanguage);

        simdevice::DeviceState state;
        state.model = QStringLiteral("PQV-27");
        m_device = std::make_unique<SimulatedDevice>(state);
        QVERIFY2(m_device->start(), qPrintable(m_device->errorString()));
        m_app->welcome()->handleSerialConnectionSignal(m_device->portName(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->deviceModel(), state.model, kConnectTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(m_app->isVisible("function_ui"), kReplyTimeoutMs);
        QVERIFY(QMetaObject::invokeMethod(m_app->window(), "pageSwitch", Q_ARG(QVariant, QStringLiteral("Studio"))));
        QVERIFY(m_ui->click(QStringLiteral("manualRadioButton")));
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->expoMode(), 0u, kReplyTimeoutMs);
    }

    void cleanupTestCase()
    {
        if (m_device)
            studio()->handleHardwareDisconnectSignal();
        m_device.reset();
        m_ui.reset();
        m_app.reset();
    }

    void everyFieldSendsWhatItShows_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("system language") << m_systemLanguage;
        // The interface in another language than the system's: the interface decides.
        QTest::newRow("other language") << QString(m_systemLanguage == QLatin1String("en") ? "de" : "en");
    }

    void everyFieldSendsWhatItShows()
    {
        QFETCH(QString, language);
        trigger(qPrintable(QStringLiteral("languageAction%1").arg(kLanguages.indexOf(language))));
        QCOMPARE(this->language(), language);
        // The timed series is offered on the photometry page, which comes last.
        const QList<std::function<void()>> roads{[this] { exposureOnPage(QStringLiteral("Spectrum Only")); },
                                                 [this] { exposureOnPage(QStringLiteral("Studio")); },
                                                 [this] { timedSeries(); }, [this] { illuminanceRatio(); },
                                                 [this] { band(); }};
        for (const auto &road : roads) {
            road();
            if (QTest::currentTestFailed())
                return;
        }
    }
};

QTEST_MAIN(TestTypedNumbers)
#include "tst_typed_numbers.moc"
