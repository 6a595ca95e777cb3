// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The process entry: reads the command line and runs what it asks for; returns the exit status.
namespace Entry {
int main(int argc, char** argv);
}
