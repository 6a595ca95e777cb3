// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Notices.h"

#include "BreakReminder.h"
#include "DesktopNotifier.h"
#include "LimitWatch.h"
#include "OtherComputersToday.h"
#include "RunningInstance.h"
#include "TrayIcon.h"

#include <QPainter>

namespace {

// The resting ring, in a grey that reads on light and dark notices alike.
DesktopNotifier::Icon noticeIcon()
{
    constexpr int pixels = 64;
    QImage ring = TrayIcon::image({}, 0, pixels / TrayIcon::side);
    ring.setDevicePixelRatio(1);
    QPainter painter(&ring);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(ring.rect(), QColor(0x80, 0x80, 0x80));
    painter.end();
    const QImage rgba = ring.convertToFormat(QImage::Format_RGBA8888);
    QByteArray bytes;
    for (int y = 0; y < rgba.height(); ++y)
        bytes.append(reinterpret_cast<const char*>(rgba.constScanLine(y)), rgba.width() * 4);
    return {rgba.width(), rgba.height(), bytes};
}

} // namespace

Notices::Notices(QDBusConnection bus, Tracker& tracker, SessionState& session, Settings& settings, const Clock& clock,
                 QObject* parent)
    : QObject(parent), m_notifier(std::make_unique<DesktopNotifier>(bus, noticeIcon(), RunningInstance::busName)),
      m_limitWatch(std::make_unique<LimitWatch>(tracker, settings, *m_notifier)),
      m_breakReminder(std::make_unique<BreakReminder>(tracker, session, settings, *m_notifier)),
      m_otherComputersToday(std::make_unique<OtherComputersToday>(settings, clock))
{
    connect(m_notifier.get(), &Notifier::actionChosen, this, &Notices::showTodayRequested);
    connect(m_otherComputersToday.get(), &OtherComputersToday::read, m_limitWatch.get(),
            &LimitWatch::setOtherComputers);
    m_otherComputersToday->start();
}

Notices::~Notices() = default;
