# One library per folder of the runtime, each seeing only the folders below
# it (docs/architecture.md draws the layers).
#
# A folder's sources are compiled against a view of the source tree that
# holds links to the folder itself and to the folders it may use, and to
# nothing else: an include of a folder above it or beside it does not build.

# vendril_layer(<folder> SEES <folders below> [LINKS <libraries>] SOURCES ...)
# The library vendril_<folder>.
function(vendril_layer folder)
  cmake_parse_arguments(L "" "" "SEES;LINKS;SOURCES" ${ARGN})
  vendril_layer_view(view ${folder} ${L_SEES})
  add_library(vendril_${folder} STATIC ${L_SOURCES})
  target_include_directories(vendril_${folder} PUBLIC ${view})
  foreach(below ${L_SEES})
    if(TARGET vendril_${below})
      target_link_libraries(vendril_${folder} PUBLIC vendril_${below})
    endif()
  endforeach()
  target_link_libraries(vendril_${folder} PUBLIC ${L_LINKS})
endfunction()

# vendril_layer_view(<variable> <folder>...): the folder of links to these
# folders of the source tree, made once.
function(vendril_layer_view variable first)
  set(view ${PROJECT_BINARY_DIR}/layers/${first})
  file(MAKE_DIRECTORY ${view})
  foreach(folder ${first} ${ARGN})
    if(NOT EXISTS ${view}/${folder})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${view}/${folder} SYMBOLIC)
    endif()
  endforeach()
  set(${variable} ${view} PARENT_SCOPE)
endfunction()
