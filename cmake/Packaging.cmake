# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made by scripts/package: cpack -G DEB.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavolin)
set(CPACK_PACKAGE_VENDOR "The Tavolin developers")
set(CPACK_PACKAGE_CONTACT "The Tavolin developers <tavolin@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "chess rating calculator for a period's games")
# Lines of at most 80 characters, as Debian's tools show them.
set(CPACK_PACKAGE_DESCRIPTION
    "Tavolin keeps the games of a chess player's rating period and works out his
new rating under five systems: the national Elo, the youth rating, the older
FIDE rules, a tournament performance and the FIDE rules in force since 2024.
Games are typed or imported from PGN files. Each closed period is kept in a
history, with the player's rating curve. Its interface is in French.
tavolin-calc makes the same calculation from the command line.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/tavolin/tavolin")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # tavolin_<version>_<arch>.deb
# A calculator, not a game: Debian wants games in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the binaries (dpkg-shlibdeps); the plugins Qt loads at run time
# (the window's platform, the history's SQLite driver) and the libraries the program loads
# at their first use (libarchive, SQLite) do not show there.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite, libarchive13, libsqlite3-0")
# Fonts with the metrics the windows are laid out for.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, fonts-comic-neue, qt6-translations-l10n")

include(CPack)
