# Copies assets/ into the program folder. The user's language choice
# (palimora.ini) and projects are left alone once they exist.
file(GLOB_RECURSE asset_files RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(relative ${asset_files})
  set(destination ${TARGET}/${relative})
  if(relative STREQUAL "palimora.ini" AND EXISTS ${destination})
    continue()
  endif()
  get_filename_component(folder ${destination} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  file(COPY_FILE ${SOURCE}/${relative} ${destination} ONLY_IF_DIFFERENT)
endforeach()
file(MAKE_DIRECTORY ${TARGET}/Projets)
