# Read by CPack when it makes the packages (CPACK_PROJECT_CONFIG_FILE). make-packages.sh makes
# each package in a run of its own (CPACK_COMPONENTS_ALL is then that one component), so each
# gets its own version: the program's names the release it was built for.
if(CPACK_COMPONENTS_ALL STREQUAL "program")
  set(CPACK_PACKAGE_VERSION ${CPACK_VEXEL_PROGRAM_VERSION})
elseif(CPACK_COMPONENTS_ALL STREQUAL "data")
  set(CPACK_PACKAGE_VERSION ${CPACK_VEXEL_DATA_VERSION})
endif()
