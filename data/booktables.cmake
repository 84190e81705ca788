# Writes the names of the tables data/schema.sql creates, in its order, as a
# list of string literals for a C++ initializer: the one list of the books'
# tables, so no second copy can drift from the schema.
# cmake -DSCHEMA=<schema.sql> -DOUTPUT=<file> -P booktables.cmake
file(STRINGS ${SCHEMA} lines ENCODING UTF-8 REGEX "^CREATE TABLE ")
set(body "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^CREATE TABLE ([^ (]+).*" "\\1" table "${line}")
  string(APPEND body "QStringLiteral(\"${table}\"),\n")
endforeach()
file(WRITE ${OUTPUT}.new "${body}")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
