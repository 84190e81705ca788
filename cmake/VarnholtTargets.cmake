# One Qt Test executable per folder; each test file (tst_*.cpp) is one CTest test,
# run by its file name so the classes of a folder run in parallel.
function(varnholt_test_folder name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB test_files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
  if(NOT test_files)
    return()
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  set(exe tests_${name})
  add_executable(${exe} ${sources})
  target_link_libraries(${exe} PRIVATE test_common ${ARG_LIBS})
  foreach(file ${test_files})
    get_filename_component(case ${file} NAME_WE)
    add_test(NAME ${name}.${case} COMMAND ${exe} ${case})
    set_tests_properties(${name}.${case} PROPERTIES
      TIMEOUT 120
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VARNHOLT_DRY_RUN=1")
  endforeach()
endfunction()

# A folder's static library from the sources it holds; a folder that holds
# none yet defines nothing.
function(varnholt_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT sources)
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()
