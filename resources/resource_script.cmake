# The Windows program's resources: a resource script for windres naming every generated file
# under its number and type (bitmaps as raw packed DIBs of the system's bitmap type 2), in
# Japanese (language 1041), with the version resource and the manifest.
set(RESOURCE_SCRIPT ${CMAKE_CURRENT_BINARY_DIR}/velmora.rc)
# The manifest (RT_MANIFEST 24, the program's own under number 1, language neutral): DPI
# awareness.
set(manifest ${CMAKE_CURRENT_SOURCE_DIR}/velmora.manifest)
set(rc "#include <winver.h>\n\nLANGUAGE 0, 0\n1 24 \"${manifest}\"\n\nLANGUAGE 0x11, 0x01\n\n")
set(RESOURCE_FILES ${manifest})
foreach(entry IN LISTS BUNDLE_FILES)
  string(REPLACE "|" ";" fields "${entry}")
  list(GET fields 0 alias)
  list(GET fields 1 file)
  string(REPLACE "/" ";" alias "${alias}")
  list(GET alias 0 type)
  list(GET alias 1 number)
  if(type STREQUAL "BITMAP")
    set(type 2)
  endif()
  string(APPEND rc "${number} ${type} \"${file}\"\n")
  list(APPEND RESOURCE_FILES ${file})
endforeach()

set(version "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},0,0")
string(APPEND rc "
1 VERSIONINFO
FILEVERSION ${version}
PRODUCTVERSION ${version}
FILEOS VOS_NT_WINDOWS32
FILETYPE VFT_APP
BEGIN
  BLOCK \"StringFileInfo\"
  BEGIN
    BLOCK \"041104B0\"
    BEGIN
      VALUE \"CompanyName\", \"VELMORA\"
      VALUE \"FileDescription\", \"VELMORA\"
      VALUE \"FileVersion\", \"${PROJECT_VERSION}\"
      VALUE \"InternalName\", \"velmora\"
      VALUE \"OriginalFilename\", \"velmora.exe\"
      VALUE \"ProductName\", \"VELMORA\"
      VALUE \"ProductVersion\", \"${PROJECT_VERSION}\"
    END
  END
  BLOCK \"VarFileInfo\"
  BEGIN
    VALUE \"Translation\", 0x0411, 1200
  END
END
")
file(GENERATE OUTPUT ${RESOURCE_SCRIPT} CONTENT "${rc}")
# windres reads the files the script names: they must be made first.
set_source_files_properties(${RESOURCE_SCRIPT} PROPERTIES OBJECT_DEPENDS "${RESOURCE_FILES}")

# An object library, so that the resources go into every program that lists it.
add_library(velmora_resources OBJECT ${RESOURCE_SCRIPT} templates.cpp)
