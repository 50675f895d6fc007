// SPDX-License-Identifier: MIT
#include "form.h"
#include "form_error.h"
#include "form_layout.h"
#include "main_window.h"
#include "table_test.h"

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

using tenvex::EventKind;
using tenvex::Form;
using tenvex::MainWindow;
using tenvex::TwipsSize;

namespace {

// A window of texts with the sizes a test gives it; it records where it is placed and what is
// reported.
class FakeForm final : public Form
{
public:
    std::u16string text(std::u16string_view control) const override
    {
        const auto found = texts.find(std::u16string(control));
        if (found == texts.end())
            throw tenvex::FormError(tenvex::FormErrorKind::NoSuchControl, control);
        return found->second;
    }
    void setText(std::u16string_view control, std::u16string_view text) override
    {
        texts[std::u16string(control)] = text;
    }
    TwipsSize outerSize() const override { return outer; }
    void setLeft(float value) override { left = value; }
    void setTop(float value) override { top = value; }
    TwipsSize screenSize() const override { return screen; }
    void reportError(std::u16string_view message) override { reports.emplace_back(message); }

    std::map<std::u16string, std::u16string> texts{{u"txtFrom", u"1"},
                                                   {u"cmbFromUnit", u"prefix"},
                                                   {u"cmbToUnit", u"prefix"},
                                                   {u"lblTo", u"1"}};
    TwipsSize outer{4890, 3900};
    TwipsSize screen{19200, 15360};
    std::optional<float> left;
    std::optional<float> top;
    std::vector<std::u16string> reports;
};

// Raises an event of the window as the platform does: through the handlers bound to it.
void Raise(FakeForm &form, std::u16string_view source, EventKind event)
{
    tenvex::RaiseEvent(form, MainWindow, source, event);
}

struct CentringRow
{
    const char *name;
    TwipsSize screen;
    TwipsSize outer;
    float left;
    float top;
};

class LoadCentres : public testing::TestWithParam<CentringRow>
{};

// State: a screen and a window of the row's sizes. Action: load.
// Expected: the window's outer frame centred, edges in twips; both prefixes "Unit".
TEST_P(LoadCentres, TheOuterWindowOnTheScreen)
{
    FakeForm form;
    form.screen = GetParam().screen;
    form.outer = GetParam().outer;
    Raise(form, u"frmTenvex", EventKind::Load);
    EXPECT_EQ(form.left, GetParam().left);
    EXPECT_EQ(form.top, GetParam().top);
    EXPECT_EQ(form.texts[u"cmbFromUnit"], u"Unit");
    EXPECT_EQ(form.texts[u"cmbToUnit"], u"Unit");
    EXPECT_TRUE(form.reports.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Screens, LoadCentres,
    testing::Values(CentringRow{"framed_window", {19200, 15360}, {4890, 3900}, 7155, 5730},
                    CentringRow{"half_pixel_kept", {19215, 15375}, {4860, 3525}, 7177.5, 5925},
                    CentringRow{
                        "screen_smaller_than_window", {3000, 2000}, {4860, 3525}, -930, -762.5}),
    RowName());

struct ClickRow
{
    const char *name;
    std::u16string_view input;
    std::u16string_view from;
    std::u16string_view to;
    std::u16string_view result;
};

class ClickConverts : public testing::TestWithParam<ClickRow>
{};

TEST_P(ClickConverts, TheTextsReadAtTheClick)
{
    FakeForm form;
    form.texts[u"txtFrom"] = GetParam().input;
    form.texts[u"cmbFromUnit"] = GetParam().from;
    form.texts[u"cmbToUnit"] = GetParam().to;
    Raise(form, u"cmdCalculate", EventKind::Click);
    EXPECT_EQ(form.texts[u"lblTo"], GetParam().result);
    EXPECT_TRUE(form.reports.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, ClickConverts,
    testing::Values(ClickRow{"unit_to_unit", u"1", u"Unit", u"Unit", u"1"},
                    ClickRow{"kilo_to_milli", u"2.5", u"Kilo (K)", u"milli (m)", u"2500000"},
                    ClickRow{"typed_deci", u"5", u"deci (d)", u"Unit", u"0.5"}),
    RowName());

// Errors have a table of their own: the report, and the result left as it was.
class ClickFails : public testing::TestWithParam<ClickRow>
{};

TEST_P(ClickFails, ReportsOnceAndKeepsTheResult)
{
    FakeForm form;
    form.texts[u"lblTo"] = u"42";
    form.texts[u"txtFrom"] = GetParam().input;
    form.texts[u"cmbFromUnit"] = GetParam().from;
    form.texts[u"cmbToUnit"] = GetParam().to;
    Raise(form, u"cmdCalculate", EventKind::Click);
    EXPECT_EQ(form.texts[u"lblTo"], u"42");
    ASSERT_EQ(form.reports.size(), 1U);
    EXPECT_NE(form.reports.front().find(GetParam().result), std::u16string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, ClickFails,
    testing::Values(ClickRow{"overflow", u"1e300", u"Tera (T)", u"Unit", u"too large"},
                    ClickRow{"unknown_prefix", u"5", u"kilo (k)", u"Unit", u"\"kilo (k)\""},
                    ClickRow{"not_a_number", u"abc", u"Unit", u"Unit", u"\"abc\""}),
    RowName());

TEST(InputChange, ClearsTheResultOnly)
{
    FakeForm form;
    form.texts[u"cmbFromUnit"] = u"Kilo (K)";
    Raise(form, u"txtFrom", EventKind::Change);
    EXPECT_EQ(form.texts[u"lblTo"], u"");
    EXPECT_EQ(form.texts[u"cmbFromUnit"], u"Kilo (K)");
}

} // namespace
