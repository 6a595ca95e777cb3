// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Asks the real browsers' databases below a home folder for a host's favicon, the way Horavane does, and
// prints what each kind of database and the whole search returned: "<source> <top colour> <bottom colour>"
// (the colours at the middle of the top and bottom quarter of the decoded image), or "<source> none".
#include "BrowserIcons.h"

#include <QCoreApplication>
#include <QImage>
#include <QTextStream>

namespace {

QString describe(const std::optional<QByteArray>& bytes)
{
    if (!bytes)
        return QStringLiteral("none");
    const QImage image = QImage::fromData(*bytes);
    if (image.isNull())
        return QStringLiteral("undecodable");
    const auto at = [&](int y) { return image.pixelColor(image.width() / 2, y).name().mid(1); };
    return at(image.height() / 4) + u' ' + at(image.height() * 3 / 4);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4) {
        QTextStream(stderr) << "usage: icons_favicon_probe HOME CONFIG_HOME HOST\n";
        return 2;
    }
    const BrowserIcons::Folders folders{arguments[1], arguments[2], arguments[1] + QStringLiteral("/tmp"), nullptr};
    const QString host = arguments[3];
    QTextStream out(stdout);
    for (const auto kind : {BrowserIcons::Kind::chromium, BrowserIcons::Kind::firefox}) {
        std::optional<QByteArray> found;
        for (const BrowserIcons::Database& database : BrowserIcons::databases(folders)) {
            if (database.kind == kind && (found = BrowserIcons::lookup(host, database, folders.temporary)))
                break;
        }
        out << (kind == BrowserIcons::Kind::chromium ? "chromium " : "firefox ") << describe(found) << '\n';
    }
    out << "any " << describe(BrowserIcons::imageData(host, folders)) << '\n';
    return 0;
}
