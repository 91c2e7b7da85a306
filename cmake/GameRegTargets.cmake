# Compiler settings shared by every target, and the helpers that make them.

# Sources are UTF-8; every narrow literal becomes the code page 936 bytes the
# system shows and compares. GB18030 gives the same bytes as code page 936
# for all characters used here, and unlike CP936 it keeps <chrono> compiling.
set(GAMEREG_CHARSET_FLAGS -finput-charset=UTF-8 -fexec-charset=GB18030)
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    # clang has UTF-8 literals only; it builds just the fuzz targets, whose
    # inputs come from outside and whose literals are never shown.
    set(GAMEREG_CHARSET_FLAGS -finput-charset=UTF-8)
endif()

function(gamereg_target_settings target)
    # Only for C and C++: resource scripts of the executables go to windres.
    set(compiled $<COMPILE_LANGUAGE:C,CXX>)
    target_compile_options(${target} PRIVATE
        $<${compiled}:-Wall> $<${compiled}:-Wextra> $<${compiled}:-Wpedantic>)
    foreach(flag IN LISTS GAMEREG_CHARSET_FLAGS)
        target_compile_options(${target} PRIVATE $<${compiled}:${flag}>)
    endforeach()
    if(GAMEREG_WERROR)
        target_compile_options(${target} PRIVATE $<${compiled}:-Werror>)
    endif()
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src)
    if(WIN32)
        # The Windows executables travel alone: no runtime DLL beside them.
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "EXECUTABLE")
            target_link_options(${target} PRIVATE -static)
        endif()
    endif()
endfunction()

function(gamereg_library name)
    add_library(${name} STATIC ${ARGN})
    gamereg_target_settings(${name})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()

function(gamereg_executable name)
    add_executable(${name} ${ARGN})
    gamereg_target_settings(${name})
endfunction()

# A GoogleTest executable whose cases CTest discovers when the tests run, so
# that discovery of Windows tests happens under the Wine bench, not at build.
function(gamereg_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBRARIES" ${ARGN})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 60)
    endif()
    gamereg_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} gtest gtest_main)
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        PROPERTIES TIMEOUT ${ARG_TIMEOUT}
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
