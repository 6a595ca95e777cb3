// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Shows Horavane's tray item as a button of the top bar: Horavane registers its StatusNotifierItem here as it
// would with a StatusNotifierWatcher. The button shows the item's ring and the time beside it, follows the
// item's signals (nothing is polled), asks the item for the popover on a left click and shows the item's menu
// on a right click. On Wayland, where no program places its own windows, it places the popover under itself,
// keeps it above the other windows and closes it when the user turns elsewhere.
const topBarPath = '/app/corvani/Horavane/TopBar';
const topBarXml = `<node>
  <interface name="app.corvani.Horavane.TopBar">
    <method name="RegisterStatusNotifierItem">
      <arg type="s" direction="in" name="service"/>
    </method>
  </interface>
</node>`;
const itemPath = '/StatusNotifierItem';
const itemInterface = 'org.kde.StatusNotifierItem';
const menuInterface = 'com.canonical.dbusmenu';
const callTimeoutMs = 2000;
const panelIconSize = 16; // the top bar's status icons, in logical pixels

// One D-Bus call to the item, its answer (or null when it failed) to then.
function callItem(service, path, iface, method, parameters, then) {
    Gio.DBus.session.call(service, path, iface, method, parameters, null, Gio.DBusCallFlags.NO_AUTO_START,
        callTimeoutMs, null, (connection, result) => {
            let reply = null;
            try {
                reply = connection.call_finish(result);
            } catch (e) {
                // The item left or does not have it: the button keeps what it shows.
            }
            if (then)
                then(reply);
        });
}

// The icon's size nearest to the one the top bar draws at, from "a(iiay)": ARGB32, big-endian.
function iconOf(pixmaps, pixels) {
    if (pixmaps.length === 0)
        return null;
    const fits = pixmaps.filter(([width]) => width >= pixels).sort((a, b) => a[0] - b[0]);
    const [width, height, argb] = fits.length > 0 ? fits[0] : pixmaps.sort((a, b) => b[0] - a[0])[0];
    if (width <= 0 || height <= 0 || argb.length !== width * height * 4)
        return null;
    const rgba = new Uint8Array(argb.length);
    for (let i = 0; i < argb.length; i += 4) {
        rgba[i] = argb[i + 1];
        rgba[i + 1] = argb[i + 2];
        rgba[i + 2] = argb[i + 3];
        rgba[i + 3] = argb[i];
    }
    return GdkPixbuf.Pixbuf.new_from_bytes(new GLib.Bytes(rgba), GdkPixbuf.Colorspace.RGB, true, 8, width, height,
        width * 4);
}

// The menu's underscore marks an access key; a doubled one is a literal underscore.
function menuLabel(label) {
    return (label || '').replace(/__/g, '\u0000').replace(/_/g, '').replace(/\u0000/g, '_');
}

class TopBarHost {
    enable() {
        this._object = Gio.DBusExportedObject.wrapJSObject(topBarXml, this);
        this._object.export(Gio.DBus.session, topBarPath);
    }

    disable() {
        this._forget();
        this._object.unexport();
        this._object = null;
    }

    RegisterStatusNotifierItem(service) {
        if (service === this._service)
            return;
        this._forget();
        this._service = service;
        this._nameWatch = Gio.bus_watch_name_on_connection(Gio.DBus.session, service, Gio.BusNameWatcherFlags.NONE,
            (connection, name, owner) => this._show(owner), () => this._forget());
    }

    _show(owner) {
        if (this._button)
            return;
        this._owner = owner;
        this._button = new PanelMenu.Button(0.5, 'Horavane', false);
        const box = new St.BoxLayout({style_class: 'panel-status-menu-box'});
        this._icon = new St.Icon({style_class: 'system-status-icon', icon_size: panelIconSize});
        this._label = new St.Label({y_align: Clutter.ActorAlign.CENTER, visible: false});
        box.add_child(this._icon);
        box.add_child(this._label);
        this._button.add_child(box);
        this._button.accessible_name = 'Horavane';
        // A left click asks for the popover; the others open the menu, as the button does by itself. GNOME 50 on
        // sees clicks through a gesture that opens the menu for any button: ours takes its place there.
        if (this._button._clickGesture) {
            this._button._clickGesture.set_enabled(false);
            const click = new Clutter.ClickGesture();
            click.set_recognize_on_press(true);
            click.connect('recognize', () => {
                if (click.get_button() === Clutter.BUTTON_PRIMARY || click.get_button() === 0) // 0: a touch
                    this._activate();
                else
                    this._button.menu.toggle();
            });
            this._button.add_action(click);
        } else {
            this._button.connect('event', (actor, event) => {
                const type = event.type();
                if ((type === Clutter.EventType.BUTTON_PRESS && event.get_button() === Clutter.BUTTON_PRIMARY) ||
                    type === Clutter.EventType.TOUCH_BEGIN) {
                    this._activate();
                    return Clutter.EVENT_STOP;
                }
                return Clutter.EVENT_PROPAGATE;
            });
        }
        Main.panel.addToStatusArea('horavane', this._button);

        this._signals = Gio.DBus.session.signal_subscribe(owner, null, null, null, null,
            Gio.DBusSignalFlags.NONE, (connection, sender, path, iface, signal, parameters) =>
                this._onSignal(path, iface, signal, parameters));
        callItem(owner, itemPath, 'org.freedesktop.DBus.Properties', 'GetAll', new GLib.Variant('(s)', [itemInterface]),
            reply => {
                if (!reply || !this._button)
                    return;
                const properties = reply.deep_unpack()[0];
                this._showIcon(properties.IconPixmap);
                this._showLabel(properties.XAyatanaLabel ? properties.XAyatanaLabel.deep_unpack() : '');
                this._showToolTip(properties.ToolTip);
                this._menuPath = properties.Menu ? properties.Menu.deep_unpack() : '';
                this._readMenu();
            });
        callItem('org.freedesktop.DBus', '/org/freedesktop/DBus', 'org.freedesktop.DBus',
            'GetConnectionUnixProcessID', new GLib.Variant('(s)', [owner]), reply => {
                this._pid = reply ? reply.deep_unpack()[0] : 0;
            });
        this._windowCreated = global.display.connect('window-created', (display, window) =>
            this._onWindowCreated(window));
    }

    _forget() {
        this._closePopover();
        if (this._windowCreated)
            global.display.disconnect(this._windowCreated);
        if (this._signals)
            Gio.DBus.session.signal_unsubscribe(this._signals);
        if (this._nameWatch)
            Gio.bus_unwatch_name(this._nameWatch);
        if (this._button)
            this._button.destroy();
        this._windowCreated = this._signals = this._nameWatch = 0;
        this._button = this._icon = this._label = null;
        this._service = this._owner = this._menuPath = '';
        this._pid = 0;
        this._awaitingPopover = false;
    }

    _onSignal(path, iface, signal, parameters) {
        if (path === itemPath && iface === itemInterface) {
            if (signal === 'XAyatanaNewLabel')
                this._showLabel(parameters.deep_unpack()[0]);
            else if (signal === 'NewIcon' || signal === 'NewToolTip')
                this._readProperty(signal === 'NewIcon' ? 'IconPixmap' : 'ToolTip');
        } else if (path === this._menuPath && iface === menuInterface && signal === 'LayoutUpdated') {
            this._readMenu();
        }
    }

    _readProperty(name) {
        callItem(this._owner, itemPath, 'org.freedesktop.DBus.Properties', 'Get',
            new GLib.Variant('(ss)', [itemInterface, name]), reply => {
                if (!reply || !this._button)
                    return;
                const value = reply.deep_unpack()[0];
                if (name === 'IconPixmap')
                    this._showIcon(value);
                else
                    this._showToolTip(value);
            });
    }

    _showIcon(variant) {
        if (!variant)
            return;
        const scale = St.ThemeContext.get_for_stage(global.stage).scale_factor;
        const icon = iconOf(variant.deep_unpack(), panelIconSize * scale);
        if (icon)
            this._icon.gicon = icon;
    }

    _showLabel(text) {
        this._label.text = text;
        this._label.visible = text !== '';
    }

    // The tool tip names the item and its time: what a screen reader says for the button.
    _showToolTip(variant) {
        if (!variant)
            return;
        const [, , title, text] = variant.deep_unpack();
        this._button.accessible_name = [title || 'Horavane', text].filter(part => part).join(', ');
    }

    _readMenu() {
        if (!this._menuPath || this._menuPath === '/NO_DBUSMENU')
            return;
        callItem(this._owner, this._menuPath, menuInterface, 'GetLayout', new GLib.Variant('(iias)', [0, -1, []]),
            reply => {
                if (!reply || !this._button)
                    return;
                const [, [, , children]] = reply.deep_unpack();
                this._button.menu.removeAll();
                for (const child of children) {
                    const [id, properties] = child.deep_unpack();
                    const value = key => properties[key] ? properties[key].deep_unpack() : undefined;
                    if (value('visible') === false)
                        continue;
                    if (value('type') === 'separator') {
                        this._button.menu.addMenuItem(new PopupMenu.PopupSeparatorMenuItem());
                        continue;
                    }
                    const item = new PopupMenu.PopupMenuItem(menuLabel(value('label')));
                    item.setSensitive(value('enabled') !== false);
                    item.connect('activate', () => callItem(this._owner, this._menuPath, menuInterface, 'Event',
                        new GLib.Variant('(isvu)', [id, 'clicked', new GLib.Variant('i', 0),
                            global.get_current_time()])));
                    this._button.menu.addMenuItem(item);
                }
            });
    }

    // The point just below the button's middle, where the popover hangs from.
    _activate() {
        if (this._popover) {
            this._closePopover(); // a second click closes it, as with a menu
            return;
        }
        if (Main.overview.visible)
            Main.overview.hide(); // the popover belongs over the desktop, not among the overview's windows
        const [x, y] = this._button.get_transformed_position();
        const [width, height] = this._button.get_transformed_size();
        this._awaitingPopover = onWayland();
        callItem(this._owner, itemPath, itemInterface, 'Activate',
            new GLib.Variant('(ii)', [Math.round(x + width / 2), Math.round(y + height)]));
    }

    // The popover is the window Horavane's process maps next after a click.
    _onWindowCreated(window) {
        if (!this._awaitingPopover || !this._pid || window.get_pid() !== this._pid)
            return;
        this._awaitingPopover = false;
        this._popover = window;
        this._popoverSignals = [
            window.connect('shown', () => this._placePopover()),
            window.connect('size-changed', () => this._placePopover()),
            // The shell places a new window itself once it knows its size, which may come after it is shown.
            window.connect('position-changed', () => this._placePopover()),
            window.connect('unmanaged', () => this._forgetPopover()),
        ];
        this._focusSignal = global.display.connect('notify::focus-window', () => {
            if (global.display.focus_window === this._popover)
                this._popoverFocused = true;
            else if (this._popoverFocused)
                this._closePopover();
        });
        this._overviewSignal = Main.overview.connect('showing', () => this._closePopover());
        this._clickSignal = global.stage.connect('captured-event', (stage, event) => {
            const type = event.type();
            if (type !== Clutter.EventType.BUTTON_PRESS && type !== Clutter.EventType.TOUCH_BEGIN)
                return Clutter.EVENT_PROPAGATE;
            const [x, y] = event.get_coords();
            const frame = this._popover.get_frame_rect();
            const inside = x >= frame.x && x < frame.x + frame.width && y >= frame.y && y < frame.y + frame.height;
            const target = stage.get_actor_at_pos(Clutter.PickMode.REACTIVE, x, y);
            if (!inside && !(target && this._button.contains(target)))
                this._closePopover();
            return Clutter.EVENT_PROPAGATE;
        });
    }

    // Under the button, centred on it, inside the work area of the button's monitor.
    _placePopover() {
        const window = this._popover;
        const frame = window.get_frame_rect();
        if (frame.width <= 0 || frame.height <= 0)
            return;
        const [x, y] = this._button.get_transformed_position();
        const [width, height] = this._button.get_transformed_size();
        const area = Main.layoutManager.getWorkAreaForMonitor(Main.layoutManager.findIndexForActor(this._button));
        const clamp = (value, low, high) => Math.max(low, Math.min(value, Math.max(low, high)));
        const left = clamp(Math.round(x + (width - frame.width) / 2), area.x, area.x + area.width - frame.width);
        const top = clamp(Math.round(y + height), area.y, area.y + area.height - frame.height);
        if (frame.x !== left || frame.y !== top)
            window.move_frame(true, left, top);
        if (!window.is_above())
            window.make_above();
        if (!this._popoverFocused)
            window.activate(global.get_current_time());
    }

    _closePopover() {
        if (this._popover)
            this._popover.delete(global.get_current_time());
        this._forgetPopover();
    }

    _forgetPopover() {
        if (!this._popover)
            return;
        for (const id of this._popoverSignals)
            this._popover.disconnect(id);
        global.display.disconnect(this._focusSignal);
        global.stage.disconnect(this._clickSignal);
        Main.overview.disconnect(this._overviewSignal);
        this._popover = null;
        this._popoverFocused = false;
    }
}

// Meta answers this on GNOME 43 to 48; from 49 the shell runs on Wayland alone.
function onWayland() {
    return typeof Meta.is_wayland_compositor !== 'function' || Meta.is_wayland_compositor();
}
