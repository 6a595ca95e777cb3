// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

export default class HoravaneExtension extends Extension {
    enable() {
        this._parts = new HoravaneParts();
        this._parts.enable();
    }

    disable() {
        this._parts.disable();
        this._parts = null;
    }
}
