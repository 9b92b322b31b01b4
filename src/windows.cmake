# The Windows half: the platform library over Win32 and the updater itself,
# with its resources and the payloads packed at build time.
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

add_library(updater_app STATIC
  shell/ReadGameDirectory_win.cpp
  update/RunUpdate_win.cpp
  window/Form1_win.cpp
  window/PaintBanner_win.cpp)
target_link_libraries(updater_app PUBLIC shell_core window_core update_core platform_win)

include(${PROJECT_SOURCE_DIR}/resources/payloads.cmake)

# An updater executable carrying the given resource script.
function(add_updater name resource_script)
  add_executable(${name} WIN32 shell/main_win.cpp shell/Terminate_win.cpp ${resource_script})
  target_link_libraries(${name} PRIVATE updater_app)
  target_link_options(${name} PRIVATE -static -s -Wl,--gc-sections)
endfunction()

add_updater(updater ${UPDATER_RESOURCE_SCRIPT})
# The update benchmark carries the same payloads.
add_library(updater_resources OBJECT ${UPDATER_RESOURCE_SCRIPT})
set_target_properties(updater PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${UPDATER_BIN_DIR})

add_updater(updater-no-exe2 ${UPDATER_NO_EXE2_RESOURCE_SCRIPT})
add_updater(updater-short-payload ${UPDATER_SHORT_PAYLOAD_RESOURCE_SCRIPT})
set_target_properties(updater-no-exe2 updater-short-payload PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/test-updaters)
