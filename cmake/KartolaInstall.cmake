# Installing Kartola where a desktop finds it: the program, the bundled card sets (every
# cardsets/DATA* folder, without thumbnails), the desktop entry and the metainfo that software
# centres read (both under the application's id), the icon in the usual sizes (drawn at build time
# by tools/icons) and the manual page.

set(KARTOLA_APP_ID io.github.kartola.Kartola)

install(TARGETS kartola RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

file(GLOB kartola_sets LIST_DIRECTORIES true CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/cardsets/DATA*)
foreach(set ${kartola_sets})
    if(IS_DIRECTORY ${set})
        install(DIRECTORY ${set} DESTINATION ${KARTOLA_SETS_DIR}
            PATTERN "*.thm" EXCLUDE PATTERN "*.tmp" EXCLUDE PATTERN ".*" EXCLUDE)
    endif()
endforeach()

set(kartola_icons_dir ${CMAKE_BINARY_DIR}/icons)
set(kartola_icon_files)
foreach(size 16 22 24 32 48 64 128 256)
    list(APPEND kartola_icon_files ${kartola_icons_dir}/hicolor/${size}x${size}/apps/kartola.png)
endforeach()
add_custom_command(OUTPUT ${kartola_icon_files}
    COMMAND kartola_icons ${kartola_icons_dir}
    DEPENDS kartola_icons
    COMMENT "Drawing the installed icons")
add_custom_target(kartola_icon_pngs ALL DEPENDS ${kartola_icon_files})
install(DIRECTORY ${kartola_icons_dir}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

install(FILES ${PROJECT_SOURCE_DIR}/dist/${KARTOLA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/dist/${KARTOLA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page names the kinds of picture and sound a set may hold, read from the one list the
# program decides them by (as the program's own texts write them: the extensions in capitals,
# joined by ", ").
function(kartola_kinds_text table out)
    file(READ ${PROJECT_SOURCE_DIR}/framework/support/tk_FSI_Kinds.h header)
    string(REGEX MATCH "${table}\\[\\] = {[^}]*}" list "${header}")
    string(REGEX REPLACE "^[^{]*{" "" list "${list}")
    string(REGEX REPLACE "[}\" \t\r\n]" "" list "${list}")
    string(TOUPPER "${list}" list)
    string(REPLACE "," ", " list "${list}")
    set(${out} "${list}" PARENT_SCOPE)
endfunction()
kartola_kinds_text(tk_FSI_kPictureExtensions KARTOLA_PICTURE_KINDS)
kartola_kinds_text(tk_FSI_kSoundExtensions KARTOLA_SOUND_KINDS)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/framework/support/tk_FSI_Kinds.h)

# It also names the bundled sets' folder of this installation. The prefix is known only when
# installing (`cmake --install --prefix` may differ from the configured one), so the page is written
# then; DESTDIR only stages the files and is not part of the path the page names.
set(kartola_man_page ${CMAKE_BINARY_DIR}/man/kartola.6)
install(CODE "
    set(datadir \"${CMAKE_INSTALL_DATADIR}\")
    if(NOT IS_ABSOLUTE \"\${datadir}\")
        set(datadir \"\${CMAKE_INSTALL_PREFIX}/\${datadir}\")
    endif()
    set(CMAKE_INSTALL_FULL_DATADIR \"\${datadir}\")
    set(KARTOLA_PICTURE_KINDS \"${KARTOLA_PICTURE_KINDS}\")
    set(KARTOLA_SOUND_KINDS \"${KARTOLA_SOUND_KINDS}\")
    configure_file(\"${PROJECT_SOURCE_DIR}/dist/kartola.6.in\" \"${kartola_man_page}\" @ONLY)
")
install(FILES ${kartola_man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
