# CMake helpers that run vendril-pack during the build; the installed package
# carries this file too. VENDRIL_PACK_TOOL names the vendril-pack executable
# target (the one built here, or Vendril::pack from the package).

# vendril_pack(OUTPUT <pack> FILES <file>...)
# Builds a media pack from the files (entries named by their bare file names);
# add the pack to a target's sources or to a custom target to have it made.
function(vendril_pack)
  cmake_parse_arguments(P "" "OUTPUT" "FILES" ${ARGN})
  get_target_property(imported ${VENDRIL_PACK_TOOL} IMPORTED)
  set(tool ${VENDRIL_PACK_TOOL})
  if(imported)
    set(tool $<TARGET_FILE:${VENDRIL_PACK_TOOL}>)
  endif()
  add_custom_command(OUTPUT ${P_OUTPUT}
    COMMAND ${VENDRIL_PACK_TOOL} create ${P_OUTPUT} ${P_FILES}
    DEPENDS ${tool} ${P_FILES}
    COMMENT "Packing ${P_OUTPUT}"
    VERBATIM)
endfunction()

# vendril_append_pack(TARGET <executable> FILES <file>...)
# Attaches a pack of the files to the executable after every link.
function(vendril_append_pack)
  cmake_parse_arguments(P "" "TARGET" "FILES" ${ARGN})
  get_target_property(imported ${VENDRIL_PACK_TOOL} IMPORTED)
  if(NOT imported)
    add_dependencies(${P_TARGET} ${VENDRIL_PACK_TOOL})
  endif()
  add_custom_command(TARGET ${P_TARGET} POST_BUILD
    COMMAND ${VENDRIL_PACK_TOOL} append $<TARGET_FILE:${P_TARGET}> ${P_FILES}
    VERBATIM)
endfunction()
