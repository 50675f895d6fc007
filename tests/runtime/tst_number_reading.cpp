#include "runtime/error.h"
#include "runtime/number_reading.h"
#include "test_text.h"

#include <QElapsedTimer>
#include <QTest>

#include <cerrno>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

using tenvex::ErrorKind;
using tenvex::ReadNumber;
using tenvex::RuntimeError;

Q_DECLARE_METATYPE(ErrorKind)

namespace {

ErrorKind KindOfError(const QString &text)
{
    try {
        (void)ReadNumber(View(text));
    } catch (const RuntimeError &error) {
        return error.kind();
    }
    throw std::logic_error("no error raised");
}

} // namespace

class TestNumberReading : public QObject
{
    Q_OBJECT

private slots:
    void readsNumber_data();
    void readsNumber();
    void rejectsText_data();
    void rejectsText();
    void messageQuotesText_data();
    void messageQuotesText();
    void longTextIsQuick_data();
    void longTextIsQuick();
    void agreesWithCReading();
};

void TestNumberReading::readsNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("integer") << "5" << 5.0;
    QTest::newRow("decimal") << "2.5" << 2.5;
    QTest::newRow("point last") << "5." << 5.0;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("leading zeros") << "000123.4500" << 123.45;
    QTest::newRow("leading blanks") << " \t\r\n5" << 5.0;
    QTest::newRow("plus") << "+5" << 5.0;
    QTest::newRow("minus") << "-5" << -5.0;
    QTest::newRow("unicode minus") << QStringLiteral("\u22125") << -5.0;
    QTest::newRow("negative zero") << "-0" << -0.0;
    QTest::newRow("exponent") << "2.5E3" << 2500.0;
    QTest::newRow("small e, negative exponent") << "2.5e-3" << 0.0025;
    QTest::newRow("exponent with plus") << "1e+2" << 100.0;
    QTest::newRow("point before exponent") << "5.e1" << 50.0;
    QTest::newRow("marker without digits") << "5e" << 5.0;
    QTest::newRow("marker and sign without digits") << "5e+" << 5.0;
    QTest::newRow("marker then unit") << "5E kV" << 5.0;
    QTest::newRow("unit after number") << "2.5 kV" << 2.5;
    QTest::newRow("trailing blanks") << "7  " << 7.0;
    QTest::newRow("point then letter") << "1.5.x" << 1.5;
    QTest::newRow("blank then point") << "1 .5" << 1.0;
    QTest::newRow("decimal one tenth") << "0.1" << 0.1;
    QTest::newRow("halfway rounds to even") << "9007199254740993" << 9007199254740992.0;
    QTest::newRow("digit far past halfway")
        << "9007199254740993.00000000000000000000001" << 9007199254740994.0;
    QTest::newRow("largest double")
        << "1.7976931348623157e308" << std::numeric_limits<double>::max();
    QTest::newRow("smallest normal")
        << "2.2250738585072014e-308" << std::numeric_limits<double>::min();
    QTest::newRow("smallest subnormal")
        << "4.9406564584124654e-324" << std::numeric_limits<double>::denorm_min();
    QTest::newRow("below subnormal is zero") << "1e-400" << 0.0;
    QTest::newRow("negative below subnormal") << "-1e-400" << -0.0;
    QTest::newRow("zero with huge exponent") << "0e999999" << 0.0;
    QTest::newRow("exponent beyond any integer") << "1e-99999999999999999999999" << 0.0;
    QTest::newRow("zero, exponent beyond any integer") << "0.0e99999999999999999999999" << 0.0;
    QTest::newRow("fraction zeros and exponent") << "0.000000000000000000000000001e27" << 1.0;
}

void TestNumberReading::readsNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(Exact(ReadNumber(View(text))), Exact(expected));
}

void TestNumberReading::rejectsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<ErrorKind>("kind");

    QTest::newRow("empty") << "" << ErrorKind::NotANumber;
    QTest::newRow("blanks only") << " \t " << ErrorKind::NotANumber;
    QTest::newRow("letters") << "abc" << ErrorKind::NotANumber;
    QTest::newRow("sign only") << "-" << ErrorKind::NotANumber;
    QTest::newRow("unicode minus only") << QStringLiteral("\u2212") << ErrorKind::NotANumber;
    QTest::newRow("point only") << "." << ErrorKind::NotANumber;
    QTest::newRow("sign and point") << "-." << ErrorKind::NotANumber;
    QTest::newRow("exponent only") << "e5" << ErrorKind::NotANumber;
    QTest::newRow("two signs") << "+-5" << ErrorKind::NotANumber;
    QTest::newRow("infinity") << "inf" << ErrorKind::NotANumber;
    QTest::newRow("not-a-number") << "nan" << ErrorKind::NotANumber;
    QTest::newRow("no-break space first") << QStringLiteral("\u00A05") << ErrorKind::NotANumber;

    QTest::newRow("decimal comma") << "1,5" << ErrorKind::AmbiguousNumber;
    QTest::newRow("comma grouping") << "1,000" << ErrorKind::AmbiguousNumber;
    QTest::newRow("second point") << "1.2.3" << ErrorKind::AmbiguousNumber;
    QTest::newRow("apostrophe grouping") << "1'000" << ErrorKind::AmbiguousNumber;
    QTest::newRow("underscore grouping") << "1_000" << ErrorKind::AmbiguousNumber;
    QTest::newRow("blank grouping") << "1 000" << ErrorKind::AmbiguousNumber;
    QTest::newRow("tab grouping") << "1\t000" << ErrorKind::AmbiguousNumber;
    QTest::newRow("no-break space grouping")
        << QStringLiteral("1\u00A0000") << ErrorKind::AmbiguousNumber;
    QTest::newRow("narrow no-break space grouping")
        << QStringLiteral("1\u202F000") << ErrorKind::AmbiguousNumber;
    QTest::newRow("negative decimal comma") << "-1,5" << ErrorKind::AmbiguousNumber;
    QTest::newRow("comma after exponent") << "1e5,3" << ErrorKind::AmbiguousNumber;

    QTest::newRow("just above the largest double")
        << "1.7976931348623159e308" << ErrorKind::NumberOverflow;
    QTest::newRow("1e309") << "1e309" << ErrorKind::NumberOverflow;
    QTest::newRow("negative 1e309") << "-1e309" << ErrorKind::NumberOverflow;
    QTest::newRow("400 digits") << QString(400, u'9') << ErrorKind::NumberOverflow;
    QTest::newRow("exponent beyond any integer")
        << "1e99999999999999999999999" << ErrorKind::NumberOverflow;
}

void TestNumberReading::rejectsText()
{
    QFETCH(QString, text);
    QFETCH(ErrorKind, kind);
    QCOMPARE(KindOfError(text), kind);
}

void TestNumberReading::messageQuotesText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("quoted");

    QTest::newRow("short text whole") << "abc"
                                      << "\"abc\"";
    QTest::newRow("non-ASCII kept")
        << QStringLiteral("1,5\u00A0\u00B5m") << QStringLiteral("\"1,5\u00A0\u00B5m\"");
    QTest::newRow("long text cut")
        << QString(5000, u'x') << QString(u'"' + QString(40, u'x') + u'\u2026' + u'"');
}

void TestNumberReading::messageQuotesText()
{
    QFETCH(QString, text);
    QFETCH(QString, quoted);
    try {
        (void)ReadNumber(View(text));
        QFAIL("no error raised");
    } catch (const RuntimeError &error) {
        const QString message = QString::fromUtf8(error.what());
        QVERIFY2(message.startsWith(quoted + u' '), qPrintable(message));
    }
}

void TestNumberReading::longTextIsQuick_data()
{
    constexpr qsizetype Million = 1'000'000;
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("reads");

    QTest::newRow("a million digits overflow") << QString(Million, u'7') << false;
    QTest::newRow("a million blanks") << QString(Million, u' ') << false;
    QTest::newRow("a million fraction zeros")
        << QString("0." + QString(Million, u'0') + u'1') << true;
    QTest::newRow("a million zeros scaled back")
        << QString(u'1' + QString(Million, u'0') + "e-1000000") << true;
    QTest::newRow("a million digits then text")
        << QString("1." + QString(Million, u'3') + "kV") << true;
}

void TestNumberReading::longTextIsQuick()
{
    QFETCH(QString, text);
    QFETCH(bool, reads);
    QElapsedTimer timer;
    timer.start();
    bool didRead = true;
    try {
        (void)ReadNumber(View(text));
    } catch (const RuntimeError &) {
        didRead = false;
    }
    QCOMPARE(didRead, reads);
    // Milliseconds in an optimised build; the bound leaves room for sanitizers and a busy machine.
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed()) + " ms"));
}

// Random decimal texts of 1 to 25 digits and every exponent up to the ends of the double range
// read as the C library reads them (it rounds correctly too), wherever it reads them without a
// range error.
void TestNumberReading::agreesWithCReading()
{
    std::mt19937_64 random(1208);
    for (int i = 0; i < 200'000; ++i) {
        std::string text = random() % 2 ? "-" : "";
        const auto digits = 1 + random() % 25;
        const auto point = random() % (digits + 1);
        for (std::uint64_t d = 0; d < digits; ++d) {
            if (d == point)
                text += '.';
            text += static_cast<char>('0' + random() % 10);
        }
        text += 'e' + std::to_string(static_cast<int>(random() % 660) - 340);
        errno = 0;
        const double expected = std::strtod(text.c_str(), nullptr);
        if (errno == ERANGE)
            continue;
        const QString input = QString::fromStdString(text);
        QCOMPARE(Exact(ReadNumber(View(input))), Exact(expected));
    }
}

QTEST_GUILESS_MAIN(TestNumberReading)
#include "tst_number_reading.moc"
