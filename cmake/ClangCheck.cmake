# The product code (not the tests) through a second compiler: clang, for the same target
# (64-bit Windows, the MinGW-w64 headers and libstdc++), syntax and warnings only. The build
# checks each source that changed (target clang_check, part of the default build; an error
# stops the build); the test clang_check prints what clang says about all of them and counts
# the warnings. The warnings are the strict set and -Wpedantic (no GNU extensions, which MSVC
# lacks); with QM_STRICT_WARNINGS they are errors here too.
#
# Clang has no -fexec-charset but UTF-8: here the literals stay UTF-8 instead of becoming code
# page 932. That changes the bytes of the strings, not the syntax nor today's warnings (an
# array sized to a literal's CP932 bytes, char a[3] = "表", would be an error here). No program
# is made from these files; quillmark.exe is built by GCC alone.
if(CMAKE_CROSSCOMPILING AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND WIN32)
  set(check_by_default ON)
else()
  set(check_by_default OFF)
endif()
option(QM_CLANG_CHECK "Check the product code with clang too (MinGW-w64 cross builds)" ${check_by_default})
if(NOT QM_CLANG_CHECK)
  return()
endif()
find_program(QM_CLANG NAMES clang++ DOC "clang for the second compiler's check")
if(NOT QM_CLANG)
  message(FATAL_ERROR "clang++ not found: install clang (tools/install-deps) or configure with -DQM_CLANG_CHECK=OFF")
endif()

# GCC's own libstdc++ folders (the posix-thread one), the MinGW-w64 headers of the sysroot.
set(flags --target=x86_64-w64-mingw32 --sysroot=${CMAKE_FIND_ROOT_PATH} -nostdinc++)
foreach(folder IN LISTS CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES)
  if(folder MATCHES "/include/c\\+\\+")
    list(APPEND flags -isystem ${folder})
  endif()
endforeach()
list(APPEND flags -std=c++${CMAKE_CXX_STANDARD} -fsyntax-only -I${CMAKE_SOURCE_DIR}
  ${QM_FULL_WARNING_FLAGS} -Wpedantic)
foreach(definition IN LISTS QM_DEFINITIONS)
  list(APPEND flags -D${definition})
endforeach()
set(report_flags "")
if(QM_STRICT_WARNINGS)
  list(APPEND flags -Werror)
  set(report_flags --strict)
endif()

# Written again only when they change; every source is checked again then.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/clang-check/flags.txt CONTENT "${QM_CLANG} ${flags}\n")

file(GLOB product_sources CONFIGURE_DEPENDS
  text/*.cpp framework/*.cpp format/*.cpp content/*.cpp engine/*.cpp settings/*.cpp common/*.cpp ui/*.cpp cli/*.cpp)
set(logs "")
foreach(source IN LISTS product_sources)
  file(RELATIVE_PATH name ${CMAKE_SOURCE_DIR} ${source})
  set(log ${CMAKE_BINARY_DIR}/clang-check/${name}.txt)
  add_custom_command(OUTPUT ${log}
    COMMAND sh ${CMAKE_SOURCE_DIR}/tools/clang-check compile ${log}
            ${QM_CLANG} ${flags} -MD -MF ${log}.d -MT ${log} ${source}
    DEPENDS ${source} ${CMAKE_SOURCE_DIR}/tools/clang-check ${CMAKE_BINARY_DIR}/clang-check/flags.txt
    DEPFILE ${log}.d
    COMMENT "clang: ${name}"
    VERBATIM)
  list(APPEND logs ${log})
endforeach()
add_custom_target(clang_check ALL DEPENDS ${logs})
add_test(NAME clang_check COMMAND sh ${CMAKE_SOURCE_DIR}/tools/clang-check report ${report_flags} ${logs})
set_tests_properties(clang_check PROPERTIES TIMEOUT 30)

# The layout against .clang-format: the test clang_format names each file clang-format would
# change (it reports; tools/check-format --strict fails on any).
find_program(QM_CLANG_FORMAT NAMES clang-format clang-format-14 DOC "clang-format for the layout report")
if(QM_CLANG_FORMAT)
  add_test(NAME clang_format COMMAND sh ${CMAKE_SOURCE_DIR}/tools/check-format ${QM_CLANG_FORMAT} ${CMAKE_SOURCE_DIR})
  set_tests_properties(clang_format PROPERTIES TIMEOUT 300)
endif()

