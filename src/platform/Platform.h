// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class Accessibility;
class Clock;
class Places;
class SessionState;
class SystemEvents;
class Workspace;

// The operating-system services one running program uses, handed to the parts that need them.
// The objects are owned elsewhere (the real backend or a test's fakes) and outlive every user.
struct Platform
{
    Workspace* workspace = nullptr;
    SessionState* session = nullptr;
    SystemEvents* events = nullptr;
    Places* places = nullptr;
    Clock* clock = nullptr;
    Accessibility* accessibility = nullptr;
};
