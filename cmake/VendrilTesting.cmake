# Helpers for declaring tests. Every test runs through tests/run-isolated.sh,
# which gives it a private temporary folder (the runtime log lives there) and,
# for window tests, a private X server.
find_package(GTest REQUIRED)

set(VENDRIL_TEST_RUNNER ${CMAKE_SOURCE_DIR}/tests/run-isolated.sh)

# vendril_test(<name> SOURCES ... [LIBS ...] [WINDOW] [ARGS ...])
# A GoogleTest program linked with the runtime library and gtest's main.
function(vendril_test name)
  cmake_parse_arguments(T "WINDOW" "" "SOURCES;LIBS;ARGS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE vendril_test_main GTest::gmock ${T_LIBS})
  set(mode plain)
  if(T_WINDOW)
    set(mode window)
  endif()
  add_test(NAME ${name} COMMAND ${VENDRIL_TEST_RUNNER} ${mode} $<TARGET_FILE:${name}> ${T_ARGS})
endfunction()

# vendril_program(<name> SOURCES ...): a program built with the runtime's own
# process entry, used by end-to-end tests.
function(vendril_program name)
  cmake_parse_arguments(P "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${P_SOURCES})
  target_link_libraries(${name} PRIVATE vendril_main vendril ${P_LIBS})
endfunction()
