# The Debian package: `cpack -G DEB` in the build folder. Its dependencies are the packages
# that hold the libraries the programs link, as dpkg-shlibdeps finds them, and Qt's Wayland
# platform.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvane)
set(CPACK_PACKAGE_VENDOR "The Orvane developers")
set(CPACK_PACKAGE_CONTACT "The Orvane developers <orvane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop calendar that reminds of yearly events")
set(CPACK_PACKAGE_DESCRIPTION "Orvane shows two to twelve months in a small window on the desktop,
keeps named yearly events (birthdays, anniversaries) with notes and categories and warns of the
coming days' events at log-on. Its user interface is Russian. orvanectl lists, exports and
imports the events from a terminal.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://example.org/orvane/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt takes the Wayland platform only where its plugin is installed: without it the calendar would
# run through Xwayland on some desktops and natively on others.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-wayland)
include(CPack)
