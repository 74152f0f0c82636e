# SPDX-License-Identifier: GPL-3.0-or-later
# Checks each program's command line the way a terminal user and the manual pages meet it:
#   cmake -DPROGRAMS="path;path" -DVERSION=x.y.z [-DMANUAL_DIR=dir] -P check_command_line.cmake
# --version and --help answer with no display at all and exit 0; --version names the program and
# the version; a wrong option exits 2 with a hint; and every option --help lists is in the
# program's manual page, which names the same version.
set(no_display ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
  --unset=QT_QPA_PLATFORM)
set(failures "")

macro(fail message)
  string(APPEND failures "  ${name}: ${message}\n")
endmacro()

foreach(program IN LISTS PROGRAMS)
  get_filename_component(name ${program} NAME)
  execute_process(COMMAND ${no_display} ${program} --version RESULT_VARIABLE status
    OUTPUT_VARIABLE version_text ERROR_VARIABLE version_error TIMEOUT 30)
  string(FIND "${version_text}" "${name} ${VERSION}\n" at)
  if(NOT status EQUAL 0 OR NOT at EQUAL 0)
    fail("--version with no display: status ${status}, '${version_text}${version_error}'")
  endif()

  execute_process(COMMAND ${no_display} ${program} --help RESULT_VARIABLE status
    OUTPUT_VARIABLE help_text ERROR_VARIABLE help_error TIMEOUT 30)
  if(NOT status EQUAL 0)
    fail("--help with no display: status ${status}, '${help_error}'")
  endif()

  # A wrong option is refused; the desktop program's once Qt has taken out its own options.
  execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${program}
    --no-such-option RESULT_VARIABLE status ERROR_VARIABLE refusal OUTPUT_QUIET TIMEOUT 30)
  string(FIND "${refusal}" "unknown option '--no-such-option'" at)
  if(NOT status EQUAL 2 OR at LESS 0)
    fail("--no-such-option: status ${status}, '${refusal}'")
  endif()

  # The option lines of --help: a short form or blanks, then the long name.
  string(REGEX MATCHALL "\n  (-[a-z], |    )?--[a-z-]+" options "${help_text}")
  list(LENGTH options count)
  if(count LESS 3)
    fail("--help lists only ${count} options: '${help_text}'")
  endif()
  if(MANUAL_DIR)
    file(READ ${MANUAL_DIR}/${name}.1 page)
    string(FIND "${page}" "\"${name} ${VERSION}\"" at)
    if(at LESS 0)
      fail("the manual page does not name version ${VERSION}")
    endif()
    foreach(option IN LISTS options)
      string(REGEX REPLACE ".*(--[a-z-]+)$" "\\1" option "${option}")
      # help2man writes every hyphen of an option as "\-".
      string(REPLACE "-" "\\-" written "${option}")
      string(FIND "${page}" "${written}" at)
      if(at LESS 0)
        fail("the manual page lacks ${option}")
      endif()
    endforeach()
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "Command-line check failed:\n${failures}")
endif()
