#include "runtime/error.h"
#include "runtime/floating_point.h"
#include "test_text.h"

#include <QTest>

#include <cfenv>
#include <limits>

using tenvex::CheckedProduct;
using tenvex::CheckedQuotient;
using tenvex::FloatingPointError;

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

enum class Operation { Product, Quotient };

double Apply(Operation operation, double left, double right)
{
    return operation == Operation::Product ? CheckedProduct(left, right)
                                           : CheckedQuotient(left, right);
}

} // namespace

Q_DECLARE_METATYPE(Operation)

// The operands are constants known to the compiler: these rows also show that an optimised build
// neither folds the steps nor moves them away from the flag test.
class TestFloatingPoint : public QObject
{
    Q_OBJECT

private slots:
    void passes_data();
    void passes();
    void raises_data();
    void raises();
    void earlierFlagsDoNotCount();
};

void TestFloatingPoint::passes_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("right");
    QTest::addColumn<double>("expected");

    QTest::newRow("exact product") << Operation::Product << 1e3 << 2.5 << 2500.0;
    QTest::newRow("inexact quotient") << Operation::Quotient << 1.0 << 3.0 << 1.0 / 3.0;
    QTest::newRow("product underflows to zero") << Operation::Product << 1e-300 << 1e-300 << 0.0;
    QTest::newRow("quotient underflows to subnormal")
        << Operation::Quotient << 1e-300 << 1e12 << 1e-312;
    QTest::newRow("negative underflow keeps sign")
        << Operation::Product << -1e-300 << 1e-300 << -0.0;
    QTest::newRow("largest double survives")
        << Operation::Quotient << std::numeric_limits<double>::max() << 1.0
        << std::numeric_limits<double>::max();
}

void TestFloatingPoint::passes()
{
    QFETCH(Operation, operation);
    QFETCH(double, left);
    QFETCH(double, right);
    QFETCH(double, expected);
    QCOMPARE(Exact(Apply(operation, left, right)), Exact(expected));
}

void TestFloatingPoint::raises_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("right");

    QTest::newRow("product overflows") << Operation::Product << 1e300 << 1e12;
    QTest::newRow("negative product overflows") << Operation::Product << -1e300 << 1e12;
    QTest::newRow("quotient overflows") << Operation::Quotient << 1e300 << 1e-12;
    QTest::newRow("division by zero") << Operation::Quotient << 1.0 << 0.0;
    QTest::newRow("zero by zero is invalid") << Operation::Quotient << 0.0 << 0.0;
    QTest::newRow("zero times infinity is invalid") << Operation::Product << 0.0 << Infinity;
}

void TestFloatingPoint::raises()
{
    QFETCH(Operation, operation);
    QFETCH(double, left);
    QFETCH(double, right);
    QVERIFY_THROWS_EXCEPTION(FloatingPointError, (void)Apply(operation, left, right));
}

// Each step clears the flags first: an overflow left over from elsewhere is not its fault.
void TestFloatingPoint::earlierFlagsDoNotCount()
{
    std::feraiseexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
    QCOMPARE(CheckedProduct(2.0, 3.0), 6.0);
    std::feraiseexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID);
    QCOMPARE(CheckedQuotient(6.0, 3.0), 2.0);
}

QTEST_GUILESS_MAIN(TestFloatingPoint)
#include "tst_floating_point.moc"
