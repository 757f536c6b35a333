# A missing package stops the configuration with one line that names the Debian package giving
# it, for machines where scripts/install-deps is skipped.
function(quorvane_require found what package)
  if(NOT ${found})
    message(FATAL_ERROR "${what} is missing: install the Debian package ${package}.")
  endif()
endfunction()
