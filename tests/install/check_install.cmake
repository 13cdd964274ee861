# Installs the build into a scratch prefix and checks the tree a Linux desktop
# expects; the validators run where they are installed (tools/setup test does).
#   cmake -DBUILD=... -DPREFIX=... -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()

set(id io.github.kelmorx.MapEditor)
set(expected
  bin/kelmor-edit
  share/man/man1/kelmor-edit.1.gz
  share/doc/kelmor-edit/copyright
  share/doc/kelmor-edit/changelog.gz
  share/thumbnailers/kelmor-edit.thumbnailer
  share/applications/${id}.desktop
  share/metainfo/${id}.metainfo.xml
  share/mime/packages/${id}.xml
  share/kelmor-edit/samples/kelmor.cnf
  share/kelmor-edit/samples/kelmor.bmp)
foreach(size 16 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${id}.png)
endforeach()
foreach(f ${expected})
  if(NOT EXISTS ${PREFIX}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

file(READ ${PREFIX}/share/applications/${id}.desktop desktop)
if(NOT desktop MATCHES "\nExec=kelmor-edit %f\n")
  message(FATAL_ERROR "the desktop entry does not start kelmor-edit %f")
endif()

# The thumbnailer calls the installed program for the level file's type.
file(READ ${PREFIX}/share/thumbnailers/kelmor-edit.thumbnailer thumbnailer)
file(READ ${PREFIX}/share/mime/packages/${id}.xml mime)
string(REGEX MATCH "mime-type type=\"([^\"]+)\"" found "${mime}")
if(NOT thumbnailer MATCHES "\nExec=kelmor-edit --thumbnail %i %o %s --force\n" OR
   NOT thumbnailer MATCHES "\nMimeType=${CMAKE_MATCH_1};\n")
  message(FATAL_ERROR "the thumbnailer entry does not call kelmor-edit --thumbnail for ${CMAKE_MATCH_1}")
endif()

# The manual page renders, with every option in it.
find_program(MAN man)
if(MAN)
  execute_process(COMMAND ${MAN} -l ${PREFIX}/share/man/man1/kelmor-edit.1.gz RESULT_VARIABLE failed
                  OUTPUT_VARIABLE page ERROR_VARIABLE problems)
  if(failed OR problems)
    message(FATAL_ERROR "man -l does not render the manual page:\n${problems}")
  endif()
  foreach(option --list --check --diff --textconv --merge --help --version Ctrl+G --export-png --export-sheet --thumbnail --scale --grid
                 --codes --marker --columns --maps --force)
    string(FIND "${page}" "${option}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "the manual page does not name ${option}")
    endif()
  endforeach()
else()
  message(WARNING "the manual page is not rendered: man is missing")
endif()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
foreach(check "${DESKTOP_FILE_VALIDATE};${PREFIX}/share/applications/${id}.desktop"
              "${APPSTREAMCLI};validate;--no-net;${PREFIX}/share/metainfo/${id}.metainfo.xml")
  list(GET check 0 tool)
  if(NOT tool)
    message(WARNING "not validated, the tool is missing: ${check}")
    continue()
  endif()
  execute_process(COMMAND ${check} RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(failed)
    message(FATAL_ERROR "${tool} refused the installed file:\n${out}")
  endif()
endforeach()
message(STATUS "installed tree in ${PREFIX} is complete and valid")
