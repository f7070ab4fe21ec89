# SPDX-License-Identifier: GPL-3.0-or-later
# What the Windows programs need beside them to start: the Qt and MinGW
# runtime libraries and Qt's plugins. Copied into the build's bin/ so the
# programs and tests run from there (under Wine too), and installed with
# the programs for the zip and the installer.

set(_qt_modules Core Gui Widgets SerialPort Concurrent)
set(J3K_RUNTIME_DLLS)
foreach(_module IN LISTS _qt_modules)
  list(APPEND J3K_RUNTIME_DLLS "$<TARGET_FILE:Qt6::${_module}>")
endforeach()
foreach(_dll libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${_dll}
                  OUTPUT_VARIABLE _path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${_path}" OR NOT EXISTS "${_path}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${_dll} is")
  endif()
  get_filename_component(_path "${_path}" REALPATH)
  list(APPEND J3K_RUNTIME_DLLS "${_path}")
endforeach()

# The windows platform shows the window; offscreen runs the tests without a
# display; the Vista style is what Windows users expect to see.
set(_platforms "$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>")
set(_styles "$<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>")

set(_bin "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
add_custom_target(windows_runtime ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory "${_bin}/platforms" "${_bin}/styles"
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${J3K_RUNTIME_DLLS} "$<TARGET_FILE:Qt6::Test>" "${_bin}"
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_platforms} "$<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin>"
          "${_bin}/platforms"
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_styles} "${_bin}/styles"
  VERBATIM COMMAND_EXPAND_LISTS)

install(FILES ${J3K_RUNTIME_DLLS} DESTINATION .)
install(FILES ${_platforms} DESTINATION platforms)
install(FILES ${_styles} DESTINATION styles)

# The application icon, made from the window's own PNG, and the version
# information, on both programs.
find_program(J3K_ICOTOOL icotool REQUIRED)
set(_ico "${CMAKE_BINARY_DIR}/j3k-editor.ico")
set(_png "${PROJECT_SOURCE_DIR}/src/app/images/app.png")
add_custom_command(OUTPUT "${_ico}" COMMAND ${J3K_ICOTOOL} -c -o "${_ico}" "${_png}" DEPENDS "${_png}" VERBATIM)
add_custom_target(windows_icon DEPENDS "${_ico}")
foreach(_program IN ITEMS j3k-editor j3kctl j3kctl-sheet)
  set(J3K_RC_NAME ${_program})
  set(J3K_RC_ICON "${_ico}")
  if(_program STREQUAL "j3kctl")
    set(J3K_RC_DESCRIPTION "J3K&J3LM parameter files and transmitter from the command line")
  elseif(_program STREQUAL "j3kctl-sheet")
    set(J3K_RC_DESCRIPTION "J3K&J3LM setup sheets for j3kctl")
  else()
    set(J3K_RC_DESCRIPTION "J3K&J3LM parameter editor")
  endif()
  set(_rc "${CMAKE_BINARY_DIR}/${_program}.rc")
  configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/version.rc.in" "${_rc}" @ONLY)
  set_source_files_properties("${_rc}" PROPERTIES OBJECT_DEPENDS "${_ico}")
  target_sources(${_program} PRIVATE "${_rc}")
  add_dependencies(${_program} windows_icon)
endforeach()
