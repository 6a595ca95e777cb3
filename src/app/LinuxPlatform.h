#pragma once

#include "Clock.h"
#include "Workspace.h"
#include "Platform.h"

#include <QString>
#include <memory>

class AtspiAccessibility;
class LinuxSessionState;
class LinuxSystemEvents;
class X11Workspace;
class XdgPlaces;

// The real desktop: X11 for windows and input, D-Bus for the session and sleep, XDG for folders.
class LinuxPlatform
{
public:
    // None when no X display can be opened.
    static std::unique_ptr<LinuxPlatform> create();
    ~LinuxPlatform();

    Platform platform();
    const XdgPlaces& places() const { return *m_places; }
    // The applications with a window on the desktop.
    QList<RunningApp> runningApplications() const;
    // Which desktop sources answered, for one line in the log.
    QString sourcesDescription() const;

private:
    LinuxPlatform() = default;

    std::unique_ptr<X11Workspace> m_workspace;
    std::unique_ptr<LinuxSessionState> m_session;
    std::unique_ptr<LinuxSystemEvents> m_events;
    std::unique_ptr<XdgPlaces> m_places;
    std::unique_ptr<AtspiAccessibility> m_accessibility;
    SystemClock m_clock;
};
