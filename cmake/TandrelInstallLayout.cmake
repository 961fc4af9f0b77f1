# Where the install puts the program's own files. The install() rules and the
# program both take these from here: the program gets them as paths relative
# to its own folder (install_layout.h), so an installed tree works under any
# prefix, /usr with its multiarch library folder included, and after a move.
set(TANDREL_INSTALL_LIBRARY_DIR ${CMAKE_INSTALL_LIBDIR}/tandrel)
set(TANDREL_INSTALL_RESOURCE_DIR ${CMAKE_INSTALL_DATADIR}/tandrel)
# The desktop entry's name (without .desktop), also the AppStream id: the
# program names it to the desktop so that its windows match the entry.
set(TANDREL_APP_ID invalid.tandrel.Tandrel)

function(tandrel_path_from_program out dir)
  cmake_path(ABSOLUTE_PATH dir BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX} NORMALIZE OUTPUT_VARIABLE full)
  file(RELATIVE_PATH relative ${CMAKE_INSTALL_FULL_BINDIR} ${full})
  if(relative STREQUAL "")
    set(relative ".")
  endif()
  set(${out} ${relative} PARENT_SCOPE)
endfunction()
tandrel_path_from_program(TANDREL_LIBRARY_FROM_PROGRAM ${TANDREL_INSTALL_LIBRARY_DIR})
tandrel_path_from_program(TANDREL_RESOURCES_FROM_PROGRAM ${TANDREL_INSTALL_RESOURCE_DIR})

set(TANDREL_GENERATED_INCLUDE_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/install_layout.h.in ${TANDREL_GENERATED_INCLUDE_DIR}/install_layout.h @ONLY)
