// SPDX-License-Identifier: MIT
#include "error.h"
#include "form.h"
#include "recording_form.h"
#include "table_test.h"

#include <cstdio>
#include <cstdlib>
#include <new>
#include <stdexcept>
#include <vector>

using tenvex::Form;
using tenvex::NumberError;
using tenvex::NumberErrorKind;
using tenvex::RunHandler;

namespace {

// While set, every allocation of this program fails, as when memory has run out.
bool AllocationsFail = false;

} // namespace

void *operator new(std::size_t size)
{
    if (AllocationsFail)
        throw std::bad_alloc();
    if (void *memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

// The replacement's own pairing: GCC, seeing both ends, takes its free() for a mismatch.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void *memory) noexcept
{
    std::free(memory);
}

void operator delete(void *memory, std::size_t) noexcept
{
    std::free(memory);
}
#pragma GCC diagnostic pop

namespace {

struct HandlerRow
{
    const char *name;
    tenvex::EventHandler handler;
    std::vector<std::u16string> reports;
};

class RunHandlerTest : public testing::TestWithParam<HandlerRow>
{};

// Whatever ends a handler is reported once through its form, and goes no further.
TEST_P(RunHandlerTest, ReportsWhatEndsTheHandler)
{
    RecordingForm form;
    RunHandler(form, GetParam().handler);
    EXPECT_EQ(form.reports, GetParam().reports);
}

INSTANTIATE_TEST_SUITE_P(
    Handlers, RunHandlerTest,
    testing::Values(
        HandlerRow{"no_error_no_report", [](Form &) {}, {}},
        HandlerRow{"our_error_by_its_message",
                   [](Form &) { throw NumberError(NumberErrorKind::NotANumber, u"abc"); },
                   {u"The quantity \"abc\" is not a number."}},
        HandlerRow{"out_of_memory",
                   [](Form &) { throw std::bad_alloc(); },
                   {u"There was not enough memory to finish what you asked for."}},
        HandlerRow{"standard_error",
                   [](Form &) { throw std::runtime_error("lost"); },
                   {u"An unexpected error occurred."}},
        HandlerRow{
            "not_a_standard_error", [](Form &) { throw 42; }, {u"An unexpected error occurred."}}),
    RowName());

// A handler's error met when memory has run out: the sentences for it cannot be composed.
void FailsWithoutMemory(Form &)
{
    NumberError error(NumberErrorKind::NotANumber, u"abc"); // short enough to need no allocation
    AllocationsFail = true;
    throw error;
}

// A window that gets its memory back by the time it shows the report.
class RecoveringForm final : public tenvex::Form
{
public:
    std::u16string text(std::u16string_view) const override { return {}; }
    void setText(std::u16string_view, std::u16string_view) override {}
    tenvex::TwipsSize outerSize() const override { return {}; }
    void setLeft(float) override {}
    void setTop(float) override {}
    tenvex::TwipsSize screenSize() const override { return {}; }
    void reportError(std::u16string_view message) override
    {
        AllocationsFail = false;
        reports.emplace_back(message);
    }

    std::vector<std::u16string> reports;
};

// State: memory runs out as a handler fails. Expected: a fixed message, never an end of the
// program.
TEST(RunHandlerWithoutMemory, ReportsAFixedMessage)
{
    RecoveringForm form;
    RunHandler(form, FailsWithoutMemory);
    EXPECT_EQ(
        form.reports,
        std::vector<std::u16string>{u"There was not enough memory to finish what you asked for."});
}

// State: memory stays short while the report is shown too. Expected: one line on the standard
// error stream, and the program goes on.
TEST(RunHandlerWithoutMemory, ReportThatCannotBeShownIsWrittenOut)
{
    testing::internal::CaptureStderr();
    std::fputs("probe\n", stderr);
    if (testing::internal::GetCapturedStderr() != "probe\n")
        GTEST_SKIP() << "this platform's standard error stream cannot be captured (Node.js)";
    RecordingForm form;
    testing::internal::CaptureStderr();
    RunHandler(form, FailsWithoutMemory);
    AllocationsFail = false;
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "tenvex: an error could not be shown in the window\n");
    EXPECT_TRUE(form.reports.empty());
}

int GuardedRuns = 0;

// Code run outside a handler is caught and reported in the same way.
TEST(RunGuarded, ReportsWhatEndsTheWork)
{
    RecordingForm form;
    tenvex::RunGuarded(form, [] {
        ++GuardedRuns;
        throw NumberError(NumberErrorKind::NotANumber, u"x");
    });
    EXPECT_EQ(GuardedRuns, 1);
    EXPECT_EQ(form.reports, std::vector<std::u16string>{u"The quantity \"x\" is not a number."});
}

} // namespace
