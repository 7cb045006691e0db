// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowRole.h"

#include <QDeadlineTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#if defined(TEMPOZAP_WITH_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>
#define TZ_HAVE_XCB 1
#endif

namespace {
const char *const RoleProperty = "tempozapWindowRole";
const char *const CentreProperty = "tempozapCentreOnShow";
const char *const OwnerProperty = "tempozapOwner";

// The backdrop, which native Wayland windows are kept above (see keepAboveOwner).
QPointer<QWidget> &backdrop()
{
    static QPointer<QWidget> window;
    return window;
}

bool nativeWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

#ifdef TZ_HAVE_XCB
// The atoms of the window states, asked of the X server once, all in one
// round trip, and kept for the run.
enum Atom {
    NetWmState,
    Below,
    SkipTaskbar,
    SkipPager,
    NetSupported,
    NetFrameExtents,
    NetRequestFrameExtents,
    AtomCount
};

const std::array<xcb_atom_t, AtomCount> &atoms(xcb_connection_t *connection)
{
    static const std::array<xcb_atom_t, AtomCount> known = [connection] {
        const char *names[AtomCount] = {"_NET_WM_STATE", "_NET_WM_STATE_BELOW", "_NET_WM_STATE_SKIP_TASKBAR",
            "_NET_WM_STATE_SKIP_PAGER", "_NET_SUPPORTED", "_NET_FRAME_EXTENTS", "_NET_REQUEST_FRAME_EXTENTS"};
        std::array<xcb_intern_atom_cookie_t, AtomCount> cookies{};
        for (int i = 0; i < AtomCount; ++i)
            cookies[i] = xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(names[i])), names[i]);
        std::array<xcb_atom_t, AtomCount> found{};
        for (int i = 0; i < AtomCount; ++i) {
            xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookies[i], nullptr);
            found[i] = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
            std::free(reply);
        }
        return found;
    }();
    return known;
}

xcb_connection_t *x11Connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// Adds states to the _NET_WM_STATE of a window about to be mapped, to those
// it holds: the window manager reads the property when it maps the window,
// and Qt adds its own states (below, modal) to it on showing.
void addNetWmStates(QWidget *window, const std::vector<Atom> &names)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    const xcb_window_t id = xcb_window_t(window->winId());
    const xcb_atom_t netWmState = atoms(connection)[NetWmState];
    if (!id || netWmState == XCB_ATOM_NONE)
        return;

    std::vector<xcb_atom_t> wanted;
    for (Atom name : names) {
        if (atoms(connection)[name] != XCB_ATOM_NONE)
            wanted.push_back(atoms(connection)[name]);
    }

    std::vector<xcb_atom_t> states;
    const xcb_get_property_cookie_t cookie = xcb_get_property(connection, 0, id, netWmState, XCB_ATOM_ATOM, 0, 1024);
    if (xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, nullptr)) {
        if (reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
            const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply));
            states.assign(atoms, atoms + xcb_get_property_value_length(reply) / 4);
        }
        std::free(reply);
    }
    bool changed = false;
    for (xcb_atom_t atom : wanted) {
        if (std::find(states.begin(), states.end(), atom) == states.end()) {
            states.push_back(atom);
            changed = true;
        }
    }
    if (changed)
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, netWmState, XCB_ATOM_ATOM, 32,
            std::uint32_t(states.size()), states.data());

    xcb_flush(connection);
}

// A window property of 32-bit values, or nothing if the window lacks it.
std::optional<std::vector<std::uint32_t>> cardinals(
    xcb_connection_t *connection, xcb_window_t id, xcb_atom_t property, xcb_atom_t type)
{
    std::optional<std::vector<std::uint32_t>> values;
    const xcb_get_property_cookie_t cookie = xcb_get_property(connection, 0, id, property, type, 0, 1024);
    if (xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, nullptr)) {
        if (reply->format == 32 && reply->type == type) {
            const auto *data = static_cast<const std::uint32_t *>(xcb_get_property_value(reply));
            values.emplace(data, data + xcb_get_property_value_length(reply) / 4);
        }
        std::free(reply);
    }
    return values;
}

// The frame a window manager has put (or will put) around a window, as it
// states it in _NET_FRAME_EXTENTS.
std::optional<QMargins> statedFrame(xcb_connection_t *connection, xcb_window_t id)
{
    const auto values = cardinals(connection, id, atoms(connection)[NetFrameExtents], XCB_ATOM_CARDINAL);
    if (!values || values->size() != 4)
        return std::nullopt;
    return QMargins(int((*values)[0]), int((*values)[2]), int((*values)[1]), int((*values)[3]));
}

// The frame the window manager will put around a window that is not yet
// mapped: asked for with _NET_REQUEST_FRAME_EXTENTS, which a window manager
// that offers it (openbox, mutter) answers at once by setting
// _NET_FRAME_EXTENTS on the window. Nothing if it does not offer it (KWin),
// or does not answer within a moment.
std::optional<QMargins> requestFrame(QWidget *window)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return std::nullopt;
    const auto &atom = atoms(connection);
    const xcb_window_t id = xcb_window_t(window->winId());
    if (auto known = statedFrame(connection, id)) // kept from an earlier showing
        return known;

    xcb_window_t root = XCB_WINDOW_NONE;
    if (xcb_get_geometry_reply_t *geometry
        = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr)) {
        root = geometry->root;
        std::free(geometry);
    }
    const auto supported = cardinals(connection, root, atom[NetSupported], XCB_ATOM_ATOM);
    if (!supported || std::find(supported->begin(), supported->end(), atom[NetRequestFrameExtents]) == supported->end())
        return std::nullopt;

    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = id;
    request.type = atom[NetRequestFrameExtents];
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
        reinterpret_cast<const char *>(&request));
    xcb_flush(connection);
    for (const QDeadlineTimer answerDue(250); !answerDue.hasExpired();) {
        if (auto answered = statedFrame(connection, id))
            return answered;
        QThread::msleep(2);
    }
    return std::nullopt;
}

// The frame of a mapped window, once its window manager states it.
std::optional<QMargins> mappedFrame(QWidget *window)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection || !window->internalWinId())
        return std::nullopt;
    return statedFrame(connection, xcb_window_t(window->internalWinId()));
}
#else
std::optional<QMargins> requestFrame(QWidget *)
{
    return std::nullopt;
}
std::optional<QMargins> mappedFrame(QWidget *)
{
    return std::nullopt;
}
#endif

QRect screenArea(const QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

// The frames seen so far, by type of window: a window manager puts the same
// frame around windows of the same type (the program's dialogs alike).
std::optional<QMargins> &seenFrame(const QWidget *window)
{
    static std::vector<std::pair<Qt::WindowType, std::optional<QMargins>>> seen;
    const Qt::WindowType type = window->windowType();
    const auto kind = std::find_if(seen.begin(), seen.end(), [type](const auto &entry) { return entry.first == type; });
    return kind != seen.end() ? kind->second : seen.emplace_back(type, std::nullopt).second;
}

// Once mapped, a window whose frame was not known beforehand is placed again
// as soon as its window manager states the frame (within a second).
void centreWhenFramed(QWidget *window, int triesLeft = 50)
{
    QTimer::singleShot(20, window, [window, triesLeft] {
        if (const std::optional<QMargins> frame = mappedFrame(window)) {
            seenFrame(window) = frame;
            window->setGeometry(centredOnScreen(screenArea(window), window->size(), *frame));
        } else if (triesLeft > 0 && window->isVisible()) {
            centreWhenFramed(window, triesLeft - 1);
        }
    });
}

// Places a window that asked to be centred, once, as it is first shown, frame
// included: with the frame the window manager says it will draw, or one seen
// around a window of the same kind, or else as soon as it is drawn.
void centreWithFrame(QWidget *window)
{
    if (!window->property(CentreProperty).toBool())
        return;
    window->setProperty(CentreProperty, QVariant());
    if ((window->windowFlags() & Qt::FramelessWindowHint) || QGuiApplication::platformName() != QLatin1String("xcb"))
        return; // placed already by centreOnScreen()
    std::optional<QMargins> frame = requestFrame(window);
    if (!frame)
        frame = seenFrame(window);
    if (frame)
        window->setGeometry(centredOnScreen(screenArea(window), window->size(), *frame));
    else
        centreWhenFramed(window);
}

// Native Wayland gives a window no stacking of its own: every window that is
// not already kept above another is kept above the backdrop, which a
// compositor then never raises over it.
void keepAboveOwner(QWidget *window)
{
    QWindow *handle = window->windowHandle();
    if (!handle)
        return;
    QWidget *owner = window->property(OwnerProperty).value<QPointer<QWidget>>();
    if (!owner && nativeWayland() && windowRole(window) != WindowRole::Backdrop && !handle->transientParent())
        owner = backdrop();
    if (owner && owner != window && owner->windowHandle())
        handle->setTransientParent(owner->windowHandle());
}

void stateHints(QWidget *window)
{
#ifdef TZ_HAVE_XCB
    switch (windowRole(window)) {
    case WindowRole::Main: return;
    case WindowRole::Secondary: addNetWmStates(window, {SkipTaskbar, SkipPager}); return;
    case WindowRole::Backdrop: addNetWmStates(window, {Below, SkipTaskbar, SkipPager}); return;
    }
#else
    Q_UNUSED(window);
#endif
}

// States the hints each time a window with a role is about to be mapped:
// a window manager drops a window's states when it is hidden.
class RoleHints final : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) { // set on windows only, before they are mapped
            auto *window = static_cast<QWidget *>(watched);
            window->winId();
            keepAboveOwner(window);
            centreWithFrame(window);
            stateHints(window);
        }
        return false;
    }
};

RoleHints *roleHints()
{
    static RoleHints *hints = new RoleHints;
    return hints;
}

void watch(QWidget *window)
{
    window->removeEventFilter(roleHints());
    window->installEventFilter(roleHints());
}
} // namespace

void setWindowRole(QWidget *window, WindowRole role)
{
    window->setProperty(RoleProperty, int(role));
    if (role == WindowRole::Backdrop) {
        window->setWindowFlag(Qt::WindowStaysOnBottomHint);
        backdrop() = window;
        // A native Wayland window cannot place itself: the compositor fits a
        // maximised one to the work area instead.
        if (nativeWayland())
            window->setWindowState(Qt::WindowMaximized);
    }
    watch(window);
}

void setOwner(QWidget *window, QWidget *owner)
{
    window->setProperty(OwnerProperty, QVariant::fromValue(QPointer<QWidget>(owner)));
    watch(window);
}

QRect centredOnScreen(const QRect &screen, const QSize &client, const QMargins &frame)
{
    const QSize whole = client.grownBy(frame);
    const QPoint corner(screen.x() + (screen.width() - whole.width()) / 2 + frame.left(),
        screen.y() + (screen.height() - whole.height()) / 2 + frame.top());
    return QRect(corner, client);
}

void centreOnScreen(QWidget *window)
{
    // Until the window manager tells the frame, as if it had none.
    window->move(centredOnScreen(screenArea(window), window->size(), QMargins()).topLeft());
    window->setProperty(CentreProperty, true);
    watch(window);
}

WindowRole windowRole(const QWidget *window)
{
    const QVariant role = window ? window->property(RoleProperty) : QVariant();
    return role.isValid() ? WindowRole(role.toInt()) : WindowRole::Main;
}

void present(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
    if (window->focusWidget())
        return; // chosen by the window, or where it was when it was left
    for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && window->isAncestorOf(w) && w->isVisibleTo(window)) {
            w->setFocus();
            return;
        }
    }
}
