// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Program.h"

#include <QCoreApplication>

void Program::nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Horavane"));
    QCoreApplication::setApplicationVersion(QStringLiteral(HORAVANE_VERSION));
}

void Program::printTo(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}
