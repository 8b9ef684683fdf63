#pragma once
// Writes measurement results into the save folder, offered to QML as "saveService":
// the CSV export of a page's results, the timed-series CSV and the PDF test report. Every save reports its
// outcome through saveFinished.

#include "output/TimedSeriesTable.h"
#include "output/WholeFile.h"

#include <QObject>
#include <QPointer>
#include <QString>

class DataBuffer;
class QQmlApplicationEngine;

class SaveService : public QObject
{
    Q_OBJECT
public:
    enum SaveType {
        SAVE_SPECTRUM = 0,
        SAVE_ABSORBANCE = 1,
        SAVE_TRANSMITTANCE = 2,
        SAVE_REFLECTANCE = 3,
        SAVE_PHOTOMETRIC = 4,
        SAVE_RAMAN = 5,
    };
    Q_ENUM(SaveType)

    // `buffer` is the store the exports read; the application's own by default.
    explicit SaveService(QQmlApplicationEngine *engine, QObject *parent = nullptr,
                         DataBuffer *buffer = nullptr);

    static bool ensureDirectory(const QString &folder);

    Q_INVOKABLE void handleSaveSignal(SaveType type);

    // The test report as a PDF, with the charts on screen and the fields of the report dialog.
    Q_INVOKABLE void handleExportSignal(SaveType type, QString sampleNumber, QString sampleModel,
                                        QString tester, QString testTime, QString sampleName);

    Q_INVOKABLE void beginCustomizedTestSave();
    Q_INVOKABLE void appendCustomizedTestSave();
    Q_INVOKABLE void endCustomizedTestSave();

    QString customizedTestFilePath() const { return m_customizedTestFilePath; }

signals:
    // A success with a message: the file was written, but lacks what the message says.
    void saveFinished(bool success, const QString &filePath, const QString &errorMessage = QString());

private:
    // saveFinished for the outcome of writing the file `path`; a file written that lacks
    // something says what in `lacking`.
    void reportWritten(WholeFile::Outcome outcome, const QString &path, const QString &lacking = QString());

    QPointer<QQmlApplicationEngine> m_engine;
    DataBuffer *m_buffer = nullptr;
    TimedSeriesTable m_customizedTest;
    QString m_customizedTestFolder;
    QString m_customizedTestStem;
    QString m_customizedTestFilePath;
};
