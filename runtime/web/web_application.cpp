// SPDX-License-Identifier: MIT
#include "application.h"
#include "web_form.h"

#include <emscripten/emscripten.h>

namespace tenvex {

namespace {

WebForm *Window = nullptr; // the page's one window, once made

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

// The page's events come in here (controls.js): a control's place in the description and the
// event's kind.
extern "C" EMSCRIPTEN_KEEPALIVE void tenvex_raise(std::size_t place, int event)
{
    if (tenvex::Window != nullptr)
        tenvex::Window->raise(place, static_cast<tenvex::EventKind>(event));
}

// A paste or a drop into a text box, its text just reported, `length` units long, beside the
// `kept` characters staying in the box.
extern "C" EMSCRIPTEN_KEEPALIVE void tenvex_insert(std::size_t place, std::size_t length,
                                                   std::size_t kept)
{
    if (tenvex::Window != nullptr)
        tenvex::Window->insert(place, length, kept);
}
