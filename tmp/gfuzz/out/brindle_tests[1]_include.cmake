if(EXISTS "/work/wt/graphics/tmp/gfuzz/out/brindle_tests")
  if(NOT EXISTS "/work/wt/graphics/tmp/gfuzz/out/brindle_tests[1]_tests.cmake" OR
     NOT "/work/wt/graphics/tmp/gfuzz/out/brindle_tests[1]_tests.cmake" IS_NEWER_THAN "/work/wt/graphics/tmp/gfuzz/out/brindle_tests" OR
     NOT "/work/wt/graphics/tmp/gfuzz/out/brindle_tests[1]_tests.cmake" IS_NEWER_THAN "${CMAKE_CURRENT_LIST_FILE}")
    include("/usr/share/cmake-3.25/Modules/GoogleTestAddTests.cmake")
    gtest_discover_tests_impl(
      TEST_EXECUTABLE [==[/work/wt/graphics/tmp/gfuzz/out/brindle_tests]==]
      TEST_EXECUTOR [==[]==]
      TEST_WORKING_DIR [==[/work/wt/graphics/tmp/gfuzz/out]==]
      TEST_EXTRA_ARGS [==[]==]
      TEST_PROPERTIES [==[ENVIRONMENT;SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy;TIMEOUT;300]==]
      TEST_PREFIX [==[]==]
      TEST_SUFFIX [==[]==]
      TEST_FILTER [==[]==]
      NO_PRETTY_TYPES [==[FALSE]==]
      NO_PRETTY_VALUES [==[FALSE]==]
      TEST_LIST [==[brindle_tests_TESTS]==]
      CTEST_FILE [==[/work/wt/graphics/tmp/gfuzz/out/brindle_tests[1]_tests.cmake]==]
      TEST_DISCOVERY_TIMEOUT [==[60]==]
      TEST_XML_OUTPUT_DIR [==[]==]
    )
  endif()
  include("/work/wt/graphics/tmp/gfuzz/out/brindle_tests[1]_tests.cmake")
else()
  add_test(brindle_tests_NOT_BUILT brindle_tests_NOT_BUILT)
endif()
