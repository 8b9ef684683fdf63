// Start-up through the same session main() runs, with engines owned by the test.
#include "ChildStart.h"
#include "StoreFixtures.h"
#include "TemporaryHome.h"
#include "app/ApplicationSession.h"
#include "output/SaveFolder.h"
#include "output/SaveService.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"
#include "theme/Theme.h"

#include <QApplication>
#include <QPointer>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

const char kChildVariable[] = "STARTUP_TEST_CHILD";

// One start as a separate process would make it, reporting what it read.
int runChildStart()
{
    QQmlApplicationEngine engine;
    ApplicationSession session;
    const int rc = session.start(engine);
    const QVariantList range = MeasurementSettings::range();
    QTextStream(stdout) << "rc=" << rc << " unit=" << MeasurementSettings::unit()
                        << " factor=" << MeasurementSettings::unitFactor()
                        << " enable=" << (MeasurementSettings::rangeEnable() ? "true" : "false")
                        << " range=" << range.value(0).toInt() << "," << range.value(1).toInt()
                        << Qt::endl;
    // What the user would change through the measurement page during this run.
    if (qEnvironmentVariable(kChildVariable) == QLatin1String("change")) {
        MeasurementSettings::setUnit(1);
        MeasurementSettings::setRange(450, 650);
        MeasurementSettings::setRangeEnable(true);
    }
    return rc;
}

// A start as main() makes it, then a report and a CSV of a measurement, each reported as
// "success message", then what the save folder holds.
int runChildSaves()
{
    testsupport::MeasurementFlags measuring; // outlives the session, which ends with the store in use
    QQmlApplicationEngine engine;
    ApplicationSession session;
    if (session.start(engine) != 0)
        return 1;
    DataBuffer &buffer = *DataBuffer::instance();
    buffer.setMeasurementState(&measuring);
    buffer.setDeviceModel(QStringLiteral("PQV-21"));
    buffer.setWl(380, 780);
    testsupport::feedSpectrum(buffer, testsupport::plainSpectrum(0, testsupport::rampSamples(401)));

    auto *save = engine.rootContext()->contextProperty("saveService").value<SaveService *>();
    QSignalSpy finished(save, &SaveService::saveFinished);
    save->handleExportSignal(SaveService::SAVE_SPECTRUM, "1", "2", "3", "4", "5");
    save->handleSaveSignal(SaveService::SAVE_SPECTRUM);
    QTextStream out(stdout);
    for (const QList<QVariant> &outcome : finished)
        out << outcome.at(0).toString() << ' ' << outcome.at(2).toString() << '\n';
    out << "folder:" << QDir(SaveFolder::path()).entryList(QDir::Files | QDir::Hidden).join(' ') << Qt::endl;
    return 0;
}

// The three keys as the settings file holds them.
QString storedSettings(const QString &file)
{
    const QSettings stored(file, QSettings::IniFormat);
    const QVariantList range = stored.value(MeasurementSettings::kRangeKey).toList();
    return QStringLiteral("unit=%1 enable=%2 range=%3,%4")
        .arg(stored.value(MeasurementSettings::kUnitKey).toString(),
             stored.value(MeasurementSettings::kRangeEnableKey).toString(), range.value(0).toString(),
             range.value(1).toString());
}

QString writeQml(const QTemporaryDir &dir, const QString &name, const QByteArray &text)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(text);
    return file.fileName();
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QPointer<Theme> m_themeOfEarlierEngine;

    QString runChild(const QString &mode)
    {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kChildVariable, mode);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        if (!child.waitForFinished(testsupport::kHungChildMs) || child.exitCode() != 0)
            return QStringLiteral("child failed: ") + child.readAllStandardError();
        return QString::fromUtf8(child.readAllStandardOutput()).trimmed();
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void firstStartWritesDefaultsAndSecondStartReadsThem()
    {
        const QString file = MeasurementSettings::appSettings().fileName();
        QVERIFY(file.contains(QStringLiteral("qttest"))); // never the user's real settings
        QFile::remove(file);

        QCOMPARE(runChild("change"), QStringLiteral("rc=0 unit=0 factor=1 enable=false range=370,780"));
        QCOMPARE(storedSettings(file), QStringLiteral("unit=1 enable=true range=450,650"));
        QCOMPARE(runChild("read"), QStringLiteral("rc=0 unit=1 factor=1000 enable=true range=450,650"));
        QFile::remove(file);
    }

    void themeIsInTheContextWhileTheFileLoads()
    {
        const QString probe = writeQml(m_dir, "Probe.qml", R"(import QtQuick
import AppEnums 1.0
Item {
    property QtObject seenAtCreation: null
    property var backEnd: [theme, dataBuffer, studioService, welcomeService, saveService]
    property int ramanSave: SaveService.SAVE_RAMAN
    // The version a binding reads on its first evaluation.
    property string versionAtCreation
    Component.onCompleted: { seenAtCreation = theme; versionAtCreation = Qt.application.version }
}
)");
        QCoreApplication::setApplicationVersion("0.0.0");
        QQmlApplicationEngine engine;
        QList<QQmlError> warnings;
        connect(&engine, &QQmlEngine::warnings, this,
                [&warnings](const QList<QQmlError> &w) { warnings << w; });
        ApplicationSession session;
        QCOMPARE(session.start(engine, QUrl::fromLocalFile(probe)), 0);
        QCOMPARE(warnings.size(), 0);
        QObject *root = engine.rootObjects().value(0);
        QVERIFY(root);

        Theme *theme = Theme::instance();
        m_themeOfEarlierEngine = theme;
        QCOMPARE(root->property("seenAtCreation").value<QObject *>(), theme);
        for (const QVariant &object : root->property("backEnd").toList())
            QVERIFY(object.value<QObject *>());
        QCOMPARE(root->property("ramanSave").toInt(), 5);
        QCOMPARE(root->property("versionAtCreation").toString(), QStringLiteral("2.4.0"));

        // The enumeration's type cannot be instantiated from QML.
        QQmlComponent creating(&engine);
        creating.setData("import AppEnums 1.0\nSaveService {}\n", QUrl());
        QVERIFY(creating.isError());
        QVERIFY2(creating.errorString().contains(QString::fromUtf8("SaveService 仅用于暴露枚举")),
                 qPrintable(creating.errorString()));
        QCOMPARE(theme->parent(), &engine);
    }

    void realMainWindowStarts()
    {
        QCoreApplication::setApplicationVersion("0.0.0");
        QPointer<QQuickWindow> window;
        {
            QQmlApplicationEngine engine;
            QList<QQmlError> warnings;
            connect(&engine, &QQmlEngine::warnings, this,
                    [&warnings](const QList<QQmlError> &w) { warnings << w; });
            ApplicationSession session;
            QCOMPARE(session.start(engine), 0);
            QCOMPARE(warnings.size(), 0);
            QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("2.4.0"));

            QCOMPARE(engine.rootObjects().size(), 1);
            window = qobject_cast<QQuickWindow *>(engine.rootObjects().first());
            QVERIFY(window);
            QVERIFY(window->isVisible());
            // A theme owned by an earlier engine was not handed out after that engine died.
            QVERIFY(m_themeOfEarlierEngine.isNull());
            QObject *theme = engine.rootContext()->contextProperty("theme").value<QObject *>();
            QCOMPARE(theme, Theme::instance());
            QCOMPARE(theme->parent(), &engine);

        }
        QVERIFY(window.isNull()); // the scene goes with its engine
    }

    // Under a file-size limit, with the signal at the disposition a shell leaves it: the
    // saves that cross the limit fail and say so, leaving neither files nor chart pictures.
    void savesPastTheFileSizeLimitFailWithoutEndingTheProcess()
    {
        QTemporaryDir temporary;
        QVERIFY(temporary.isValid());
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kChildVariable, QStringLiteral("saves"));
        env.insert(QStringLiteral("TMPDIR"), temporary.path());
        child.setProcessEnvironment(env);
        child.setChildProcessModifier([] {
            std::signal(SIGXFSZ, SIG_DFL);
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 1024;
            setrlimit(RLIMIT_FSIZE, &limit);
        });
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(testsupport::kHungChildMs));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit,
                 qPrintable(QStringLiteral("ended by signal %1").arg(child.exitCode())));
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()).trimmed(),
                 QStringLiteral("false Failed to write file.\nfalse Failed to write file.\nfolder:"));
        QDirIterator left(temporary.path(), {QStringLiteral("*.jpg")}, QDir::Files, QDirIterator::Subdirectories);
        QVERIFY2(!left.hasNext(), qPrintable(left.hasNext() ? left.next() : QString()));
    }

    void defaultsExistEvenWhenTheWindowFailsToLoad()
    {
        // Settings come before the load, so a broken UI still leaves them written.
        QSettings &settings = MeasurementSettings::appSettings();
        settings.clear();
        settings.sync();
        QVERIFY(!settings.contains(MeasurementSettings::kUnitKey));

        QCoreApplication::setApplicationVersion("0.0.0");
        const QString broken = writeQml(m_dir, "Broken.qml",
                                        "import QtQuick\nWindow { visible: true; width: \n");
        QQmlApplicationEngine engine;
        ApplicationSession session;
        QCOMPARE(session.start(engine, QUrl::fromLocalFile(broken)), -1);
        QVERIFY(engine.rootObjects().isEmpty());
        QVERIFY(QGuiApplication::topLevelWindows().isEmpty());

        QCOMPARE(storedSettings(settings.fileName()), QStringLiteral("unit=0 enable=false range=370,780"));

        // The failure is also reported through the queued handler: it ends the event loop.
        // That leaves the application quitting, so this case runs last.
        QEventLoop loop;
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
        QCOMPARE(loop.exec(), -1);
    }
};

int main(int argc, char *argv[])
{
    // A home of its own, inherited by the child starts, so that runs side by side never
    // share a settings file.
    if (!qEnvironmentVariableIsSet(kChildVariable))
        testsupport::useTemporaryHome();
    setStartupEnvironment();
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    if (qEnvironmentVariable(kChildVariable) == QLatin1String("saves"))
        return runChildSaves();
    if (qEnvironmentVariableIsSet(kChildVariable))
        return runChildStart() == 0 ? 0 : 1;
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
