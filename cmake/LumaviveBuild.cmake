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
# One static library per subsystem folder; its headers are included as "<folder>/File.h".
# Each library publishes only its own folder (through a link in the build tree), so a file sees
# the headers of its own library and of the libraries it links, and no others: the link graph
# below is the architecture, and scripts/check-layers.py keeps it free of cycles.
function(lumavive_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(include_root ${PROJECT_BINARY_DIR}/include/${folder})
    file(MAKE_DIRECTORY ${include_root})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${include_root}/${folder} SYMBOLIC)
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${include_root})
    target_compile_options(${name} PRIVATE ${LUMAVIVE_WARNINGS})
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
endfunction()
