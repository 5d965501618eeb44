# SPDX-License-Identifier: GPL-3.0-or-later
# A Debian package of the installed files: cpack --config CPackConfig.cmake in the build folder (see
# scripts/package_test.sh). Its dependencies come from the shared libraries the programs link
# (dpkg-shlibdeps, from dpkg-dev).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Orvane developers")
set(CPACK_PACKAGE_CONTACT "The Orvane developers <developers@orvane.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "scientific calculator with your own constants and functions")
# The summary is the first line of the package's description, this text the rest.
# Lines of at most 80 characters, as Debian's tools want them.
set(CPACK_PACKAGE_DESCRIPTION
  "Type a formula on one line and get its value to 15 significant digits:
numbers, + - * / ^, brackets, the memory variables a to z, fourteen
built-in functions, your own constants and functions kept in library files,
and the operators sum, pro, integral, derivative and solve.
The package holds the desktop program orvane and orvane-cli for scripts.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins at run time, so no linked library names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
include(CPack)
