# SPDX-License-Identifier: MIT
# The help side of the build: chmlib for the help viewer, and the help file compiled from
# docs/help with chmcmd (Debian package fp-utils).
include_guard(GLOBAL)

# kestrun_link_chmlib(target): links chmlib (Debian package libchm-dev) into target.
function(kestrun_link_chmlib target)
  find_library(CHM_LIBRARY chm)
  find_path(CHM_INCLUDE chm_lib.h)
  if(NOT CHM_LIBRARY OR NOT CHM_INCLUDE)
    message(FATAL_ERROR "chmlib was not found; install the package libchm-dev")
  endif()
  target_include_directories(${target} PRIVATE ${CHM_INCLUDE})
  target_link_libraries(${target} PRIVATE ${CHM_LIBRARY})
endfunction()

# kestrun_add_help_file(target [PROJECT file.hhp])
# Compiles the help project (docs/help/kestrun.hhp by default) whenever one of the files
# in its folder changes, and puts the result beside target's executable, named like it
# with ".chm", where the program looks for its help file. Without chmcmd the build goes
# on without a help file, and the program's help window says that the file is missing.
function(kestrun_add_help_file target)
  cmake_parse_arguments(ARG "" "PROJECT" "" ${ARGN})
  if(NOT ARG_PROJECT)
    set(ARG_PROJECT ${PROJECT_SOURCE_DIR}/docs/help/kestrun.hhp)
  endif()
  find_program(CHMCMD_EXECUTABLE chmcmd)
  if(NOT CHMCMD_EXECUTABLE)
    message(WARNING "chmcmd was not found (package fp-utils): ${target} is built without its help file")
    return()
  endif()

  get_filename_component(project_dir ${ARG_PROJECT} DIRECTORY)
  get_filename_component(project_name ${ARG_PROJECT} NAME_WE)
  file(GLOB_RECURSE help_sources CONFIGURE_DEPENDS ${project_dir}/*)
  set(work_dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_help)
  set(compiled ${work_dir}/${project_name}.chm)
  # chmcmd reads the project's files relative to the project and writes the compiled
  # file into its working folder. It exits with 0 even when it fails, so the file is
  # moved out of that folder afterwards, which fails when chmcmd wrote none.
  add_custom_command(
    OUTPUT ${compiled}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${work_dir}/out
    COMMAND ${CMAKE_COMMAND} -E make_directory ${work_dir}/out
    COMMAND ${CMAKE_COMMAND} -E chdir ${work_dir}/out ${CHMCMD_EXECUTABLE} --verbosity 1 ${ARG_PROJECT}
    COMMAND ${CMAKE_COMMAND} -E rename ${work_dir}/out/${project_name}.chm ${compiled}
    DEPENDS ${help_sources}
    COMMENT "Compiling the help file ${project_name}.chm"
    VERBATIM)
  add_custom_target(${target}_help ALL
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${compiled}
            $<TARGET_FILE_DIR:${target}>/$<TARGET_FILE_BASE_NAME:${target}>.chm
    DEPENDS ${compiled}
    COMMENT "Placing the help file beside ${target}"
    VERBATIM)
  add_dependencies(${target} ${target}_help)
endfunction()
