# The Windows half: the platform library over Win32 and the updater itself.
add_library(platform_win STATIC
  platform/Application_win.cpp
  platform/Controls_win.cpp
  platform/Dialogs_win.cpp
  platform/FileStreams_win.cpp
  platform/Forms_win.cpp
  platform/Graphics_win.cpp
  platform/Registry_win.cpp
  platform/Wide_win.cpp)
target_link_libraries(platform_win PUBLIC platform_core)
target_compile_definitions(platform_win PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX)

add_executable(updater WIN32
  shell/main_win.cpp
  shell/ReadGameDirectory_win.cpp
  update/RunUpdate_win.cpp
  window/Form1_win.cpp
  window/PaintBanner_win.cpp
  ${UPDATER_RESOURCE_FILE})
target_link_libraries(updater PRIVATE shell_core window_core update_core platform_win)
target_link_options(updater PRIVATE -static -s)
set_target_properties(updater PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${UPDATER_BIN_DIR})
