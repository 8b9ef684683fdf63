#include "QmlOutsideText.h"

#include "format/OutsideText.h"

QString QmlOutsideText::oneLine(const QString &text) const
{
    return OutsideText::oneLine(text);
}

QString QmlOutsideText::isolated(const QString &text) const
{
    return OutsideText::isolated(text);
}
