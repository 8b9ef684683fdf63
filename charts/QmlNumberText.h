#pragma once
// The number rule of the result table, for the texts that QML composes itself: singleton
// NumberText of module AppBackend.

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

class QmlNumberText : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(NumberText)
    QML_SINGLETON

public:
    using QObject::QObject;

    // Taken as a float: a value that came from the store as one reads as its own decimal.
    Q_INVOKABLE QString fixed(float value, int decimals) const;
};
