# Packs the three files an updater carries into payloads and writes the
# resource scripts that embed them. The files come from PAYLOAD_DIR, or, when
# it is empty, from sample files generated here.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(PAYLOAD_DIR "" CACHE PATH "Folder holding kbm_data2.pak, mirufeza.exe and gatebox.exe (empty: built-in samples)")
set(PAYLOAD_PACK "" CACHE FILEPATH "The payload-pack program of the host build")
if(NOT PAYLOAD_PACK OR NOT EXISTS "${PAYLOAD_PACK}")
  message(FATAL_ERROR "PAYLOAD_PACK must name a built payload-pack (\"make updater\" builds it first); got \"${PAYLOAD_PACK}\"")
endif()

set(resources_dir ${PROJECT_SOURCE_DIR}/resources)
set(payload_dir ${CMAKE_BINARY_DIR}/payloads)
set(payload_resources SCR2 EXE EXE2)
set(payload_sources kbm_data2.pak mirufeza.exe gatebox.exe)

if(PAYLOAD_DIR)
  set(source_dir ${PAYLOAD_DIR})
  foreach(file IN LISTS payload_sources)
    if(NOT EXISTS "${source_dir}/${file}" OR IS_DIRECTORY "${source_dir}/${file}")
      message(FATAL_ERROR "PAYLOAD_DIR: ${source_dir}/${file} is missing or cannot be read")
    endif()
  endforeach()
else()
  set(source_dir ${CMAKE_BINARY_DIR}/samples)
  list(TRANSFORM payload_sources PREPEND ${source_dir}/ OUTPUT_VARIABLE sample_files)
  add_custom_command(OUTPUT ${sample_files}
    COMMAND Python3::Interpreter ${resources_dir}/make-sample-files.py ${source_dir}
    DEPENDS ${resources_dir}/make-sample-files.py
    COMMENT "Generating the sample files"
    VERBATIM)
endif()
# Where the three unpacked files are: the Wine tests compare against them.
set(UPDATER_SAMPLE_DIR ${source_dir} CACHE INTERNAL "")

set(payload_files "")
foreach(resource file IN ZIP_LISTS payload_resources payload_sources)
  set(payload ${payload_dir}/${resource}.payload)
  add_custom_command(OUTPUT ${payload}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${payload_dir}
    COMMAND ${PAYLOAD_PACK} pack ${source_dir}/${file} ${payload}
    DEPENDS ${source_dir}/${file} ${PAYLOAD_PACK}
    COMMENT "Packing ${file} into the ${resource} payload"
    VERBATIM)
  list(APPEND payload_files ${payload})
endforeach()

set(icon_file ${CMAKE_BINARY_DIR}/updater.ico)
add_custom_command(OUTPUT ${icon_file}
  COMMAND Python3::Interpreter ${resources_dir}/make-icon.py ${icon_file}
  DEPENDS ${resources_dir}/make-icon.py
  VERBATIM)

# Writes a resource script with the given "NAME=payload file" pairs and sets
# out_var to its path.
function(write_resource_script out_var script_name)
  set(UPDATER_ICON ${icon_file})
  set(UPDATER_MANIFEST ${resources_dir}/updater.manifest)
  set(UPDATER_PAYLOAD_RESOURCES "")
  set(depends ${icon_file} ${resources_dir}/updater.manifest)
  foreach(pair IN LISTS ARGN)
    string(REPLACE "=" ";" pair ${pair})
    list(GET pair 0 name)
    list(GET pair 1 file)
    string(APPEND UPDATER_PAYLOAD_RESOURCES "${name} RCDATA \"${file}\"\n")
    list(APPEND depends ${file})
  endforeach()
  set(script ${CMAKE_BINARY_DIR}/${script_name})
  configure_file(${resources_dir}/updater.rc.in ${script} @ONLY)
  set_source_files_properties(${script} PROPERTIES OBJECT_DEPENDS "${depends}")
  set(${out_var} ${script} PARENT_SCOPE)
endfunction()

write_resource_script(UPDATER_RESOURCE_SCRIPT updater.rc
  SCR2=${payload_dir}/SCR2.payload EXE=${payload_dir}/EXE.payload EXE2=${payload_dir}/EXE2.payload)

# Test builds: one without its last payload, one whose main program's payload
# lacks its final byte.
set(short_payload ${payload_dir}/EXE-short.payload)
add_custom_command(OUTPUT ${short_payload}
  COMMAND Python3::Interpreter -c "import sys; d = open(sys.argv[1], 'rb').read(); open(sys.argv[2], 'wb').write(d[:-1])"
          ${payload_dir}/EXE.payload ${short_payload}
  DEPENDS ${payload_dir}/EXE.payload
  VERBATIM)
write_resource_script(UPDATER_NO_EXE2_RESOURCE_SCRIPT updater-no-exe2.rc
  SCR2=${payload_dir}/SCR2.payload EXE=${payload_dir}/EXE.payload)
write_resource_script(UPDATER_SHORT_PAYLOAD_RESOURCE_SCRIPT updater-short-payload.rc
  SCR2=${payload_dir}/SCR2.payload EXE=${short_payload} EXE2=${payload_dir}/EXE2.payload)
