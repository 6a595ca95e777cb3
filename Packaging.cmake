# What `cmake --install` puts on the system, and the Debian package `cpack` makes of it.
install(FILES data/app.corvani.Horavane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME horavane)
set(CPACK_PACKAGE_VENDOR "Horavane")
set(CPACK_PACKAGE_CONTACT "Horavane developers <hello@horavane.app>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "See where your time goes, application by application and website by website")
set(CPACK_PACKAGE_DESCRIPTION
    "Horavane records the time you spend in each application and, in a browser, on each website, keeps it in a private database and shows today as a ring in the system tray, with a history of the last 7 or 30 days.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://horavane.app/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON) # no debugging symbols in what users install
# Loaded at run time rather than linked: the X11 and Wayland platform plugins, SVG icons and the accessibility bus.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-wayland, libqt6svg6")
# GNOME shows tray items only through the AppIndicator extension.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "at-spi2-core, gnome-shell-extension-appindicator")
include(CPack)
