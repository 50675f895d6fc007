// SPDX-License-Identifier: MIT
#include "window_frame.h"

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#ifdef TENVEX_HAVE_XCB
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <QtGui/qguiapplication_platform.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
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

xcb_connection_t *X11Connection()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 && QGuiApplication::platformName() == u"xcb" ? x11->connection() : nullptr;
}

ReplyPointer<xcb_get_property_reply_t> Property(xcb_connection_t *connection, xcb_window_t window,
                                                xcb_atom_t property, std::uint32_t length)
{
    return Owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_ANY, 0, length),
        nullptr));
}

// What a request for the frame needs to know, asked of the X server all at once: the names of
// the window manager's list of features, of the request and of its answer, and the window's root.
struct FrameNames
{
    xcb_atom_t supported = XCB_ATOM_NONE;
    xcb_atom_t request = XCB_ATOM_NONE;
    xcb_atom_t extents = XCB_ATOM_NONE;
    xcb_window_t root = XCB_WINDOW_NONE;
};

FrameNames AskForNames(xcb_connection_t *connection, xcb_window_t window)
{
    constexpr std::array<const char *, 3> Names{"_NET_SUPPORTED", "_NET_REQUEST_FRAME_EXTENTS",
                                                "_NET_FRAME_EXTENTS"};
    std::array<xcb_intern_atom_cookie_t, Names.size()> atoms{};
    for (std::size_t i = 0; i < Names.size(); ++i)
        atoms[i] = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(Names[i])),
                                   Names[i]);
    const xcb_get_geometry_cookie_t geometry = xcb_get_geometry(connection, window);
    std::array<xcb_atom_t, Names.size()> values{};
    for (std::size_t i = 0; i < Names.size(); ++i) {
        const auto reply = Owned(xcb_intern_atom_reply(connection, atoms[i], nullptr));
        values[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
    const auto place = Owned(xcb_get_geometry_reply(connection, geometry, nullptr));
    return {values[0], values[1], values[2], place ? place->root : xcb_window_t{XCB_WINDOW_NONE}};
}

bool WindowManagerSupports(xcb_connection_t *connection, const FrameNames &names)
{
    constexpr std::uint32_t MaxAtoms = 4096;
    const auto supported = Property(connection, names.root, names.supported, MaxAtoms);
    if (!supported || supported->format != 32)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(supported.get()));
    const int count = xcb_get_property_value_length(supported.get()) / 4;
    return std::find(atoms, atoms + count, names.request) != atoms + count;
}

// Asks the window manager for the frame it will give the window, which it answers by setting
// _NET_FRAME_EXTENTS on the window before the window is ever mapped. The name of the answer, or
// none where the window manager cannot be asked.
xcb_atom_t AskForFrameExtents(xcb_connection_t *connection, xcb_window_t window)
{
    const FrameNames names = AskForNames(connection, window);
    if (names.root == XCB_WINDOW_NONE || !WindowManagerSupports(connection, names))
        return XCB_ATOM_NONE;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = names.request;
    xcb_send_event(connection, 0, names.root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
    return names.extents;
}

// The answer (left, right, top, bottom), if it has come.
std::optional<QMargins> FrameExtents(xcb_connection_t *connection, xcb_window_t window,
                                     xcb_atom_t extents)
{
    const auto reply = Property(connection, window, extents, 4);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    const auto *sides = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
    return QMargins(static_cast<int>(sides[0]), static_cast<int>(sides[2]),
                    static_cast<int>(sides[1]), static_cast<int>(sides[3]));
}

// Ends an event loop when a property of a window changes, as the window manager's answer does.
class PropertyChangeFilter final : public QAbstractNativeEventFilter
{
public:
    PropertyChangeFilter(xcb_window_t window, xcb_atom_t property, QEventLoop &loop)
        : m_window(window)
        , m_property(property)
        , m_loop(loop)
    {}

    bool nativeEventFilter(const QByteArray &, void *message, qintptr *) override
    {
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY) {
            const auto *change = static_cast<const xcb_property_notify_event_t *>(message);
            if (change->window == m_window && change->atom == m_property)
                m_loop.quit();
        }
        return false;
    }

private:
    xcb_window_t m_window;
    xcb_atom_t m_property;
    QEventLoop &m_loop;
};

#endif

} // namespace

QRect PrimaryScreenGeometry()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

FrameRequest::FrameRequest(QWidget &window)
    : m_window(window)
{
    const WId native = window.winId(); // creates the native window, still unmapped
#ifdef TENVEX_HAVE_XCB
    if (xcb_connection_t *connection = X11Connection())
        m_answer = AskForFrameExtents(connection, static_cast<xcb_window_t>(native));
#endif
    Q_UNUSED(native);
}

QMargins FrameRequest::margins() const
{
#ifdef TENVEX_HAVE_XCB
    if (m_answer != 0) {
        xcb_connection_t *connection = X11Connection();
        const auto window = static_cast<xcb_window_t>(m_window.winId());
        std::optional<QMargins> pixels = FrameExtents(connection, window, m_answer);
        if (!pixels) {
            // Not come yet: wait for the property to change, a quarter of a second at the most.
            QEventLoop loop;
            PropertyChangeFilter filter(window, m_answer, loop);
            QCoreApplication::instance()->installNativeEventFilter(&filter);
            QTimer::singleShot(std::chrono::milliseconds(250), &loop, &QEventLoop::quit);
            loop.exec(QEventLoop::ExcludeUserInputEvents);
            QCoreApplication::instance()->removeNativeEventFilter(&filter);
            pixels = FrameExtents(connection, window, m_answer);
        }
        const QMargins frame = pixels.value_or(QMargins());
        const qreal ratio = m_window.devicePixelRatioF();
        return {qRound(frame.left() / ratio), qRound(frame.top() / ratio),
                qRound(frame.right() / ratio), qRound(frame.bottom() / ratio)};
    }
#endif
    return m_window.windowHandle()->frameMargins();
}

} // namespace tenvex
