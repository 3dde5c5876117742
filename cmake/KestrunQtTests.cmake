# SPDX-License-Identifier: MIT
# kestrun_add_qt_tests(LIBRARIES lib...)
# Every tst_<name>.cpp in the calling folder becomes one Qt Test executable that links
# the given libraries and runs on the offscreen platform.
function(kestrun_add_qt_tests)
  cmake_parse_arguments(ARG "" "" "LIBRARIES" ${ARGN})
  file(GLOB test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
  foreach(source IN LISTS test_sources)
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
      TIMEOUT 300)
  endforeach()
endfunction()
