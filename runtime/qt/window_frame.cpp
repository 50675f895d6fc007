// SPDX-License-Identifier: MIT
#include "window_frame.h"

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#ifdef TENVEX_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <xcb/xcb.h>
#endif

namespace tenvex {

namespace {

#ifdef TENVEX_HAVE_XCB

template<typename Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

template<typename Reply>
ReplyPointer<Reply> Owned(Reply *reply)
{
    return {reply, &std::free};
}

xcb_atom_t Atom(xcb_connection_t *connection, const char *name)
{
    const auto reply = Owned(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

ReplyPointer<xcb_get_property_reply_t> Property(xcb_connection_t *connection, xcb_window_t window,
                                                xcb_atom_t property, std::uint32_t length)
{
    return Owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_ANY, 0, length),
        nullptr));
}

bool WindowManagerSupports(xcb_connection_t *connection, xcb_window_t root, xcb_atom_t feature)
{
    constexpr std::uint32_t MaxAtoms = 4096;
    const auto supported = Property(connection, root, Atom(connection, "_NET_SUPPORTED"), MaxAtoms);
    if (!supported || supported->format != 32)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(supported.get()));
    const int count = xcb_get_property_value_length(supported.get()) / 4;
    return std::find(atoms, atoms + count, feature) != atoms + count;
}

// Asks the window manager for the frame it will give the window, which it answers by setting
// _NET_FRAME_EXTENTS on the window (left, right, top, bottom) before it is ever mapped.
QMargins EstimatedFrameExtents(xcb_connection_t *connection, xcb_window_t window)
{
    const xcb_atom_t request = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = Atom(connection, "_NET_FRAME_EXTENTS");
    const auto geometry
        = Owned(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    if (!geometry || !WindowManagerSupports(connection, geometry->root, request))
        return {};

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(connection, 0, geometry->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);

    // The answer takes one round trip through the window manager; give it a quarter second.
    constexpr int Attempts = 50;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        const auto reply = Property(connection, window, extents, 4);
        if (reply && reply->format == 32 && xcb_get_property_value_length(reply.get()) == 16) {
            const auto *sides
                = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
            return {static_cast<int>(sides[0]), static_cast<int>(sides[2]),
                    static_cast<int>(sides[1]), static_cast<int>(sides[3])};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return {};
}

#endif

} // namespace

QRect PrimaryScreenGeometry()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

QMargins FrameMargins(const QWidget &window)
{
    const WId native = window.winId(); // creates the native window, still unmapped
#ifdef TENVEX_HAVE_XCB
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection() && QGuiApplication::platformName() == u"xcb") {
        const QMargins pixels
            = EstimatedFrameExtents(x11->connection(), static_cast<xcb_window_t>(native));
        const qreal ratio = window.devicePixelRatioF();
        return {qRound(pixels.left() / ratio), qRound(pixels.top() / ratio),
                qRound(pixels.right() / ratio), qRound(pixels.bottom() / ratio)};
    }
#endif
    Q_UNUSED(native);
    return window.windowHandle()->frameMargins();
}

} // namespace tenvex
