# SPDX-License-Identifier: GPL-3.0-or-later
# What a Debian system expects beside the programs: manual pages, a
# machine-readable copyright and a changelog, the last two under
# /usr/share/doc/j3k-editor with the licence and third-party notices.

# The editor's and j3kctl's pages come from their --help, so they never
# drift from it; txsim's --help says too little, so its page is written by hand.
find_program(HELP2MAN help2man)
find_program(GZIP gzip REQUIRED)
set(man_dir ${CMAKE_CURRENT_BINARY_DIR}/man)
set(man_pages)
# Not from a sanitized build: its leak report at exit would fail the page.
if(HELP2MAN AND NOT CMAKE_CROSSCOMPILING AND NOT J3K_SANITIZE AND NOT J3K_FUZZ)
  foreach(program j3k-editor j3kctl)
    add_custom_command(
      OUTPUT ${man_dir}/${program}.1.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${man_dir}
      # English, and without a display: the editor's --help needs neither.
      COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C LANG=C QT_QPA_PLATFORM=offscreen
              ${HELP2MAN} --no-info --version-string=${PROJECT_VERSION}
              --include=${CMAKE_CURRENT_SOURCE_DIR}/man/${program}.h2m
              --output=${man_dir}/${program}.1 $<TARGET_FILE:${program}>
      COMMAND ${GZIP} -9nf ${man_dir}/${program}.1
      DEPENDS ${program} ${CMAKE_CURRENT_SOURCE_DIR}/man/${program}.h2m
      VERBATIM)
    list(APPEND man_pages ${man_dir}/${program}.1.gz)
  endforeach()
else()
  message(STATUS "help2man not found: no manual pages for j3k-editor and j3kctl")
endif()
if(TARGET txsim)
  add_custom_command(
    OUTPUT ${man_dir}/txsim.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${man_dir}
    COMMAND ${GZIP} -9nc ${CMAKE_CURRENT_SOURCE_DIR}/man/txsim.1 > ${man_dir}/txsim.1.gz
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/man/txsim.1)
  list(APPEND man_pages ${man_dir}/txsim.1.gz)
endif()

set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(
  OUTPUT ${changelog}
  COMMAND ${GZIP} -9nc ${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog > ${changelog}
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog)
add_custom_target(debian-docs ALL DEPENDS ${man_pages} ${changelog})

install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES debian/copyright ${changelog} DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The same licence files as in the Windows zip; the texts they name are in
# /usr/share/common-licenses, as the copyright file says.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE licenses/THIRD-PARTY-NOTICES.txt DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME j3k-editor)
