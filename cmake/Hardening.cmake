# Hardened ELF builds: position-independent executables, full RELRO, stack
# protector, and fortified libc calls where the optimiser makes them work.
# Windows builds (MinGW) and other object formats are left as they are.
option(LASTRINO_HARDEN "Build hardened ELF binaries (PIE, full RELRO, stack protector, fortify)" ON)

set(LASTRINO_HARDENED OFF)
if(LASTRINO_HARDEN AND NOT WIN32 AND CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
  include(CheckPIESupported)
  check_pie_supported(OUTPUT_VARIABLE pie_error LANGUAGES CXX)
  if(NOT CMAKE_CXX_LINK_PIE_SUPPORTED)
    message(FATAL_ERROR "The linker cannot make position-independent executables: ${pie_error}")
  endif()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  add_compile_options(-fstack-protector-strong)
  # _FORTIFY_SOURCE does nothing (and warns) without optimisation.
  add_compile_options("$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
  add_link_options(-Wl,-z,relro,-z,now)
  set(LASTRINO_HARDENED ON)
endif()
