# Fails when a file of the core includes a Qt header.
file(GLOB_RECURSE files ${ROOT}/records/* ${ROOT}/engine/* ${ROOT}/rules/* ${ROOT}/model/* ${ROOT}/computer/* ${ROOT}/play/*)
foreach(f ${files})
  file(STRINGS ${f} hits REGEX "#include[ \t]*[<\"]Q")
  if(hits)
    message(FATAL_ERROR "Qt header in the core: ${f}: ${hits}")
  endif()
endforeach()
message(STATUS "core is free of Qt: ${ROOT}")
