// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Language.h"

#include <QApplication>
#include <gtest/gtest.h>

// Runs widget tests inside a Qt application on the offscreen platform: real widgets, no display.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Language::install(QStringLiteral("en")); // the English plural forms
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
