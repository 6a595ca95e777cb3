#include "PanelAppearance.h"

#include <QSettings>
#include <QStandardPaths>

namespace PanelAppearance {

namespace {

Appearance byLightness(const QColor& color)
{
    return color.lightness() < 128 ? Appearance::dark : Appearance::light;
}

// "r,g,b" as kdeglobals writes colours.
std::optional<QColor> kdeColor(const QVariant& value)
{
    const QStringList parts =
        value.toStringList().size() == 3 ? value.toStringList() : value.toString().split(QLatin1Char(','));
    if (parts.size() != 3)
        return std::nullopt;
    int rgb[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        rgb[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || rgb[i] < 0 || rgb[i] > 255)
            return std::nullopt;
    }
    return QColor(rgb[0], rgb[1], rgb[2]);
}

} // namespace

Appearance of(const QString& currentDesktop, const std::optional<QColor>& plasmaPanel, const QPalette& palette)
{
    const QStringList desktops = currentDesktop.toUpper().split(QLatin1Char(':'), Qt::SkipEmptyParts);
    // GNOME Shell draws its top bar dark in both its light and dark styles; so do the desktops built on it.
    for (const char* shell : {"GNOME", "UNITY", "PANTHEON"})
        if (desktops.contains(QLatin1String(shell)))
            return Appearance::dark;
    if (desktops.contains(QLatin1String("KDE")) && plasmaPanel)
        return byLightness(*plasmaPanel);
    return byLightness(palette.color(QPalette::Window));
}

Appearance current(const QPalette& palette)
{
    std::optional<QColor> plasma;
    const QString file = QStandardPaths::locate(QStandardPaths::GenericConfigLocation, QStringLiteral("kdeglobals"));
    if (!file.isEmpty()) {
        const QSettings globals(file, QSettings::IniFormat);
        plasma = kdeColor(globals.value(QStringLiteral("Colors:Header/BackgroundNormal")));
        if (!plasma)
            plasma = kdeColor(globals.value(QStringLiteral("Colors:Window/BackgroundNormal")));
    }
    return of(qEnvironmentVariable("XDG_CURRENT_DESKTOP"), plasma, palette);
}

} // namespace PanelAppearance
