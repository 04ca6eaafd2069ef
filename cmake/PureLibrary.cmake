# pecunex_pure_library(NAME SOURCES ... LIBS ...): a pure core library, one that neither
# includes nor links Qt. With the tests, it also gets the test NAME_links_without_qt: its
# sources include no Qt header, it links no Qt library, and a program holding every object
# of the library (NAME_alone) links and loads no Qt library.
function(pecunex_pure_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  if(ARG_LIBS)
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  endif()
  if(PECUNEX_FUZZ)
    return()
  endif()

  set(main "${CMAKE_CURRENT_BINARY_DIR}/${name}_alone.cpp")
  file(CONFIGURE OUTPUT "${main}" CONTENT "int main() { return 0; }\n")
  add_executable(${name}_alone "${main}")
  target_link_libraries(${name}_alone PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${name}>")
  add_test(NAME ${name}_links_without_qt
    COMMAND ${CMAKE_COMMAND}
      "-DLINK_LIBS=$<JOIN:$<TARGET_PROPERTY:${name},LINK_LIBRARIES>,|>|$<JOIN:$<TARGET_PROPERTY:${name},INTERFACE_LINK_LIBRARIES>,|>"
      "-DSOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR}"
      "-DPROGRAM=$<TARGET_FILE:${name}_alone>"
      -P ${PROJECT_SOURCE_DIR}/tests/common/check_no_qt.cmake)
endfunction()
