# The installed layout: a program folder holding the program and every file it looks for beside
# itself, a launcher on the PATH, the desktop entry, icons and AppStream metadata; and a .deb.

install(TARGETS quorvane quorvane-legacy-reader RUNTIME DESTINATION "${QUORVANE_PROGRAM_FOLDER}")
install(FILES "${PROJECT_SOURCE_DIR}/data/HAND-M.CUR" DESTINATION "${QUORVANE_PROGRAM_FOLDER}")
install(FILES "${PROJECT_SOURCE_DIR}/data/skin/o.cjs" DESTINATION "${QUORVANE_PROGRAM_FOLDER}/x")
install(PROGRAMS "${PROJECT_SOURCE_DIR}/data/quorvane-launcher" DESTINATION "${QUORVANE_TOOL_FOLDER}" RENAME quorvane)
install(TARGETS quorvane-riddles RUNTIME DESTINATION "${QUORVANE_TOOL_FOLDER}")

install(FILES "${PROJECT_SOURCE_DIR}/data/org.quorvane.Quorvane.desktop"
        DESTINATION share/applications)
install(FILES "${PROJECT_SOURCE_DIR}/data/org.quorvane.Quorvane.metainfo.xml"
        DESTINATION share/metainfo)
foreach(size 16 32 48 64 128 256)
  install(FILES "${PROJECT_SOURCE_DIR}/ui/icons/quorvane-${size}.png"
          DESTINATION "share/icons/hicolor/${size}x${size}/apps" RENAME quorvane.png)
endforeach()
install(FILES "${PROJECT_SOURCE_DIR}/ui/icons/quorvane.svg"
        DESTINATION share/icons/hicolor/scalable/apps)

# What Debian wants of every package: a copyright file and a changelog, compressed.
set(QUORVANE_DOC_FOLDER "share/doc/quorvane")
install(FILES "${PROJECT_SOURCE_DIR}/data/debian/copyright" DESTINATION "${QUORVANE_DOC_FOLDER}")
add_custom_command(
  OUTPUT "${PROJECT_BINARY_DIR}/changelog.gz"
  COMMAND "${CMAKE_COMMAND}" -E copy "${PROJECT_SOURCE_DIR}/data/debian/changelog"
          "${PROJECT_BINARY_DIR}/changelog"
  COMMAND gzip -9nf "${PROJECT_BINARY_DIR}/changelog"
  DEPENDS "${PROJECT_SOURCE_DIR}/data/debian/changelog"
  VERBATIM)
add_custom_target(package_changelog ALL DEPENDS "${PROJECT_BINARY_DIR}/changelog.gz")
install(FILES "${PROJECT_BINARY_DIR}/changelog.gz" DESTINATION "${QUORVANE_DOC_FOLDER}")

# The riddle file in the program folder is the user's, so no install may put the bundled riddles
# over one already there. A plain install copies them there only where there is none yet.
set(bundled_riddles "${PROJECT_BINARY_DIR}/bin/dbRiddles.mdb")
install(CODE "set(bundled_riddles [[${bundled_riddles}]])
               set(program_folder [[${QUORVANE_PROGRAM_FOLDER}]])"
        COMPONENT RiddleFileInPlace)
install(CODE [[
  set(riddles "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${program_folder}/dbRiddles.mdb")
  if(EXISTS "${riddles}" OR IS_SYMLINK "${riddles}")
    message(STATUS "Kept: ${riddles}")
  else()
    # file(INSTALL) puts DESTDIR in front by itself.
    file(INSTALL "${bundled_riddles}" DESTINATION "${CMAKE_INSTALL_PREFIX}/${program_folder}")
  endif()]]
  COMPONENT RiddleFileInPlace)
# The package links it to /var/lib/quorvane/dbRiddles.mdb, which dpkg never replaces: the
# maintainer scripts make it from the bundled riddles (kept in /usr/share/quorvane) where there is
# none, and delete it only on purge. Only the package takes this component.
set(riddles_link "${PROJECT_BINARY_DIR}/package/dbRiddles.mdb")
file(MAKE_DIRECTORY "${PROJECT_BINARY_DIR}/package")
file(CREATE_LINK /var/lib/quorvane/dbRiddles.mdb "${riddles_link}" SYMBOLIC)
install(FILES "${riddles_link}" DESTINATION "${QUORVANE_PROGRAM_FOLDER}"
        COMPONENT RiddleFileLinked EXCLUDE_FROM_ALL)
install(FILES "${bundled_riddles}" DESTINATION share/quorvane
        COMPONENT RiddleFileLinked EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Unspecified RiddleFileLinked)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${PROJECT_SOURCE_DIR}/data/debian/preinst"
    "${PROJECT_SOURCE_DIR}/data/debian/postinst" "${PROJECT_SOURCE_DIR}/data/debian/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VENDOR "Quorvane Software")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Read riddles and practise answering them")
set(CPACK_PACKAGE_DESCRIPTION
    "Quorvane keeps riddles in a password-protected riddle file. Its browser lists\nrandom riddles or all of them with their answers; its quiz shows one riddle at\na time and judges typed guesses. Both export what you did to a text file or a\nspreadsheet.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "Quorvane Software <support@quorvane.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
include(CPack)
