# The application's windows and the program itself, on top of the Qt library.
target_sources(talvorin_app PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AboutDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KR5160.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainFrm.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MyStatusBar.cpp
)

add_executable(Talvorin ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(Talvorin PRIVATE talvorin_app)
target_compile_definitions(Talvorin PRIVATE TALVORIN_DESKTOP_ID="${TALVORIN_DESKTOP_ID}"
                                            TALVORIN_WINDOW_CLASS="${TALVORIN_WINDOW_CLASS}")
# What the program loads from its folder at run time comes with it.
add_dependencies(Talvorin usbbat talvorin_ocx)

# A first configuration runs the simulated console, so that the program shows something without
# one; a configuration already there is the user's and stays as it is.
add_custom_command(TARGET Talvorin POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_CURRENT_LIST_DIR}/Talvorin.default.ini
            -DTARGET=${TALVORIN_PROGRAM_DIR}/Talvorin.ini
            -P ${CMAKE_CURRENT_LIST_DIR}/CopyIfMissing.cmake
    VERBATIM)
