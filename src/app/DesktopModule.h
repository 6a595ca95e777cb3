// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The recorder and the previews live in a module of their own, loaded only when one of them runs: the
// command-line actions then never load the GUI, display and D-Bus libraries, which would otherwise
// triple their memory.
struct CommandLine;

namespace DesktopModule {

// Loads the module and runs the command in it; its exit status, or 2 when it cannot be loaded.
int run(int argc, char** argv, const CommandLine& command);

} // namespace DesktopModule
