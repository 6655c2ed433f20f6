# Finds the LibreOffice SDK (C++ UNO headers, link libraries, cppumaker) and
# the office installation it belongs to.
#
# Result variables:
#   LibreOfficeSDK_FOUND
#   LibreOfficeSDK_PROGRAM_DIR   the office's program folder (soffice.bin, types.rdb, fundamentalrc)
#   LibreOfficeSDK_CPPUMAKER     the C++ header generator for UNO types
#   LibreOfficeSDK_TYPE_DATABASES the type databases cppumaker reads (types.rdb, offapi.rdb)
# Imported target:
#   LibreOfficeSDK::UNO          compile flags, include folder, URE libraries and a
#                                run path to the program folder
# Function:
#   libreoffice_generate_uno_headers(TARGET target OUTPUT_DIR dir TYPES type...)
#     generates C++ headers for the named UNO types (and what they depend on)
#     into dir at build time and makes target wait for them.

set(_lo_hints /usr/lib/libreoffice /usr/lib64/libreoffice /opt/libreoffice)
if(LIBREOFFICE_HOME)
  list(PREPEND _lo_hints ${LIBREOFFICE_HOME})
endif()

find_path(LibreOfficeSDK_INCLUDE_DIR NAMES cppu/cppudllapi.h
  HINTS /usr/include/libreoffice ${_lo_hints} PATH_SUFFIXES sdk/include)
find_path(LibreOfficeSDK_PROGRAM_DIR NAMES fundamentalrc types.rdb
  HINTS ${_lo_hints} PATH_SUFFIXES program NO_DEFAULT_PATH)
find_program(LibreOfficeSDK_CPPUMAKER NAMES cppumaker
  HINTS ${_lo_hints} PATH_SUFFIXES sdk/bin NO_DEFAULT_PATH)

foreach(_lib uno_cppuhelpergcc3 uno_cppu uno_sal)
  find_library(LibreOfficeSDK_${_lib}_LIBRARY NAMES ${_lib}
    HINTS ${_lo_hints} PATH_SUFFIXES sdk/lib NO_DEFAULT_PATH)
  list(APPEND _lo_library_vars LibreOfficeSDK_${_lib}_LIBRARY)
endforeach()

set(LibreOfficeSDK_TYPE_DATABASES
  ${LibreOfficeSDK_PROGRAM_DIR}/types.rdb ${LibreOfficeSDK_PROGRAM_DIR}/types/offapi.rdb)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(LibreOfficeSDK
  REQUIRED_VARS LibreOfficeSDK_INCLUDE_DIR LibreOfficeSDK_PROGRAM_DIR
                LibreOfficeSDK_CPPUMAKER ${_lo_library_vars})

if(LibreOfficeSDK_FOUND AND NOT TARGET LibreOfficeSDK::UNO)
  add_library(LibreOfficeSDK::UNO INTERFACE IMPORTED)
  set_target_properties(LibreOfficeSDK::UNO PROPERTIES
    INTERFACE_COMPILE_DEFINITIONS "LINUX;UNX;CPPU_ENV=gcc3"
    INTERFACE_INCLUDE_DIRECTORIES "${LibreOfficeSDK_INCLUDE_DIR}"
    INTERFACE_LINK_LIBRARIES
      "${LibreOfficeSDK_uno_cppuhelpergcc3_LIBRARY};${LibreOfficeSDK_uno_cppu_LIBRARY};${LibreOfficeSDK_uno_sal_LIBRARY}"
    INTERFACE_LINK_OPTIONS "LINKER:-rpath,${LibreOfficeSDK_PROGRAM_DIR}")
endif()

function(libreoffice_generate_uno_headers)
  cmake_parse_arguments(ARG "" "TARGET;OUTPUT_DIR" "TYPES" ${ARGN})
  set(type_args)
  foreach(type IN LISTS ARG_TYPES)
    list(APPEND type_args "-T${type}")
  endforeach()
  set(stamp ${ARG_OUTPUT_DIR}/generated.stamp)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${LibreOfficeSDK_CPPUMAKER} -Gc -O${ARG_OUTPUT_DIR} ${type_args}
            ${LibreOfficeSDK_TYPE_DATABASES}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${LibreOfficeSDK_TYPE_DATABASES} ${CMAKE_CURRENT_LIST_FILE}
    COMMENT "Generating C++ headers for ${ARG_TARGET}'s UNO types"
    VERBATIM)
  add_custom_target(${ARG_TARGET}_uno_headers DEPENDS ${stamp})
  add_dependencies(${ARG_TARGET} ${ARG_TARGET}_uno_headers)
  target_include_directories(${ARG_TARGET} PRIVATE ${ARG_OUTPUT_DIR})
endfunction()
