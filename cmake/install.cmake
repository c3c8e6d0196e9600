# The installed layout: both programs and the word list in one program folder,
# since each program reads dictionary.txt beside its own executable; links to
# them in bin; the desktop entry, the AppStream metainfo and the icon under one
# reverse-DNS id in share.
include(GNUInstallDirs)

set(TOVREL_APP_ID example.corvanel.Tovrel2)
# A private folder of the program, not a library folder: no multiarch triplet.
set(TOVREL_PROGRAM_DIR lib/tovrel2)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Qt lives in the system's library folders and our own libraries are static:
# the installed programs need no run path.
set_target_properties(tovrel2 tovrel2-find PROPERTIES INSTALL_RPATH "")
install(TARGETS tovrel2 tovrel2-find RUNTIME DESTINATION ${TOVREL_PROGRAM_DIR})
# Writable by whoever installs it: a per-user install keeps Add word working,
# a system-wide one leaves the list to root. Installing again over an earlier
# install keeps its list, with the words added to it.
install(CODE "
  set(list \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${TOVREL_PROGRAM_DIR}/dictionary.txt\")
  if(EXISTS \"\${list}\")
    message(STATUS \"Keeping: \${list} (delete it first to install the shipped list)\")
  else()
    file(INSTALL \"${TOVREL_DICTIONARY}\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${TOVREL_PROGRAM_DIR}\")
  endif()
")

# Relative links, made in the build tree and installed as links, so they hold
# under any prefix and DESTDIR and are listed in install_manifest.txt.
set(bin_links ${CMAKE_BINARY_DIR}/bin-links)
file(MAKE_DIRECTORY ${bin_links})
foreach(program tovrel2 tovrel2-find)
  file(RELATIVE_PATH target /${CMAKE_INSTALL_BINDIR} /${TOVREL_PROGRAM_DIR}/${program})
  file(CREATE_LINK ${target} ${bin_links}/${program} SYMBOLIC)
  install(FILES ${bin_links}/${program} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

# The desktop entry starts the program by its full installed path, which is
# known only when installing (cmake --install --prefix may differ from the
# configured prefix). A root-owned copy from an earlier sudo install is removed first.
set(desktop_entry ${CMAKE_BINARY_DIR}/dist/${TOVREL_APP_ID}.desktop)
install(CODE "
  set(TOVREL_EXEC \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/tovrel2\")
  file(REMOVE \"${desktop_entry}\")
  configure_file(\"${CMAKE_SOURCE_DIR}/dist/${TOVREL_APP_ID}.desktop.in\" \"${desktop_entry}\" @ONLY)
")
install(FILES ${desktop_entry} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES dist/${TOVREL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES src/ui/images/icon.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps RENAME ${TOVREL_APP_ID}.png)
install(FILES src/ui/images/icon_256.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps RENAME ${TOVREL_APP_ID}.png)

# Debian's place for the copyright of a package; the word list's licence asks
# for its notice in every copy.
set(TOVREL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tovrel2)
install(FILES README.md dist/copyright DESTINATION ${TOVREL_DOC_DIR})
install(FILES data/README.md DESTINATION ${TOVREL_DOC_DIR} RENAME README.dictionary.md)
install(FILES data/COPYRIGHT.wamerican DESTINATION ${TOVREL_DOC_DIR})
