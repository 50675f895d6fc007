// SPDX-License-Identifier: MIT
#include "form.h"
#include "form_error.h"
#include "form_layout.h"
#include "main_window.h"
#include "recording_form.h"
#include "table_test.h"

#include <array>
#include <optional>
#include <vector>

using tenvex::ControlDescription;
using tenvex::ControlKind;
using tenvex::EventBinding;
using tenvex::EventKind;
using tenvex::Form;
using tenvex::FormDescription;
using tenvex::MainWindow;

namespace {

struct PixelRow
{
    const char *name;
    double twips;
    int dotsPerInch;
    int pixels;
};

class PixelsOfTwips : public testing::TestWithParam<PixelRow>
{};

TEST_P(PixelsOfTwips, CutTowardZero)
{
    EXPECT_EQ(tenvex::Pixels(GetParam().twips, GetParam().dotsPerInch), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Lengths, PixelsOfTwips,
                         testing::Values(PixelRow{"client_width", 4860, 96, 324},
                                         PixelRow{"client_height", 3525, 96, 235},
                                         PixelRow{"half_pixel_cut", 7177.5, 96, 478},
                                         PixelRow{"just_below_a_pixel", 14.9, 96, 0},
                                         PixelRow{"negative_edge_toward_zero", -937.5, 96, -62},
                                         PixelRow{"at_120_dpi", 1575, 120, 131},
                                         PixelRow{"at_144_dpi", 1575, 144, 157},
                                         PixelRow{"at_192_dpi", 4860, 192, 648}),
                         RowName());

struct TwipsRow
{
    const char *name;
    int pixels;
    int dotsPerInch;
    float twips;
};

class TwipsOfPixels : public testing::TestWithParam<TwipsRow>
{};

TEST_P(TwipsOfPixels, Exactly)
{
    EXPECT_EQ(tenvex::Twips(GetParam().pixels, GetParam().dotsPerInch), GetParam().twips);
}

INSTANTIATE_TEST_SUITE_P(Lengths, TwipsOfPixels,
                         testing::Values(TwipsRow{"screen_width", 1280, 96, 19200},
                                         TwipsRow{"framed_width", 326, 96, 4890},
                                         TwipsRow{"at_120_dpi", 131, 120, 1572},
                                         TwipsRow{"at_144_dpi", 100, 144, 1000}),
                         RowName());

std::vector<std::u16string_view> Names(const std::vector<std::size_t> &places)
{
    std::vector<std::u16string_view> names;
    names.reserve(places.size());
    for (const std::size_t place : places)
        names.push_back(MainWindow.controls[place].name);
    return names;
}

// The window's controls as the layout lists them in tab order; the focus only stops at four.
TEST(MainWindowLayout, TabOrderAndFocus)
{
    EXPECT_EQ(Names(tenvex::ControlsByTabIndex(MainWindow)),
              (std::vector<std::u16string_view>{u"Label1", u"Frame1", u"txtFrom", u"Frame2",
                                                u"cmbFromUnit", u"cmbToUnit", u"lblTo",
                                                u"cmdCalculate"}));
    std::vector<std::size_t> focusable;
    for (const std::size_t place : tenvex::ControlsByTabIndex(MainWindow)) {
        if (tenvex::TakesFocus(MainWindow.controls[place].kind))
            focusable.push_back(place);
    }
    EXPECT_EQ(Names(focusable),
              (std::vector<std::u16string_view>{u"txtFrom", u"cmbFromUnit", u"cmbToUnit",
                                                u"cmdCalculate"}));
    ASSERT_TRUE(tenvex::FirstFocus(MainWindow));
    EXPECT_EQ(MainWindow.controls[*tenvex::FirstFocus(MainWindow)].name, u"txtFrom");
}

TEST(MainWindowLayout, TheResultIsTheOnlyOutputBox)
{
    std::vector<std::size_t> outputBoxes;
    for (std::size_t place = 0; place < MainWindow.controls.size(); ++place) {
        if (tenvex::IsOutputBox(MainWindow.controls[place]))
            outputBoxes.push_back(place);
    }
    EXPECT_EQ(Names(outputBoxes), std::vector<std::u16string_view>{u"lblTo"});
}

struct IndexRow
{
    const char *name;
    std::u16string_view control;
    std::size_t place;
};

class ControlIndexTest : public testing::TestWithParam<IndexRow>
{};

TEST_P(ControlIndexTest, FindsTheControlByItsExactName)
{
    EXPECT_EQ(tenvex::ControlIndex(MainWindow, GetParam().control), GetParam().place);
}

INSTANTIATE_TEST_SUITE_P(Names, ControlIndexTest,
                         testing::Values(IndexRow{"first", u"Label1", 0},
                                         IndexRow{"inside_a_frame", u"cmbToUnit", 6},
                                         IndexRow{"last", u"cmdCalculate", 7}),
                         RowName());

struct MissingRow
{
    const char *name;
    std::u16string_view control;
};

class NoSuchControl : public testing::TestWithParam<MissingRow>
{};

TEST_P(NoSuchControl, IsAnErrorNamingIt)
{
    try {
        (void)tenvex::ControlIndex(MainWindow, GetParam().control);
        FAIL() << "found a control";
    } catch (const tenvex::FormError &error) {
        EXPECT_EQ(error.kind(), tenvex::FormErrorKind::NoSuchControl);
        EXPECT_EQ(error.text(), GetParam().control);
    }
}

INSTANTIATE_TEST_SUITE_P(Names, NoSuchControl,
                         testing::Values(MissingRow{"other_case", u"cmbtounit"},
                                         MissingRow{"the_window_itself", u"frmTenvex"},
                                         MissingRow{"empty", u""}),
                         RowName());

struct FormErrorRow
{
    const char *name;
    tenvex::FormErrorKind kind;
    std::u16string_view text;
    std::u16string_view expected;
};

class FormErrorMessage : public testing::TestWithParam<FormErrorRow>
{};

TEST_P(FormErrorMessage, NamesTheBoxOrControl)
{
    EXPECT_EQ(tenvex::FormError(GetParam().kind, GetParam().text).message(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, FormErrorMessage,
    testing::Values(
        FormErrorRow{"text_too_long", tenvex::FormErrorKind::TextTooLong, u"Quantity",
                     u"The Quantity box holds at most 250000 characters: the text was not put in,"
                     u" and the box keeps what it had."},
        FormErrorRow{"no_such_control_quoted", tenvex::FormErrorKind::NoSuchControl, u"txt\u202E",
                     u"The window has no control named \"txt<U+202E>\"."}),
    RowName());

constexpr std::array<std::u16string_view, 4> Entries{u"Mega (M)", u"Kilo (K)", u"Unit",
                                                     u"milli (m)"};

struct EntryRow
{
    const char *name;
    std::u16string_view text;
    std::optional<std::size_t> entry;
};

class ListEntry : public testing::TestWithParam<EntryRow>
{};

TEST_P(ListEntry, OnlyAnExactTextSelectsAnEntry)
{
    EXPECT_EQ(tenvex::ListEntryIndex(Entries, GetParam().text), GetParam().entry);
}

INSTANTIATE_TEST_SUITE_P(Texts, ListEntry,
                         testing::Values(EntryRow{"exact", u"Kilo (K)", 1},
                                         EntryRow{"last", u"milli (m)", 3},
                                         EntryRow{"other_case", u"kilo (k)", std::nullopt},
                                         EntryRow{"small_m_is_not_mega", u"m", std::nullopt},
                                         EntryRow{"beginning_of_an_entry", u"Ki", std::nullopt},
                                         EntryRow{"trailing_blank", u"Unit ", std::nullopt},
                                         EntryRow{"empty", u"", std::nullopt}),
                         RowName());

struct ViewRow
{
    const char *name;
    std::u16string_view caption;
    std::size_t room; // characters
    tenvex::ResultView view;
};

class ResultViewTest : public testing::TestWithParam<ViewRow>
{};

TEST_P(ResultViewTest, TooltipOnlyWhenShortened)
{
    const std::size_t room = GetParam().room;
    EXPECT_EQ(
        tenvex::ResultViewOf(GetParam().caption,
                             [room](std::u16string_view form) { return form.size() <= room; }),
        GetParam().view);
}

INSTANTIATE_TEST_SUITE_P(Captions, ResultViewTest,
                         testing::Values(ViewRow{"fits", u"2500000", 7, {u"2500000", u""}},
                                         ViewRow{"empty", u"", 0, {u"", u""}},
                                         ViewRow{"shortened",
                                                 u"1.23456789012346E+15",
                                                 12,
                                                 {u"1.23456\u2026E+15", u"1.23456789012346E+15"}}),
                         RowName());

struct MessageRow
{
    const char *name;
    std::u16string_view message;
    std::u16string_view shown;
};

struct KindRow
{
    const char *name;
    tenvex::ControlDescription control;
    std::optional<tenvex::EventKind> event;
    bool coloured;
    int listRows;
};

constexpr std::array<std::u16string_view, 1> OneEntry{u"Unit"};

using tenvex::EventKind;

// A control of a kind, named as a back end would find it, otherwise as plain as can be.
constexpr tenvex::ControlDescription Described(tenvex::ControlKind kind,
                                               std::span<const std::u16string_view> entries = {},
                                               std::u16string_view accessibleName = {})
{
    return {.name = u"ctlTest",
            .kind = kind,
            .parent = u"frmTest",
            .geometry = {0, 0, 1500, 375},
            .text = u"",
            .fontSize = 9.75,
            .tabIndex = 0,
            .listEntries = entries,
            .accessibleName = accessibleName};
}

class KindRules : public testing::TestWithParam<KindRow>
{};

TEST_P(KindRules, EventColoursAndListRows)
{
    const KindRow &row = GetParam();
    EXPECT_EQ(tenvex::EventOf(row.control.kind), row.event);
    EXPECT_EQ(tenvex::TakesColours(row.control), row.coloured);
    EXPECT_EQ(tenvex::ListRows(row.control), row.listRows);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, KindRules,
    testing::Values(KindRow{"label", Described(tenvex::ControlKind::Label), std::nullopt, true, 1},
                    KindRow{"frame", Described(tenvex::ControlKind::Frame), std::nullopt, true, 1},
                    KindRow{"text_box", Described(tenvex::ControlKind::TextBox), EventKind::Change,
                            false, 1},
                    KindRow{"combo_box_of_four", Described(tenvex::ControlKind::ComboBox, Entries),
                            std::nullopt, false, 4},
                    KindRow{"combo_box_of_one", Described(tenvex::ControlKind::ComboBox, OneEntry),
                            std::nullopt, false, 1},
                    KindRow{"button", Described(tenvex::ControlKind::CommandButton),
                            EventKind::Click, false, 1}),
    RowName());

struct OutputRow
{
    const char *name;
    std::u16string_view accessibleName;
    std::u16string_view caption;
    bool announced;
};

class AccessibleOutputTest : public testing::TestWithParam<OutputRow>
{};

TEST_P(AccessibleOutputTest, TheWholeCaptionUnderItsName)
{
    const tenvex::ControlDescription control
        = Described(tenvex::ControlKind::Label, {}, GetParam().accessibleName);
    const tenvex::AccessibleOutput output = tenvex::AccessibleOutputOf(control, GetParam().caption);
    EXPECT_EQ(output.name, GetParam().accessibleName.empty() ? u"ctlTest" : u"Result");
    EXPECT_EQ(output.value, GetParam().caption);
    EXPECT_EQ(output.announced, GetParam().announced);
}

INSTANTIATE_TEST_SUITE_P(Captions, AccessibleOutputTest,
                         testing::Values(OutputRow{"a_result", u"Result", u"-1.23456789012345E-300",
                                                   true},
                                         OutputRow{"cleared_by_an_edit", u"Result", u"", false},
                                         OutputRow{"no_accessible_name", u"", u"2500", true}),
                         RowName());

class OneLineTest : public testing::TestWithParam<MessageRow>
{};

TEST_P(OneLineTest, EveryLineBreakIsOneBlank)
{
    EXPECT_EQ(tenvex::OneLine(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Texts, OneLineTest,
                         testing::Values(MessageRow{"one_line", u"2.5 kV", u"2.5 kV"},
                                         MessageRow{"lf", u"2.5\n3", u"2.5 3"},
                                         MessageRow{"cr_lf", u"2.5\r\n3\r\n", u"2.5 3 "},
                                         MessageRow{"cr", u"2.5\r3", u"2.5 3"},
                                         MessageRow{"lf_cr_is_two", u"2.5\n\r3", u"2.5  3"},
                                         MessageRow{"tab_kept", u"2.5\t3", u"2.5\t3"}),
                         RowName());

// A paste or a drop is measured as it goes in, each CR LF one blank; 250,000 units at most.
struct InsertedRow
{
    const char *name;
    std::size_t kept;
    std::u16string_view text;
    std::optional<std::u16string_view> line; // none: refused as too long
};

class InsertedLineTest : public testing::TestWithParam<InsertedRow>
{};

TEST_P(InsertedLineTest, GoesInWholeOrNotAtAll)
{
    std::optional<std::u16string> line;
    try {
        line = tenvex::InsertedLine(u"Quantity", GetParam().text, GetParam().kept);
    } catch (const tenvex::FormError &error) {
        EXPECT_EQ(error.kind(), tenvex::FormErrorKind::TextTooLong);
        EXPECT_EQ(error.text(), u"Quantity");
    }
    EXPECT_EQ(line, GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, InsertedLineTest,
    testing::Values(InsertedRow{"into_an_empty_box", 0, u"2.5\r\nkV", u"2.5 kV"},
                    InsertedRow{"cr_lf_counted_once", 249'997, u"1\r\n2", u"1 2"},
                    InsertedRow{"one_unit_over", 249'998, u"1\r\n2", std::nullopt},
                    InsertedRow{"nothing_into_a_full_box", 250'000, u"", u""},
                    InsertedRow{"one_into_a_full_box", 250'000, u"5", std::nullopt}),
    RowName());

class UnbrokenQuotesTest : public testing::TestWithParam<MessageRow>
{};

TEST_P(UnbrokenQuotesTest, BlanksInQuotesDoNotBreak)
{
    EXPECT_EQ(tenvex::UnbrokenQuotes(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, UnbrokenQuotesTest,
    testing::Values(MessageRow{"two_names", u"as in \"Kilo (K)\" and \"milli (m)\".",
                               u"as in \"Kilo\u00A0(K)\" and \"milli\u00A0(m)\"."},
                    MessageRow{"quantity", u"The quantity \"2.5 kV x\" is",
                               u"The quantity \"2.5\u00A0kV\u00A0x\" is"},
                    MessageRow{"no_quotes", u"The result is too large", u"The result is too large"},
                    MessageRow{"unclosed", u"holds \"a b", u"holds \"a\u00A0b"}),
    RowName());

int Runs = 0;

void CountRun(Form &)
{
    ++Runs;
}

constexpr std::array OneButton{
    ControlDescription{.name = u"cmdGo",
                       .kind = ControlKind::CommandButton,
                       .parent = u"frmTest",
                       .geometry = {0, 0, 1500, 450},
                       .text = u"Go",
                       .fontSize = 9.75,
                       .tabIndex = 0},
};
constexpr std::array TwoBindings{
    EventBinding{u"cmdGo", EventKind::Click, CountRun},
    EventBinding{u"cmdGo", EventKind::Click, CountRun},
};
constexpr FormDescription ButtonWindow{.name = u"frmTest",
                                       .caption = u"Test",
                                       .clientWidth = 3000,
                                       .clientHeight = 1500,
                                       .fontFace = u"Sans Serif",
                                       .bold = false,
                                       .controls = OneButton,
                                       .events = TwoBindings};

struct RaiseRow
{
    const char *name;
    std::u16string_view source;
    EventKind event;
    int runs;
};

class RaiseEventTest : public testing::TestWithParam<RaiseRow>
{};

TEST_P(RaiseEventTest, RunsEveryHandlerBoundToIt)
{
    RecordingForm form;
    Runs = 0;
    tenvex::RaiseEvent(form, ButtonWindow, GetParam().source, GetParam().event);
    EXPECT_EQ(Runs, GetParam().runs);
}

INSTANTIATE_TEST_SUITE_P(
    Events, RaiseEventTest,
    testing::Values(RaiseRow{"both_bindings", u"cmdGo", EventKind::Click, 2},
                    RaiseRow{"unbound_event", u"cmdGo", EventKind::Change, 0},
                    RaiseRow{"window_load_unbound", u"frmTest", EventKind::Load, 0},
                    RaiseRow{"unknown_source", u"cmdStop", EventKind::Click, 0}),
    RowName());

// Descriptions that no back end could build, one fault each.
constexpr ControlDescription Frame{.name = u"Frame1",
                                   .kind = ControlKind::Frame,
                                   .parent = u"frmTest",
                                   .geometry = {0, 0, 1500, 1500},
                                   .text = u"From",
                                   .fontSize = 9.75,
                                   .tabIndex = 0};
constexpr ControlDescription Input{.name = u"txtIn",
                                   .kind = ControlKind::TextBox,
                                   .parent = u"Frame1",
                                   .geometry = {100, 100, 1000, 300},
                                   .text = u"1",
                                   .fontSize = 9.75,
                                   .tabIndex = 1};

ControlDescription With(ControlDescription control, std::u16string_view name,
                        std::u16string_view parent, int tabIndex)
{
    control.name = name;
    control.parent = parent;
    control.tabIndex = tabIndex;
    return control;
}

struct FormRow
{
    const char *name;
    std::vector<ControlDescription> controls;
    std::vector<EventBinding> events;
    bool wellFormed;
};

class WellFormed : public testing::TestWithParam<FormRow>
{};

TEST_P(WellFormed, OnlyWhatABackEndCanBuild)
{
    const FormDescription form{.name = u"frmTest",
                               .caption = u"Test",
                               .clientWidth = 3000,
                               .clientHeight = 3000,
                               .fontFace = u"Sans Serif",
                               .bold = false,
                               .controls = GetParam().controls,
                               .events = GetParam().events};
    EXPECT_EQ(tenvex::IsWellFormed(form), GetParam().wellFormed);
}

INSTANTIATE_TEST_SUITE_P(
    Descriptions, WellFormed,
    testing::Values(
        FormRow{"frame_and_child", {Frame, Input}, {{u"txtIn", EventKind::Change, CountRun}}, true},
        FormRow{"load_of_the_window", {Frame}, {{u"frmTest", EventKind::Load, CountRun}}, true},
        FormRow{"duplicate_name", {Frame, With(Input, u"Frame1", u"Frame1", 1)}, {}, false},
        FormRow{"control_named_as_the_window", {With(Frame, u"frmTest", u"frmTest", 0)}, {}, false},
        FormRow{"child_before_its_parent", {Input, Frame}, {}, false},
        FormRow{
            "parent_not_a_frame", {Frame, Input, With(Input, u"txtTwo", u"txtIn", 2)}, {}, false},
        FormRow{"duplicate_tab_index", {Frame, With(Input, u"txtIn", u"Frame1", 0)}, {}, false},
        FormRow{
            "binding_without_source", {Frame}, {{u"txtGone", EventKind::Change, CountRun}}, false},
        FormRow{
            "click_of_a_text_box", {Frame, Input}, {{u"txtIn", EventKind::Click, CountRun}}, false},
        FormRow{
            "load_of_a_control", {Frame, Input}, {{u"txtIn", EventKind::Load, CountRun}}, false},
        FormRow{"binding_without_handler",
                {Frame, Input},
                {{u"txtIn", EventKind::Change, nullptr}},
                false}),
    RowName());

} // namespace
