#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace NumberText {

namespace {

constexpr int kMaxDecimals = 20;
constexpr int kMaxDigits = 17;

// The digits d1 d2 d3 ... stand for d1.d2d3... x 10^exponent: at most 17, and one that a
// rounding carries into; kept without the heap.
struct Decimal {
    bool negative = false;
    char digits[kMaxDigits + 1];
    int count = 0;
    int exponent = 0;

    bool isZero() const { return std::all_of(digits, digits + count, [](char d) { return d == '0'; }); }
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
            decimal.digits[decimal.count++] = *p;
    }
    if (p < end) {
        const bool negativeExponent = p[1] == '-';
        std::from_chars(p + 2, end, decimal.exponent);
        if (negativeExponent)
            decimal.exponent = -decimal.exponent;
    }
    return decimal;
}

// Keeps the first `count` digits; a dropped part from 5 on rounds the magnitude up. The
// shortest decimal has no hidden digits, so a 5 there is exactly the halfway point.
void keepDigits(Decimal &decimal, int count)
{
    if (count >= decimal.count)
        return;
    const bool up = count >= 0 && decimal.digits[count] >= '5';
    decimal.count = count > 0 ? count : 0;
    if (up) {
        int i = count - 1;
        while (i >= 0 && decimal.digits[i] == '9')
            decimal.digits[i--] = '0';
        if (i >= 0) {
            ++decimal.digits[i];
        } else {
            std::memmove(decimal.digits + 1, decimal.digits, size_t(decimal.count));
            decimal.digits[0] = '1';
            ++decimal.count;
            ++decimal.exponent;
        }
    }
    if (decimal.count == 0)
        decimal.digits[decimal.count++] = '0';
}

QString nonFinite(double value)
{
    if (std::isnan(value))
        return QStringLiteral("nan");
    return value > 0 ? QStringLiteral("inf") : QStringLiteral("-inf");
}

// Text written into room that general()'s longest (under 32 characters) fits, without the heap.
struct ShortText {
    char *data;
    size_t size = 0;

    // A few characters at a time: plain loops beat a call to memcpy here.
    void operator+=(char c) { data[size++] = c; }
    void append(const char *from, size_t count)
    {
        for (size_t i = 0; i < count; ++i)
            data[size++] = from[i];
    }
    void append(size_t count, char c)
    {
        for (size_t i = 0; i < count; ++i)
            data[size++] = c;
    }
};

template <typename Text> void appendFixed(Text &text, const Decimal &decimal, int decimals)
{
    if (decimal.negative && !decimal.isZero())
        text += '-';
    // Digit i stands for the power exponent - i; the powers of no digit are zeros.
    const int count = decimal.count;
    const int exponent = decimal.exponent;
    if (exponent < 0) {
        text += '0';
    } else {
        const int whole = std::min(exponent + 1, count);
        text.append(decimal.digits, size_t(whole));
        text.append(size_t(exponent + 1 - whole), '0');
    }
    if (decimals > 0) {
        text += '.';
        const int leadingZeros = std::clamp(-(exponent + 1), 0, decimals);
        text.append(size_t(leadingZeros), '0');
        const int first = std::max(exponent + 1, 0);
        const int last = std::min(count - 1, exponent + decimals);
        if (last >= first)
            text.append(decimal.digits + first, size_t(last - first + 1));
        text.append(size_t(decimals - leadingZeros - std::max(0, last - first + 1)), '0');
    }
}

QString latin1(const std::string &text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

QString latin1(const ShortText &text) { return QString::fromLatin1(text.data, qsizetype(text.size)); }

QString fixedText(const Decimal &decimal, int decimals)
{
    std::string text;
    appendFixed(text, decimal, decimals);
    return latin1(text);
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

// The decimal general() writes: at most `digits` digits, rounded, trailing zeros dropped.
template <typename T> Decimal generalDecimal(T value, int digits)
{
    Decimal decimal = shortestDecimal(value);
    if (decimal.isZero())
        return Decimal{false, {'0'}, 1, 0};
    keepDigits(decimal, digits);
    while (decimal.count > 1 && decimal.digits[decimal.count - 1] == '0')
        --decimal.count;
    return decimal;
}

// A decimal of generalDecimal() as general() writes it.
void writeGeneral(ShortText &text, const Decimal &decimal, int digits)
{
    const int exponent = decimal.exponent;
    if (decimal.isZero() || (exponent >= -4 && exponent < digits)) {
        appendFixed(text, decimal, std::max(0, decimal.count - 1 - exponent));
        return;
    }
    if (decimal.negative)
        text += '-';
    text += decimal.digits[0];
    if (decimal.count > 1) {
        text += '.';
        text.append(decimal.digits + 1, size_t(decimal.count - 1));
    }
    text += 'e';
    text += exponent < 0 ? '-' : '+';
    const int power = std::abs(exponent);
    if (power >= 100)
        text += char('0' + power / 100);
    text += char('0' + power / 10 % 10);
    text += char('0' + power % 10);
}

template <typename T> QString generalOf(T value, int digits)
{
    if (!std::isfinite(value))
        return nonFinite(double(value));
    digits = digits < 1 ? 1 : digits > kMaxDigits ? kMaxDigits : digits;
    char characters[32];
    ShortText text{characters};
    writeGeneral(text, generalDecimal(value, digits), digits);
    return latin1(text);
}

// Packed: bit 31 the sign, bits 21-30 the exponent + kExponentBias, bits 0-20 the six digits
// as a whole number (d1 d2 ... d6, trailing zeros kept) or one of the codes below.
constexpr int kPackedDigits = 6;
constexpr quint32 kDigitsMask = (1u << 21) - 1;
constexpr int kExponentBias = 512;
constexpr quint32 kNanCode = 1000000;
constexpr quint32 kInfinityCode = 1000001;
constexpr quint32 kSignBit = 1u << 31;

} // namespace

quint32 packGeneral(double value)
{
    if (std::isnan(value))
        return kNanCode;
    if (std::isinf(value))
        return kInfinityCode | (value < 0 ? kSignBit : 0);
    const Decimal decimal = generalDecimal(value, kPackedDigits);
    if (decimal.isZero())
        return 0;
    quint32 digits = 0;
    for (int i = 0; i < kPackedDigits; ++i)
        digits = digits * 10 + quint32(i < decimal.count ? decimal.digits[i] - '0' : 0);
    return (decimal.negative ? kSignBit : 0) | (quint32(decimal.exponent + kExponentBias) << 21) | digits;
}

char *writePacked(char *out, quint32 packed)
{
    ShortText text{out};
    const quint32 code = packed & kDigitsMask;
    const bool negative = packed & kSignBit;
    if (packed == kPackedBlank) {
    } else if (packed == 0) {
        text += '0';
    } else if (code == kNanCode || code == kInfinityCode) {
        const char *name = code == kNanCode ? "nan" : negative ? "-inf" : "inf";
        text.append(name, std::strlen(name));
    } else {
        Decimal decimal{negative, {}, kPackedDigits, int((packed >> 21) & 0x3FF) - kExponentBias};
        quint32 rest = code;
        for (int i = kPackedDigits - 1; i >= 0; --i, rest /= 10)
            decimal.digits[i] = char('0' + rest % 10);
        while (decimal.count > 1 && decimal.digits[decimal.count - 1] == '0')
            --decimal.count;
        writeGeneral(text, decimal, kPackedDigits);
    }
    return out + text.size;
}

QString fixed(float value, int decimals) { return fixedOf(value, decimals); }
QString fixed(double value, int decimals) { return fixedOf(value, decimals); }
QString general(float value, int digits) { return generalOf(value, digits); }
QString general(double value, int digits) { return generalOf(value, digits); }

} // namespace NumberText
