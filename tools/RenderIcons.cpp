// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the program's icon as PNG files at the usual sizes, for installing into the icon theme:
// render-icons FOLDER makes FOLDER/<size>x<size>/apps/app.corvani.Horavane.png.
#include "AppIcon.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: render-icons FOLDER\n", stderr);
        return 2;
    }
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        if (!QDir().mkpath(folder) || !AppIcon::render(size).save(folder + QStringLiteral("/app.corvani.Horavane.png")))
            return 1;
    }
    return 0;
}
