# The installed layout: a program folder holding the program and every file it looks for beside
# itself, a launcher on the PATH, the desktop entry, icons and AppStream metadata; and a .deb.
set(QUORVANE_PROGRAM_FOLDER "lib/quorvane")

install(TARGETS quorvane quorvane-legacy-reader RUNTIME DESTINATION "${QUORVANE_PROGRAM_FOLDER}")
install(FILES "${PROJECT_BINARY_DIR}/bin/dbRiddles.mdb" "${PROJECT_SOURCE_DIR}/data/HAND-M.CUR"
        DESTINATION "${QUORVANE_PROGRAM_FOLDER}")
install(FILES "${PROJECT_SOURCE_DIR}/data/skin/o.cjs" DESTINATION "${QUORVANE_PROGRAM_FOLDER}/x")
install(PROGRAMS "${PROJECT_SOURCE_DIR}/data/quorvane-launcher" DESTINATION bin RENAME quorvane)
install(TARGETS quorvane-riddles RUNTIME DESTINATION bin)

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

set(CPACK_GENERATOR DEB)
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
