#include "runtime/number_format.h"
#include "test_text.h"

#include <QTest>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

using tenvex::FormatNumber;

class TestNumberFormat : public QObject
{
    Q_OBJECT

private slots:
    void writesNumber_data();
    void writesNumber();
    void agreesWithCFormatting_data();
    void agreesWithCFormatting();
};

void TestNumberFormat::writesNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("integer") << 2500000.0 << "2500000";
    QTest::newRow("thousandth") << 0.001 << "0.001";
    QTest::newRow("smallest fixed") << 0.0001 << "0.0001";
    QTest::newRow("first exponent below") << 1e-5 << "1E-05";
    QTest::newRow("digits with small exponent") << 0.00001234 << "1.234E-05";
    QTest::newRow("largest fixed") << 999999999999999.0 << "999999999999999";
    QTest::newRow("first exponent above") << 1e15 << "1E+15";
    QTest::newRow("rounds up into exponent") << 999999999999999.9 << "1E+15";
    QTest::newRow("15 digits with exponent") << 1234567890123456.0 << "1.23456789012346E+15";
    QTest::newRow("three-digit exponent") << 1e100 << "1E+100";
    QTest::newRow("negative") << -2000.0 << "-2000";
    QTest::newRow("negative small") << -1.5e-7 << "-1.5E-07";
    QTest::newRow("third") << 1.0 / 3.0 << "0.333333333333333";
    QTest::newRow("rounded to 15 digits") << 123456.7890123456 << "123456.789012346";
    QTest::newRow("binary noise hidden") << 0.1 + 0.2 << "0.3";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("largest double")
        << std::numeric_limits<double>::max() << "1.79769313486232E+308";
    QTest::newRow("smallest subnormal")
        << std::numeric_limits<double>::denorm_min() << "4.94065645841247E-324";
}

void TestNumberFormat::writesNumber()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(ToQString(FormatNumber(value)), expected);
}

namespace {

enum class Sample { AnyBits, FixedRange, LargeRange, ShortDecimal, FewDigitsAnyExponent };

// A random finite double: any bit pattern; one between 2^-30 and 2^52, where fixed notation and
// the fifteen-digit boundary lie; one between 2^46 and 2^125, where whole numbers are rounded to
// fifteen digits; a short decimal fraction, which lands on and next to the
// rounding ties; or the double nearest a decimal of 1 to 15 digits at any exponent.
double RandomValue(Sample sample, std::mt19937_64 &random)
{
    switch (sample) {
    case Sample::AnyBits:
        return std::bit_cast<double>(random());
    case Sample::FixedRange: {
        const std::uint64_t exponent = 1023 - 30 + random() % 83;
        return std::bit_cast<double>(exponent << 52 | (random() & ((1ULL << 52) - 1)));
    }
    case Sample::LargeRange: {
        const std::uint64_t exponent = 1023 + 46 + random() % 80;
        return std::bit_cast<double>(exponent << 52 | (random() & ((1ULL << 52) - 1)));
    }
    case Sample::ShortDecimal: {
        const auto digits = static_cast<double>(random() % 100'000'000'000'000'000ULL);
        return digits / std::pow(10.0, static_cast<double>(random() % 25));
    }
    case Sample::FewDigitsAnyExponent: {
        const std::string text = std::to_string(random() % 1'000'000'000'000'000ULL) + "e"
            + std::to_string(static_cast<int>(random() % 640) - 330);
        return std::strtod(text.c_str(), nullptr);
    }
    }
    return 0.0;
}

} // namespace

Q_DECLARE_METATYPE(Sample)

void TestNumberFormat::agreesWithCFormatting_data()
{
    QTest::addColumn<Sample>("sample");
    QTest::newRow("any bit pattern") << Sample::AnyBits;
    QTest::newRow("fixed notation range") << Sample::FixedRange;
    QTest::newRow("large whole numbers") << Sample::LargeRange;
    QTest::newRow("short decimals") << Sample::ShortDecimal;
    QTest::newRow("few digits, any exponent") << Sample::FewDigitsAnyExponent;
}

// Written exactly as the C library writes it with "%.15G" in the C locale (the process runs in it
// unless a test changes it).
void TestNumberFormat::agreesWithCFormatting()
{
    QFETCH(Sample, sample);
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 200'000; ++i) {
        const double value = RandomValue(sample, random);
        if (!std::isfinite(value) || value == 0.0)
            continue;
        char expected[40];
        std::snprintf(expected, sizeof expected, "%.15G", value);
        const QString actual = ToQString(FormatNumber(value));
        if (actual != QLatin1String(expected))
            QFAIL(qPrintable(Exact(value) + ": " + actual + " instead of " + expected));
    }
}

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "tst_number_format.moc"
