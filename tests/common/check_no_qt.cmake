# Fails when the pure core library depends on Qt in any way we can see.
#   LINK_LIBS   the library's own and interface link libraries, separated by |
#   SOURCE_DIR  its source folder
#   PROGRAM     a program linked from the library alone

string(REPLACE "|" ";" libs "${LINK_LIBS}")
foreach(lib IN LISTS libs)
  if(lib MATCHES "Qt")
    message(FATAL_ERROR "the library links ${lib}")
  endif()
endforeach()

file(GLOB sources "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
if(NOT sources)
  message(FATAL_ERROR "no sources found in ${SOURCE_DIR}")
endif()
foreach(source IN LISTS sources)
  # Qt's headers: QString, QtCore/..., qtconfig.h; not our own QifReader.h.
  file(STRINGS "${source}" qtIncludes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Z]|Qt|qt)")
  if(qtIncludes)
    message(FATAL_ERROR "${source} includes Qt: ${qtIncludes}")
  endif()
endforeach()

file(GET_RUNTIME_DEPENDENCIES
  EXECUTABLES "${PROGRAM}"
  RESOLVED_DEPENDENCIES_VAR resolved
  UNRESOLVED_DEPENDENCIES_VAR unresolved)
list(LENGTH resolved count)
if(count EQUAL 0)
  message(FATAL_ERROR "could not list the libraries ${PROGRAM} loads")
endif()
foreach(dependency IN LISTS resolved unresolved)
  if(dependency MATCHES "libQt")
    message(FATAL_ERROR "${PROGRAM} loads ${dependency}")
  endif()
endforeach()
message(STATUS "${count} libraries loaded, none of them Qt")
