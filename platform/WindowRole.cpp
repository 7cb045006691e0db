// SPDX-FileCopyrightText: 2026 Tempozap developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowRole.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#if defined(TEMPOZAP_WITH_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>
#define TZ_HAVE_XCB 1
#endif

namespace {
const char *const RoleProperty = "tempozapWindowRole";

#ifdef TZ_HAVE_XCB
// The atoms of the window states, asked of the X server once, all in one
// round trip, and kept for the run.
enum Atom { NetWmState, Below, SkipTaskbar, SkipPager, AtomCount };

const std::array<xcb_atom_t, AtomCount> &atoms(xcb_connection_t *connection)
{
    static const std::array<xcb_atom_t, AtomCount> known = [connection] {
        const char *names[AtomCount]
            = {"_NET_WM_STATE", "_NET_WM_STATE_BELOW", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"};
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
#endif

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
        if (event->type() == QEvent::Show)
            stateHints(static_cast<QWidget *>(watched)); // set on windows only, by setWindowRole()
        return false;
    }
};

RoleHints *roleHints()
{
    static RoleHints *hints = new RoleHints;
    return hints;
}
} // namespace

void setWindowRole(QWidget *window, WindowRole role)
{
    window->setProperty(RoleProperty, int(role));
    if (role == WindowRole::Backdrop)
        window->setWindowFlag(Qt::WindowStaysOnBottomHint);
    window->removeEventFilter(roleHints());
    window->installEventFilter(roleHints());
}

WindowRole windowRole(const QWidget *window)
{
    const QVariant role = window ? window->property(RoleProperty) : QVariant();
    return role.isValid() ? WindowRole(role.toInt()) : WindowRole::Main;
}

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
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
