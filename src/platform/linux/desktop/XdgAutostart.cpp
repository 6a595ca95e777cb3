// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "XdgAutostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QLatin1String entryName("app.corvani.Horavane.desktop");

} // namespace

XdgAutostart::XdgAutostart(QString autostartFolder, QString executable)
    : m_folder(std::move(autostartFolder)), m_executable(std::move(executable))
{
}

XdgAutostart::XdgAutostart()
    : XdgAutostart(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                       QStringLiteral("/autostart"),
                   QCoreApplication::applicationFilePath())
{
}

QString XdgAutostart::entryPath() const
{
    return m_folder + QLatin1Char('/') + entryName;
}

bool XdgAutostart::isEnabled() const
{
    QFile file(entryPath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // A desktop may switch an entry off in place instead of removing it.
    bool inEntry = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith('['))
            inEntry = line == "[Desktop Entry]";
        else if (inEntry && (line == "Hidden=true" || line == "X-GNOME-Autostart-enabled=false"))
            return false;
    }
    return true;
}

std::optional<QString> XdgAutostart::enable()
{
    if (!QDir().mkpath(m_folder))
        return tr("cannot create %1", "a folder").arg(m_folder);
    QSaveFile file(entryPath());
    const QByteArray entry = "[Desktop Entry]\n"
                             "Type=Application\n"
                             "Name=Horavane\n"
                             "Comment=Records where your time goes\n"
                             "Exec=" + execValue(m_executable).toUtf8() + "\n"
                             "NoDisplay=true\n"
                             "Hidden=false\n"
                             "X-GNOME-Autostart-enabled=true\n";
    if (!file.open(QIODevice::WriteOnly) || file.write(entry) != entry.size() || !file.commit())
        //: %1 is a file, %2 what went wrong.
        return tr("cannot write %1: %2").arg(entryPath(), file.errorString());
    return std::nullopt;
}

std::optional<QString> XdgAutostart::disable()
{
    QFile file(entryPath());
    if (file.exists() && !file.remove())
        //: %1 is a file, %2 what went wrong.
        return tr("cannot remove %1: %2").arg(entryPath(), file.errorString());
    return std::nullopt;
}

QString XdgAutostart::execValue(const QString& executable)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool needsQuotes = std::any_of(executable.begin(), executable.end(),
                                         [](QChar c) { return reserved.contains(c); });
    QString escaped = executable;
    // "%" is a field code everywhere; inside quotes also ", `, $ and \ are escaped with a backslash.
    escaped.replace(QLatin1Char('%'), QLatin1String("%%"));
    if (!needsQuotes)
        return escaped;
    QString quoted;
    for (QChar c : std::as_const(escaped)) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    // The entry file's own escaping turns each backslash into two.
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}
