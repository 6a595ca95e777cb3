// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <optional>

// One argument of a desktop entry's `Exec` value: its text with the quoting undone ("%%" as "%"; field codes
// such as %U stay as they are), and where it stands in the value, so that a rewrite can keep the rest as it was.
struct ExecArgument
{
    QString text;
    qsizetype begin = 0;
    qsizetype end = 0; // one past its last character

    bool operator==(const ExecArgument&) const = default;
};

// An `Exec` value split into arguments as a launcher splits it, and the program it runs, looking past an `env`
// in front with its options and NAME=VALUE assignments.
struct ExecCommand
{
    QList<ExecArgument> arguments;
    // The argument that names the program; none when there is none, or when it lies inside the string of
    // `env -S`, which is split again.
    std::optional<qsizetype> programIndex;
    QString program;           // the program's file name ("firefox-esr"); empty when there is none
    bool unterminated = false; // a quote opened and never closed: the value is malformed

    // Double quotes keep blanks, and a backslash inside them takes the next character as it is.
    static ExecCommand parse(const QString& exec);
};
