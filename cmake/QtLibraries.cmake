# Sets `out` to TRUE when `lib`, as a target links it, is a part of Qt:
# by target name (Qt6::Core, Qt6Core), by file path
# (/usr/lib/x86_64-linux-gnu/libQt6Core.so.6) or as a linker flag (-lQt6Core).
function(palimora_is_qt_library lib out)
  if(lib MATCHES "(^|[/:])(-l)?(lib)?Qt[0-9]*([A-Z][A-Za-z]*)?([.:]|$)")
    set(${out} TRUE PARENT_SCOPE)
  else()
    set(${out} FALSE PARENT_SCOPE)
  endif()
endfunction()
