# One Qt Test executable per folder; each test file (tst_*.cpp) is one CTest test,
# run by its file name so the classes of a folder run in parallel.
function(varnholt_test_folder name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  set(exe tests_${name})
  add_executable(${exe} ${sources})
  target_link_libraries(${exe} PRIVATE test_common ${ARG_LIBS})
  file(GLOB test_files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
  foreach(file ${test_files})
    get_filename_component(case ${file} NAME_WE)
    add_test(NAME ${name}.${case} COMMAND ${exe} ${case})
    set_tests_properties(${name}.${case} PROPERTIES
      TIMEOUT 120
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VARNHOLT_DRY_RUN=1")
  endforeach()
endfunction()
