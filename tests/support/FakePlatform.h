// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FakeAccessibility.h"
#include "FakeClock.h"
#include "FakePlaces.h"
#include "FakeSessionState.h"
#include "FakeWorkspace.h"
#include "Platform.h"
#include "SystemEvents.h"

// Every platform service as a fake a test can script.
struct FakePlatform
{
    FakeWorkspace workspace;
    FakeSessionState session;
    SystemEvents events;
    FakePlaces places;
    FakeClock clock;
    FakeAccessibility accessibility;

    Platform platform() { return Platform{&workspace, &session, &events, &places, &clock, &accessibility}; }
};
