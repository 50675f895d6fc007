// SPDX-License-Identifier: MIT
#include "application.h"
#include "web_form.h"
#include "web_text.h"

#include <emscripten/bind.h>

namespace tenvex {

namespace {

WebForm *Window = nullptr; // the page's one window, once made

// The page's events come in here: a control's place in the description and the event's kind.
void Raise(std::size_t place, int event)
{
    if (Window != nullptr)
        Window->raise(place, static_cast<EventKind>(event));
}

// A paste or a drop into a text box, as the page reports it.
emscripten::val Insertable(std::size_t place, const std::wstring &text, std::size_t kept)
{
    return Window == nullptr ? emscripten::val::null()
                             : Window->insertable(place, FromJs(text), kept);
}

} // namespace

// The window lives as long as the page: main returns, and the page's events go on arriving.
int RunApplication(int & /*argc*/, char ** /*argv*/, const FormDescription &description)
{
    static WebForm window(description);
    Window = &window;
    window.open();
    return 0;
}

} // namespace tenvex

EMSCRIPTEN_BINDINGS(tenvex)
{
    emscripten::function("raise", &tenvex::Raise);
    emscripten::function("insertable", &tenvex::Insertable);
}
