# Run at build time by velm_check_includes: fails when a file of LISTING includes a
# header of a layer in PATTERN ("engine|common|..."), naming both layers.
set(bad "")
file(STRINGS "${LISTING}" files)
foreach(file IN LISTS files)
  file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<](${PATTERN})/")
  foreach(line IN LISTS lines)
    string(REGEX MATCH "[\"<](${PATTERN})/" layer "${line}")
    string(REGEX REPLACE "[\"</]" "" layer "${layer}")
    string(APPEND bad "\n  ${file}: ${line}  ('${LIB}' uses '${layer}')")
  endforeach()
endforeach()
if(bad)
  message(FATAL_ERROR "layering: '${LIB}' includes headers of layers that do not stand "
                      "below it:${bad}")
endif()
file(TOUCH "${STAMP}")
