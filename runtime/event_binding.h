#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace tenvex {

// Runs one event handler. This is the one place where errors are caught: an exception that ends
// the handler is reported over `window` and goes no further, so none ever crosses the event loop
// and the program goes on after the report.
void RunHandler(QWidget *window, const std::function<void()> &handler) noexcept;

// Binds a handler to a signal of `sender`, for as long as `window` lives; the handler runs
// through RunHandler.
template<typename Sender, typename Signal, typename Handler>
QMetaObject::Connection BindEvent(Sender *sender, Signal signal, QWidget *window, Handler handler)
{
    return QObject::connect(sender, signal, window,
                            [window, handler] { RunHandler(window, handler); });
}

} // namespace tenvex
