#include "conversion/convert.h"
#include "runtime/error.h"
#include "test_text.h"

#include <QTest>

#include <clocale>

using tenvex::ConvertQuantity;
using tenvex::ErrorKind;
using tenvex::FloatingPointError;
using tenvex::RuntimeError;
using tenvex::UnknownPrefixError;

namespace {

QString Convert(const QString &input, const QString &from, const QString &to)
{
    return ToQString(ConvertQuantity(View(input), View(from), View(to)));
}

// Names the error a conversion raised, so that rows can say which one they expect.
QString ErrorOf(const QString &input, const QString &from, const QString &to)
{
    try {
        (void)Convert(input, from, to);
    } catch (const UnknownPrefixError &) {
        return "unknown prefix";
    } catch (const FloatingPointError &) {
        return "floating point";
    } catch (const RuntimeError &error) {
        switch (error.kind()) {
        case ErrorKind::NotANumber:
            return "not a number";
        case ErrorKind::AmbiguousNumber:
            return "ambiguous number";
        case ErrorKind::NumberOverflow:
            return "number overflow";
        case ErrorKind::FloatingPoint:
            return "floating point kind without its type";
        }
    }
    return "no error";
}

// One row of a table whose columns are all texts.
template<typename... Texts>
void Row(const char *name, const Texts &...texts)
{
    (QTest::newRow(name) << ... << QString(texts));
}

} // namespace

class TestConvert : public QObject
{
    Q_OBJECT

private slots:
    void converts_data();
    void converts();
    void raises_data();
    void raises();
    void unknownPrefixMessage();
    void ignoresProcessLocale_data();
    void ignoresProcessLocale();
    void cleanup();
};

void TestConvert::converts_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("expected");

    Row("unit to unit", "1", "Unit", "Unit", "1");
    Row("kilo to unit", "1", "Kilo (K)", "Unit", "1000");
    Row("unit to kilo", "1", "Unit", "Kilo (K)", "0.001");
    Row("mega to kilo", "5", "Mega (M)", "Kilo (K)", "5000");
    Row("kilo to mega", "5000", "Kilo (K)", "Mega (M)", "5");
    Row("negative kilo to unit", "-2", "Kilo (K)", "Unit", "-2000");
    Row("kilo to milli", "2.5", "Kilo (K)", "milli (m)", "2500000");
    Row("milli to kilo", "2500000", "milli (m)", "Kilo (K)", "2.5");
    Row("milli to unit", "7", "milli (m)", "Unit", "0.007");
    Row("unit to milli", "0.007", "Unit", "milli (m)", "7");
    Row("deci source, in no list", "5", "deci (d)", "Unit", "0.5");
    Row("deci target", "5", "Unit", "deci (d)", "50");
    Row("centi to unit", "250", "centi (c)", "Unit", "2.5");
    Row("micro to nano", "1.5", "micro (u)", "nano (n)", "1500");
    Row("nano to micro", "1500", "nano (n)", "micro (u)", "1.5");
    Row("giga to micro", "3", "Giga (G)", "micro (u)", "3E+15");
    Row("tera to pico", "1", "Tera (T)", "pico (p)", "1E+24");
    Row("pico to tera", "1", "pico (p)", "Tera (T)", "1E-24");
    Row("unit text after number", "2.5 kV", "Kilo (K)", "Unit", "2500");
    Row("unicode minus", QStringLiteral("\u22123"), "Kilo (K)", "Unit", "-3000");
    Row("negative zero written 0", "-0", "Kilo (K)", "Unit", "0");
    Row("near the largest double", "1e296", "Tera (T)", "Unit", "1E+308");
    Row("underflow to zero", "1e-300", "pico (p)", "Tera (T)", "0");
    Row("subnormal result keeps fewer digits", "1e-300", "Unit", "Tera (T)",
        "9.99999999998465E-313");
}

void TestConvert::converts()
{
    QFETCH(QString, input);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, expected);
    QCOMPARE(Convert(input, from, to), expected);
}

void TestConvert::raises_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("error");

    Row("overflow scaling from tera", "1e300", "Tera (T)", "Unit", "floating point");
    Row("overflow scaling to pico", "1e300", "Unit", "pico (p)", "floating point");
    Row("negative overflow", "-1e300", "Tera (T)", "Unit", "floating point");
    Row("source in small letters", "5", "mega (m)", "Unit", "unknown prefix");
    Row("target in small letters", "5", "Unit", "mega (m)", "unknown prefix");
    Row("kilo with small k", "5", "Kilo (K)", "kilo (k)", "unknown prefix");
    Row("empty target", "5", "Unit", "", "unknown prefix");
    Row("empty source", "5", "", "Unit", "unknown prefix");
    Row("placeholder name", "5", "prefix", "Unit", "unknown prefix");
    Row("trailing blank", "5", "Kilo (K) ", "Unit", "unknown prefix");
    Row("blank missing", "5", "Kilo(K)", "Unit", "unknown prefix");
    Row("micro sign", "5", QStringLiteral("micro (\u00B5)"), "Unit", "unknown prefix");
    Row("symbol alone", "5", "K", "Unit", "unknown prefix");
    Row("not a number", "abc", "Unit", "Unit", "not a number");
    Row("decimal comma", "1,5", "Kilo (K)", "Unit", "ambiguous number");
    Row("number too large", "1e309", "Unit", "Unit", "number overflow");

    // The first error in the order of the steps wins: number, source name, target name.
    Row("bad number before bad names", "abc", "x", "y", "not a number");
    Row("bad source before bad target", "5", "x", "y", "unknown prefix");
    Row("source overflow before bad target", "1e300", "Tera (T)", "y", "floating point");
    Row("bad source before target overflow", "1e300", "x", "pico (p)", "unknown prefix");
}

void TestConvert::raises()
{
    QFETCH(QString, input);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, error);
    QCOMPARE(ErrorOf(input, from, to), error);
}

void TestConvert::unknownPrefixMessage()
{
    try {
        (void)Convert("5", "Kilo (K)", "kilo (k)");
        QFAIL("no error raised");
    } catch (const UnknownPrefixError &error) {
        QCOMPARE(ToQString(error.name()), "kilo (k)");
        const QString message = QString::fromUtf8(error.what());
        QVERIFY2(message.contains("\"kilo (k)\""), qPrintable(message));
        QVERIFY2(message.contains("case-sensitive"), qPrintable(message));
    }
}

// In a locale that writes 2,5 the program still reads and writes the decimal point ".".
void TestConvert::ignoresProcessLocale_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    QTest::newRow("point read") << "2.5"
                                << "2500";
    QTest::newRow("point written") << "2.5e-3"
                                   << "2.5";
    QTest::newRow("comma still ambiguous") << "2,5"
                                           << "ambiguous number";
}

void TestConvert::ignoresProcessLocale()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QVERIFY2(std::setlocale(LC_ALL, "de_DE.UTF-8"),
             "the de_DE.UTF-8 locale is missing: run scripts/install-deps.sh");
    QCOMPARE(QString::fromLatin1(std::localeconv()->decimal_point), ",");
    const QString error = ErrorOf(input, "Kilo (K)", "Unit");
    QCOMPARE(error == "no error" ? Convert(input, "Kilo (K)", "Unit") : error, expected);
}

void TestConvert::cleanup()
{
    std::setlocale(LC_ALL, "C");
}

QTEST_GUILESS_MAIN(TestConvert)
#include "tst_convert.moc"
