include(GoogleTest)

# tandrel_add_gtest(<target> SOURCES <files...> LIBS <libs...> [GUI])
# One GoogleTest binary; its cases become ctest tests. GUI tests run on Qt's
# offscreen platform, so no display is needed.
function(tandrel_add_gtest target)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  tandrel_warnings(${target})
  set(env "ASAN_OPTIONS=detect_leaks=1")
  if(ARG_GUI)
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
  endif()
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "${env}" TIMEOUT 120)
endfunction()
