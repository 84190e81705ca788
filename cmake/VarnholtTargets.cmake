# A folder's static library from the sources it lists; its folder is on the
# include path of whoever links it.
function(varnholt_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;PRIVATE_DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
endfunction()

# A sanitizer report ends the test that caused it, with its stack; leaks are
# not checked (Qt keeps allocations until exit on purpose).
set(VARNHOLT_TEST_ENVIRONMENT QT_QPA_PLATFORM=offscreen VARNHOLT_DRY_RUN=1)
set(VARNHOLT_TEST_TIMEOUT 120)
if(VARNHOLT_SANITIZE)
  list(APPEND VARNHOLT_TEST_ENVIRONMENT
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
    ASAN_OPTIONS=halt_on_error=1:detect_leaks=0)
  set(VARNHOLT_TEST_TIMEOUT 600)
endif()

# One Qt Test executable per folder; each test file (tst_*.cpp) among its
# sources is one CTest test, run by its file name so the classes of a folder
# run in parallel. An X11 folder brings its own main() and runs each test
# under an X server of its own, started by the folder's with-xvfb script.
function(varnholt_test_folder name)
  cmake_parse_arguments(ARG "X11" "" "SOURCES;LIBS" ${ARGN})
  set(exe tests_${name})
  add_executable(${exe} ${ARG_SOURCES})
  target_link_libraries(${exe} PRIVATE test_common ${ARG_LIBS})
  set(launcher)
  if(ARG_X11)
    set(launcher ${CMAKE_CURRENT_SOURCE_DIR}/with-xvfb)
  else()
    target_link_libraries(${exe} PRIVATE test_main)
  endif()
  foreach(file ${ARG_SOURCES})
    get_filename_component(case ${file} NAME_WE)
    if(NOT case MATCHES "^tst_")
      continue()
    endif()
    add_test(NAME ${name}.${case} COMMAND ${launcher} $<TARGET_FILE:${exe}> ${case})
    set_tests_properties(${name}.${case} PROPERTIES
      TIMEOUT ${VARNHOLT_TEST_TIMEOUT}
      ENVIRONMENT "${VARNHOLT_TEST_ENVIRONMENT}")
  endforeach()
endfunction()

# Writes OUTPUT in the target's build folder from data/schema.sql with the
# data/SCRIPT listing, so the schema stays the one place a table or index is named.
function(varnholt_schema_listing target script output comment)
  add_custom_command(
    OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${output}
    COMMAND ${CMAKE_COMMAND} -DSCHEMA=${PROJECT_SOURCE_DIR}/data/schema.sql
            -DOUTPUT=${CMAKE_CURRENT_BINARY_DIR}/${output} -P ${PROJECT_SOURCE_DIR}/data/${script}
    DEPENDS ${PROJECT_SOURCE_DIR}/data/schema.sql ${PROJECT_SOURCE_DIR}/data/${script}
    COMMENT "${comment}")
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
