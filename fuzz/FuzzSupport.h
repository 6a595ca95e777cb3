// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What every fuzz target shares: its input as Qt bytes, a scratch folder of its own, and a loud stop when
// a promise of the code under test is broken (libFuzzer keeps the input that did it).
namespace Fuzz {

inline QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A folder that lives as long as the process, for targets that must hand files to the code under test.
QString scratchFolder();

// Writes the bytes to a file in the scratch folder, replacing what was there; its path.
QString writeScratchFile(const QString& name, const QByteArray& bytes);

// Starts a QGuiApplication on the offscreen platform (image decoding and fonts need one).
void startGuiApplication();
// Starts a QCoreApplication.
void startCoreApplication();

[[noreturn]] inline void broken(const char* promise)
{
    std::fprintf(stderr, "Broken promise: %s\n", promise);
    std::abort();
}

} // namespace Fuzz

#define FUZZ_REQUIRE(condition)                                                                                        \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            Fuzz::broken(#condition);                                                                                  \
    } while (false)
