# Checks that each folder includes only the folders below it:
#   common <- imaging, and common, lang, imaging <- project <- styles <- sitegen
#   (pictures are read and written without words; the project tells the user
#   what failed, in their language)
#   common <- lang <- project <- styles <- publish (the socket layer and the
#   FTP client use common only; the publishing run reads the project's
#   settings and speaks the user's language)
# app/ and cli/ sit on top of everything. A folder's ui/ may include what its
# folder may include, and the ui/ of those folders; a core file includes no ui/.
# Tests, benchmarks and tools are not checked.
#
# Usage: cmake -DROOT=<source folder> -P CheckLayers.cmake
# Fails (and names every offending line) when a file includes a folder above it.

cmake_policy(SET CMP0057 NEW)

if(NOT ROOT)
  message(FATAL_ERROR "CheckLayers.cmake needs -DROOT=<source folder>")
endif()

set(below_common "")
set(below_lang common)
set(below_imaging common)
set(below_project common lang imaging)
set(below_styles common lang imaging project)
set(below_sitegen common lang imaging project styles)
set(below_publish common lang imaging project styles)
set(below_app common lang imaging project styles sitegen publish)
set(below_cli common lang imaging project styles sitegen publish)
set(layers common lang imaging project styles sitegen publish app cli)

# A path made plain: "./" and "x/../" taken out, and any "../" in front
# dropped ("../sitegen/x.h", "./sitegen/x.h" and "common/../sitegen/x.h" all
# become "sitegen/x.h").
function(plain_path path out)
  string(REGEX REPLACE "^(\\./)+" "" path "${path}")
  string(REPLACE "/./" "/" path "${path}")
  set(before "")
  while(NOT path STREQUAL before)
    set(before "${path}")
    string(REGEX REPLACE "(^|/)[^./][^/]*/\\.\\./" "\\1" path "${path}")
    string(REGEX REPLACE "^(\\.\\./|\\./)+" "" path "${path}")
  endwhile()
  set(${out} "${path}" PARENT_SCOPE)
endfunction()

set(offences "")
foreach(layer ${layers})
  set(allowed ${layer} ${below_${layer}})
  # Every file of the folder: headers, sources, inline parts (.inl, .ipp) alike.
  file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/${layer}/*)
  foreach(source ${sources})
    if(source MATCHES "CMakeLists.txt$")
      continue()
    endif()
    string(REGEX MATCH "/ui/" in_ui "${source}")
    get_filename_component(source_folder "${source}" DIRECTORY)
    set(include_start "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    file(STRINGS ${ROOT}/${source} includes REGEX "${include_start}[^\">]*/")
    foreach(line ${includes})
      string(REGEX REPLACE "${include_start}([^\">]*)[\">].*" "\\1" path "${line}")
      # As the compiler finds it: beside the including file first, then from the top.
      plain_path("${source_folder}/${path}" beside)
      if(EXISTS "${ROOT}/${beside}" AND NOT IS_DIRECTORY "${ROOT}/${beside}")
        set(path "${beside}")
      else()
        plain_path("${path}" path)
      endif()
      string(REGEX REPLACE "/.*" "" target "${path}")
      string(REGEX MATCH "^[a-z]+/ui/" target_is_ui "${path}")
      if(NOT target IN_LIST layers)
        continue()  # a system or third-party header with a folder name
      endif()
      if(NOT target IN_LIST allowed)
        list(APPEND offences "${source}: ${line} (${layer} may include only: ${allowed})")
      elseif(target_is_ui AND NOT in_ui)
        list(APPEND offences "${source}: ${line} (core code includes no window code)")
      endif()
    endforeach()
  endforeach()
endforeach()

if(offences)
  list(JOIN offences "\n  " report)
  message(FATAL_ERROR "Includes that go up the layers:\n  ${report}")
endif()
