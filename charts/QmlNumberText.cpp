#include "QmlNumberText.h"

#include "format/NumberText.h"

QString QmlNumberText::fixed(float value, int decimals) const
{
    return NumberText::fixed(value, decimals);
}
