// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Desktop entries as any package or user may have installed them: the entry, the program of its Exec
// lines, and the copy with the renderer accessibility flag that is written for Chromium-family browsers.
#include "DesktopEntries.h"
#include "ExecCommand.h"
#include "FuzzSupport.h"
#include "RendererAccessibility.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text = Fuzz::bytes(data, size);
    static const NameLocale locale = NameLocale::parse(QStringLiteral("de_AT.UTF-8@euro"));
    if (const std::optional<DesktopEntry> entry = DesktopFile::parse(text, QStringLiteral("fuzz"), locale))
        FUZZ_REQUIRE(entry->id == QLatin1String("fuzz"));

    const QString entryText = QString::fromUtf8(text);
    for (const QString& line : entryText.split('\n')) {
        // Arguments in order, each within the value; the program, when it has a place, is one of them.
        const QString exec = line.section('=', 1);
        const ExecCommand command = ExecCommand::parse(exec);
        qsizetype previousEnd = 0;
        for (const ExecArgument& argument : command.arguments) {
            FUZZ_REQUIRE(previousEnd <= argument.begin && argument.begin < argument.end && argument.end <= exec.size());
            previousEnd = argument.end;
        }
        if (command.programIndex)
            FUZZ_REQUIRE(*command.programIndex >= 0 && *command.programIndex < command.arguments.size());
    }
    NameLocale::parse(entryText.left(64)).tags();

    // The copy: adding the flag once is enough, and it never loses the entry.
    const QString flagged = RendererAccessibility::withFlag(entryText);
    FUZZ_REQUIRE(RendererAccessibility::withFlag(flagged) == flagged);
    if (DesktopFile::parse(text, QStringLiteral("fuzz"), locale))
        FUZZ_REQUIRE(DesktopFile::parse(flagged.toUtf8(), QStringLiteral("fuzz"), locale).has_value());
    return 0;
}
