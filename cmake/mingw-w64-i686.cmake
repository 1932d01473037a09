# Cross build for 32-bit Windows: every Windows from 95 and NT 4.0 on, on
# every processor from the 80486 on. Debian's runtime libraries are built for
# the Pentium Pro, so the C and C++ runtime comes from VELORIN_I486_RUNTIME,
# the folder scripts/i486-runtime builds, ahead of Debian's on every path.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VELORIN_WINDOWS_MINIMUM 0x0400)
if(NOT VELORIN_I486_RUNTIME)
  message(FATAL_ERROR "The 32-bit build links the 486 runtime: -DVELORIN_I486_RUNTIME=$(scripts/i486-runtime)")
endif()
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VELORIN_I486_RUNTIME)
set(CMAKE_C_FLAGS_INIT "-march=i486")
set(CMAKE_CXX_FLAGS_INIT "-march=i486")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-B${VELORIN_I486_RUNTIME}/ -L${VELORIN_I486_RUNTIME}")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
