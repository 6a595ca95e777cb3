// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LinuxAppIcons.h"

#include "DesktopEntries.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <array>

namespace {

using namespace Qt::StringLiterals;

constexpr qint64 largestEntry = 1 << 20; // desktop entries are a few kilobytes
constexpr int largestDecodedSide = 256;  // bigger files are scaled down while they are read
const auto genericName = u"application-x-executable"_s;

// Sizes of a theme's folders, nearest to the size shown first.
constexpr std::array<const char*, 13> themeSizes{"64x64",    "48x48", "72x72", "96x96", "128x128", "256x256", "512x512",
                                                 "scalable", "36x36", "32x32", "24x24", "22x22",   "16x16"};
constexpr std::array<const char*, 3> extensions{".png", ".svg", ".xpm"};

std::optional<QImage> loadFile(const QString& path)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    const bool scalable = reader.format() == "svg" || reader.format() == "svgz";
    if (size.isValid() && (scalable || size.width() > largestDecodedSide || size.height() > largestDecodedSide)) {
        const int side = scalable ? LinuxAppIcons::preferredSize : largestDecodedSide;
        reader.setScaledSize(size.scaled(side, side, Qt::KeepAspectRatio));
    }
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return image;
}

// A plain rounded tile, for a desktop without any icon theme.
QImage drawnTile()
{
    const int side = LinuxAppIcons::preferredSize;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(4, 4, side - 8, side - 8), 12, 12);
    painter.fillPath(tile, QColor(0x8E, 0x8E, 0x93));
    painter.fillRect(QRectF(16, 18, side - 32, 6), QColor(0xF2, 0xF2, 0xF7));
    return image;
}

bool hasGuiApplication()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

} // namespace

LinuxAppIcons::Folders LinuxAppIcons::Folders::standard()
{
    Folders folders;
    folders.applications = DesktopEntries::standardFolders();
    for (const QString& applications : std::as_const(folders.applications))
        folders.icons.append(QFileInfo(applications).path() + "/icons"_L1);
    folders.icons.insert(1, QDir::homePath() + "/.icons"_L1);
    folders.pixmaps = {u"/usr/share/pixmaps"_s};
    return folders;
}

LinuxAppIcons::LinuxAppIcons() : LinuxAppIcons(Folders::standard()) {}

LinuxAppIcons::LinuxAppIcons(Folders folders) : m_folders(std::move(folders)) {}

QString LinuxAppIcons::iconValue(const QByteArray& desktopEntry)
{
    bool inMain = false;
    const QString text = QString::fromUtf8(desktopEntry);
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.startsWith(u'[')) {
            if (inMain)
                break;
            inMain = line == u"[Desktop Entry]";
            continue;
        }
        if (!inMain || !line.startsWith(u"Icon"))
            continue;
        const QStringView rest = line.mid(4).trimmed();
        if (rest.startsWith(u'='))
            return rest.mid(1).trimmed().toString();
    }
    return {};
}

QString LinuxAppIcons::desktopFile(const QString& identifier) const
{
    if (!m_indexed) {
        m_indexed = true;
        for (const QString& folder : std::as_const(m_folders.applications)) {
            const QDir base(folder);
            QDirIterator it(folder, {u"*.desktop"_s}, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString file = it.next();
                const QString id = DesktopFile::idFromRelativePath(base.relativeFilePath(file));
                if (!m_entryFiles.contains(id))
                    m_entryFiles.insert(id, file); // an earlier folder wins
            }
        }
    }
    return m_entryFiles.value(identifier);
}

std::optional<QImage> LinuxAppIcons::icon(const QString& identifier) const
{
    const QString path = desktopFile(identifier);
    if (path.isEmpty())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > largestEntry)
        return std::nullopt;
    const QString value = iconValue(file.read(largestEntry));
    if (value.isEmpty())
        return std::nullopt;
    return resolve(value);
}

std::optional<QImage> LinuxAppIcons::resolve(const QString& value) const
{
    if (value.isEmpty())
        return std::nullopt;
    if (QDir::isAbsolutePath(value))
        return loadFile(value);
    if (value.contains(u'/'))
        return std::nullopt; // neither a path nor a name
    if (auto themed = fromTheme(value))
        return themed;
    return fromFolders(value);
}

std::optional<QImage> LinuxAppIcons::fromTheme(const QString& name) const
{
    // The desktop's theme is only known to a GUI application; without one, the folders still answer.
    if (!hasGuiApplication())
        return std::nullopt;
    const QIcon icon = QIcon::fromTheme(name);
    if (icon.isNull())
        return std::nullopt;
    const QImage image = icon.pixmap(QSize(preferredSize, preferredSize)).toImage();
    if (image.isNull())
        return std::nullopt;
    return image;
}

std::optional<QImage> LinuxAppIcons::fromFolders(const QString& name) const
{
    for (const QString& icons : std::as_const(m_folders.icons)) {
        for (const char* size : themeSizes) {
            for (const char* extension : extensions) {
                const QString file = icons + "/hicolor/"_L1 + QLatin1StringView(size) + "/apps/"_L1 + name +
                                     QLatin1StringView(extension);
                if (QFileInfo::exists(file)) {
                    if (auto image = loadFile(file))
                        return image;
                }
            }
        }
    }
    for (const QString& pixmaps : std::as_const(m_folders.pixmaps)) {
        // A value may already carry its extension ("app.png"), which the pixmaps folders tolerate.
        QStringList files{pixmaps + u'/' + name};
        for (const char* extension : extensions)
            files.append(pixmaps + u'/' + name + QLatin1StringView(extension));
        for (const QString& file : std::as_const(files)) {
            if (QFileInfo(file).isFile()) {
                if (auto image = loadFile(file))
                    return image;
            }
        }
    }
    return std::nullopt;
}

QImage LinuxAppIcons::genericIcon() const
{
    if (!m_generic)
        m_generic = findGenericIcon();
    return *m_generic;
}

QImage LinuxAppIcons::findGenericIcon() const
{
    if (auto themed = fromTheme(genericName))
        return *themed;
    for (const QString& icons : std::as_const(m_folders.icons)) {
        for (const char* theme : {"hicolor", "Adwaita"}) {
            for (const char* size : themeSizes) {
                const QString file = icons + u'/' + QLatin1StringView(theme) + u'/' + QLatin1StringView(size) +
                                     "/mimetypes/"_L1 + genericName + ".png"_L1;
                if (QFileInfo::exists(file)) {
                    if (auto image = loadFile(file))
                        return *image;
                }
            }
        }
    }
    return drawnTile();
}
