// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QSizeF>
#include <QString>
#include <chrono>
#include <optional>

// One element of another application's accessibility tree, in the backend's own address (on AT-SPI 2
// a bus name and an object path). Plain data, so that it can be handed between threads.
struct AccessibleElement
{
    QString service;
    QString path;

    bool operator==(const AccessibleElement&) const = default;
};

// The kinds of element a page walk tells apart; everything else is `other`.
// AT-SPI 2 roles map as: frame 23 → window, document web 95 → webArea, tool bar 63 → toolbar,
// page tab list 38 → tabGroup, menu bar 34 → menuBar, menu 33 → menu, push button 43 → button,
// toggle button 62 → checkBox, radio button 44 → radioButton, check box 7 → checkBox,
// entry 79 → textField, combo box 11 → comboBox, label 29 and static 116 → staticText, image 27 → image.
enum class AccessibleRole
{
    other,
    application,
    window,
    webArea, // renders a web page
    toolbar,
    tabGroup,
    menuBar,
    menu,
    button,
    menuButton,
    popUpButton,
    radioButton,
    checkBox,
    textField,
    comboBox,
    staticText,
    image,
};

// What one element says about itself, read in a single round trip. A fact the element did not give
// (an error, a timeout, a value of the wrong kind) keeps its empty default.
struct AccessibleFacts
{
    AccessibleRole role = AccessibleRole::other;
    QList<AccessibleElement> children;
    std::optional<QString> address; // the page address a web area shows
    std::optional<QSizeF> size;     // on-screen size in pixels
    // False only when the element is known to be off screen (a background tab's page); backends
    // that cannot tell leave it true.
    bool showing = true;
};

// Read access to other applications' accessibility trees, which is how the page a browser shows is
// learned. The reading calls are made from worker threads, several at a time, and each gives up after
// its timeout; the calls that switch things on come from the main thread.
class Accessibility
{
public:
    using Timeout = std::chrono::milliseconds;

    // Which of an application's windows to take.
    enum class Window
    {
        focused, // the one with the keyboard focus (AT-SPI 2: the frame whose state is active)
        main,    // the application's main window, when none has the focus
    };

    // Why an application's element could not be had.
    enum class Error
    {
        none,
        noReply,       // no reply in time, or a reply that makes no sense
        noApplication, // no application of that process is on the accessibility bus
        switchedOff,   // the desktop's accessibility is switched off
    };

    // An application element that answered, or why there is none (never `none` then).
    struct ApplicationAnswer
    {
        std::optional<AccessibleElement> element;
        Error error = Error::none;
    };

    virtual ~Accessibility() = default;

    // Whether the desktop's accessibility is switched on for the session, which other applications' trees
    // need; never asks the user.
    virtual bool isEnabled() const = 0;
    // Switches the desktop's accessibility on for the session.
    virtual void enable() = 0;
    // Opens the desktop's accessibility settings; does nothing when it has no settings program for them.
    virtual void openSettings() = 0;
    // Has the browser that refused to show its pages start with renderer accessibility, which Chromium-family
    // browsers need besides the desktop's switch; does nothing where that is not known how.
    virtual void enableRendererAccessibility() = 0;

    // The application of the process, after one message to it that proves it answers.
    virtual ApplicationAnswer application(qint64 pid, Timeout timeout) const = 0;
    // One of the application's windows, or none when it has no such window or does not answer.
    virtual std::optional<AccessibleElement> window(const AccessibleElement& application, Window which,
                                                    Timeout timeout) const = 0;
    // The element's role, children, page address, size and visibility, in one request.
    virtual AccessibleFacts facts(const AccessibleElement& element, Timeout timeout) const = 0;
    // The element's name (a window's title), empty when it has none or does not answer.
    virtual QString name(const AccessibleElement& element, Timeout timeout) const = 0;
};
