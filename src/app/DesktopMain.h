#pragma once

// The desktop module's entry, found by name once the module is loaded.
namespace DesktopMain {

// Records, or shows a preview when the command line asks for one; returns the exit status.
using Function = int (*)(int argc, char** argv);
inline constexpr const char* symbol = "horavane_desktop_main";

} // namespace DesktopMain
