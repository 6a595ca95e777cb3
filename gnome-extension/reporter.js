// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Tells Horavane which window is in front: its application id, desktop entry and process id. Any program on
// the session bus can read what this exports, so it never carries window titles.
const busName = 'app.corvani.Horavane.Shell';
const objectPath = '/app/corvani/Horavane/Shell';
const interfaceXml = `<node>
  <interface name="app.corvani.Horavane.Shell">
    <method name="Focus">
      <arg type="s" direction="out" name="app_id"/>
      <arg type="s" direction="out" name="desktop_entry"/>
      <arg type="u" direction="out" name="pid"/>
    </method>
    <method name="Windows">
      <arg type="a(ssu)" direction="out" name="windows"/>
    </method>
    <signal name="FocusChanged">
      <arg type="s" name="app_id"/>
      <arg type="s" name="desktop_entry"/>
      <arg type="u" name="pid"/>
    </signal>
    <signal name="WindowsChanged"/>
  </interface>
</node>`;

class FocusReporter {
    enable() {
        this._tracker = Shell.WindowTracker.get_default();
        this._object = Gio.DBusExportedObject.wrapJSObject(interfaceXml, this);
        this._object.export(Gio.DBus.session, objectPath);
        this._name = Gio.bus_own_name_on_connection(Gio.DBus.session, busName, Gio.BusNameOwnerFlags.NONE,
            null, null);
        this._focusHandler = global.display.connect('notify::focus-window', () =>
            this._object.emit_signal('FocusChanged', new GLib.Variant('(ssu)', this.Focus())));
        this._windowsHandler = this._tracker.connect('tracked-windows-changed', () =>
            this._object.emit_signal('WindowsChanged', null));
    }

    disable() {
        global.display.disconnect(this._focusHandler);
        this._tracker.disconnect(this._windowsHandler);
        Gio.bus_unown_name(this._name);
        this._object.unexport();
        this._object = null;
        this._tracker = null;
    }

    Focus() {
        return this._facts(global.display.focus_window);
    }

    Windows() {
        return global.get_window_actors()
            .map(actor => actor.meta_window)
            .filter(window => window && !window.is_skip_taskbar())
            .map(window => this._facts(window));
    }

    // The shell's own desktop entry id when it matched the window to one ("window:…" ids are made up).
    _facts(window) {
        if (!window)
            return ['', '', 0];
        const app = this._tracker.get_window_app(window);
        const entry = app && app.get_app_info() ? app.get_id().replace(/\.desktop$/, '') : '';
        const pid = window.get_pid();
        return [window.get_wm_class() || '', entry, pid > 0 ? pid : 0];
    }
}
