# One static QML module per folder of qt/qml: every *.qml of the folder, every file of its
# images/ folder (at <module>/images/), the given singletons, and optionally translation
# catalogues compiled into <module>/i18n/<stem>_<code>.qm.
#   vantorel_add_qml_module(NAME [SINGLETONS file.qml ...] [CATALOGUE stem])
function(vantorel_add_qml_module name)
    cmake_parse_arguments(M "" "CATALOGUE" "SINGLETONS" ${ARGN})
    file(GLOB_RECURSE qml_files RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} CONFIGURE_DEPENDS *.qml)
    file(GLOB image_files RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} CONFIGURE_DEPENDS images/*)
    if(M_SINGLETONS)
        set_source_files_properties(${M_SINGLETONS} PROPERTIES QT_QML_SINGLETON_TYPE TRUE)
    endif()
    qt_add_library(${name} STATIC)
    # Qt 6.4 puts module resources under "/" unless told; the application imports ":/qt/qml".
    qt_add_qml_module(${name}
        URI ${name}
        VERSION 1.0
        RESOURCE_PREFIX /qt/qml
        QML_FILES ${qml_files}
        RESOURCES ${image_files})
    if(M_CATALOGUE)
        set(ts_files)
        foreach(code zh en de fr)
            list(APPEND ts_files i18n/${M_CATALOGUE}_${code}.ts)
        endforeach()
        # Compiled only: the catalogues are updated from the whole source by the target
        # update_catalogues, not from one module's files.
        qt_add_lrelease(${name} TS_FILES ${ts_files} QM_FILES_OUTPUT_VARIABLE qm_files)
        qt_add_resources(${name} ${name}_translations PREFIX /qt/qml/${name}/i18n
            BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${qm_files})
    endif()
endfunction()
