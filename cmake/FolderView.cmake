# Each library sees its own folders and those of the libraries it links, and nothing else, so
# that the compiler refuses an include of a higher layer. A library's include directory is a
# folder of the build tree that holds links to its own source folders only; includes stay
# written from the source root ("station/link/WeatherComm.h").
#
#   talvorin_folder_view(<target> <folder>... [EXCLUDE <entry>...])
#
# A folder such as dialogs/core is linked under its parent's name. With EXCLUDE the folders
# given are built entry by entry, leaving out the entries named (a subfolder that is a library
# of its own); a file added there later is picked up when the build runs.
function(talvorin_folder_view target)
    cmake_parse_arguments(PARSE_ARGV 1 view "" "" "EXCLUDE")
    set(root ${CMAKE_BINARY_DIR}/views/${target})
    foreach(folder IN LISTS view_UNPARSED_ARGUMENTS)
        set(source ${CMAKE_SOURCE_DIR}/${folder})
        set(view ${root}/${folder})
        # A view may change form between two configurations of one build folder. Entry links
        # made through an old link to the whole folder would land in the source folder itself
        # and replace its files, so the old form goes first.
        if(view_EXCLUDE)
            if(IS_SYMLINK ${view})
                file(REMOVE ${view})
            endif()
            file(MAKE_DIRECTORY ${view})
            file(GLOB entries CONFIGURE_DEPENDS RELATIVE ${source} ${source}/*)
            foreach(entry IN LISTS entries)
                if(NOT entry IN_LIST view_EXCLUDE)
                    file(CREATE_LINK ${source}/${entry} ${view}/${entry} SYMBOLIC)
                endif()
            endforeach()
        else()
            if(IS_DIRECTORY ${view} AND NOT IS_SYMLINK ${view})
                file(REMOVE_RECURSE ${view})
            endif()
            get_filename_component(parent ${view} DIRECTORY)
            file(MAKE_DIRECTORY ${parent})
            file(CREATE_LINK ${source} ${view} SYMBOLIC)
        endif()
    endforeach()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()
