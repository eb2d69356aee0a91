# Fails when the pictures in docs/ no longer show the window: the program writes its pictures and
# their layout description ("layout.txt": the toolbar's captions, every page's controls and
# captions) into a scratch folder, and the description must equal the one that
# scripts/pictures.sh wrote beside the pictures. Texts and structure are compared, not pixels.
# Run as: cmake -DPROGRAM=<NivoConfig> -DPICTURES=<docs or docs/en> -DSCRATCH=<folder>
#               "-DARGUMENTS=--lang;en" -P CheckPictures.cmake
file(REMOVE_RECURSE "${SCRATCH}")
execute_process(COMMAND "${PROGRAM}" ${ARGUMENTS} --demo 123 --screenshots "${SCRATCH}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --screenshots failed (${result})")
endif()
if(NOT EXISTS "${PICTURES}/layout.txt")
    message(FATAL_ERROR "${PICTURES}/layout.txt is missing: run scripts/pictures.sh")
endif()
# Without a device the pictures come too: the reads' notices do not wait for a user.
execute_process(COMMAND "${PROGRAM}" ${ARGUMENTS} 123 --screenshots "${SCRATCH}/no-device"
                TIMEOUT 120 RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
if(NOT result EQUAL 0 OR NOT EXISTS "${SCRATCH}/no-device/page-6.png")
    message(FATAL_ERROR "${PROGRAM} --screenshots without a device failed (${result})")
endif()
execute_process(COMMAND diff -u "${PICTURES}/layout.txt" "${SCRATCH}/layout.txt"
                RESULT_VARIABLE differs OUTPUT_VARIABLE changes)
if(NOT differs EQUAL 0)
    message(FATAL_ERROR "The pictures in ${PICTURES} show another window than the program's; "
                        "run scripts/pictures.sh and look at them:\n${changes}")
endif()
