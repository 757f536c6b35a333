# The Windows layout: one program folder holding the programs, the files they look for beside
# themselves, and the Qt and runtime libraries they load. The installer (data/windows/Quorvane.nsi)
# and the portable zip are made from it by cmake/windows/make-installer.

install(TARGETS quorvane quorvane-legacy-reader quorvane-riddles RUNTIME DESTINATION .)
install(FILES "${PROJECT_SOURCE_DIR}/data/HAND-M.CUR" DESTINATION .)
install(FILES "${PROJECT_SOURCE_DIR}/data/skin/o.cjs" DESTINATION x)
install(FILES "${PROJECT_BINARY_DIR}/bin/dbRiddles.mdb" DESTINATION .)

# Qt and the plugins the windows need, where Qt looks for them beside the program.
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)

# The compiler's runtime and zlib, as Debian's mingw-w64 packages build them.
foreach(library libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll zlib1.dll)
  execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${library}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${found}")
    message(FATAL_ERROR "The compiler knows no ${library}; scripts/install-deps --windows brings it.")
  endif()
  install(FILES "${found}" DESTINATION .)
endforeach()
