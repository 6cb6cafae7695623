# vexel_add_gtest(<name> SOURCES <files...> [LIBS <targets...>] [GUI] [TIMEOUT <s>] [LABELS <l...>])
#
# One test executable, registered as one CTest test run in the run directory.
# GUI suites get a main that creates a QApplication and intercepts message boxes;
# they need an X server (the test command runs CTest under xvfb-run) and run one
# at a time, other suites beside them.
function(vexel_add_gtest name)
  cmake_parse_arguments(T "GUI" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_GUI)
    target_link_libraries(${name} PRIVATE ${T_LIBS} vexel_gui_test_main)
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  endif()
  target_link_libraries(${name} PRIVATE vexel_test_support)
  target_compile_definitions(${name} PRIVATE
    VEXEL_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    VEXEL_RUN_DIR="${VEXEL_RUN_DIR}"
    VEXEL_SHARED_DIR="${PROJECT_SOURCE_DIR}/../shared")
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${VEXEL_RUN_DIR})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 600)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
  if(T_GUI)
    # GUI suites share one X server and some look at the screen itself: one at a time.
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK x_display)
  endif()
  if(T_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABELS}")
  endif()
endfunction()
