# Installs the build into a scratch prefix and fails when a file a desktop needs is missing,
# when something that is no program for users is installed, when the desktop entry, MIME type,
# icon and metainfo do not name each other, or when a man page lacks an option of --help.
# Run as: cmake -DBUILD_DIR=<build> -DSOURCE_DIR=<tree> -DPREFIX=<scratch> -P CheckInstall.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${result})")
endif()

set(faults "")
set(id example.nivolantis.nivoconfig)
set(expected
    bin/NivoConfig bin/nivoconfig-cli bin/nivosim
    share/nivoconfig/NivoConfig.ini share/nivoconfig/translations/nivoconfig_en.qm
    share/applications/${id}.desktop
    share/metainfo/${id}.metainfo.xml
    share/mime/packages/nivoconfig.xml
    share/icons/hicolor/scalable/apps/nivoconfig.svg
    share/man/man1/NivoConfig.1.gz share/man/man1/nivoconfig-cli.1.gz share/man/man1/nivosim.1.gz
    share/doc/nivoconfig/copyright share/doc/nivoconfig/changelog.gz)
foreach(path IN LISTS expected)
    if(NOT EXISTS "${PREFIX}/${path}")
        string(APPEND faults "missing: ${path}\n")
    endif()
endforeach()
file(GLOB programs RELATIVE "${PREFIX}/bin" "${PREFIX}/bin/*")
list(SORT programs)
if(NOT programs STREQUAL "NivoConfig;nivoconfig-cli;nivosim")
    string(APPEND faults "bin/ should hold the three programs only, holds: ${programs}\n")
endif()

# The desktop entry opens parameter files, and every name it gives exists.
file(READ "${PREFIX}/share/applications/${id}.desktop" entry)
file(READ "${PREFIX}/share/mime/packages/nivoconfig.xml" mime)
file(READ "${PREFIX}/share/metainfo/${id}.metainfo.xml" metainfo)
string(REGEX MATCH "mime-type type=\"([^\"]+)\"" found "${mime}")
set(type "${CMAKE_MATCH_1}")
if(NOT mime MATCHES "<glob pattern=\"\\*\\.par\"/>")
    string(APPEND faults "the MIME type does not claim *.par\n")
endif()
if(NOT mime MATCHES "<comment xml:lang=\"de\">Parameterdatei \\(NivoConfig\\)</comment>")
    string(APPEND faults "the MIME type lacks its German name\n")
endif()
foreach(line "Exec=NivoConfig %f" "MimeType=${type};" "Icon=nivoconfig")
    string(FIND "${entry}" "\n${line}\n" at)
    if(at EQUAL -1)
        string(APPEND faults "desktop entry lacks '${line}'\n")
    endif()
endforeach()
foreach(part "<launchable type=\"desktop-id\">${id}.desktop</launchable>" "<id>${id}</id>"
        "<mediatype>${type}</mediatype>")
    string(FIND "${metainfo}" "${part}" at)
    if(at EQUAL -1)
        string(APPEND faults "metainfo lacks ${part}\n")
    endif()
endforeach()

# The installed command line finds its translations: its help in English is ours, not German.
execute_process(COMMAND "${PREFIX}/bin/nivoconfig-cli" --lang en --help OUTPUT_VARIABLE help
                ERROR_VARIABLE notes)
foreach(part "Save the factory settings as a parameter file"
        "\nCommands:\n")
    string(FIND "${help}" "${part}" at)
    if(at EQUAL -1)
        string(APPEND faults "nivoconfig-cli --lang en --help lacks '${part}' ${notes}\n")
    endif()
endforeach()

# Every option and command of --help is in the man page.
foreach(program NivoConfig nivoconfig-cli nivosim)
    execute_process(COMMAND "${PREFIX}/bin/${program}" --help OUTPUT_VARIABLE help)
    file(READ "${SOURCE_DIR}/packaging/man/${program}.1" page)
    string(REPLACE "\\-" "-" page "${page}")
    string(REGEX MATCHALL "--[a-z-]+" words "${help}")
    string(REGEX MATCHALL "\n  [a-z][a-z-]+ " commands "${help}")
    foreach(command IN LISTS commands)
        string(STRIP "${command}" command)
        list(APPEND words "${command}")
    endforeach()
    list(REMOVE_DUPLICATES words)
    foreach(word IN LISTS words)
        if(NOT page MATCHES "(^|[^a-z-])${word}([^a-z-]|$)")
            string(APPEND faults "man page of ${program} lacks ${word}\n")
        endif()
    endforeach()
endforeach()

if(faults)
    message(FATAL_ERROR "Installed tree in ${PREFIX}:\n${faults}")
endif()
message(STATUS "The installed tree is complete.")
