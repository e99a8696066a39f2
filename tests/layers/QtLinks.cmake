# Every way a core target could link Qt is seen as Qt; other libraries are not.
# Usage: cmake -P QtLinks.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/QtLibraries.cmake)

set(planted_qt Qt6::Core Qt6::Widgets Qt6Gui Qt5Core /usr/lib/x86_64-linux-gnu/libQt6Core.so.6
    /opt/qt/lib/libQt6Network.a -lQt6Widgets /usr/lib/x86_64-linux-gnu/libQt6Gui.so)
set(not_qt jpeg JPEG::JPEG /usr/lib/x86_64-linux-gnu/libjpeg.so.62 -lgif OpenSSL::SSL libsecret-1 Threads::Threads
    /usr/lib/libQuote.so palimora_common)
set(wrong "")
foreach(lib ${planted_qt})
  palimora_is_qt_library("${lib}" is_qt)
  if(NOT is_qt)
    list(APPEND wrong "not seen as Qt: ${lib}")
  endif()
endforeach()
foreach(lib ${not_qt})
  palimora_is_qt_library("${lib}" is_qt)
  if(is_qt)
    list(APPEND wrong "seen as Qt: ${lib}")
  endif()
endforeach()
if(wrong)
  list(JOIN wrong "\n  " report)
  message(FATAL_ERROR "${report}")
endif()
