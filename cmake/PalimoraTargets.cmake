# palimora_core_library(name SOURCES ...): a Qt-free core library.
function(palimora_core_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  set_target_properties(${name} PROPERTIES AUTOMOC OFF)
endfunction()

# Core targets must never pull in Qt; checked once every target is known.
function(palimora_check_core_has_no_qt)
  foreach(target ${ARGN})
    get_target_property(libs ${target} LINK_LIBRARIES)
    foreach(lib ${libs})
      if(lib MATCHES "^Qt")
        message(FATAL_ERROR "core target ${target} links ${lib}")
      endif()
    endforeach()
  endforeach()
endfunction()
