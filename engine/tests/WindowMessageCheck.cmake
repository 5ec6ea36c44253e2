# Run by CTest: the engine names no window message and no window handle; the
# run host's contract (RunHost.h) is the one place that speaks of them, since
# the application's wait pumps messages. Fails naming every file and line.
file(GLOB_RECURSE files ${ENGINE_DIR}/include/*.h ${ENGINE_DIR}/src/*.h ${ENGINE_DIR}/src/*.cpp)
set(words "WM_[A-Z_]+|HWND|MSG|LRESULT|WPARAM|LPARAM|WNDPROC"
          "|(Post|Send|Peek|Get|Dispatch|Translate|PostThread|PostQuit|SendNotify|Reply"
          "|BroadcastSystem|RegisterWindow)Message"
          "|MsgWaitForMultipleObjects|QS_[A-Z]+|PM_[A-Z]+|SetTimer|KillTimer"
          "|FindWindow[A-Za-z]*|GetDesktopWindow|GetForegroundWindow|WaitForInputIdle")
string(REPLACE ";" "" words "${words}")
set(pattern "(^|[^A-Za-z0-9_])(${words})")
set(found "")
foreach(file IN LISTS files)
  get_filename_component(name ${file} NAME)
  if(name STREQUAL "RunHost.h")
    continue()
  endif()
  file(STRINGS ${file} lines REGEX "${pattern}")
  foreach(line IN LISTS lines)
    string(REGEX MATCH "${pattern}" hit "${line}")
    string(REGEX REPLACE "^[^A-Za-z_]" "" hit "${hit}")
    file(RELATIVE_PATH relative ${ENGINE_DIR} ${file})
    string(STRIP "${line}" line)
    string(APPEND found "\n  engine/${relative}: ${hit}  (${line})")
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "the engine uses window messages or handles outside RunHost.h:${found}")
endif()
message(STATUS "the engine names no window message outside RunHost.h")
