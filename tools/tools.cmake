# Every folder under tools/ with a CMakeLists.txt is one development tool.
file(GLOB PETALGAME_TOOL_LISTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*/CMakeLists.txt)
foreach(list ${PETALGAME_TOOL_LISTS})
  get_filename_component(dir ${list} DIRECTORY)
  add_subdirectory(${dir})
endforeach()
