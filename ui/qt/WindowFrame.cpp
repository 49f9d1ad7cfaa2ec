#include "WindowFrame.h"

#include <QtGui/qtguiglobal.h>

// The frame can be asked for only of an X11 window manager, where the toolkit and the build have X11.
#if QT_CONFIG(xcb) && defined(TAVRELIN_X11)

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>

namespace tavrelin::ui {

namespace {

// How long to wait for the window manager to answer, in steps of a few milliseconds.
constexpr int ANSWER_STEPS = 100;
constexpr unsigned long ANSWER_STEP_MS = 3;

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    const ReplyPtr<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The 32-bit values of a window property, or none if it is not set.
std::vector<std::uint32_t> Property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                                    xcb_atom_t type)
{
    const ReplyPtr<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, property, type, 0, 1024), nullptr),
        &std::free);
    if (!reply || reply->format != 32 || reply->type != type) {
        return {};
    }
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

}  // namespace

QMargins ComingFrameMargins(QWidget& window)
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* const connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return {};
    }
    const auto ourWindow = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;

    // A window manager that follows the desktop conventions tells the frame it will draw when asked.
    const xcb_atom_t request = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = Atom(connection, "_NET_FRAME_EXTENTS");
    const std::vector<std::uint32_t> supported =
        Property(connection, root, Atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    if (std::find(supported.begin(), supported.end(), request) == supported.end()) {
        return {};
    }
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = ourWindow;
    message.type = request;
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);

    for (int step = 0; step < ANSWER_STEPS; ++step) {
        // Left, right, top, bottom.
        const std::vector<std::uint32_t> frame = Property(connection, ourWindow, extents, XCB_ATOM_CARDINAL);
        if (frame.size() == 4) {
            const qreal ratio = window.devicePixelRatioF();
            return QMargins(qRound(frame[0] / ratio), qRound(frame[2] / ratio), qRound(frame[1] / ratio),
                            qRound(frame[3] / ratio));
        }
        QThread::msleep(ANSWER_STEP_MS);
    }
    return {};
}

}  // namespace tavrelin::ui

#else

namespace tavrelin::ui {

QMargins ComingFrameMargins(QWidget& /*window*/)
{
    return {};
}

}  // namespace tavrelin::ui

#endif
