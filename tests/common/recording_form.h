// SPDX-License-Identifier: MIT
#pragma once

#include "form.h"

#include <string>
#include <string_view>
#include <vector>

// A window with no controls that records what is reported to the user: for tests of what runs
// handlers and catches their errors.
class RecordingForm final : public tenvex::Form
{
public:
    std::u16string text(std::u16string_view) const override { return {}; }
    void setText(std::u16string_view, std::u16string_view) override {}
    tenvex::TwipsSize outerSize() const override { return {}; }
    void setLeft(float) override {}
    void setTop(float) override {}
    tenvex::TwipsSize screenSize() const override { return {}; }
    void reportError(std::u16string_view message) override { reports.emplace_back(message); }

    std::vector<std::u16string> reports;
};
