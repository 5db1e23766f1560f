# ldr_add_room(TARGET DIR [BELOW...]): a static library of every .cpp below
# DIR, linked to the libraries BELOW it (and nothing else). A room that holds
# headers only is an interface library that passes its links on.
# Sources are globbed so that adding a class is adding its file pair.
function(ldr_add_room target dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  if(NOT sources)
    add_library(${target} INTERFACE)
    target_link_libraries(${target} INTERFACE ${ARGN})
    return()
  endif()
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${ARGN})
  set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
endfunction()

# ldr_add_test_suite(NAME DIR): one GoogleTest executable of every .cpp in
# tests/DIR, registered with CTest test by test.
function(ldr_add_test_suite name dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE CvLdLdr1 ldr_headless ldr_testsupport GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE LDR_BINARY_DIR="${CMAKE_BINARY_DIR}"
                                             LDR_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "LDR_BINARY_DIR=${CMAKE_BINARY_DIR}")
endfunction()
