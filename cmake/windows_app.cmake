# On Windows the program is a GUI application, started without a console
# window, and carries its icon as a resource (CMake compiles .rc files for
# every Windows compiler without being asked).
if(WIN32 AND TARGET ranquill)
    set(ranquill_rc ${PROJECT_SOURCE_DIR}/ui/ranquill.rc)
    set_target_properties(ranquill PROPERTIES WIN32_EXECUTABLE ON)
    target_sources(ranquill PRIVATE ${ranquill_rc})
    # The resource script names the icon by its file name alone.
    set_property(SOURCE ${ranquill_rc} APPEND PROPERTY
        INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/assets)
endif()
