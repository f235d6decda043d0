# kestrova_include_parts(): includes every *.cmake file of the current source
# folder, and adds every subfolder that has a CMakeLists.txt. Folders shared
# by several families (skin/, tools/, tests/, bench/, fuzz/, resources/) list
# their targets this way, one part file or subfolder per family.
function(kestrova_include_parts)
  file(GLOB parts CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cmake)
  foreach(part ${parts})
    include(${part})
  endforeach()
  file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(child ${children})
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
