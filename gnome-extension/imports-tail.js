
function init() {
    return new HoravaneParts();
}
