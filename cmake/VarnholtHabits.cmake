# `format` lays out every C++ file of the repository as .clang-format says,
# `format-check` fails when one differs; `tidy` runs .clang-tidy's checks over
# the compiled sources (not the generated ones of the build folder).
find_program(CLANG_FORMAT clang-format REQUIRED)
find_program(RUN_CLANG_TIDY run-clang-tidy REQUIRED)
set(varnholt_cxx_files "git ls-files -z -- '*.cpp' '*.h' | xargs -0")
add_custom_target(format
  COMMAND sh -c "${varnholt_cxx_files} ${CLANG_FORMAT} -i"
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} VERBATIM)
add_custom_target(format-check
  COMMAND sh -c "${varnholt_cxx_files} ${CLANG_FORMAT} --dry-run --Werror"
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} VERBATIM)
add_custom_target(tidy
  COMMAND ${RUN_CLANG_TIDY} -quiet -p ${CMAKE_BINARY_DIR} "^(?!${CMAKE_BINARY_DIR}/)${CMAKE_SOURCE_DIR}/"
  VERBATIM)
