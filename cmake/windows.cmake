# What the Windows build takes from outside: libjpeg-turbo cross-built by
# scripts/windows-jpeg.sh, and the build machine's part (the content tools, which run there,
# and the Linux side of the comparison of both builds' files), built natively in a build
# folder of its own.
set(VELMORA_JPEG_PREFIX ${CMAKE_BINARY_DIR}/libjpeg-turbo CACHE PATH
    "libjpeg-turbo built for Windows (scripts/windows-jpeg.sh)")
if(NOT EXISTS ${VELMORA_JPEG_PREFIX}/lib/libjpeg.a)
  message(FATAL_ERROR "No libjpeg-turbo for Windows in ${VELMORA_JPEG_PREFIX}: "
                      "run scripts/windows-jpeg.sh ${CMAKE_BINARY_DIR} first")
endif()
add_library(JPEG::JPEG STATIC IMPORTED)
set_target_properties(JPEG::JPEG PROPERTIES
  IMPORTED_LOCATION ${VELMORA_JPEG_PREFIX}/lib/libjpeg.a
  INTERFACE_INCLUDE_DIRECTORIES ${VELMORA_JPEG_PREFIX}/include)

enable_language(RC)

include(ExternalProject)
set(VELMORA_HOST_TOOLS ${CMAKE_BINARY_DIR}/host-tools)
set(VELMORA_MAKEPUZZLE ${VELMORA_HOST_TOOLS}/tools/velmora-makepuzzle)
set(VELMORA_MAKESOUNDS ${VELMORA_HOST_TOOLS}/tools/velmora-makesounds)
set(VELMORA_MAKEART ${VELMORA_HOST_TOOLS}/tools/velmora-makeart)
ExternalProject_Add(velmora_host_tools
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${VELMORA_HOST_TOOLS}
  CMAKE_GENERATOR ${CMAKE_GENERATOR}
  CMAKE_ARGS -DVELMORA_BUILD_MACHINE_PART=ON -DCMAKE_BUILD_TYPE=Release
  BUILD_COMMAND ${CMAKE_COMMAND} --build ${VELMORA_HOST_TOOLS} --target velmora-makepuzzle
                velmora-makesounds velmora-makeart velmora_game_files velmora_text_table
  BUILD_BYPRODUCTS ${VELMORA_MAKEPUZZLE} ${VELMORA_MAKESOUNDS} ${VELMORA_MAKEART}
                   ${VELMORA_HOST_TOOLS}/tests/cross_platform/velmora_game_files
                   ${VELMORA_HOST_TOOLS}/tests/cross_platform/velmora_text_table
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON)
