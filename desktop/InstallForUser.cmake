# Run by cmake --install after the files of CMakeLists.txt, with the variables set there.

set(program_folder "${CMAKE_INSTALL_PREFIX}/${TALVORIN_PROGRAM_FOLDER}")

# A first install places a configuration for the real console. One already there is the
# user's, as are the data file and the files beside it, which no install names at all.
if(EXISTS "$ENV{DESTDIR}${program_folder}/Talvorin.ini")
    message(STATUS "Keeping the user's configuration: $ENV{DESTDIR}${program_folder}/Talvorin.ini")
else()
    file(INSTALL DESTINATION "${program_folder}" TYPE FILE
         FILES "${TALVORIN_INSTALL_SOURCES}/Talvorin.ini")
endif()

# The desktop entry starts the launcher by its full path: a bin folder made by this install
# is not on the desktop session's search path before the next login. The path is one quoted
# argument of Exec, with the characters that quoting reserves escaped and then, as Exec is a
# string value, every backslash once more; a literal percent sign is doubled.
set(exec "${CMAKE_INSTALL_PREFIX}/bin/${TALVORIN_DESKTOP_ID}")
string(REPLACE [[\]] [[\\\\]] exec "${exec}")
foreach(reserved [["]] [[`]] [[$]])
    string(REPLACE "${reserved}" "\\\\${reserved}" exec "${exec}")
endforeach()
string(REPLACE "%" "%%" exec "${exec}")
set(TALVORIN_EXEC "\"${exec}\"")
configure_file("${TALVORIN_INSTALL_SOURCES}/talvorin.desktop.in"
               "${TALVORIN_INSTALL_WORK}/${TALVORIN_DESKTOP_ID}.desktop" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" TYPE FILE
     FILES "${TALVORIN_INSTALL_WORK}/${TALVORIN_DESKTOP_ID}.desktop")
