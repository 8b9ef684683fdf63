#pragma once
// Maintenance of the device's spectral efficiency table over the serial link: read it,
// reset it, replace it by a flat correction, or replace it by a curve regenerated from
// "sourceData.csv" and "targetData.csv". Nothing is done over Bluetooth LE. It knows
// nothing of the measuring service: each call names the active link, and stopping a
// running measurement and showing a message are asked for through signals.

#include <QObject>
#include <QPointer>
#include <QString>

class QQmlApplicationEngine;

class EfficiencyCurveService : public QObject
{
    Q_OBJECT
public:
    // Messages the maintenance can show, each in English and Chinese.
    enum class Message {
        SourceMissing,
        TargetMissing,
        SourceInvalid,
        TargetInvalid,
        TableNotRead,
        RatioInvalid,
        CurveInvalid,
    };

    explicit EfficiencyCurveService(QQmlApplicationEngine *engine, QObject *parent = nullptr);

    // `connectType` is the active link (DriverTypes::CONNECT_TYPE).
    // Stops continuous measurement first, then asks the device for its table.
    void requestDeviceTable(int connectType);
    void resetDeviceTable(int connectType);
    // Uploads the device's table length of copies of `ratio`.
    void uploadFlatCorrection(int connectType, float ratio);
    // `folder` as QML hands it over: a "file:" URL or a plain path.
    void regenerateFromCsv(int connectType, const QString &folder);

    // Local path of a folder given as a URL ("file:///..." with escapes) or as a path.
    static QString localFolder(const QString &folder);
    // The message in the UI language: Chinese for "zh" (and when there is no engine),
    // English otherwise.
    static QString messageText(Message message, const QString &uiLanguage, bool haveEngine);

signals:
    // Emitted before the table is requested; a running continuous measurement must end.
    void stopContinuousRequested();
    void messageReady(const QString &text);

private:
    void show(Message message);

    QPointer<QQmlApplicationEngine> m_engine;
};
