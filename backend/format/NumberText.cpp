#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace NumberText {

namespace {

constexpr int kMaxDecimals = 20;
constexpr int kMaxDigits = 17;

// The digits d1 d2 d3 ... stand for d1.d2d3... x 10^exponent.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;

    bool isZero() const { return digits.find_first_not_of('0') == std::string::npos; }
    char digitAt(int power) const
    {
        const int index = exponent - power;
        return index >= 0 && index < int(digits.size()) ? digits[size_t(index)] : '0';
    }
};

template <typename T> Decimal shortestDecimal(T value)
{
    char text[64];
    const char *end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific).ptr;
    Decimal decimal;
    const char *p = text;
    if (*p == '-') {
        decimal.negative = true;
        ++p;
    }
    for (; p < end && *p != 'e'; ++p) {
        if (*p != '.')
            decimal.digits += *p;
    }
    decimal.exponent = p < end ? int(std::strtol(std::string(p + 1, end).c_str(), nullptr, 10)) : 0;
    return decimal;
}

// Keeps the first `count` digits; a dropped part from 5 on rounds the magnitude up. The
// shortest decimal has no hidden digits, so a 5 there is exactly the halfway point.
void keepDigits(Decimal &decimal, int count)
{
    if (count >= int(decimal.digits.size()))
        return;
    const bool up = count >= 0 && decimal.digits[size_t(count)] >= '5';
    decimal.digits.resize(size_t(count > 0 ? count : 0));
    if (up) {
        int i = count - 1;
        while (i >= 0 && decimal.digits[size_t(i)] == '9')
            decimal.digits[size_t(i--)] = '0';
        if (i >= 0) {
            ++decimal.digits[size_t(i)];
        } else {
            decimal.digits.insert(decimal.digits.begin(), '1');
            ++decimal.exponent;
        }
    }
    if (decimal.digits.empty())
        decimal.digits = "0";
}

QString nonFinite(double value)
{
    if (std::isnan(value))
        return QStringLiteral("nan");
    return value > 0 ? QStringLiteral("inf") : QStringLiteral("-inf");
}

QString fixedText(const Decimal &decimal, int decimals)
{
    std::string text;
    if (decimal.negative && !decimal.isZero())
        text += '-';
    for (int power = decimal.exponent > 0 ? decimal.exponent : 0; power >= 0; --power)
        text += decimal.digitAt(power);
    if (decimals > 0) {
        text += '.';
        for (int power = -1; power >= -decimals; --power)
            text += decimal.digitAt(power);
    }
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

template <typename T> QString fixedOf(T value, int decimals)
{
    if (!std::isfinite(value))
        return nonFinite(double(value));
    decimals = decimals < 0 ? 0 : decimals > kMaxDecimals ? kMaxDecimals : decimals;
    Decimal decimal = shortestDecimal(value);
    keepDigits(decimal, decimal.exponent + 1 + decimals);
    return fixedText(decimal, decimals);
}

template <typename T> QString generalOf(T value, int digits)
{
    if (!std::isfinite(value))
        return nonFinite(double(value));
    digits = digits < 1 ? 1 : digits > kMaxDigits ? kMaxDigits : digits;
    Decimal decimal = shortestDecimal(value);
    if (decimal.isZero())
        return QStringLiteral("0");
    keepDigits(decimal, digits);
    while (decimal.digits.size() > 1 && decimal.digits.back() == '0')
        decimal.digits.pop_back();
    const int exponent = decimal.exponent;
    if (exponent >= -4 && exponent < digits)
        return fixedText(decimal, std::max(0, int(decimal.digits.size()) - 1 - exponent));

    std::string text = decimal.negative ? "-" : "";
    text += decimal.digits[0];
    if (decimal.digits.size() > 1)
        text += '.' + decimal.digits.substr(1);
    const std::string power = std::to_string(std::abs(exponent));
    text += exponent < 0 ? "e-" : "e+";
    text += (power.size() < 2 ? "0" : "") + power;
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace

QString fixed(float value, int decimals) { return fixedOf(value, decimals); }
QString fixed(double value, int decimals) { return fixedOf(value, decimals); }
QString general(float value, int digits) { return generalOf(value, digits); }
QString general(double value, int digits) { return generalOf(value, digits); }

} // namespace NumberText
