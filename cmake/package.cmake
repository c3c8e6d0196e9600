# cpack -G DEB in the build folder makes tovrel2_<version>_<arch>.deb, installed under /usr.
set(CPACK_PACKAGE_NAME tovrel2)
set(CPACK_PACKAGE_VENDOR Corvanel)
set(CPACK_PACKAGE_CONTACT "Corvanel <tovrel@corvanel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "find every word hidden in a jumble of letters")
set(CPACK_PACKAGE_DESCRIPTION [[
Tovrel 2 is a desktop word tool: type a jumble of letters, pick one of four
search modes (complete, extended, partial and extended partial words) and it
lists every word of its English word list that fits. It also offers a
scrambled-word game, a scrambler and a command that adds words to the list.
The command-line companion tovrel2-find runs the same searches from the shell.]])
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.corvanel.example/)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the libraries the programs link (Qt 6, the C and C++
# run-times); the platform plugins are loaded at run time and the fonts stand
# in for the window definitions' faces, so those are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, fonts-urw-base35")

include(CPack)
