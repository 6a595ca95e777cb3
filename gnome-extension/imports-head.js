'use strict';
const {Gio, GLib, Shell} = imports.gi;
