# calc_add_pictures(TARGET NAME...): the pictures a program's layout names,
# as resources ":/pictures/NAME.xpm" and ":/pictures/NAME_2x.xpm" from the
# folder pictures/ beside the calling CMakeLists.txt; "icon" is the window
# icon both programs share.
function(calc_add_pictures target)
    set(files "")
    foreach(name IN LISTS ARGN)
        foreach(suffix "" "_2x")
            if(name STREQUAL "icon")
                set(file ${PROJECT_SOURCE_DIR}/common/pictures/calculator_icon${suffix}.xpm)
            else()
                set(file ${CMAKE_CURRENT_SOURCE_DIR}/pictures/${name}${suffix}.xpm)
            endif()
            set_source_files_properties(${file} PROPERTIES QT_RESOURCE_ALIAS ${name}${suffix}.xpm)
            list(APPEND files ${file})
        endforeach()
    endforeach()
    # Stored as they are: a few kilobytes of text cost less than the
    # decompressor's code and buffers that reading them would bring in.
    qt_add_resources(${target} ${target}_pictures PREFIX /pictures OPTIONS -no-compress
                     FILES ${files})
endfunction()
