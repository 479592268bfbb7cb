# Each room is one library made of the sources in its folder; a new file joins
# its room on the next build without touching the build scripts.
function(vertan_sources out)
  file(GLOB found CONFIGURE_DEPENDS ${ARGN})
  set(${out} ${found} PARENT_SCOPE)
endfunction()
