# Test registration: one GoogleTest executable per area, run by ctest through Wine.
#   pellworth_gtest(<name> SOURCES ... [LIBS ...] [ARGS ...] [PROPERTIES ...] [DISPLAY])
# DISPLAY marks a test that shows windows and opens popups. All of them share the one desktop of
# the test prefix, where another test's new window takes the focus and so closes an open popup
# mid-test; they take turns through one resource lock.

if(CMAKE_CROSSCOMPILING_EMULATOR)
  # Start the prefix and its wineserver before any test, outside every test's time-out, and
  # stop it after the last one. The warm-up ends only when a window can be made and shown there
  # (see wine-warmup.sh); when it cannot, it fails once, in one line, and no test that needs
  # Wine runs. A fresh 32-bit prefix, made through the emulator beside the acceptance suite's own,
  # has taken over 5 minutes here.
  add_test(NAME wine_warmup
           COMMAND ${PROJECT_SOURCE_DIR}/cmake/wine-warmup.sh $<TARGET_FILE:windowprobe> ${CMAKE_CROSSCOMPILING_EMULATOR})
  set_tests_properties(wine_warmup PROPERTIES FIXTURES_SETUP wine TIMEOUT 900)
  add_test(NAME wine_shutdown COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --kill-server)
  set_tests_properties(wine_shutdown PROPERTIES FIXTURES_CLEANUP wine)
endif()

function(pellworth_gtest name)
  cmake_parse_arguments(ARG "DISPLAY" "" "SOURCES;LIBS;ARGS;PROPERTIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE GTest::gtest_main win_defs ${ARG_LIBS})
  if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    return()
  endif()
  add_test(NAME ${name} COMMAND ${name} ${ARG_ARGS})
  # A crash must never pass: Wine prints "wine: Unhandled", and a binary with its tests
  # compiled out must not pass with none run.
  set_tests_properties(${name} PROPERTIES TIMEOUT 300
    FAIL_REGULAR_EXPRESSION "wine: Unhandled|Running 0 tests from"
    FIXTURES_REQUIRED wine ${ARG_PROPERTIES})
  if(ARG_DISPLAY)
    set_property(TEST ${name} APPEND PROPERTY RESOURCE_LOCK desktop_focus)
  endif()
endfunction()
