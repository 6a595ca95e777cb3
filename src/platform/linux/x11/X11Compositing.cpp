// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "X11Compositing.h"

#include <QByteArray>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace {

struct Connection
{
    xcb_connection_t* x = nullptr;
    xcb_atom_t selection = XCB_ATOM_NONE;

    ~Connection()
    {
        if (x)
            xcb_disconnect(x);
    }
};

// Opened on first use and kept: the question is asked each time the popover opens.
Connection* connection()
{
    static const std::unique_ptr<Connection> shared = [] {
        auto result = std::make_unique<Connection>();
        int screen = 0;
        result->x = xcb_connect(nullptr, &screen);
        if (xcb_connection_has_error(result->x))
            return result;
        QByteArray name("_NET_WM_CM_S");
        name.append(QByteArray::number(screen));
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            result->x, xcb_intern_atom(result->x, 0, uint16_t(name.size()), name.constData()), nullptr);
        if (reply) {
            result->selection = reply->atom;
            std::free(reply);
        }
        return result;
    }();
    return shared.get();
}

} // namespace

bool X11Compositing::isActive()
{
    const Connection* shared = connection();
    if (!shared->x || xcb_connection_has_error(shared->x) || shared->selection == XCB_ATOM_NONE)
        return false;
    xcb_get_selection_owner_reply_t* reply =
        xcb_get_selection_owner_reply(shared->x, xcb_get_selection_owner(shared->x, shared->selection), nullptr);
    const bool owned = reply && reply->owner != XCB_NONE;
    std::free(reply);
    return owned;
}
