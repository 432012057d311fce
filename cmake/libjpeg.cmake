# Provides Pavonet::jpeg, the libjpeg (6b API) the program decodes with.
#
# Native builds use Debian's libjpeg62-turbo-dev. The Windows builds compile a
# static libjpeg from Debian's own libjpeg-turbo source package, fetched with
# apt-get into the build tree and built once, at configure time, with the same
# toolchain as the parent build.
include_guard(GLOBAL)

if(NOT CMAKE_CROSSCOMPILING)
  find_package(JPEG REQUIRED)
  add_library(Pavonet::jpeg INTERFACE IMPORTED)
  target_link_libraries(Pavonet::jpeg INTERFACE JPEG::JPEG)
  return()
endif()

set(_pj_root "${CMAKE_BINARY_DIR}/_deps/libjpeg-turbo")
set(_pj_download "${_pj_root}/download")
set(_pj_prefix "${_pj_root}/prefix")

# The C compiler beside the C++ one, for a parent that enables C++ only.
set(_pj_cc "${CMAKE_C_COMPILER}")
if(NOT _pj_cc)
  string(REGEX REPLACE "g\\+\\+([^/]*)$" "gcc\\1" _pj_cc "${CMAKE_CXX_COMPILER}")
  if(_pj_cc STREQUAL CMAKE_CXX_COMPILER OR NOT EXISTS "${_pj_cc}")
    set(_pj_cc "")
  endif()
endif()

# libjpeg-turbo picks its SIMD code from CMAKE_SYSTEM_PROCESSOR and fails when
# it is empty, which a toolchain file need not set: ask the compiler instead.
set(_pj_processor "${CMAKE_SYSTEM_PROCESSOR}")
if(NOT _pj_processor)
  execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -dumpmachine
    OUTPUT_VARIABLE _pj_machine OUTPUT_STRIP_TRAILING_WHITESPACE)
  string(REGEX REPLACE "-.*" "" _pj_processor "${_pj_machine}")
endif()

option(PAVONET_JPEG_SIMD "Build libjpeg's SIMD code when nasm is installed" ON)
find_program(PAVONET_NASM nasm NO_CMAKE_FIND_ROOT_PATH)
if(PAVONET_JPEG_SIMD AND PAVONET_NASM)
  set(_pj_simd 1)
else()
  set(_pj_simd 0)
endif()

set(_pj_toolchain "")
if(CMAKE_TOOLCHAIN_FILE)
  get_filename_component(_pj_toolchain "${CMAKE_TOOLCHAIN_FILE}" ABSOLUTE
    BASE_DIR "${CMAKE_SOURCE_DIR}")
endif()

# The decoder's error handler throws through libjpeg's frames, which needs
# unwind tables in them. GCC 12 emits them by default for both MinGW targets;
# -fexceptions keeps them whatever flags the toolchain file adds.
set(_pj_cflags "-fexceptions")

# What the built library depends on; a change rebuilds it. Only values that
# are the same on every configure run, or a reconfigure would rebuild it.
set(_pj_key "processor=${_pj_processor};simd=${_pj_simd};cflags=${_pj_cflags}")
foreach(_pj_var CMAKE_SYSTEM_NAME CMAKE_CXX_COMPILER CMAKE_GENERATOR
    _pj_toolchain)
  string(APPEND _pj_key ";${_pj_var}=${${_pj_var}}")
endforeach()
if(_pj_toolchain)
  file(SHA256 "${_pj_toolchain}" _pj_toolchain_hash)
  string(APPEND _pj_key ";toolchain-sha256=${_pj_toolchain_hash}")
endif()

set(_pj_stamp "${_pj_prefix}/built-with.txt")
set(_pj_old_key "")
if(EXISTS "${_pj_stamp}")
  file(READ "${_pj_stamp}" _pj_old_key)
endif()

if(NOT _pj_old_key STREQUAL _pj_key)
  # Download once: the source package stays in the build tree.
  file(GLOB _pj_orig "${_pj_download}/libjpeg-turbo_*.orig.tar.*")
  if(NOT _pj_orig)
    message(STATUS "libjpeg: fetching Debian's libjpeg-turbo source package")
    file(MAKE_DIRECTORY "${_pj_download}")
    # As root apt drops to the user _apt, who cannot write into the build tree.
    execute_process(
      COMMAND apt-get source --download-only -o APT::Sandbox::User=root
              libjpeg-turbo
      WORKING_DIRECTORY "${_pj_download}"
      RESULT_VARIABLE _pj_result
      OUTPUT_VARIABLE _pj_out ERROR_VARIABLE _pj_out)
    file(GLOB _pj_orig "${_pj_download}/libjpeg-turbo_*.orig.tar.*")
    if(NOT _pj_result EQUAL 0 OR NOT _pj_orig)
      message(FATAL_ERROR
        "Could not download Debian's libjpeg-turbo source package, which the "
        "Windows builds compile libjpeg from.\n"
        "`apt-get source --download-only libjpeg-turbo` said:\n${_pj_out}\n"
        "It needs a deb-src entry and a fresh `apt-get update`: "
        "scripts/setup.sh sets up both.")
    endif()
  endif()
  list(GET _pj_orig 0 _pj_orig)

  file(REMOVE_RECURSE "${_pj_root}/src" "${_pj_root}/build" "${_pj_prefix}")
  file(MAKE_DIRECTORY "${_pj_root}/src")
  # The upstream tarball alone. Debian's patches touch packaging, and fix SIMD
  # start-up for a decoder handed between threads, which ours never is.
  file(ARCHIVE_EXTRACT INPUT "${_pj_orig}" DESTINATION "${_pj_root}/src")
  file(GLOB _pj_source LIST_DIRECTORIES true "${_pj_root}/src/libjpeg-turbo-*")

  set(_pj_args
    -G "${CMAKE_GENERATOR}"
    -S "${_pj_source}" -B "${_pj_root}/build"
    -DCMAKE_BUILD_TYPE=Release
    # Its Windows default, c:/libjpeg-turbo-gcc64, is no full path on Linux.
    "-DCMAKE_INSTALL_PREFIX=${_pj_prefix}"
    -DCMAKE_SYSTEM_PROCESSOR=${_pj_processor}
    -DENABLE_SHARED=0 -DENABLE_STATIC=1 -DWITH_TURBOJPEG=0
    -DWITH_SIMD=${_pj_simd} -DREQUIRE_SIMD=${_pj_simd})
  if(_pj_toolchain)
    list(APPEND _pj_args "-DCMAKE_TOOLCHAIN_FILE=${_pj_toolchain}")
  endif()
  # A toolchain file that sets these too wins over the command line.
  foreach(_pj_var CMAKE_MAKE_PROGRAM CMAKE_SYSTEM_NAME)
    if(${_pj_var})
      list(APPEND _pj_args "-D${_pj_var}=${${_pj_var}}")
    endif()
  endforeach()
  if(_pj_cc)
    list(APPEND _pj_args "-DCMAKE_C_COMPILER=${_pj_cc}")
  endif()
  if(_pj_simd)
    list(APPEND _pj_args "-DCMAKE_ASM_NASM_COMPILER=${PAVONET_NASM}")
  endif()

  message(STATUS "libjpeg: building ${_pj_source} for ${_pj_processor} "
                 "(SIMD ${_pj_simd})")
  cmake_host_system_information(RESULT _pj_jobs QUERY NUMBER_OF_LOGICAL_CORES)
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env "CFLAGS=${_pj_cflags}"
            "${CMAKE_COMMAND}" ${_pj_args}
    RESULT_VARIABLE _pj_result OUTPUT_VARIABLE _pj_out ERROR_VARIABLE _pj_out)
  if(_pj_result EQUAL 0)
    execute_process(
      COMMAND "${CMAKE_COMMAND}" --build "${_pj_root}/build" --config Release
              --target jpeg-static --parallel ${_pj_jobs}
      RESULT_VARIABLE _pj_result OUTPUT_VARIABLE _pj_out ERROR_VARIABLE _pj_out)
  endif()
  if(NOT _pj_result EQUAL 0)
    message(FATAL_ERROR "libjpeg: building libjpeg-turbo failed:\n${_pj_out}")
  endif()

  file(GLOB_RECURSE _pj_lib "${_pj_root}/build/libjpeg.a")
  file(COPY ${_pj_lib} DESTINATION "${_pj_prefix}/lib")
  file(COPY "${_pj_source}/jpeglib.h" "${_pj_source}/jmorecfg.h"
            "${_pj_source}/jerror.h" "${_pj_root}/build/jconfig.h"
       DESTINATION "${_pj_prefix}/include")
  file(WRITE "${_pj_stamp}" "${_pj_key}")
endif()

add_library(Pavonet::jpeg STATIC IMPORTED)
set_target_properties(Pavonet::jpeg PROPERTIES
  IMPORTED_LOCATION "${_pj_prefix}/lib/libjpeg.a"
  INTERFACE_INCLUDE_DIRECTORIES "${_pj_prefix}/include")
