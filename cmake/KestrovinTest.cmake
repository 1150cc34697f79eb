# One helper registers every test program with ctest.
#   kestrovin_test(NAME name SOURCES ... LIBS ... [QT])
# QT tests run on the offscreen platform; all tests see KESTROVIN_SHARED_DATA.
find_package(GTest REQUIRED)

function(kestrovin_test)
  cmake_parse_arguments(T "QT" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  if(T_QT)
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} Qt6::Test)
    set_target_properties(${T_NAME} PROPERTIES AUTOMOC ON)
  else()
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main)
  endif()
  target_include_directories(${T_NAME} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KESTROVIN_SHARED_DATA=${KESTROVIN_SHARED_DATA}"
    TIMEOUT 300)
endfunction()
