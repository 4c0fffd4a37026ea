# SPDX-License-Identifier: GPL-3.0-or-later
# Install-time part of the installation: the desktop entry naming the
# launcher under the chosen prefix, the first-run marker on a fresh
# installation, and the registration of the file type and the entry with the
# desktop's databases (not when staging into DESTDIR, e.g. for a package).

# A value for the Exec key: a program path quoted when it holds anything
# but plain characters, then escaped as a desktop entry string.
function(desktop_exec_argument Path Out)
  set(Argument "${Path}")
  if(NOT Argument MATCHES "^[A-Za-z0-9_./+,@:=-]+$")
    foreach(Char "\\" "\"" "`" "$")
      string(REPLACE "${Char}" "\\${Char}" Argument "${Argument}")
    endforeach()
    set(Argument "\"${Argument}\"")
  endif()
  string(REPLACE "\\" "\\\\" Argument "${Argument}")
  string(REPLACE "%" "%%" Argument "${Argument}")
  set(${Out} "${Argument}" PARENT_SCOPE)
endfunction()

# Files made here are staged in a folder of this destination's own.
string(MD5 Destination "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(Work "${DATEVANE_WORK_DIR}/install-${Destination}")
file(MAKE_DIRECTORY "${Work}")

set(Launcher "${CMAKE_INSTALL_PREFIX}/bin/datevane")
desktop_exec_argument("${Launcher}" DATEVANE_EXEC)
string(REPLACE "\\" "\\\\" DATEVANE_TRY_EXEC "${Launcher}")
configure_file("${DATEVANE_DESKTOP_TEMPLATE}" "${Work}/datevane.desktop" @ONLY)
file(INSTALL "${Work}/datevane.desktop" DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications")

# The program opens its welcome help topic on the first start after a fresh
# installation, told by this marker, which it removes.
set(ProgramFolder "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${DATEVANE_PROGRAM_DIR}")
if(NOT EXISTS "${ProgramFolder}/datevane.INI")
  file(TOUCH "${Work}/DATEVANE.NEW")
  file(INSTALL "${Work}/DATEVANE.NEW" DESTINATION "${CMAKE_INSTALL_PREFIX}/${DATEVANE_PROGRAM_DIR}")
endif()

if("$ENV{DESTDIR}" STREQUAL "")
  execute_process(COMMAND "${DATEVANE_REGISTER}" register "${CMAKE_INSTALL_PREFIX}" COMMAND_ERROR_IS_FATAL ANY)
endif()
