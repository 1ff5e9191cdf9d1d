# Cross compile for 32-bit Windows (runs on 32- and 64-bit Windows 7 to 11).
set(KELVARA_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
