# Windows tests run under Wine with a private prefix in the build folder.
# scripts/wine-bench makes the prefix once and provides the display; CTest
# reaches Wine through the emulator below, for tests and for discovery alike.
if(CMAKE_CROSSCOMPILING AND WIN32)
    set(GAMEREG_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        env WINEPREFIX=${GAMEREG_WINEPREFIX} WINEDEBUG=-all LC_ALL=zh_CN.UTF-8 wine
        CACHE STRING "Runs Windows test programs" FORCE)
endif()
include(GoogleTest)
