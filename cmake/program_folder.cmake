# The program folder the build lays out, and that `cmake --install` lays out the same way below
# the prefix: the programs ball and main, the clock font with its licence, the sounds, and under
# resources/ the stored form layouts and the pictures the forms show. The build's programs keep their
# data folders (date, binlist, music, img) beside these; installed ones in the user's data home.
set(BALL_PROGRAM_FOLDER ${CMAKE_BINARY_DIR}/program)
set(BALL_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/scoreboard CACHE STRING "the program folder below the install prefix")

# The build's program folder is its own data folder; this file says so to the programs. It is not
# installed: an installed program folder is never written, the data go to the user's data home.
file(WRITE ${BALL_PROGRAM_FOLDER}/own-data-folder
  "The programs in this folder keep their data (date, binlist, img, music, sound) here.\n")

# The clock font ships as DS-DIGIB.ttf: the seven-segment DSEG7 Classic Bold of fonts-dseg
# (SIL Open Font License 1.1), with its licence beside it.
set(BALL_CLOCK_FONT /usr/share/fonts/truetype/dseg/DSEG7Classic-Bold.ttf CACHE FILEPATH "the font shipped as DS-DIGIB.ttf")
set(BALL_CLOCK_FONT_LICENSE /usr/share/doc/fonts-dseg/copyright CACHE FILEPATH "the licence of that font")

# source file | path in the program folder
set(shipped_pairs)
if(EXISTS ${BALL_CLOCK_FONT})
  list(APPEND shipped_pairs "${BALL_CLOCK_FONT}|DS-DIGIB.ttf")
  if(EXISTS ${BALL_CLOCK_FONT_LICENSE})
    list(APPEND shipped_pairs "${BALL_CLOCK_FONT_LICENSE}|DS-DIGIB-LICENSE.txt")
  endif()
else()
  message(WARNING "fonts-dseg is not installed (${BALL_CLOCK_FONT}); ball ships without its clock font")
endif()
foreach(pattern sound/*.wav forms/*.json img/*.png img/*.gif)
  file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/${pattern})
  foreach(file ${found})
    file(RELATIVE_PATH relative ${CMAKE_SOURCE_DIR}/resources ${file})
    if(relative MATCHES "^sound/")
      list(APPEND shipped_pairs "${file}|${relative}")
    else()
      list(APPEND shipped_pairs "${file}|resources/${relative}")
    endif()
  endforeach()
endforeach()

set(shipped_outputs)
foreach(pair ${shipped_pairs})
  string(REPLACE "|" ";" parts "${pair}")
  list(GET parts 0 source)
  list(GET parts 1 target)
  add_custom_command(OUTPUT ${BALL_PROGRAM_FOLDER}/${target}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${BALL_PROGRAM_FOLDER}/${target}
    DEPENDS ${source} VERBATIM)
  list(APPEND shipped_outputs ${BALL_PROGRAM_FOLDER}/${target})
  get_filename_component(target_dir ${target} DIRECTORY)
  get_filename_component(target_name ${target} NAME)
  install(FILES ${source} DESTINATION ${BALL_INSTALL_DIR}/${target_dir} RENAME ${target_name})
endforeach()
add_custom_target(program_folder ALL DEPENDS ${shipped_outputs})

# Puts a program of the system into the program folder, in the build as in an install.
function(ship_program target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${BALL_PROGRAM_FOLDER})
  add_dependencies(${target} program_folder)
  install(TARGETS ${target} DESTINATION ${BALL_INSTALL_DIR})
endfunction()

# Beside the program folder an install gets commands in bin/ (ball, and scoreboard for the
# launcher), a desktop entry for the launcher with its icon, and the manual pages. The commands
# are links into the program folder, made here and installed as they are.
set(command_links ${CMAKE_BINARY_DIR}/commands)
file(MAKE_DIRECTORY ${command_links})
file(RELATIVE_PATH bin_to_program /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${BALL_INSTALL_DIR})
file(CREATE_LINK ${bin_to_program}/ball ${command_links}/ball SYMBOLIC)
file(CREATE_LINK ${bin_to_program}/main ${command_links}/scoreboard SYMBOLIC)
install(FILES ${command_links}/ball ${command_links}/scoreboard DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/scoreboard.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/img/icon.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
  RENAME scoreboard.png)
# The manual pages name the program folder where the install puts it, below the prefix given to
# `cmake --install` (/usr/lib/scoreboard for the package of scripts/package.sh, the architecture's
# lib/x86_64-linux-gnu/scoreboard for a build configured with -DCMAKE_INSTALL_PREFIX=/usr).
install(CODE "
  set(program_folder \"${BALL_INSTALL_DIR}\")
  if(NOT IS_ABSOLUTE \"\${program_folder}\")
    set(program_folder \"\${CMAKE_INSTALL_PREFIX}/\${program_folder}\")
  endif()
  foreach(page ball.1 scoreboard.1)
    set(installed \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_MANDIR}/man1/\${page}\")
    message(STATUS \"Installing: \${installed}\")
    set(BALL_PROGRAM_FOLDER \"\${program_folder}\")
    configure_file(\"${CMAKE_SOURCE_DIR}/docs/man/\${page}\" \"\${installed}\" @ONLY)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${installed}\")
  endforeach()
")
