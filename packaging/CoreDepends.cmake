# Included by cpack once per generator. The core libraries travel inside the program as
# data, so dpkg-shlibdeps cannot see what they link against in the program itself. For
# the Debian package this adds what the cores need beyond what CPack finds for the
# program, so no package is listed twice.
if(NOT CPACK_GENERATOR STREQUAL "DEB" OR NOT EXISTS "${CPACK_QUORVI_SHLIBDEPS_INPUTS}")
  return()
endif()
include("${CPACK_QUORVI_SHLIBDEPS_INPUTS}") # sets quorvi_program and quorvi_cores
foreach(file IN LISTS quorvi_program quorvi_cores)
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "${file} is not built yet")
  endif()
endforeach()

# dpkg-shlibdeps insists on a debian/control in its working directory.
set(work "${CPACK_PACKAGE_DIRECTORY}/_CPack_Packages/core-depends")
file(MAKE_DIRECTORY "${work}/debian")
file(WRITE "${work}/debian/control" "")

function(shlib_depends out)
  execute_process(COMMAND dpkg-shlibdeps -O ${ARGN}
                  WORKING_DIRECTORY "${work}"
                  OUTPUT_VARIABLE output
                  ERROR_VARIABLE error
                  RESULT_VARIABLE result
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "dpkg-shlibdeps ${ARGN}: ${error}")
  endif()
  string(REGEX REPLACE "^shlibs:Depends=" "" output "${output}")
  string(REPLACE ", " ";" output "${output}")
  set(${out} "${output}" PARENT_SCOPE)
endfunction()

shlib_depends(together ${quorvi_program} ${quorvi_cores})
shlib_depends(program_alone ${quorvi_program})
list(REMOVE_ITEM together ${program_alone})
list(JOIN together ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
