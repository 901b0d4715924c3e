# The Debian package: `cpack -G DEB` in the build folder makes petalgame32_<version>_<arch>.deb.
set(CPACK_PACKAGE_NAME petalgame32)
set(CPACK_PACKAGE_VENDOR "Petalgame 32 developers")
set(CPACK_PACKAGE_CONTACT "Petalgame 32 developers <petalgame32@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hanafuda koi-koi card game against the computer")
set(CPACK_PACKAGE_DESCRIPTION
  "Petalgame 32 is koi-koi, the Japanese game of flower cards (hanafuda) for two:
you against the computer over a match of twelve months, with the classic yaku,
the koi-koi decision, switchable house rules and two high-score tables.
The game and its help document are in Japanese.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://petalgame32.github.io/)
set(CPACK_GENERATOR DEB)
# A package installs under /usr whatever prefix this build was configured with.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the libraries do not say: Qt's X11 platform plugin, without which no window opens, a font
# with the Japanese the whole game is written in, and Qt's Japanese for its own dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-noto-cjk, qt6-translations-l10n")
# The desktop's own file picker, where the desktop offers one to Qt.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-gtk-platformtheme | qt6-xdgdesktopportal-platformtheme")
set(CPACK_INSTALL_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/packaging/deb_only.cmake)
set(CPACK_PETALGAME_LINTIAN_OVERRIDES ${CMAKE_CURRENT_SOURCE_DIR}/packaging/lintian-overrides)

include(CPack)
