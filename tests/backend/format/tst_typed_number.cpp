// How a typed number is read and written back into a field, in the languages of the
// interface: a text names one number in every language, or none.
#include "format/TypedNumber.h"

#include <QtTest>
#include <cmath>

using TypedNumber::Kind;

class TestTypedNumber : public QObject
{
    Q_OBJECT
private slots:
    void decimalsReadTheSameInEveryLanguage()
    {
        const QList<std::pair<QString, double>> numbers{
            {"12,5", 12.5}, {"12.5", 12.5}, {"1,5", 1.5},     {" 7.25 ", 7.25}, {"250", 250.0},   {"0,125", 0.125},
            {",5", 0.5},    {"5.", 5.0},    {"1234.567", 1234.567}, {"4294967.3", 4294967.3}, {"0", 0.0},
            // A full-width input method's digits and separators; blanks of every kind around.
            {QStringLiteral("\uff11\uff12\uff0e\uff15"), 12.5}, {QStringLiteral("\uff11\uff12\uff0c\uff15"), 12.5},
            {QStringLiteral("12\u30025"), 12.5}, {QStringLiteral("\u00a07.25\u202f"), 7.25}, {QStringLiteral("\u30000,5\u2009"), 0.5}};
        for (const auto &[text, value] : numbers)
            QCOMPARE(TypedNumber::read(text, Kind::Decimal), std::optional<double>(value));

        // A group separator, or a text read as a thousand in one language and as a number
        // below it in another, or anything else that is not digits and one separator.
        const QStringList refused{"10.000",   "1,000",   "1.000",      "3 600",  QStringLiteral("3\u00a0600"),
                                  QStringLiteral("3\u202f600"), "1.000,5", "1,000.5", "12,5,0", "-1", "+1",
                                  "1e3",      "",        " ",          ".",      "12ms",   QStringLiteral("\uff11\uff0e\uff10\uff10\uff10"),
                                  QStringLiteral("1\u3000000"), QStringLiteral("\u3002"), "1234567890123456"};
        for (const QString &text : refused)
            QVERIFY2(!TypedNumber::read(text, Kind::Decimal), qPrintable(text));
    }

    // The limit of 15 digits counts those a double must carry, so that every spelling of a
    // number reads alike: zeros before the first other digit or after the last one are free.
    void theDigitLimitCountsSignificantDigits()
    {
        for (const auto &[text, value] : QList<std::pair<QString, double>>{
                 {"0.666666666666665", 0.666666666666665}, {".666666666666665", 0.666666666666665},
                 {"0,666666666666665000", 0.666666666666665}, {"0.0000000000000000000123456789012345", 1.23456789012345e-20},
                 {"1234567890123450000000", 1.23456789012345e21}})
            QCOMPARE(TypedNumber::read(text, Kind::Decimal), std::optional<double>(value));
        for (const char *text : {"000000000000001", "0000000000000001", "000000000000000000001"})
            QCOMPARE(TypedNumber::read(QLatin1String(text), Kind::Whole), std::optional<double>(1.0));
        // Sixteen digits between the first and the last that is not 0, or a number beyond a
        // double's range.
        for (const QString &text : {QStringLiteral("0.1000000000000001"), QStringLiteral("1000000000000001"),
                                    QStringLiteral("0.") + QString(400, '0') + '1', '1' + QString(400, '0')})
            QVERIFY2(!TypedNumber::read(text, Kind::Decimal), qPrintable(text.left(20)));
    }

    void wholeNumbersAreDigitsOnly()
    {
        for (const auto &[text, value] : QList<std::pair<QString, double>>{{"3600", 3600.0}, {" 400 ", 400.0}, {"4294967300", 4294967300.0},
                                                                        {QStringLiteral("\uff13\uff18\uff10"), 380.0}})
            QCOMPARE(TypedNumber::read(text, Kind::Whole), std::optional<double>(value));
        for (const char *text : {"10.000", "3 600", "5,0", "5.", "1,5", "-5", "1e3", ""})
            QVERIFY2(!TypedNumber::read(QLatin1String(text), Kind::Whole), text);
    }

    // Each language writes its own separator, and what is written reads back as the value.
    void writtenNumbersReadBackInEveryLanguage()
    {
        using Written = std::tuple<double, const char *, const char *>;
        for (const auto &[value, language, text] :
             {Written{12.5, "de", "12,5"}, Written{12.5, "fr", "12,5"}, Written{12.5, "en", "12.5"}, Written{12.5, "zh", "12.5"},
              Written{12.5, "de_DE", "12,5"}, Written{1000.0, "de", "1000"}, Written{0.01, "fr", "0,01"},
              Written{1.234, "en", "1.2340"}, Written{123.456, "de", "123,4560"}, Written{1234.567, "de", "1234,567"},
              Written{0.125, "en", "0.125"}})
            QCOMPARE(TypedNumber::text(value, QLatin1String(language)), QLatin1String(text));

        // Every exposure time the device can report, in microseconds, shown in milliseconds.
        for (const char *language : {"de", "fr", "en"}) {
            for (qint64 microseconds = 0; microseconds <= 5000000; microseconds += 997) {
                const double milliseconds = double(microseconds) / 1000.0;
                const QString shown = TypedNumber::text(milliseconds, QLatin1String(language));
                QVERIFY2(TypedNumber::read(shown, Kind::Decimal) == milliseconds, qPrintable(shown));
            }
        }

        // Values of every size, of up to 15 digits, come back themselves; those that need 16 or
        // 17 are written as the nearest of 15, which reads back and is written alike.
        for (double value :
             {1e-20, 2.5e-9, 1.0 / 3.0, 0.1 + 0.2, 2.0 / 3.0, 1e15 + 1, 123456789.123456789, 6.02214076e23, 1e290}) {
            for (double scale = 1e-12; scale < 1e13; scale *= 7.3) {
                for (const char *language : {"de", "en"}) {
                    const QString shown = TypedNumber::text(value * scale, QLatin1String(language));
                    const std::optional<double> read = TypedNumber::read(shown, Kind::Decimal);
                    QVERIFY2(read && TypedNumber::text(*read, QLatin1String(language)) == shown, qPrintable(shown));
                    if (QString::number(value * scale, 'g', 15).toDouble() == value * scale)
                        QVERIFY2(*read == value * scale, qPrintable(shown));
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestTypedNumber)
#include "tst_typed_number.moc"
