# The setup program quillet-<version>-setup.exe, made by makensis from installer/quillet.nsi
# (NSIS 3: Debian package nsis; on Windows, the installer from https://nsis.sourceforge.io).
#
#   include(cmake/setup.cmake)
#   quillet_add_setup(<program folder> <setup program>)   # target quillet_setup, part of ALL
#
# Without makensis the build goes on without a setup program, and says so.

include_guard(GLOBAL)

function(quillet_add_setup program_dir output)
  set(program_files_x86 "ProgramFiles(x86)")  # where NSIS's own installer puts it on Windows
  find_program(QUILLET_MAKENSIS NAMES makensis NO_CMAKE_FIND_ROOT_PATH
               PATHS "$ENV{${program_files_x86}}/NSIS" "$ENV{ProgramFiles}/NSIS"
               DOC "makensis, the compiler of NSIS setup programs")
  if(NOT QUILLET_MAKENSIS)
    message(STATUS "makensis not found: no setup program (install NSIS 3 to get one)")
    return()
  endif()
  set(script ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../installer/quillet.nsi)
  set(inputs $<TARGET_FILE:quillet> ${script} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../resources/artwork/quillet.ico)
  foreach(script_file IN LISTS QUILLET_SCRIPTS)
    list(APPEND inputs ${program_dir}/${script_file})
  endforeach()
  list(APPEND inputs ${program_dir}/notices.txt)
  if(TARGET quillet_help)
    list(APPEND inputs ${program_dir}/quillet.chm)
  endif()
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${QUILLET_MAKENSIS} -V2 -DPROGRAM_DIR=${program_dir} -DVERSION=${PROJECT_VERSION} -DOUTFILE=${output}
            ${script}
    DEPENDS ${inputs}
    COMMENT "Making the setup program ${output}"
    VERBATIM)
  add_custom_target(quillet_setup ALL DEPENDS ${output})
endfunction()
