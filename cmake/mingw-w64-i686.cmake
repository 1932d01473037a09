# Cross build for 32-bit Windows: every Windows from 95 and NT 4.0 on, as it
# came, on every processor from the 80486 on. Debian's runtime is built for
# the Pentium Pro and msvcrt.dll, so headers and libraries of the C and C++
# runtime come from VELORIN_I486_RUNTIME, the folder scripts/i486-runtime
# builds for the 486 and crtdll.dll, ahead of Debian's on every path.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VELORIN_WINDOWS_MINIMUM 0x0400)
if(NOT VELORIN_I486_RUNTIME)
  message(FATAL_ERROR "The 32-bit build links the 486 runtime: -DVELORIN_I486_RUNTIME=$(scripts/i486-runtime)")
endif()
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VELORIN_I486_RUNTIME)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)

# Only the compiler's own headers stay; the C library's and libstdc++'s are
# the runtime's, and __CRTDLL__ makes them declare what crtdll.dll has.
execute_process(COMMAND ${CMAKE_C_COMPILER} -print-file-name=include
                OUTPUT_VARIABLE compiler_include OUTPUT_STRIP_TRAILING_WHITESPACE)
set(rt ${VELORIN_I486_RUNTIME})
set(c_headers "-D__CRTDLL__ -nostdinc -isystem ${compiler_include} -isystem ${compiler_include}-fixed -isystem ${rt}/include")
set(cxx_headers "-isystem ${rt}/include/c++ -isystem ${rt}/include/c++/${triple} -isystem ${rt}/include/c++/backward")
# The runtime's folder, under the home folder, reaches no file.
set(rt_map "-ffile-prefix-map=${rt}=/velorin-runtime")
set(CMAKE_C_FLAGS_INIT "-march=i486 ${rt_map} ${c_headers}")
set(CMAKE_CXX_FLAGS_INIT "-march=i486 ${rt_map} ${cxx_headers} ${c_headers}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-B${rt}/ -L${rt}")
