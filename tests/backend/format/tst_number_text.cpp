// A number kept in its packed four bytes is written exactly as general() writes it: the
// roundings that carry into a new digit, both exponent forms and their limits, the extremes
// of a double, signs, zeros and non-finite values, and a spread of random doubles.
#include "format/NumberText.h"

#include <QtTest>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

class TestNumberText : public QObject
{
    Q_OBJECT

    static QByteArray unpacked(double value)
    {
        char text[NumberText::kMaxPackedTextBytes];
        return QByteArray(text, NumberText::writePacked(text, NumberText::packGeneral(value)) - text);
    }

private slots:
    void packedNumbersAreWrittenAsGeneralWritesThem()
    {
        using limits = std::numeric_limits<double>;
        QList<double> values{0.0, -0.0, 1.0, -1.0, 0.5, 12.5, 999999.5, 9999995.0, -9999994.9, 0.000099999949,
                             0.0001, 0.00001, 123456.0, 1234567.0, 1e6, 1e-5, 1.5e300, -2.5e-300, limits::max(),
                             -limits::max(), limits::min(), limits::denorm_min(), 0.15, 2.675, 1.0000005,
                             limits::infinity(), -limits::infinity(), limits::quiet_NaN()};
        std::mt19937_64 random(20261207);
        std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
        std::uniform_int_distribution<int> exponent(-320, 300);
        for (int i = 0; i < 200000; ++i)
            values << mantissa(random) * std::pow(10.0, exponent(random));
        for (uint64_t bits : {0x3FF0000000000001ull, 0x7FEFFFFFFFFFFFFFull, 0x000FFFFFFFFFFFFFull}) {
            double value;
            std::memcpy(&value, &bits, sizeof value);
            values << value << -value;
        }
        for (double value : values) {
            const QByteArray expected = NumberText::general(value).toLatin1();
            if (unpacked(value) != expected)
                QFAIL(qPrintable(QStringLiteral("%1: \"%2\", not \"%3\"")
                                     .arg(QString::number(value, 'g', 17), QString::fromLatin1(unpacked(value)),
                                          QString::fromLatin1(expected))));
        }

        // A blank field stays empty.
        char text[NumberText::kMaxPackedTextBytes];
        QCOMPARE(NumberText::writePacked(text, NumberText::kPackedBlank), text);
    }
};

QTEST_MAIN(TestNumberText)
#include "tst_number_text.moc"
