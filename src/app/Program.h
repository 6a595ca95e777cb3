// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <cstdio>

// What the program and its desktop module share about themselves.
namespace Program {
// Names the application and its version for Qt (settings, the log, --version).
void nameApplication();
// Writes text to a standard stream in the terminal's encoding.
void printTo(FILE* stream, const QString& text);
} // namespace Program
