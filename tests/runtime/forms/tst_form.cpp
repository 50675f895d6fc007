// SPDX-License-Identifier: MIT
#include "error.h"
#include "form.h"
#include "recording_form.h"
#include "table_test.h"

#include <new>
#include <stdexcept>
#include <vector>

using tenvex::Error;
using tenvex::ErrorKind;
using tenvex::Form;
using tenvex::RunHandler;

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

INSTANTIATE_TEST_SUITE_P(Handlers, RunHandlerTest,
                         testing::Values(HandlerRow{"no_error_no_report", [](Form &) {}, {}},
                                         HandlerRow{"our_error_by_its_message",
                                                    [](Form &) {
                                                        throw Error(ErrorKind::NotANumber, u"abc");
                                                    },
                                                    {u"\"abc\" is not a number."}},
                                         HandlerRow{"standard_error",
                                                    [](Form &) { throw std::bad_alloc(); },
                                                    {u"An unexpected error occurred."}},
                                         HandlerRow{"not_a_standard_error",
                                                    [](Form &) { throw 42; },
                                                    {u"An unexpected error occurred."}}),
                         RowName());

} // namespace
