# SPDX-FileCopyrightText: 2026 Horavane developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What `cmake --install` puts on the system besides the programs, the icons and the manual page; debian/ packages
# the result.
install(FILES data/app.corvani.Horavane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/app.corvani.Horavane.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
