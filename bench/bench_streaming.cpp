// What the whole application costs while the device streams. Starts the application as
// main() does (same renderer choice, real QML, real window) on a simulated spectrometer
// that runs as a separate process and streams 10 spectra/s, then for each page: connects,
// opens the page, takes a reference where the page needs one, runs continuous measurement
// and prints the CPU of this process (every thread, the render thread included) in % of one
// core, the spectra and the frames per second.
//
// Usage (a real X window; Xvfb without a GPU is the case it was written for):
//   xvfb-run -a -s "-screen 0 1920x1080x24" build/bench/bench_streaming [seconds] [page...]
// seconds: measuring time per page (default 10); pages: studio spectrum ratio raman (default all).
// --shots DIR: also saves the screen (ImageMagick's import) of each page in both themes, to
// compare the look of two builds.
#include "RunningApplication.h"
#include "TemporaryHome.h"

#include "app/ApplicationSession.h"
#include "app/SceneGraphBackend.h"
#include "control/StudioService.h"
#include "welcome/WelcomeService.h"
#include "store/DataBuffer.h"
#include "theme/Theme.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QProcess>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QStandardPaths>
#include <QTest>
#include <QTextStream>

#include <atomic>
#include <cstdio>
#include <sys/resource.h>

namespace {

struct Page {
    QString key;   // as given on the command line
    QString name;  // page name of the main window's pageSwitch
    QString model; // simulated device model that offers the page
    bool needsReference;
};

const QList<Page> kPages{{"studio", "Studio", "PQV-27", false},
                         {"spectrum", "Spectrum Only", "PQV-27", false},
                         {"ratio", "Reflectance", "PQV-27", true},
                         {"raman", "Raman", "WQV-71", false}};

constexpr int kWaitMs = 30000;
constexpr int kWarmUpMs = 1500;

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

QString rendererName(QQuickWindow *window)
{
    switch (window->rendererInterface()->graphicsApi()) {
    case QSGRendererInterface::Software:
        return QStringLiteral("software scene graph");
    case QSGRendererInterface::OpenGL: {
        // A context of the same display answers what the scene graph's context runs on.
        QOpenGLContext context;
        QOffscreenSurface surface;
        surface.create();
        if (context.create() && context.makeCurrent(&surface)) {
            const auto *text = context.functions()->glGetString(GL_RENDERER);
            return QStringLiteral("OpenGL (%1)").arg(QString::fromLatin1(reinterpret_cast<const char *>(text)));
        }
        return QStringLiteral("OpenGL");
    }
    default:
        return QStringLiteral("graphics API %1").arg(int(window->rendererInterface()->graphicsApi()));
    }
}

// The simulated spectrometer as a program of its own, so its CPU is not counted.
class DeviceProcess
{
public:
    bool start(const QString &program, const QString &model)
    {
        m_process.start(program, {QStringLiteral("--model"), model});
        if (!m_process.waitForStarted(kWaitMs))
            return false;
        if (!QTest::qWaitFor([&] { return m_process.canReadLine(); }, kWaitMs))
            return false;
        m_port = QString::fromLocal8Bit(m_process.readLine()).trimmed();
        return m_port.startsWith(QLatin1Char('/'));
    }
    ~DeviceProcess()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
    }
    QString port() const { return m_port; }

private:
    QProcess m_process;
    QString m_port;
};

struct Figures {
    double cpuPercent = 0;
    double spectraPerSecond = 0;
    double framesPerSecond = 0;
};

class Bench
{
public:
    Bench(testsupport::RunningApplication &app, QString deviceProgram)
        : m_app(app), m_deviceProgram(std::move(deviceProgram))
    {
        QObject::connect(app.dataBuffer(), &DataBuffer::specDataChanged, [this] { ++m_spectra; });
        // Emitted on the render thread when the threaded loop runs.
        QObject::connect(app.window(), &QQuickWindow::frameSwapped, app.window(), [this] { ++m_frames; },
                         Qt::DirectConnection);
    }

    bool run(const Page &page, int seconds, Figures &figures)
    {
        DeviceProcess device;
        if (!device.start(m_deviceProgram, page.model))
            return fail("the simulated device did not start");
        m_app.welcome()->handleSerialConnectionSignal(device.port(), 0);
        if (!QTest::qWaitFor([&] { return m_app.dataBuffer()->deviceModel() == page.model; }, kWaitMs)
            || !QTest::qWaitFor([&] { return m_app.isVisible(QStringLiteral("function_ui")); }, kWaitMs))
            return fail("no connection");
        QMetaObject::invokeMethod(m_app.window(), "pageSwitch", Q_ARG(QVariant, page.name));
        if (!m_app.isVisible(QStringLiteral("dynamicLoader")) || !QTest::qWaitForWindowExposed(m_app.window()))
            return fail("the page did not open");
        QTest::qWait(500);
        if (page.needsReference) {
            m_app.studio()->handleReferenceSpectrumSignal();
            if (!QTest::qWaitFor([&] { return m_app.dataBuffer()->hasReference() && !m_app.studio()->isSingle(); },
                                 kWaitMs))
                return fail("no reference");
        }
        m_app.studio()->handleAutoSpectrumSignal();
        if (!QTest::qWaitFor([&] { return m_app.studio()->isAuto(); }, kWaitMs))
            return fail("continuous measurement did not start");
        QTest::qWait(kWarmUpMs);

        m_spectra = 0;
        m_frames = 0;
        QElapsedTimer clock;
        clock.start();
        const double cpuBefore = processCpuSeconds();
        QTest::qWait(seconds * 1000);
        const double cpu = processCpuSeconds() - cpuBefore;
        const double elapsed = clock.nsecsElapsed() / 1e9;
        figures = {100.0 * cpu / elapsed, m_spectra / elapsed, m_frames.load() / elapsed};

        m_app.studio()->handleAutoSpectrumSignal();
        if (!m_shotFolder.isEmpty())
            saveShots(page);
        (void)QTest::qWaitFor([&] { return !m_app.studio()->isAuto(); }, kWaitMs);
        m_app.studio()->handleHardwareDisconnectSignal();
        (void)QTest::qWaitFor([&] { return m_app.isVisible(QStringLiteral("welcome")); }, kWaitMs);
        return true;
    }

    void setShotFolder(const QString &folder) { m_shotFolder = folder; }

private:
    // The X screen as a person sees it, once the last spectrum and the theme have settled.
    void saveShots(const Page &page)
    {
        for (const char *themeName : {"light", "dark"}) {
            Theme::instance()->switchTheme(QLatin1String(themeName));
            QTest::qWait(1500);
            QProcess::execute(QStringLiteral("import"),
                              {QStringLiteral("-window"), QStringLiteral("root"),
                               QStringLiteral("%1/%2-%3.png").arg(m_shotFolder, page.key, QLatin1String(themeName))});
        }
        Theme::instance()->switchTheme(QStringLiteral("light"));
    }

    static bool fail(const char *why)
    {
        std::fprintf(stderr, "bench_streaming: %s\n", why);
        return false;
    }

    testsupport::RunningApplication &m_app;
    QString m_deviceProgram;
    QString m_shotFolder;
    int m_spectra = 0;
    std::atomic<int> m_frames{0};
};

} // namespace

int main(int argc, char *argv[])
{
    testsupport::useTemporaryHome();
    setStartupEnvironment();
    QApplication application(argc, argv);
    chooseSceneGraphBackend();
    QStandardPaths::setTestModeEnabled(true);

    QStringList arguments = application.arguments().mid(1);
    QString shotFolder;
    if (const int at = arguments.indexOf(QStringLiteral("--shots")); at >= 0 && at + 1 < arguments.size()) {
        shotFolder = arguments.at(at + 1);
        arguments.remove(at, 2);
        QDir().mkpath(shotFolder); // import writes nothing into a missing folder
    }
    int seconds = 10;
    if (!arguments.isEmpty() && arguments.first().toInt() > 0)
        seconds = arguments.takeFirst().toInt();
    QList<Page> pages;
    for (const Page &page : kPages) {
        if (arguments.isEmpty() || arguments.contains(page.key))
            pages << page;
    }
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        std::fprintf(stderr, "bench_streaming: platform %s is no real X window; the figures mean little\n",
                     qPrintable(QGuiApplication::platformName()));

    testsupport::RunningApplication app;
    if (!app.start())
        return 1;
    Bench bench(app, QStringLiteral(VANTOREL_SIMDEVICE_PROGRAM));
    bench.setShotFolder(shotFolder);
    (void)QTest::qWaitForWindowExposed(app.window());

    QTextStream out(stdout);
    out << "renderer: " << rendererName(app.window()) << ", " << seconds << " s per page, device streaming 10 spectra/s\n";
    out << QStringLiteral("%1 %2 %3 %4\n").arg("page", -14).arg("CPU % of one core", 18).arg("spectra/s", 10).arg("frames/s", 9);
    out.flush();
    int failures = 0;
    for (const Page &page : pages) {
        Figures figures;
        if (!bench.run(page, seconds, figures)) {
            ++failures;
            continue;
        }
        out << QStringLiteral("%1 %2 %3 %4\n")
                   .arg(page.name, -14)
                   .arg(figures.cpuPercent, 18, 'f', 1)
                   .arg(figures.spectraPerSecond, 10, 'f', 1)
                   .arg(figures.framesPerSecond, 9, 'f', 1);
        out.flush();
    }
    return failures == 0 ? 0 : 1;
}
