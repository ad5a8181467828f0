# Build-wide flags and the helpers every subsystem folder uses.

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    set(LUMAVIVE_WARNINGS -Wall -Wextra)
endif()

if(LUMAVIVE_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

if(LUMAVIVE_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "LUMAVIVE_FUZZ needs clang (CXX=clang++)")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

find_program(LUMAVIVE_CCACHE ccache)
if(LUMAVIVE_CCACHE)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${LUMAVIVE_CCACHE})
    set(CMAKE_C_COMPILER_LAUNCHER ${LUMAVIVE_CCACHE})
endif()

# lumavive_add_library(<name> SOURCES ... [PUBLIC_LIBS ...] [PRIVATE_LIBS ...])
# One static library per subsystem folder; headers are included as "<subsystem>/File.h".
function(lumavive_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_compile_options(${name} PRIVATE ${LUMAVIVE_WARNINGS})
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
endfunction()
