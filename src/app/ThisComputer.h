// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class Settings;

namespace ThisComputer {

// Gives this computer its lasting identity in shared backup folders, once, from the machine's id and
// the account's name.
void identify(Settings& settings);

} // namespace ThisComputer
