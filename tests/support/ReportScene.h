#pragma once
// A QML scene standing in for the measuring screens in tests of the test report: a root
// item holding stand-in charts, found by objectName as the real ones are, each writing a
// plain JPEG of its own size.

#include "output/ChartImageSource.h"

#include <QObject>
#include <QQmlApplicationEngine>
#include <QSize>
#include <QStringList>

namespace testsupport {

class StandInChart : public QObject, public ChartImageSource
{
    Q_OBJECT
    Q_INTERFACES(ChartImageSource)
public:
    StandInChart(const QString &objectName, QSize size, QObject *parent);
    bool saveChartImage(const QString &fileName) override;

private:
    QSize m_size;
};

class ReportScene
{
public:
    // A root item alone, or the given QML scene (real chart items, for instance).
    explicit ReportScene(const QByteArray &qml = QByteArrayLiteral("import QtQuick\nItem { }"));

    QQmlApplicationEngine &engine() { return m_engine; }
    // A chart of that name whose picture is `size` pixels.
    void addChart(const QString &objectName, QSize size);
    // An object of that name that is no chart.
    void addPlainObject(const QString &objectName);

private:
    QObject *root() const;
    QQmlApplicationEngine m_engine;
};

} // namespace testsupport
