# Writes the indexes data/schema.sql creates, in its order, as pairs of name
# and statement for a C++ initializer: the upgrade brings an older book to
# exactly these, so no second copy can drift from the schema.
# cmake -DSCHEMA=<schema.sql> -DOUTPUT=<file> -P schemaindexes.cmake
file(STRINGS ${SCHEMA} lines ENCODING UTF-8 REGEX "^CREATE INDEX ")
set(body "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^CREATE INDEX ([^ ]+) .*" "\\1" name "${line}")
  # The text SQLite keeps for the index: the statement without its semicolon.
  string(REGEX REPLACE " *;[ \t]*$" "" statement "${line}")
  string(REPLACE "\\" "\\\\" statement "${statement}")
  string(REPLACE "\"" "\\\"" statement "${statement}")
  string(APPEND body "{QStringLiteral(\"${name}\"), QStringLiteral(\"${statement}\")},\n")
endforeach()
file(WRITE ${OUTPUT}.new "${body}")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
