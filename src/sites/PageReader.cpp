// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PageReader.h"

#include <algorithm>
#include <vector>

namespace {

// Browser toolbars, menus, tab strips and controls: never a page and never hiding one, so the
// budget goes to page content.
constexpr AccessibleRole skippedRoles[] = {
    AccessibleRole::toolbar,  AccessibleRole::tabGroup,   AccessibleRole::menuBar,     AccessibleRole::menu,
    AccessibleRole::button,   AccessibleRole::menuButton, AccessibleRole::popUpButton, AccessibleRole::radioButton,
    AccessibleRole::checkBox, AccessibleRole::textField,  AccessibleRole::comboBox,    AccessibleRole::staticText,
    AccessibleRole::image,
};

constexpr std::size_t maxVisits = PageReader::lastIndex + 2;

bool isSkipped(AccessibleRole role)
{
    return std::find(std::begin(skippedRoles), std::end(skippedRoles), role) != std::end(skippedRoles);
}

double area(const std::optional<QSizeF>& size)
{
    if (!size)
        return 0;
    // A backend may report -1 for an unknown extent; that is no area, not a positive one.
    return std::max(0.0, size->width()) * std::max(0.0, size->height());
}

std::chrono::milliseconds steadyNow()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

} // namespace

PageReader::PageReader(const Accessibility& accessibility, Ticks ticks)
    : m_accessibility(accessibility), m_ticks(ticks ? std::move(ticks) : Ticks(steadyNow))
{
}

PageReader::Answer PageReader::frontPage(qint64 pid) const
{
    return read(pid).answer;
}

PageReader::Reading PageReader::read(qint64 pid, const WindowFilter& skipWindow) const
{
    Reading reading;
    if (!m_accessibility.isEnabled()) {
        reading.answer = Answer::denied();
        return reading;
    }
    const Accessibility::ApplicationAnswer app = m_accessibility.application(pid, messagingTimeout);
    if (app.error == Accessibility::Error::switchedOff) {
        reading.answer = Answer::denied();
        return reading;
    }
    if (app.error != Accessibility::Error::none || !app.element) {
        reading.answer = Answer::failed(app.error);
        return reading;
    }

    std::optional<AccessibleElement> root =
        m_accessibility.window(*app.element, Accessibility::Window::focused, messagingTimeout);
    if (!root)
        root = m_accessibility.window(*app.element, Accessibility::Window::main, messagingTimeout);
    if (!root)
        return reading; // no window: no page
    reading.hasWindow = true;
    if (skipWindow && skipWindow(m_accessibility.name(*root, messagingTimeout))) {
        reading.skipped = true;
        return reading;
    }
    walk(*root, reading);
    return reading;
}

void PageReader::walk(const AccessibleElement& root, Reading& reading) const
{
    struct Entry
    {
        AccessibleElement part;
        int depth = 0;
    };
    struct Candidate
    {
        std::optional<QString> address;
        double area = 0;
    };

    std::vector<Entry> queue{{root, 0}};
    std::size_t index = 0;
    std::optional<Candidate> best;
    bool cutShort = false;
    const std::chrono::milliseconds deadline = m_ticks() + walkDuration;

    while (index < queue.size()) {
        if (m_ticks() >= deadline) {
            cutShort = true;
            break;
        }
        const std::size_t visited = index++;
        const Entry entry = queue[visited]; // a copy: appending below may move the queue
        const AccessibleFacts facts = m_accessibility.facts(entry.part, messagingTimeout);
        const bool webArea = facts.role == AccessibleRole::webArea;
        reading.sawWebArea = reading.sawWebArea || webArea;
        const bool browserInterface = facts.address && facts.address->startsWith(interfacePrefix);

        if (webArea && !browserInterface) {
            // A background tab's page is kept in the tree at full size; only the showing one counts.
            if (facts.showing) {
                const double size = area(facts.size);
                if (!best || size > best->area)
                    best = Candidate{facts.address, size};
            }
        } else if (!isSkipped(facts.role)) {
            if (entry.depth > depthLimit) {
                cutShort = cutShort || !facts.children.isEmpty();
            } else {
                for (const AccessibleElement& child : facts.children) {
                    // Entries past the last one that can be visited would only cost memory.
                    if (queue.size() >= maxVisits) {
                        cutShort = true;
                        break;
                    }
                    queue.push_back({child, entry.depth + 1});
                }
            }
        }
        if (visited > static_cast<std::size_t>(lastIndex)) {
            cutShort = cutShort || index < queue.size();
            break;
        }
    }
    reading.complete = !cutShort;
    reading.answer = Answer::page(best ? best->address : std::nullopt);
}
