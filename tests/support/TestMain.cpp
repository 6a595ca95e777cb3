// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Language.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

// Runs the tests inside a Qt application, so timers, signals and queued calls work.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    Language::install(QStringLiteral("en")); // the English plural forms
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
