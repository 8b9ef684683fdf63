#pragma once
// The rule for text from outside the program, for the texts that QML composes itself:
// singleton OutsideText of module AppBackend.

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

class QmlOutsideText : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(OutsideText)
    QML_SINGLETON

public:
    using QObject::QObject;

    Q_INVOKABLE QString oneLine(const QString &text) const;
    Q_INVOKABLE QString isolated(const QString &text) const;
};
