# Cross build for 32-bit Windows: every Windows from 95 and NT 4.0 on.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VELORIN_WINDOWS_MINIMUM 0x0400)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
