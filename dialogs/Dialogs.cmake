# The dialogs of the record tools, on top of the Qt library.
target_sources(talvorin_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AlarmDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ConsoleAccess.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ConsoleBlockAccess.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DebugDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GraphDlg_Tee8.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GridExport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HistoryDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LanguageDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OperationQuestion.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScopeDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsChangedText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SetupDlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TimeSpanControls.cpp
)
