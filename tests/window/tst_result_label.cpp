#include "window/result_label.h"

#include <QTest>

using tenvex::ShortenedNumber;

// The shortening rule, with a width measured in characters.
class TestResultLabel : public QObject
{
    Q_OBJECT

private slots:
    void shortensVisibly_data();
    void shortensVisibly();
};

void TestResultLabel::shortensVisibly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("room");
    QTest::addColumn<QString>("shown");

    QTest::newRow("fits as it is") << "2500000" << 7 << "2500000";
    QTest::newRow("exponent kept") << "1.23456789012346E+15" << 12 << u"1.23456\u2026E+15"_qs;
    QTest::newRow("negative, three-digit exponent")
        << "-1.23456789012346E-308" << 12 << u"-1.234\u2026E-308"_qs;
    QTest::newRow("fraction loses its last decimals")
        << "123456.789012346" << 10 << u"123456.78\u2026"_qs;
    QTest::newRow("small fraction") << "-0.000123456789012345" << 10 << u"-0.000123\u2026"_qs;
    QTest::newRow("long whole number into exponent form")
        << "123456789012345" << 10 << u"1.234\u2026E+14"_qs;
    QTest::newRow("negative whole number") << "-123456789012345" << 10 << u"-1.23\u2026E+14"_qs;
    QTest::newRow("whole part too wide for a fraction")
        << "12345678901234.5" << 8 << u"1.2\u2026E+13"_qs;
    QTest::newRow("small fraction, no room for its point")
        << "-0.000123456789012345" << 3 << u"-1\u2026E-04"_qs;
    QTest::newRow("no room at all") << "1.5E+15" << 2 << u"1\u2026E+15"_qs;
}

void TestResultLabel::shortensVisibly()
{
    QFETCH(QString, text);
    QFETCH(int, room);
    QFETCH(QString, shown);
    QCOMPARE(ShortenedNumber(text, [room](const QString &form) { return form.size() <= room; }),
             shown);
}

QTEST_GUILESS_MAIN(TestResultLabel)
#include "tst_result_label.moc"
