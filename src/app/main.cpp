// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Entry.h"

int main(int argc, char** argv)
{
    return Entry::main(argc, argv);
}
