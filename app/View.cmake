# The main view and its display rules, on top of the Qt library.
target_sources(talvorin_app PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/FormBackground.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FrameStatusRelay.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KR5160View.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LiveDisplay.cpp
)
