# Debian's hardening flags (what dpkg-buildflags gives a package build) for every program built
# for Linux: stack protector, format checks, a read-only relocation table bound at start
# (relro, now) and position-independent executables. The checked string and memory functions
# of _FORTIFY_SOURCE need optimisation, and the sanitizers do the same checks themselves, so
# it is only defined for the optimised builds without them.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
if(NOT VELMORA_SANITIZE AND NOT VELMORA_FUZZ)
  add_compile_options($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2>)
endif()
add_link_options(-Wl,-z,relro -Wl,-z,now)
