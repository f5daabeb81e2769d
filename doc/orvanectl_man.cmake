# The manual page of orvanectl, made by help2man from the command's own --help text, so that
# the two never disagree.
find_program(HELP2MAN help2man REQUIRED)
set(orvanectl_man ${CMAKE_BINARY_DIR}/orvanectl.1)
add_custom_command(OUTPUT ${orvanectl_man}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          ${HELP2MAN} --no-info --no-discard-stderr --version-string=${PROJECT_VERSION}
          "--name=terminal companion of the Orvane calendar"
          --include=${CMAKE_CURRENT_SOURCE_DIR}/orvanectl.h2m --output=${orvanectl_man}
          $<TARGET_FILE:orvanectl>
  DEPENDS orvanectl ${CMAKE_CURRENT_SOURCE_DIR}/orvanectl.h2m
  COMMENT "Making the manual page of orvanectl"
  VERBATIM)
add_custom_target(orvanectl_man ALL DEPENDS ${orvanectl_man})
install(FILES ${orvanectl_man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
