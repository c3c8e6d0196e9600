# The installed layout, in two components that become two Debian packages:
#   find    tovrel2-find in bin, the shipped data in share/tovrel2/ (the
#           programs look there, relative to their folder, when nothing lies
#           beside them), its manual page and its documents;
#   window  tovrel2 in bin, the desktop entry, the AppStream metainfo and the
#           icons under one reverse-DNS id, its manual page and documents.
include(GNUInstallDirs)

set(TOVREL_APP_ID example.corvanel.Tovrel2)
set(TOVREL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/tovrel2)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Qt lives in the system's library folders and our own libraries are static:
# the installed programs need no run path.
set_target_properties(tovrel2 tovrel2-find PROPERTIES INSTALL_RPATH "")
install(TARGETS tovrel2-find RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT find)
install(TARGETS tovrel2 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT window)

# In a per-user install the list is its user's, and Add word appends to it;
# installing again over it keeps the words added. (Under /usr the program never
# writes the list: each user's words go to a file of their own.)
install(CODE "
  set(list \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${TOVREL_DATA_DIR}/dictionary.txt\")
  if(EXISTS \"\${list}\")
    message(STATUS \"Keeping: \${list} (delete it first to install the shipped list)\")
  else()
    file(INSTALL \"${TOVREL_DICTIONARY}\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${TOVREL_DATA_DIR}\")
  endif()
" COMPONENT find)
# The commonness index that ranks the phrase and tiles searches lies beside the list.
install(FILES ${TOVREL_COMMONNESS_INDEX} DESTINATION ${TOVREL_DATA_DIR} COMPONENT find)

# The desktop entry starts the program by its full installed path, which is
# known only when installing (cmake --install --prefix may differ from the
# configured prefix). A root-owned copy from an earlier sudo install is removed first.
set(desktop_entry ${CMAKE_BINARY_DIR}/dist/${TOVREL_APP_ID}.desktop)
install(CODE "
  set(TOVREL_EXEC \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/tovrel2\")
  file(REMOVE \"${desktop_entry}\")
  configure_file(\"${CMAKE_SOURCE_DIR}/dist/${TOVREL_APP_ID}.desktop.in\" \"${desktop_entry}\" @ONLY)
" COMPONENT window)
install(FILES ${desktop_entry} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT window)
install(FILES dist/${TOVREL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT window)
# dist/icons is a hicolor tree (make-images draws it): PNGs from 16 to 256
# pixels and a scalable SVG.
install(DIRECTORY dist/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons COMPONENT window)

tovrel_add_man_page(docs/man/tovrel2.1.scd COMPONENT window) # tovrel2-find's is made beside it, in src/cli

# Debian's place for each package's copyright and changelog; the word list's
# licence asks for its notice in every copy.
set(changelog ${CMAKE_BINARY_DIR}/dist/changelog.Debian.gz)
add_custom_command(OUTPUT ${changelog}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/dist
  COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/dist/changelog > ${changelog}
  DEPENDS ${CMAKE_SOURCE_DIR}/dist/changelog
  COMMENT "Compressing the changelog"
  VERBATIM)
add_custom_target(changelog ALL DEPENDS ${changelog})
install(FILES dist/copyright ${changelog} data/COPYRIGHT.wamerican
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tovrel2-find COMPONENT find)
install(FILES data/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tovrel2-find RENAME README.dictionary.md
        COMPONENT find)
install(FILES dist/copyright ${changelog} README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tovrel2
        COMPONENT window)

# Tags of lintian that do not apply, each with the reason beside it.
install(FILES dist/lintian/tovrel2-find DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides COMPONENT find)
install(FILES dist/lintian/tovrel2 DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides COMPONENT window)
