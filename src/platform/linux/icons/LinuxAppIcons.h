// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AppIcons.h"

#include <QHash>
#include <QStringList>

// Icons of desktop entries: `Icon=` as a file path, or as a name looked up in the icon theme, then in
// hicolor and the pixmaps folders; "application-x-executable" (or a drawn tile) for the generic icon.
class LinuxAppIcons final : public AppIcons
{
public:
    // The folders holding "applications" entries, "icons" themes and plain pixmaps, each searched in order.
    struct Folders
    {
        QStringList applications;
        QStringList icons;
        QStringList pixmaps;

        // The XDG data folders, Flatpak and snap exports, ~/.icons and /usr/share/pixmaps.
        static Folders standard();
    };

    LinuxAppIcons();
    explicit LinuxAppIcons(Folders folders);

    std::optional<QImage> icon(const QString& identifier) const override;
    QImage genericIcon() const override;

    // The `Icon` value of the "[Desktop Entry]" group, empty when there is none.
    static QString iconValue(const QByteArray& desktopEntry);
    // The image of an icon value (a path or a theme name), or none.
    std::optional<QImage> resolve(const QString& value) const;

    static constexpr int preferredSize = 64;

private:
    std::optional<QImage> fromTheme(const QString& name) const;
    std::optional<QImage> fromFolders(const QString& name) const;
    QString desktopFile(const QString& identifier) const;
    QImage findGenericIcon() const;

    Folders m_folders;
    mutable QHash<QString, QString> m_entryFiles; // desktop id → file, built on first use
    mutable bool m_indexed = false;
    mutable std::optional<QImage> m_generic;
};
