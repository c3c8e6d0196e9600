# cpack -G DEB in the build folder makes two packages, installed under /usr:
# tovrel2-find (the command and the word list; no Qt) and tovrel2 (the
# window, which depends on it). scripts/package builds them with Debian's
# hardening flags.
set(CPACK_PACKAGE_NAME tovrel2)
set(CPACK_PACKAGE_VENDOR Corvanel)
set(CPACK_PACKAGE_CONTACT "Corvanel <tovrel@corvanel.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.corvanel.example/)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/strip-packaged.cmake)
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL find window)

# The Debian revision. The newest entry of dist/changelog, which the packages
# carry, must name the version they are built with.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(TOVREL_PACKAGE_VERSION ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
file(STRINGS ${CMAKE_SOURCE_DIR}/dist/changelog newest_entry LIMIT_COUNT 1)
if(NOT newest_entry MATCHES "^tovrel2 \\(${TOVREL_PACKAGE_VERSION}\\) ")
  message(FATAL_ERROR "dist/changelog starts with '${newest_entry}': give version ${TOVREL_PACKAGE_VERSION} an entry")
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE tovrel2)
# A word tool first: the game is one of its commands.
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the libraries the programs link (Qt 6, the C and C++
# run-times).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_DEBIAN_FIND_PACKAGE_NAME tovrel2-find)
set(CPACK_COMPONENT_FIND_DESCRIPTION [[find every word hidden in a jumble of letters, from the shell
tovrel2-find lists every word of its English word list that fits a jumble
of letters, in one of four search modes: complete, extended, partial and
extended partial words. It prints what the Tovrel 2 window would show, for
people and for scripts. The package holds the command and the word list,
which the window in the package tovrel2 reads too.]])

set(CPACK_DEBIAN_WINDOW_PACKAGE_NAME tovrel2)
set(CPACK_COMPONENT_WINDOW_DESCRIPTION [[find every word hidden in a jumble of letters
Tovrel 2 is a desktop word tool: type a jumble of letters, pick one of four
search modes (complete, extended, partial and extended partial words) and it
lists every word of its English word list that fits. It also offers a
scrambled-word game, a scrambler and a command that adds words to the list.]])
# The window's platform plugins are loaded at run time, so dpkg-shlibdeps does
# not see them. The fonts stand in for the faces of the window definitions and
# the Wayland plugin lets it run in a Wayland session; without either, it
# falls back to the system's fonts and to X11.
set(CPACK_DEBIAN_WINDOW_PACKAGE_DEPENDS
    "tovrel2-find (= ${TOVREL_PACKAGE_VERSION}), qt6-qpa-plugins")
set(CPACK_DEBIAN_WINDOW_PACKAGE_RECOMMENDS "fonts-liberation2, fonts-urw-base35, fonts-wine, qt6-wayland")

include(CPack)
