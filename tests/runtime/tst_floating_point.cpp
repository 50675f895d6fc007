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
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Largest = std::numeric_limits<double>::max();

enum class Operation { Product, Quotient };

double Apply(Operation operation, double left, double right)
{
    return operation == Operation::Product ? CheckedProduct(left, right)
                                           : CheckedQuotient(left, right);
}

bool Raises(Operation operation, double left, double right)
{
    try {
        (void)Apply(operation, left, right);
        return false;
    } catch (const FloatingPointError &) {
        return true;
    }
}

// What the hardware says: the step done at run time between clearing and reading the flags.
bool SetsFaultFlag(Operation operation, double left, double right)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    const volatile double a = left;
    const volatile double b = right;
    const volatile double result = operation == Operation::Product ? a * b : a / b;
    (void)result;
    return std::fetestexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID) != 0;
}

} // namespace

Q_DECLARE_METATYPE(Operation)

class TestFloatingPoint : public QObject
{
    Q_OBJECT

private slots:
    void raisesOnFaultFlags_data();
    void raisesOnFaultFlags();
    void agreesWithHardwareFlags_data() { raisesOnFaultFlags_data(); }
    void agreesWithHardwareFlags();
    void passingStepsKeepTheirResult_data();
    void passingStepsKeepTheirResult();
};

void TestFloatingPoint::raisesOnFaultFlags_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("right");
    QTest::addColumn<bool>("raises");

    QTest::newRow("exact product") << Operation::Product << 1e3 << 2.5 << false;
    QTest::newRow("inexact quotient") << Operation::Quotient << 1.0 << 3.0 << false;
    QTest::newRow("product underflows") << Operation::Product << 1e-300 << 1e-300 << false;
    QTest::newRow("quotient underflows") << Operation::Quotient << 1e-300 << 1e12 << false;
    QTest::newRow("largest double survives") << Operation::Quotient << Largest << 1.0 << false;
    QTest::newRow("product overflows") << Operation::Product << 1e300 << 1e12 << true;
    QTest::newRow("negative product overflows") << Operation::Product << -1e300 << 1e12 << true;
    QTest::newRow("quotient overflows") << Operation::Quotient << 1e300 << 1e-12 << true;
    QTest::newRow("division by zero") << Operation::Quotient << 1.0 << 0.0 << true;
    QTest::newRow("division by negative zero") << Operation::Quotient << 1.0 << -0.0 << true;
    QTest::newRow("zero by zero") << Operation::Quotient << 0.0 << 0.0 << true;
    QTest::newRow("zero times infinity") << Operation::Product << 0.0 << Infinity << true;
    QTest::newRow("infinity by infinity") << Operation::Quotient << Infinity << Infinity << true;
    QTest::newRow("infinite operand") << Operation::Product << Infinity << 2.0 << false;
    QTest::newRow("infinity by zero") << Operation::Quotient << Infinity << 0.0 << false;
    QTest::newRow("finite by infinity") << Operation::Quotient << 1.0 << Infinity << false;
    QTest::newRow("quiet NaN operand") << Operation::Product << NaN << 2.0 << false;
    QTest::newRow("quiet NaN divisor") << Operation::Quotient << 0.0 << NaN << false;
}

// The operands are constants known to the compiler: the rows also show that an optimised build
// neither folds a step nor loses its test.
void TestFloatingPoint::raisesOnFaultFlags()
{
    QFETCH(Operation, operation);
    QFETCH(double, left);
    QFETCH(double, right);
    QFETCH(bool, raises);
    QCOMPARE(Raises(operation, left, right), raises);
}

void TestFloatingPoint::agreesWithHardwareFlags()
{
    QFETCH(Operation, operation);
    QFETCH(double, left);
    QFETCH(double, right);
    QCOMPARE(Raises(operation, left, right), SetsFaultFlag(operation, left, right));
}

void TestFloatingPoint::passingStepsKeepTheirResult_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("right");
    QTest::addColumn<double>("expected");

    QTest::newRow("exact product") << Operation::Product << 1e3 << 2.5 << 2500.0;
    QTest::newRow("rounded quotient") << Operation::Quotient << 1.0 << 3.0 << 0.33333333333333331;
    QTest::newRow("underflow to zero") << Operation::Product << 1e-300 << 1e-300 << 0.0;
    QTest::newRow("underflow keeps sign") << Operation::Product << -1e-300 << 1e-300 << -0.0;
    QTest::newRow("subnormal quotient") << Operation::Quotient << 1e-300 << 1e12 << 1e-312;
}

void TestFloatingPoint::passingStepsKeepTheirResult()
{
    QFETCH(Operation, operation);
    QFETCH(double, left);
    QFETCH(double, right);
    QFETCH(double, expected);
    QCOMPARE(Exact(Apply(operation, left, right)), Exact(expected));
}

QTEST_GUILESS_MAIN(TestFloatingPoint)
#include "tst_floating_point.moc"
