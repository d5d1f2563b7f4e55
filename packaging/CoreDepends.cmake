# Included by cpack once per generator. The core libraries travel inside the program as
# data, so what they link against is invisible in the program itself: for the Debian
# package their own dependencies are computed here; CPack adds those of the program.
if(NOT CPACK_GENERATOR STREQUAL "DEB" OR NOT EXISTS "${CPACK_QUORVI_CORE_LIST}")
  return()
endif()

file(STRINGS "${CPACK_QUORVI_CORE_LIST}" core_libraries)
if(NOT core_libraries)
  return()
endif()
foreach(library IN LISTS core_libraries)
  if(NOT EXISTS "${library}")
    message(FATAL_ERROR "core library ${library} is not built yet")
  endif()
endforeach()

# dpkg-shlibdeps insists on a debian/control in its working directory.
set(work "${CPACK_PACKAGE_DIRECTORY}/_CPack_Packages/core-depends")
file(MAKE_DIRECTORY "${work}/debian")
file(WRITE "${work}/debian/control" "")
execute_process(COMMAND dpkg-shlibdeps -O ${core_libraries}
                WORKING_DIRECTORY "${work}"
                OUTPUT_VARIABLE output
                ERROR_VARIABLE error
                RESULT_VARIABLE result
                OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "dpkg-shlibdeps failed for the core libraries: ${error}")
endif()
string(REGEX REPLACE "^shlibs:Depends=" "" CPACK_DEBIAN_PACKAGE_DEPENDS "${output}")
