// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BusDaemon.h"

#include <QDeadlineTimer>
#include <QFile>

namespace {

constexpr int startTimeoutMs = 30000;

const char* const config = R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

} // namespace

BusDaemon::BusDaemon()
{
    QFile file(m_dir.filePath(QStringLiteral("bus.conf")));
    if (!m_dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(config) < 0)
        return;
    file.close();
    m_process.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--config-file=") + file.fileName(),
                                                    QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!m_process.waitForStarted(startTimeoutMs))
        return;
    QByteArray line;
    const QDeadlineTimer deadline(startTimeoutMs);
    while (!line.contains('\n') && !deadline.hasExpired()) {
        m_process.waitForReadyRead(100);
        line += m_process.readAllStandardOutput();
    }
    m_address = QString::fromUtf8(line).trimmed();
}

BusDaemon::~BusDaemon()
{
    endProcess(m_process);
}

void endProcess(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(2000)) {
        process.kill();
        process.waitForFinished(2000);
    }
}
