#include "QmlTypedNumber.h"

#include "format/TypedNumber.h"

namespace {

QVariant valueOrUndefined(std::optional<double> value) { return value ? QVariant(*value) : QVariant(); }

} // namespace

QVariant QmlTypedNumber::decimal(const QString &text) const
{
    return valueOrUndefined(TypedNumber::read(text, TypedNumber::Kind::Decimal));
}

QVariant QmlTypedNumber::whole(const QString &text) const
{
    return valueOrUndefined(TypedNumber::read(text, TypedNumber::Kind::Whole));
}

QString QmlTypedNumber::text(double value, const QString &language) const
{
    return TypedNumber::text(value, language);
}
