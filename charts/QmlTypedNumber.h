#pragma once
// The rule by which typed numbers are read, for the fields of the pages and dialogs:
// singleton TypedNumber of module AppBackend.

#include <QObject>
#include <QString>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

class QmlTypedNumber : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(TypedNumber)
    QML_SINGLETON

public:
    using QObject::QObject;

    // The number `text` names, or undefined when it names none.
    Q_INVOKABLE QVariant decimal(const QString &text) const;
    Q_INVOKABLE QVariant whole(const QString &text) const;
    // `value` as the interface language `language` writes it into a field.
    Q_INVOKABLE QString text(double value, const QString &language) const;
};
