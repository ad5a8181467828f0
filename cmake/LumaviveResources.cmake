# The program's compiled-in resources, as one object library (so that their static registration
# is kept in the program and in the tests that need them):
# - lumavive.qrc: QML and the control style;
# - images: every assets/images/*.svg drawn to NAME.png and NAME@2x.png at build time;
# - translations: translations/*.ts compiled with lrelease.

set(generated ${PROJECT_BINARY_DIR}/resources)
file(MAKE_DIRECTORY ${generated}/images ${generated}/translations)

file(GLOB svg_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/assets/images/*.svg)
set(png_files)
set(images_qrc_body "<RCC><qresource prefix=\"/assets/images\">\n")
foreach(svg ${svg_files})
    get_filename_component(stem ${svg} NAME_WE)
    foreach(variant "1;" "2;@2x")
        list(GET variant 0 scale)
        list(LENGTH variant parts)
        set(suffix "")
        if(parts GREATER 1)
            list(GET variant 1 suffix)
        endif()
        set(png ${generated}/images/${stem}${suffix}.png)
        add_custom_command(OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                    $<TARGET_FILE:lumavive-rasterize> ${svg} ${png} ${scale}
            DEPENDS ${svg} lumavive-rasterize
            COMMENT "Drawing ${stem}${suffix}.png")
        list(APPEND png_files ${png})
        string(APPEND images_qrc_body "  <file alias=\"${stem}${suffix}.png\">${png}</file>\n")
    endforeach()
endforeach()
string(APPEND images_qrc_body "</qresource></RCC>\n")
file(WRITE ${generated}/images.qrc "${images_qrc_body}")

file(GLOB ts_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/*.ts)
set_source_files_properties(${ts_files} PROPERTIES OUTPUT_LOCATION ${generated}/translations)
qt5_add_translation(qm_files ${ts_files})
set(translations_qrc_body "<RCC><qresource prefix=\"/translations\">\n")
foreach(qm ${qm_files})
    get_filename_component(qm_name ${qm} NAME)
    string(APPEND translations_qrc_body "  <file alias=\"${qm_name}\">${qm}</file>\n")
endforeach()
string(APPEND translations_qrc_body "</qresource></RCC>\n")
file(WRITE ${generated}/translations.qrc "${translations_qrc_body}")

qt5_add_resources(rcc_sources
    ${PROJECT_SOURCE_DIR}/lumavive.qrc
    ${generated}/images.qrc
    ${generated}/translations.qrc)
add_custom_target(lumavive_generated_resources DEPENDS ${png_files} ${qm_files})
add_library(lumavive_resources OBJECT ${rcc_sources})
add_dependencies(lumavive_resources lumavive_generated_resources)
target_link_libraries(lumavive_resources PUBLIC Qt5::Core)
