// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Horavane's two parts in the shell. The top bar's object is on the bus before the reporter takes the name that
// Horavane waits for.
class HoravaneParts {
    enable() {
        this._topBar = new TopBarHost();
        this._topBar.enable();
        this._reporter = new FocusReporter();
        this._reporter.enable();
    }

    disable() {
        this._reporter.disable();
        this._reporter = null;
        this._topBar.disable();
        this._topBar = null;
    }
}
