# Adds every immediate subfolder of `dir` that has a CMakeLists.txt, so that
# each test area, benchmark and fuzz target keeps its build rules to itself.
#   tandrel_add_subfolders(<dir> [EXCLUDE <names...>])
function(tandrel_add_subfolders dir)
  cmake_parse_arguments(ARG "" "" "EXCLUDE" ${ARGN})
  file(GLOB children LIST_DIRECTORIES true ${dir}/*)
  list(SORT children)
  foreach(child ${children})
    get_filename_component(name ${child} NAME)
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt AND NOT name IN_LIST ARG_EXCLUDE)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
