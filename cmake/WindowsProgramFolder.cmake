# The program folder on Windows: every program of the build goes to bin/, and beside them what the
# window program needs to start on a Windows without Qt (there is no windeployqt for the MinGW Qt):
# the Qt DLLs and plugins it loads, the MinGW runtime DLLs, Qt's Japanese standard texts, a qt.conf
# that keeps Qt's own files inside this folder, and the drawing template.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set(MIROTA_PROGRAM_FOLDER ${CMAKE_BINARY_DIR}/bin)

function(mirota_windows_program_folder)
  set(qt_prefix ${QT6_INSTALL_PREFIX})
  set(files)
  foreach(module Core Gui Widgets Svg SvgWidgets PrintSupport Network Test)
    list(APPEND files "$<TARGET_FILE:Qt6::${module}>|.")
  endforeach()
  # platforms: windows for the user, offscreen for the tests without a display.
  foreach(plugin platforms/qwindows platforms/qoffscreen styles/qwindowsvistastyle imageformats/qsvg
                 iconengines/qsvgicon)
    get_filename_component(sub ${plugin} DIRECTORY)
    list(APPEND files "${qt_prefix}/${QT6_INSTALL_PLUGINS}/${plugin}.dll|${sub}")
  endforeach()
  # MinGW's runtime DLLs go in without their debugging symbols (libstdc++ shrinks from 24 MB to 2 MB).
  get_filename_component(compiler_folder ${CMAKE_CXX_COMPILER} DIRECTORY)
  set(runtime_dlls)
  if(MINGW)
    set(runtimes libstdc++-6 libgcc_s_seh-1 libwinpthread-1)
  endif()
  foreach(runtime ${runtimes})
    find_file(MIROTA_RUNTIME_${runtime} ${runtime}.dll
      PATHS ${qt_prefix}/${QT6_INSTALL_BINS} ${compiler_folder} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    if(NOT MIROTA_RUNTIME_${runtime})
      message(FATAL_ERROR "${runtime}.dll not found beside Qt or the compiler")
    endif()
    add_custom_command(OUTPUT ${MIROTA_PROGRAM_FOLDER}/${runtime}.dll
      COMMAND ${CMAKE_STRIP} --strip-unneeded -o ${MIROTA_PROGRAM_FOLDER}/${runtime}.dll ${MIROTA_RUNTIME_${runtime}}
      DEPENDS ${MIROTA_RUNTIME_${runtime}} VERBATIM)
    list(APPEND runtime_dlls ${MIROTA_PROGRAM_FOLDER}/${runtime}.dll)
  endforeach()
  # Japanese texts of Qt's standard buttons: from Qt's translations, else from the host's Qt of the same
  # version (the MinGW Qt archive has none).
  find_file(MIROTA_QTBASE_JA qtbase_ja.qm
    PATHS ${qt_prefix}/${QT6_INSTALL_TRANSLATIONS} /usr/share/qt6/translations NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(MIROTA_QTBASE_JA)
    list(APPEND files "${MIROTA_QTBASE_JA}|translations")
  endif()

  set(commands)
  foreach(entry ${files})
    string(REPLACE "|" ";" entry "${entry}")
    list(GET entry 0 source)
    list(GET entry 1 sub)
    list(APPEND commands COMMAND ${CMAKE_COMMAND} -E make_directory ${MIROTA_PROGRAM_FOLDER}/${sub}
                         COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source} ${MIROTA_PROGRAM_FOLDER}/${sub})
  endforeach()
  add_custom_target(windows_program_folder ALL ${commands} DEPENDS ${runtime_dlls}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${PROJECT_SOURCE_DIR}/cmake/qt.conf ${MIROTA_PROGRAM_FOLDER}
    COMMENT "Putting the Qt and runtime DLLs beside the programs" VERBATIM)

  # The drawing template, written by mirota-cli: by a native build's when there is one (no wine needed).
  if(MIROTA_NATIVE_CLI)
    set(template_writer ${MIROTA_NATIVE_CLI})
  else()
    set(template_writer ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:mirota-cli>)
  endif()
  add_custom_command(OUTPUT ${MIROTA_PROGRAM_FOLDER}/vorn.dxf
    COMMAND ${template_writer} template -o ${MIROTA_PROGRAM_FOLDER}/vorn.dxf
    DEPENDS mirota-cli COMMENT "Writing the drawing template vorn.dxf" VERBATIM)
  add_custom_target(windows_drawing_template ALL DEPENDS ${MIROTA_PROGRAM_FOLDER}/vorn.dxf)
endfunction()
