# The Windows game and the page as sub-builds of the native build, so that
# one configure (the `all` preset) builds and tests every front end.
#
# Each is this same project configured again with its own toolchain, as an
# ExternalProject: a toolchain is per build tree, so the cross builds cannot
# be targets of the native one. They build into the folders of the `win32`
# and `web` presets, so building either way compiles once; BUILD_ALWAYS hands
# every build to their own Ninja, which rebuilds only what changed. They are
# the targets `win32` and `web`, outside `all`: the game preset builds the
# native programs alone, the all preset these two as well (and
# scripts/mutate tries a fault on the quick native build first).
# LASTRINO_WIN32_DIR and LASTRINO_WEB_DIR tell tests/ where they are.
# (The toolchains: cmake/mingw-w64.cmake and cmake/emscripten.cmake.)
include(ExternalProject)

function(lastrino_sub_build name toolchain)
  set(dir ${PROJECT_SOURCE_DIR}/build-${name})
  # A folder configured from another source folder (win32/ alone, before)
  # would stop CMake: start it afresh. A folder deleted by hand is configured
  # again too: its step's stamp would say it was.
  if(EXISTS ${dir}/CMakeCache.txt)
    file(STRINGS ${dir}/CMakeCache.txt home REGEX "^CMAKE_HOME_DIRECTORY:")
    if(NOT home STREQUAL "CMAKE_HOME_DIRECTORY:INTERNAL=${PROJECT_SOURCE_DIR}")
      message(STATUS "build-${name}/ was configured from elsewhere: configuring it afresh")
      file(REMOVE_RECURSE ${dir}/CMakeCache.txt ${dir}/CMakeFiles)
    endif()
  endif()
  if(NOT EXISTS ${dir}/CMakeCache.txt)
    file(REMOVE_RECURSE ${CMAKE_BINARY_DIR}/${name}-prefix/src/${name}-stamp)
  endif()
  ExternalProject_Add(${name}
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${dir}
    CMAKE_GENERATOR Ninja
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/${toolchain}
               -DLASTRINO_WERROR=${LASTRINO_WERROR}
    BUILD_COMMAND ${CMAKE_COMMAND} --build ${dir} --parallel 2
    BUILD_ALWAYS ON
    EXCLUDE_FROM_ALL ON
    INSTALL_COMMAND ""
    USES_TERMINAL_CONFIGURE ON
    USES_TERMINAL_BUILD ON)
  string(TOUPPER ${name} upper)
  set(LASTRINO_${upper}_DIR ${dir} PARENT_SCOPE)
endfunction()

if(LASTRINO_WIN32)
  lastrino_sub_build(win32 mingw-w64.cmake)
endif()
if(LASTRINO_WEB)
  lastrino_sub_build(web emscripten.cmake)
endif()
