// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct CommandLine;

// The desktop module's entry, found by name once the module is loaded. The program and the module are built
// together from the same headers, so the command line crosses as it was parsed.
namespace DesktopMain {

// Runs an action that needs the desktop (CommandLine::needsDesktop); returns the exit status.
using Function = int (*)(int argc, char** argv, const CommandLine& command);
inline constexpr const char* symbol = "horavane_desktop_main";

} // namespace DesktopMain
