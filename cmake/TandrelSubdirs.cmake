# Adds every immediate subfolder of `dir` that has a CMakeLists.txt, so that
# each test area, benchmark and fuzz target keeps its build rules to itself.
function(tandrel_add_subfolders dir)
  file(GLOB children LIST_DIRECTORIES true ${dir}/*)
  list(SORT children)
  foreach(child ${children})
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
