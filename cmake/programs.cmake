# The programs around the product, tests, benchmarks, fuzz targets and tools,
# are all set up here, so that each of them is one line where it lives.

# tovrel_add_program(NAME SOURCES source... LIBRARIES library... [TEST_SUPPORT])
# TEST_SUPPORT puts tests/ on the include path, for the shared helpers in
# tests/support (the recording desktop, scratch folders, ...).
function(tovrel_add_program name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "TEST_SUPPORT" "" "SOURCES;LIBRARIES")
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBRARIES})
  if(arg_TEST_SUPPORT)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  endif()
endfunction()

# tovrel_add_test(NAME source... [LIBRARIES library...])
# The name says the kind: test_* is GoogleTest on the core, each test case a
# CTest test of its own; tst_* is QtTest on the windows, run headless.
function(tovrel_add_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LIBRARIES")
  if(name MATCHES "^test_")
    tovrel_add_program(${name} TEST_SUPPORT SOURCES ${arg_UNPARSED_ARGUMENTS}
                       LIBRARIES tovrel_core GTest::gtest GTest::gtest_main ${arg_LIBRARIES})
    gtest_discover_tests(${name})
  elseif(name MATCHES "^tst_")
    tovrel_add_program(${name} TEST_SUPPORT SOURCES ${arg_UNPARSED_ARGUMENTS}
                       LIBRARIES tovrel_ui Qt6::Test ${arg_LIBRARIES})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  else()
    message(FATAL_ERROR "tovrel_add_test: ${name} starts with neither test_ (GoogleTest) nor tst_ (QtTest)")
  endif()
endfunction()
