// SPDX-License-Identifier: MIT
#include "error.h"
#include "floating_point.h"
#include "table_test.h"

#include <cfenv>
#include <limits>

using tenvex::NumberError;
using tenvex::NumberErrorKind;

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Largest = std::numeric_limits<double>::max();

enum class Operation { Product, Quotient, Difference };

double Apply(Operation operation, double left, double right)
{
    switch (operation) {
    case Operation::Product:
        return tenvex::CheckedProduct(left, right);
    case Operation::Quotient:
        return tenvex::CheckedQuotient(left, right);
    case Operation::Difference:
        return tenvex::CheckedDifference(left, right);
    }
    return 0.0;
}

bool Raises(Operation operation, double left, double right)
{
    try {
        (void)Apply(operation, left, right);
        return false;
    } catch (const NumberError &error) {
        return error.kind() == NumberErrorKind::FloatingPointError;
    }
}

#ifdef FE_OVERFLOW // WebAssembly keeps no floating-point flags
// What the hardware says: the step done at run time between clearing and reading the flags.
bool SetsFaultFlag(Operation operation, double left, double right)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    const volatile double a = left;
    const volatile double b = right;
    volatile double result = 0.0;
    switch (operation) {
    case Operation::Product:
        result = a * b;
        break;
    case Operation::Quotient:
        result = a / b;
        break;
    case Operation::Difference:
        result = a - b;
        break;
    }
    (void)result;
    return std::fetestexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID) != 0;
}
#endif

struct StepRow
{
    const char *name;
    Operation operation;
    double left;
    double right;
    bool raises;
};

class FloatingPointTest : public testing::TestWithParam<StepRow>
{};

// The operands are constants known to the compiler: the rows also show that an optimised build
// neither folds a step nor loses its test.
TEST_P(FloatingPointTest, RaisesOnFaultFlags)
{
    const StepRow &row = GetParam();
    EXPECT_EQ(Raises(row.operation, row.left, row.right), row.raises);
}

// Without floating-point flags (WebAssembly) the rows above stand alone.
#ifdef FE_OVERFLOW
TEST_P(FloatingPointTest, AgreesWithHardwareFlags)
{
    const StepRow &row = GetParam();
    EXPECT_EQ(Raises(row.operation, row.left, row.right),
              SetsFaultFlag(row.operation, row.left, row.right));
}
#endif

using enum Operation;

INSTANTIATE_TEST_SUITE_P(
    Steps, FloatingPointTest,
    testing::Values(StepRow{"exact_product", Product, 1e3, 2.5, false},
                    StepRow{"inexact_quotient", Quotient, 1.0, 3.0, false},
                    StepRow{"product_underflows", Product, 1e-300, 1e-300, false},
                    StepRow{"quotient_underflows", Quotient, 1e-300, 1e12, false},
                    StepRow{"largest_double_survives", Quotient, Largest, 1.0, false},
                    StepRow{"product_overflows", Product, 1e300, 1e12, true},
                    StepRow{"negative_product_overflows", Product, -1e300, 1e12, true},
                    StepRow{"quotient_overflows", Quotient, 1e300, 1e-12, true},
                    StepRow{"division_by_zero", Quotient, 1.0, 0.0, true},
                    StepRow{"division_by_negative_zero", Quotient, 1.0, -0.0, true},
                    StepRow{"zero_by_zero", Quotient, 0.0, 0.0, true},
                    StepRow{"zero_times_infinity", Product, 0.0, Infinity, true},
                    StepRow{"infinity_by_infinity", Quotient, Infinity, Infinity, true},
                    StepRow{"infinite_operand", Product, Infinity, 2.0, false},
                    StepRow{"infinity_by_zero", Quotient, Infinity, 0.0, false},
                    StepRow{"finite_by_infinity", Quotient, 1.0, Infinity, false},
                    StepRow{"quiet_nan_operand", Product, NaN, 2.0, false},
                    StepRow{"quiet_nan_divisor", Quotient, 0.0, NaN, false},
                    StepRow{"exact_difference", Difference, 19200.0, 4890.0, false},
                    StepRow{"difference_overflows", Difference, Largest, -Largest, true},
                    StepRow{"infinity_less_infinity", Difference, Infinity, Infinity, true},
                    StepRow{"infinity_less_finite", Difference, Infinity, 1.0, false}),
    RowName());

struct ResultRow
{
    const char *name;
    Operation operation;
    double left;
    double right;
    double expected;
};

class PassingStep : public testing::TestWithParam<ResultRow>
{};

TEST_P(PassingStep, KeepsItsResult)
{
    const ResultRow &row = GetParam();
    EXPECT_EQ(Exact(Apply(row.operation, row.left, row.right)), Exact(row.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Steps, PassingStep,
    testing::Values(ResultRow{"exact_product", Product, 1e3, 2.5, 2500.0},
                    ResultRow{"rounded_quotient", Quotient, 1.0, 3.0, 0.33333333333333331},
                    ResultRow{"underflow_to_zero", Product, 1e-300, 1e-300, 0.0},
                    ResultRow{"underflow_keeps_sign", Product, -1e-300, 1e-300, -0.0},
                    ResultRow{"subnormal_quotient", Quotient, 1e-300, 1e12, 1e-312},
                    ResultRow{"negative_difference", Difference, 4860.0, 19200.0, -14340.0}),
    RowName());

} // namespace
