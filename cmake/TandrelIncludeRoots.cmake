# tandrel_include_folder(<target> <PUBLIC|PRIVATE|INTERFACE>)
# Lets the target (and, unless PRIVATE, every target that links it) include
# the headers of the calling folder as "<folder>/<name>.h", and no other
# folder's. The project's folders share one parent, so handing out the source
# root would let any target include any folder and a wrong include would go
# unnoticed; instead each folder gets an include root of its own in the build
# tree, holding nothing but a link to the folder.
function(tandrel_include_folder target scope)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  string(MAKE_C_IDENTIFIER "${folder}" root_name)
  set(root ${PROJECT_BINARY_DIR}/include_roots/${root_name})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT IS_SYMLINK ${root}/${folder})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} ${scope} ${root})
endfunction()
