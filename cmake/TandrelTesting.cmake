include(GoogleTest)

# tandrel_add_gtest(<target> SOURCES <files...> LIBS <libs...> [GUI])
# One GoogleTest binary; its cases become ctest tests. GUI tests run on Qt's
# offscreen platform, so no display is needed.
function(tandrel_add_gtest target)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  # The test folder's own helpers, as "tests/<folder>/<name>.h".
  tandrel_include_folder(${target} PRIVATE)
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  tandrel_warnings(${target})
  # Each property value must be a single list element: the discovered tests'
  # properties are passed on as a flat list, so a second variable in
  # ENVIRONMENT would be read as a property name.
  set(properties ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1" TIMEOUT 120)
  if(ARG_GUI)
    list(APPEND properties ENVIRONMENT_MODIFICATION "QT_QPA_PLATFORM=set:offscreen")
  endif()
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 PROPERTIES ${properties})
endfunction()
