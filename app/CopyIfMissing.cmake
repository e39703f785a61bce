# cmake -DSOURCE=file -DTARGET=file -P CopyIfMissing.cmake: copies SOURCE to TARGET unless TARGET
# exists.
if(NOT EXISTS "${TARGET}")
    configure_file("${SOURCE}" "${TARGET}" COPYONLY)
endif()
