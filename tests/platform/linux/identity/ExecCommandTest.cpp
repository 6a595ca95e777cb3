// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExecCommand.h"

#include <gtest/gtest.h>

TEST(ExecCommand, ArgumentsAndTheProgramTheyRun)
{
    struct Row
    {
        const char* name;
        const char* exec;
        const char* arguments; // their texts, each followed by '|'
        const char* program;
        qsizetype programIndex; // -1: none among the arguments
    };
    const Row rows[] = {
        {"path and field code", "/usr/bin/chromium %U", "/usr/bin/chromium|%U|", "chromium", 0},
        {"quotes keep blanks, a backslash in them escapes", R"("/opt/My App/bin/my app" --title="a \"b\"")",
         R"(/opt/My App/bin/my app|--title=a "b"|)", "my app", 0},
        {"%% is a percent sign", "app --ratio=50%% \"%%\"", "app|--ratio=50%|%|", "app", 0},
        {"env and assignments", "env GDK_BACKEND=x11 LANG=C firefox-esr %u",
         "env|GDK_BACKEND=x11|LANG=C|firefox-esr|%u|", "firefox-esr", 3},
        {"env -u NAME", "env -u FOO /usr/bin/brave", "env|-u|FOO|/usr/bin/brave|", "brave", 3},
        {"env options with values attached, combined or cut short", "env -iuFOO --unset=BAR --ch=/tmp -0 brave",
         "env|-iuFOO|--unset=BAR|--ch=/tmp|-0|brave|", "brave", 5},
        {"env -C DIR, then -- and assignments", "/usr/bin/env -C /tmp -- A=1 brave",
         "/usr/bin/env|-C|/tmp|--|A=1|brave|", "brave", 5},
        {"env - empties the environment", "env - PATH=/bin brave", "env|-|PATH=/bin|brave|", "brave", 3},
        {"env -S: the program inside its string", "env -S \"LANG='de AT' brave --incognito\"",
         "env|-S|LANG='de AT' brave --incognito|", "brave", -1},
        {"env -S: options in its string, the program after it", "env --split-string=\"-u 'A B'\" brave",
         "env|--split-string=-u 'A B'|brave|", "brave", 2},
        {"env: an option after an assignment is the program", "env A=1 -u FOO brave", "env|A=1|-u|FOO|brave|", "-u", 2},
        {"env with nothing to run", "env LANG=C", "env|LANG=C|", "", -1},
        {"env option without its value", "env -u", "env|-u|", "", -1},
        {"empty", "", "", "", -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ExecCommand command = ExecCommand::parse(QString::fromUtf8(row.exec));
        QString arguments;
        for (const ExecArgument& argument : command.arguments)
            arguments += argument.text + u'|';
        EXPECT_EQ(arguments, row.arguments);
        EXPECT_EQ(command.program, row.program);
        EXPECT_EQ(command.programIndex.value_or(-1), row.programIndex);
    }
}
