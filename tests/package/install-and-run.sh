#!/usr/bin/env bash
# Builds the Debian package from the build tree, installs it as a user would (with its dependencies),
# and runs the installed program. Without root it unpacks the package into a scratch folder instead.
set -euo pipefail
build=$1
cd "$build"
cpack -G DEB > cpack.log 2>&1 || { cat cpack.log; exit 1; }
package=$(ls -t horavane_*.deb | head -1)
echo "package: $package, $(du -k "$package" | cut -f1) KiB; installed size $(dpkg-deb -f "$package" Installed-Size) KiB"
dpkg-deb -c "$package" | grep './usr/share/applications/app.corvani.Horavane.desktop' > /dev/null
dpkg-deb -c "$package" | grep './usr/share/icons/hicolor/256x256/apps/app.corvani.Horavane.png' > /dev/null
dpkg-deb -c "$package" | grep './usr/share/gnome-shell/extensions/horavane@corvani.app/extension.js' > /dev/null
dpkg-deb -f "$package" Depends
# The recorder and previews are a module the program loads; the command-line actions run without it.
dpkg-deb -c "$package" | grep -E '\./usr/lib/.*horavane/horavane-desktop\.so$' > /dev/null

if [[ $(id -u) -eq 0 ]] && command -v apt-get > /dev/null; then
    was_installed=$(dpkg-query -W -f='${Status}' horavane 2>/dev/null | grep -c "install ok installed" || true)
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "./$package" > apt.log 2>&1 ||
        { cat apt.log; exit 1; }
    /usr/bin/horavane --version
    # The installed program finds its desktop module: a preview renders without any display.
    picture=$(mktemp --suffix=.png)
    env -u DISPLAY -u WAYLAND_DISPLAY XDG_CONFIG_HOME="$(mktemp -d)" /usr/bin/horavane --preview --png "$picture" > /dev/null
    [[ -s $picture ]]
    rm -f "$picture"
    [[ $was_installed -eq 1 ]] || apt-get remove -y -qq horavane > /dev/null 2>&1
else
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    dpkg-deb -x "$package" "$scratch"
    "$scratch/usr/bin/horavane" --version
fi
