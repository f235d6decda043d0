# kestrova_framework: the component framework over Win32 (Windows build only).
if(WIN32)
  file(GLOB framework_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
  add_library(kestrova_framework STATIC ${framework_sources})
  target_link_libraries(kestrova_framework PUBLIC kestrova_common PRIVATE kestrova_png kestrova_bmp
                        PUBLIC gdi32 user32 msimg32 comctl32)
endif()
