// Runs a simulated spectrometer until interrupted and prints the port to connect to.

#include "SimulatedDevice.h"
#include "catalog/ParameterCatalog.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>
#include <csignal>

namespace {
volatile std::sig_atomic_t g_interrupted = 0;
void onSignal(int) { g_interrupted = 1; }
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated spectrometer on a pseudo-terminal"));
    parser.addHelpOption();
    const QCommandLineOption baud(QStringLiteral("baud"), QStringLiteral("Baud rate it answers at."),
                                  QStringLiteral("rate"), QStringLiteral("115200"));
    const QCommandLineOption model(QStringLiteral("model"), QStringLiteral("Model name it reports."),
                                   QStringLiteral("name"), QStringLiteral("PQV-21"));
    const QCommandLineOption range(QStringLiteral("range"), QStringLiteral("Wavelength range it reports, in nm."),
                                   QStringLiteral("start-end"), QStringLiteral("340-1020"));
    const QCommandLineOption verbose(QStringLiteral("verbose"),
                                     QStringLiteral("Print every frame received."));
    const QCommandLineOption pace(QStringLiteral("pace"),
                                  QStringLiteral("Send no faster than the baud rate carries bytes, and take "
                                                 "each exposure before sending its spectrum."));
    parser.addOption(baud);
    parser.addOption(model);
    parser.addOption(range);
    parser.addOption(verbose);
    parser.addOption(pace);
    parser.process(app);

    // The catalogues tell how many photometric words each model sends.
    loadParameterTables();

    simdevice::DeviceState state;
    bool ok = false;
    state.baud = parser.value(baud).toInt(&ok);
    if (!ok || state.baud <= 0) {
        QTextStream(stderr) << "invalid baud rate: " << parser.value(baud) << Qt::endl;
        return 2;
    }
    state.model = parser.value(model);
    const QStringList bounds = parser.value(range).split(QLatin1Char('-'));
    bool startOk = false;
    bool endOk = false;
    if (bounds.size() == 2) {
        state.wlStart = bounds.at(0).toUShort(&startOk);
        state.wlEnd = bounds.at(1).toUShort(&endOk);
    }
    if (!startOk || !endOk) {
        QTextStream(stderr) << "invalid range: " << parser.value(range) << Qt::endl;
        return 2;
    }

    simdevice::SimulatedDevice device(state);
    device.setLinePacing(parser.isSet(pace));
    device.setExposureTiming(parser.isSet(pace));
    if (!device.start()) {
        QTextStream(stderr) << "cannot open a pseudo-terminal: " << device.errorString() << Qt::endl;
        return 1;
    }
    QTextStream out(stdout);
    out << device.portName() << Qt::endl;
    out << "model " << state.model << " at " << state.baud << " baud, " << state.wlStart << "-" << state.wlEnd
        << " nm; Ctrl+C ends" << Qt::endl;

    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    int printed = 0;
    const bool showFrames = parser.isSet(verbose);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        if (g_interrupted) {
            app.quit();
            return;
        }
        if (!showFrames)
            return;
        const QList<QByteArray> frames = device.receivedFrames();
        for (; printed < frames.size(); ++printed)
            out << "<- " << frames.at(printed).toHex(' ') << Qt::endl;
    });
    poll.start(100);
    return app.exec();
}
