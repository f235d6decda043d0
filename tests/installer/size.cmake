# The stub as it will ship once it carries every built-in skin picture: the
# same program linked with all five styles' pictures. scripts/tests.d/stub-size
# weighs it against the 1 MiB goal.
if(WIN32)
  add_executable(stub_with_pictures WIN32 ${CMAKE_SOURCE_DIR}/installer/main.cpp
    $<TARGET_OBJECTS:kestrova_skin_pictures>)
  target_link_libraries(stub_with_pictures PRIVATE kestrova_installer_window
    kestrova_installer_resources)
endif()
