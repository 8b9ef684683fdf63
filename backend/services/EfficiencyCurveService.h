#pragma once
// Maintenance of the device's spectral efficiency table over the serial link: read it,
// reset it, replace it by a flat correction, or replace it by a curve regenerated from
// "sourceData.csv" and "targetData.csv". Nothing is done over Bluetooth LE.

#include <QObject>
#include <QPointer>
#include <QString>

class QQmlApplicationEngine;
class StudioService;

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

    EfficiencyCurveService(StudioService &studio, QQmlApplicationEngine *engine,
                           QObject *parent = nullptr);

    // Stops continuous measurement first, then asks the device for its table.
    void requestDeviceTable();
    void resetDeviceTable();
    // Uploads the device's table length of copies of `ratio`.
    void uploadFlatCorrection(float ratio);
    // `folder` as QML hands it over: a "file:" URL or a plain path.
    void regenerateFromCsv(const QString &folder);

    // Local path of a folder given as a URL ("file:///..." with escapes) or as a path.
    static QString localFolder(const QString &folder);
    // The message in the UI language: Chinese for "zh" (and when there is no engine),
    // English otherwise.
    static QString messageText(Message message, const QString &uiLanguage, bool haveEngine);

private:
    bool serialActive() const;
    void show(Message message);
    void show(const QString &text);

    StudioService &m_studio;
    QPointer<QQmlApplicationEngine> m_engine;
};
