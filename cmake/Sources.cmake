# Each room is made of the sources in its folder; a new file joins its room on the
# next build without touching the build scripts.
function(vertan_sources out)
  file(GLOB found CONFIGURE_DEPENDS ${ARGN})
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# Adds the sources of the calling folder to a library that a parent folder made.
function(vertan_room target)
  vertan_sources(found ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  target_sources(${target} PRIVATE ${found})
endfunction()
