# SPDX-FileCopyrightText: 2026 The Quarnel developers
# SPDX-License-Identifier: MIT
# Reliability: every option combination headless, the window's edge paths and a
# monkey test on the real window in Xvfb, memcheck of a whole run, and the
# sanitizer options for every test of the sanitizer build.

find_package(X11 REQUIRED)

quarnel_test(tst_combinations SOURCES tst_combinations.cpp LIBS sim canvas)

# Drives the real program on a private X server and reads its run trace.
add_library(windowdriver STATIC
  xsession.h xsession.cpp
  tracedquarnel.h tracedquarnel.cpp
  controlmap.h controlmap.cpp
  closerequest.h closerequest.cpp)
target_include_directories(windowdriver PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(windowdriver PUBLIC quarnel_app PRIVATE X11::X11)
# It launches the program, so whatever links it builds after the program.
target_compile_definitions(windowdriver PRIVATE QUARNEL_BINARY="$<TARGET_FILE:quarnel>")
add_dependencies(windowdriver quarnel)

quarnel_test(tst_runqueue SOURCES tst_runqueue.cpp LIBS windowdriver)
set_tests_properties(tst_runqueue PROPERTIES LABELS "e2e;reliability" TIMEOUT 600)

# The monkey is meant for the sanitizer build, where any fault it provokes is caught.
option(QUARNEL_MONKEY "Register the monkey test (random input on the real window)" ${QUARNEL_SANITIZE})
if(QUARNEL_MONKEY)
  quarnel_test(tst_monkey SOURCES tst_monkey.cpp LIBS windowdriver)
  set_tests_properties(tst_monkey PROPERTIES LABELS "monkey;reliability" TIMEOUT 900)
endif()

# Memcheck of one whole run: the window's own Start, as tst_window makes it;
# valgrind cannot watch a sanitizer build.
find_program(VALGRIND valgrind)
if(VALGRIND AND NOT QUARNEL_SANITIZE)
  add_test(NAME memcheck
           COMMAND ${VALGRIND} --leak-check=full --errors-for-leak-kinds=definite --error-exitcode=1
                   $<TARGET_FILE:tst_window> startRunsAndKeepsPicture)
  set_tests_properties(memcheck PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
                                           LABELS "memcheck;reliability" TIMEOUT 900)
endif()

# Every test of the sanitizer build, whoever registers it, runs with these
# options; programs it launches inherit them. lsan.supp names the system
# libraries' known leaks.
if(QUARNEL_SANITIZE)
  set(QUARNEL_SANITIZER_ENVIRONMENT
      "ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
      "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_SOURCE_DIR}/lsan.supp:print_suppressions=0"
      "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
  function(quarnel_sanitizer_environment)
    get_property(tests DIRECTORY PROPERTY TESTS)
    foreach(test IN LISTS tests)
      set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT ${QUARNEL_SANITIZER_ENVIRONMENT})
    endforeach()
  endfunction()
  # At the end of this directory, so tests registered after this file get them too.
  cmake_language(DEFER CALL quarnel_sanitizer_environment)
endif()
