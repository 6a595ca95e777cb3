
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
