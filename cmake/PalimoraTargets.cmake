include(${CMAKE_CURRENT_LIST_DIR}/QtLibraries.cmake)

# palimora_core_library(name SOURCES ...): a Qt-free core library.
function(palimora_core_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  set_target_properties(${name} PROPERTIES AUTOMOC OFF)
endfunction()

# Collects into `out` every library `target` links, directly or through the
# libraries it links.
function(palimora_all_link_libraries target out)
  set(seen "")
  set(pending ${target})
  while(pending)
    list(POP_FRONT pending current)
    if(NOT TARGET ${current})
      continue()
    endif()
    foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
      get_target_property(libs ${current} ${property})
      if(NOT libs)
        continue()
      endif()
      foreach(lib ${libs})
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" lib "${lib}")
        if(NOT lib IN_LIST seen)
          list(APPEND seen ${lib})
          list(APPEND pending ${lib})
        endif()
      endforeach()
    endforeach()
  endwhile()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

# Core targets must never pull in Qt, not even through another library;
# checked once every target is known.
function(palimora_check_core_has_no_qt)
  foreach(target ${ARGN})
    palimora_all_link_libraries(${target} libs)
    foreach(lib ${libs})
      palimora_is_qt_library("${lib}" is_qt)
      if(is_qt)
        message(FATAL_ERROR "core target ${target} links ${lib}")
      endif()
    endforeach()
  endforeach()
endfunction()

# Every build checks that no folder includes one above it (cmake/CheckLayers.cmake).
function(palimora_check_layers)
  execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR} -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "the layers of the source folders are broken (see above)")
  endif()
  add_custom_target(check_layers ALL
    COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR} -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake
    COMMENT "Checking the layers of the source folders")
endfunction()
