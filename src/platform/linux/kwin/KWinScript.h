// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QString>
#include <QTemporaryFile>
#include <memory>

// A script running inside KWin, loaded over D-Bus from a file (KWin 6 loads no text) and unloaded when this
// object goes. Speaks both KWin 5's and KWin 6's names for its objects.
class KWinScript
{
public:
    // Loads and runs the script text under this plugin name; none when KWin is not on the bus or refuses it.
    // `problem` then says why.
    static std::unique_ptr<KWinScript> load(QDBusConnection bus, const QString& pluginName, const QByteArray& text,
                                            QString* problem);
    ~KWinScript();
    KWinScript(const KWinScript&) = delete;
    KWinScript& operator=(const KWinScript&) = delete;

    int id() const { return m_id; }

private:
    KWinScript(QDBusConnection bus, QString pluginName, std::unique_ptr<QTemporaryFile> file, int id);

    QDBusConnection m_bus;
    QString m_pluginName;
    std::unique_ptr<QTemporaryFile> m_file; // KWin reads it when the script runs; removed with this object
    int m_id = -1;
};
