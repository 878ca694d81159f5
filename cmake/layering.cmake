# The layering the build enforces: no file outside a win32/ folder includes a Windows header.
# Included by the top CMakeLists.txt (after tips.cmake), it checks once while configuring and adds a
# build step that checks again whenever a portable file changes; every target built with tips_options
# waits for that step. Run as a script (cmake -DROOT=<source> -DSTAMP=<file> -P layering.cmake) it is
# that step.

set(TIPS_WINDOWS_HEADERS windows winuser wingdi commctrl shellapi winspool commdlg windowsx imm)
set(TIPS_CODE_FOLDERS src tests cli fuzz bench assets)

# The C and C++ sources, headers and resource scripts of the code folders, outside any win32/ folder,
# relative to `root`.
function(tips_portable_files root out)
  set(patterns)
  foreach(folder IN LISTS TIPS_CODE_FOLDERS)
    foreach(ending IN ITEMS c cc cpp cxx h hh hpp hxx inl ipp rc)
      list(APPEND patterns ${root}/${folder}/*.${ending})
    endforeach()
  endforeach()
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${root} ${patterns})
  list(FILTER files EXCLUDE REGEX "(^|/)win32/")
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# Fails with the list of offending lines. Names are compared in lower case (Windows.h, WINUSER.H) and
# may carry a directory part.
function(tips_check_layering root)
  tips_portable_files(${root} files)
  string(JOIN "|" names ${TIPS_WINDOWS_HEADERS})
  set(found "")
  foreach(file IN LISTS files)
    file(STRINGS ${root}/${file} lines REGEX "^[ \t]*#[ \t]*[Ii][Nn][Cc][Ll][Uu][Dd][Ee]")
    foreach(line IN LISTS lines)
      string(TOLOWER "${line}" lowered)
      if(lowered MATCHES "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*[/\\\\])?(${names})\\.h[>\"]")
        string(APPEND found "\n  ${file}: ${line}")
      endif()
    endforeach()
  endforeach()
  if(found)
    message(FATAL_ERROR "Only files in a win32/ folder may include Windows headers; these do:${found}")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  tips_check_layering(${ROOT})
  file(TOUCH ${STAMP})
else()
  tips_check_layering(${CMAKE_SOURCE_DIR})
  tips_portable_files(${CMAKE_SOURCE_DIR} tips_portable)
  list(TRANSFORM tips_portable PREPEND ${CMAKE_SOURCE_DIR}/)
  set(stamp ${CMAKE_BINARY_DIR}/layering.stamp)
  add_custom_command(OUTPUT ${stamp}
                     COMMAND ${CMAKE_COMMAND} -DROOT=${CMAKE_SOURCE_DIR} -DSTAMP=${stamp} -P ${CMAKE_CURRENT_LIST_FILE}
                     DEPENDS ${tips_portable} ${CMAKE_CURRENT_LIST_FILE}
                     COMMENT "Checking that only win32/ folders include Windows headers" VERBATIM)
  add_custom_target(tips_layering DEPENDS ${stamp})
  add_dependencies(tips_options tips_layering)
endif()
