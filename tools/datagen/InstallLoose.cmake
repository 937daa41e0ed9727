# Copies the files the game reads from disk only (".col" radius files, ".HB" hit-box files) from the
# generated tree to the same relative paths beside the executable. Nothing else goes there: loose
# files shadow the archive.  cmake -DTREE=... -DPROGRAM_DIR=... -P InstallLoose.cmake
file(GLOB_RECURSE loose RELATIVE ${TREE} ${TREE}/Data/*.col ${TREE}/Data/*.HB)
foreach(file ${loose})
  get_filename_component(folder ${PROGRAM_DIR}/${file} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  file(COPY_FILE ${TREE}/${file} ${PROGRAM_DIR}/${file} ONLY_IF_DIFFERENT)
endforeach()
