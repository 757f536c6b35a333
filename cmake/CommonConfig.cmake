# Compile settings every target of the project links to.
add_library(quorvane_common INTERFACE)
target_compile_features(quorvane_common INTERFACE cxx_std_20)
target_compile_options(quorvane_common INTERFACE -Wall -Wextra -Wpedantic)
target_compile_definitions(quorvane_common INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_CONTEXTLESS_CONNECT
  QT_NO_KEYWORDS)
target_include_directories(quorvane_common INTERFACE "${PROJECT_SOURCE_DIR}")

if(QUORVANE_WERROR)
  target_compile_options(quorvane_common INTERFACE -Werror)
endif()

if(QUORVANE_SANITIZE)
  target_compile_options(quorvane_common INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(quorvane_common INTERFACE -fsanitize=address,undefined)
endif()

if(QUORVANE_FUZZ)
  # Coverage for libFuzzer in every library the targets link; the targets add the fuzzer itself.
  target_compile_options(quorvane_common INTERFACE -fsanitize=fuzzer-no-link)
endif()

set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)
