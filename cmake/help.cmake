# The help file quillet.chm, compiled at build time from resources/help with chmcmd (Debian
# package fp-utils), a host tool that also serves cross builds.
#
#   include(cmake/help.cmake)
#   quillet_add_help(<folder>)      # builds <folder>/quillet.chm as part of ALL (target quillet_help)
#
# Why the compiler runs in a chroot: chmcmd writes the topics of the context ids ([ALIAS]/[MAP],
# the ids HtmlHelp's HH_HELP_CONTEXT looks up) as absolute paths of the folder it compiles in,
# e.g. "/home/me/quillet/build/help/main_window.htm". The viewer looks that name up inside the
# .chm and finds nothing. Run with the help folder as its root directory, chmcmd writes
# "/main_window.htm", which is the topic's name inside the .chm. The chroot needs chmcmd, its
# dynamic loader and its libraries inside; this file copies them there from `ldd` output.
# The root directory is changed with `chroot` when the build runs as root, else with
# `unshare --map-root-user chroot` (unprivileged user namespaces) or else `proot`.
#
# The same file is the build-time script: the custom command runs it with `cmake -P`.

include_guard(GLOBAL)
if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  cmake_minimum_required(VERSION 3.20)  # policies for the script run
endif()

function(quillet_add_help target_dir)
  find_program(QUILLET_CHMCMD NAMES chmcmd NO_CMAKE_FIND_ROOT_PATH
               DOC "chmcmd, the CHM compiler of Free Pascal (Debian package fp-utils)")
  if(NOT QUILLET_CHMCMD)
    message(FATAL_ERROR
      "chmcmd, the compiler of the help file quillet.chm, was not found.\n"
      "On Debian or Ubuntu install the package fp-utils:  sudo apt-get install fp-utils\n"
      "(or point QUILLET_CHMCMD at chmcmd).")
  endif()

  get_filename_component(source_dir "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../resources/help" ABSOLUTE)
  file(GLOB sources LIST_DIRECTORIES false CONFIGURE_DEPENDS "${source_dir}/*")
  get_filename_component(target_dir "${target_dir}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_BINARY_DIR}")
  set(output "${target_dir}/quillet.chm")

  add_custom_command(
    OUTPUT "${output}"
    COMMAND "${CMAKE_COMMAND}"
            "-DQUILLET_HELP_CHMCMD=${QUILLET_CHMCMD}"
            "-DQUILLET_HELP_SOURCE_DIR=${source_dir}"
            "-DQUILLET_HELP_WORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/quillet_help"
            "-DQUILLET_HELP_OUTPUT=${output}"
            -P "${CMAKE_CURRENT_FUNCTION_LIST_FILE}"
    DEPENDS ${sources} "${CMAKE_CURRENT_FUNCTION_LIST_FILE}"
    COMMENT "Compiling the help file quillet.chm"
    VERBATIM)
  add_custom_target(quillet_help ALL DEPENDS "${output}")
endfunction()

# ---- build time (cmake -P) -------------------------------------------------------------------

# Copies <file> (following links) to <folder>/<name>, keeping its permissions.
function(_quillet_help_copy file folder name)
  get_filename_component(real "${file}" REALPATH)
  if(NOT EXISTS "${real}")
    message(FATAL_ERROR "quillet.chm: ${file} does not exist")
  endif()
  configure_file("${real}" "${folder}/${name}" COPYONLY)
endfunction()

# Puts chmcmd with its loader and libraries into <root>/.chmcmd and returns in <command_var>
# the command line that starts it from inside <root>.
function(_quillet_help_tool_into root command_var)
  set(tool_dir "${root}/.chmcmd")
  file(MAKE_DIRECTORY "${tool_dir}")
  _quillet_help_copy("${QUILLET_HELP_CHMCMD}" "${tool_dir}" chmcmd)

  find_program(ldd_tool NAMES ldd)
  if(NOT ldd_tool)
    message(FATAL_ERROR "quillet.chm: ldd (Debian package libc-bin) is needed to find chmcmd's libraries")
  endif()
  execute_process(COMMAND "${ldd_tool}" "${QUILLET_HELP_CHMCMD}"
                  OUTPUT_VARIABLE listing ERROR_VARIABLE listing RESULT_VARIABLE status)
  if(NOT status EQUAL 0 AND listing MATCHES "not a dynamic executable")
    set(${command_var} /.chmcmd/chmcmd PARENT_SCOPE)  # a static chmcmd needs nothing else
    return()
  endif()

  set(loader "")
  string(REPLACE "\n" ";" lines "${listing}")
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*([^ \t]+) => (/[^ \t]+) \\(")
      set(soname "${CMAKE_MATCH_1}")
      set(path "${CMAKE_MATCH_2}")
      _quillet_help_copy("${path}" "${tool_dir}" "${soname}")
      if(soname MATCHES "^libc\\.so")
        # Free Pascal's thread support loads libpthread at start, without ldd seeing it.
        get_filename_component(lib_dir "${path}" DIRECTORY)
        if(EXISTS "${lib_dir}/libpthread.so.0")
          _quillet_help_copy("${lib_dir}/libpthread.so.0" "${tool_dir}" libpthread.so.0)
        endif()
      endif()
    elseif(line MATCHES "^[ \t]*(/[^ \t]+) \\(")
      set(loader "${CMAKE_MATCH_1}")
    elseif(line MATCHES "=> not found")
      message(FATAL_ERROR "quillet.chm: chmcmd lacks a library:\n${listing}")
    endif()
  endforeach()
  if(loader STREQUAL "")
    message(FATAL_ERROR "quillet.chm: no dynamic loader in the ldd output of ${QUILLET_HELP_CHMCMD}:\n${listing}")
  endif()
  _quillet_help_copy("${loader}" "${tool_dir}" ld.so)
  set(${command_var} /.chmcmd/ld.so --library-path /.chmcmd /.chmcmd/chmcmd PARENT_SCOPE)
endfunction()

function(_quillet_help_compile)
  foreach(var QUILLET_HELP_CHMCMD QUILLET_HELP_SOURCE_DIR QUILLET_HELP_WORK_DIR QUILLET_HELP_OUTPUT)
    if(NOT DEFINED ${var})
      message(FATAL_ERROR "cmake/help.cmake run as a script needs -D${var}=...")
    endif()
  endforeach()
  if(NOT CMAKE_HOST_UNIX)
    message(FATAL_ERROR "quillet.chm: compiling the help needs a Linux host (chroot)")
  endif()

  set(root "${QUILLET_HELP_WORK_DIR}/root")
  file(REMOVE_RECURSE "${QUILLET_HELP_WORK_DIR}")
  file(MAKE_DIRECTORY "${root}")
  file(GLOB sources LIST_DIRECTORIES false "${QUILLET_HELP_SOURCE_DIR}/*")
  file(COPY ${sources} DESTINATION "${root}")
  _quillet_help_tool_into("${root}" tool)
  set(compile ${tool} quillet.hhp)

  # Run chmcmd with ${root} as "/": plain chroot (root), in a user namespace (anyone, where the
  # kernel allows it), or under proot (ptrace; package proot).
  find_program(chroot_tool NAMES chroot PATHS /usr/sbin /sbin)
  find_program(unshare_tool NAMES unshare PATHS /usr/bin /bin)
  find_program(proot_tool NAMES proot)
  set(ways "")
  if(chroot_tool)
    list(APPEND ways chroot)
    if(unshare_tool)
      list(APPEND ways unshare)
    endif()
  endif()
  if(proot_tool)
    list(APPEND ways proot)
  endif()

  set(tried "")
  set(done FALSE)
  foreach(way IN LISTS ways)
    if(way STREQUAL "chroot")
      set(wrapper "${chroot_tool}" "${root}")
    elseif(way STREQUAL "unshare")
      set(wrapper "${unshare_tool}" --user --map-root-user "${chroot_tool}" "${root}")
    else()
      set(wrapper "${proot_tool}" -r "${root}" -w /)
    endif()
    file(REMOVE "${root}/quillet.chm")
    execute_process(COMMAND ${wrapper} ${compile}
                    WORKING_DIRECTORY "${root}"
                    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
    if(status EQUAL 0 AND EXISTS "${root}/quillet.chm")
      set(done TRUE)
      break()
    endif()
    if(err MATCHES "chmcmd, a CHM compiler")  # chmcmd started (it greets first), and failed
      message(FATAL_ERROR "quillet.chm: chmcmd failed (exit ${status}):\n${out}${err}")
    endif()
    string(APPEND tried "\n  ${way}: exit ${status}\n${out}${err}")
  endforeach()
  if(NOT done)
    message(FATAL_ERROR
      "quillet.chm: could not run chmcmd with the help folder as its root directory.${tried}\n"
      "Build as root (chroot), allow unprivileged user namespaces (unshare), or install proot.")
  endif()

  # chmcmd ends with status 0 even when it reports problems: its messages decide. A warning
  # (e.g. a missing file) or an error (e.g. an undefined anchor) fails the build.
  string(REGEX MATCHALL "(^|\n)(Warning|Error|This HHP)[^\n]*" problems "${out}")
  if(problems)
    message(FATAL_ERROR "quillet.chm: chmcmd reports problems:${problems}")
  endif()

  get_filename_component(output_dir "${QUILLET_HELP_OUTPUT}" DIRECTORY)
  file(MAKE_DIRECTORY "${output_dir}")
  execute_process(COMMAND "${CMAKE_COMMAND}" -E copy "${root}/quillet.chm" "${QUILLET_HELP_OUTPUT}"
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "quillet.chm: could not copy it to ${QUILLET_HELP_OUTPUT}")
  endif()
  file(TOUCH "${QUILLET_HELP_OUTPUT}")  # newer than its sources, whatever the copy kept
  file(REMOVE_RECURSE "${QUILLET_HELP_WORK_DIR}")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE AND CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  _quillet_help_compile()
endif()
