# vexel_add_subdirectories(<folders...>)
#
# Adds the named folders of the current folder, in the order given. A folder with a
# CMakeLists.txt that is not named stops the configuration, so that a new folder is never
# left out of the build unnoticed.
function(vexel_add_subdirectories)
  foreach(dir ${ARGN})
    add_subdirectory(${dir})
  endforeach()
  file(GLOB present LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
       ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(dir ${present})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt AND NOT dir IN_LIST ARGN)
      message(FATAL_ERROR "${dir} has a CMakeLists.txt but is not listed in "
                          "${CMAKE_CURRENT_LIST_FILE}")
    endif()
  endforeach()
endfunction()
