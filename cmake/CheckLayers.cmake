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

set(offences "")
foreach(layer ${layers})
  set(allowed ${layer} ${below_${layer}})
  file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/${layer}/*.h ${ROOT}/${layer}/*.cpp)
  foreach(source ${sources})
    string(REGEX MATCH "/ui/" in_ui "${source}")
    # Quoted or angled, and with any "../" before the folder: "sitegen/x.h",
    # <sitegen/x.h> and "../sitegen/x.h" all name the site generator.
    set(include_start "^[ \t]*#[ \t]*include[ \t]*[\"<](\\.\\./)*")
    file(STRINGS ${ROOT}/${source} includes REGEX "${include_start}[a-z]+/")
    foreach(line ${includes})
      string(REGEX REPLACE "${include_start}([a-z]+)/.*" "\\2" target "${line}")
      string(REGEX MATCH "${include_start}[a-z]+/ui/" target_is_ui "${line}")
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
