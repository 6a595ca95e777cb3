#pragma once

// The recorder and the previews live in a module of their own, loaded only when one of them runs: the
// command-line actions then never load the GUI, display and D-Bus libraries, which would otherwise
// triple their memory.
namespace DesktopModule {

// Loads the module and runs it with the whole command line; its exit status, or 2 when it cannot be loaded.
int run(int argc, char** argv);

} // namespace DesktopModule
