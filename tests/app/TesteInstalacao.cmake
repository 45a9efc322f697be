# cmake --install into a scratch prefix puts the program, its desktop entry, its icon and
# the thumbnailer where desktops look for them, and the entry is valid.
set(prefixo "${PASTA}/instalado")
file(REMOVE_RECURSE "${prefixo}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${prefixo}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
foreach(arquivo bin/VistrelDXF bin/dxfsnap share/applications/VistrelDXF.desktop
                share/icons/hicolor/scalable/apps/vistreldxf.svg
                share/thumbnailers/vistreldxf.thumbnailer)
    if(NOT EXISTS "${prefixo}/${arquivo}")
        message(FATAL_ERROR "not installed: ${arquivo}")
    endif()
endforeach()
execute_process(COMMAND desktop-file-validate "${prefixo}/share/applications/VistrelDXF.desktop"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate refuses the desktop entry")
endif()
