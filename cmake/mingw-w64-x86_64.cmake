# Cross build for 64-bit Windows: Windows XP x64 and Server 2003 x64 (NT 5.2) on.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VELORIN_WINDOWS_MINIMUM 0x0502)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
