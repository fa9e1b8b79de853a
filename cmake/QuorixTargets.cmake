# Target helpers shared by every directory.
#
#   quorix_library(name SOURCES ... [LIBS ...] [WINDOWS])
#       static library; WINDOWS marks Win32-only code (skipped in the native tree)
#   quorix_native_test(name SOURCES ... [LIBS ...])
#       GoogleTest executable for the host tree, run under ASan and UBSan
#   quorix_wine_test(name SOURCES ... [LIBS ...] [RC file.rc] [TIMEOUT s])
#       GoogleTest executable for a Windows tree, run by ctest under Wine; it and
#       its files make one folder of the Windows test pack (tools/windows-tests.sh)
#   quorix_test_files(test [NAME path]... [FILES path...])
#       build outputs a Windows test starts or copies: each NAME reaches the test
#       as a compile definition of the path; all are packed beside it
#   quorix_program(name SOURCES ... [LIBS ...] [RC file.rc] [SIGNER leaf|none])
#       Windows GUI program: static, -municode, -mwindows; in test trees signed
#       with a test key (default test-release-leaf), as release media is
#   quorix_test_sign(target leaf [FILE path])
#       signs the target's program (or a copy of it at path) with a test leaf

if(QUORIX_TREE STREQUAL "native")
  set(QUORIX_NATIVE ON)
  set(QUORIX_WINDOWS OFF)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
else()
  set(QUORIX_NATIVE OFF)
  set(QUORIX_WINDOWS ON)
  # Windows 7 is the oldest system the programs run on.
  add_compile_definitions(UNICODE _UNICODE WINVER=0x0601 _WIN32_WINNT=0x0601 NOMINMAX WIN32_LEAN_AND_MEAN)
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

# Release trees build what ships: stripped, with neither the build machine's
# folders nor the clock in it, so that a build from the same commit in another
# folder gives the same bytes.
option(QUORIX_RELEASE "Build the programs for shipping" OFF)
if(QUORIX_RELEASE AND QUORIX_WINDOWS)
  add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=.)
  add_link_options(-s -Wl,--no-insert-timestamp)
endif()

# The viewer's trees: win32 (what ships) and wlanstat-x64 (the same sources and
# tests as x86-64, run where Wine cannot start i386 programs).
if(QUORIX_TREE STREQUAL "win32" OR QUORIX_TREE STREQUAL "wlanstat-x64")
  set(QUORIX_VIEWER_TREE ON)
else()
  set(QUORIX_VIEWER_TREE OFF)
endif()

set(QUORIX_WARNINGS -Wall -Wextra -Werror)

# Test trees sign their programs with the repository's test keys; release media
# is signed by tools/release.sh instead.
if(QUORIX_WINDOWS AND NOT QUORIX_RELEASE)
  find_program(QUORIX_OSSLSIGNCODE osslsigncode REQUIRED)
endif()
set(QUORIX_SIGN ${CMAKE_SOURCE_DIR}/tools/signing/sign.sh)

function(quorix_test_sign target leaf)
  cmake_parse_arguments(A "" "FILE" "" ${ARGN})
  if(NOT A_FILE)
    set(A_FILE $<TARGET_FILE:${target}>)
  endif()
  # Copying a file onto itself leaves it as it is.
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${target}> ${A_FILE}
    COMMAND bash ${QUORIX_SIGN} --test ${leaf} ${A_FILE}
    VERBATIM)
endfunction()

function(quorix_library name)
  cmake_parse_arguments(A "WINDOWS" "" "SOURCES;LIBS" ${ARGN})
  if(A_WINDOWS AND QUORIX_NATIVE)
    return()
  endif()
  add_library(${name} STATIC ${A_SOURCES})
  target_compile_options(${name} PRIVATE ${QUORIX_WARNINGS})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  if(A_LIBS)
    target_link_libraries(${name} PUBLIC ${A_LIBS})
  endif()
endfunction()

function(quorix_native_test name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT QUORIX_NATIVE)
    return()
  endif()
  add_executable(${name} ${A_SOURCES})
  target_compile_options(${name} PRIVATE ${QUORIX_WARNINGS})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${A_LIBS} GTest::gtest_main GTest::gmock)
  add_test(NAME ${name} COMMAND ${name})
endfunction()

function(quorix_wine_test name)
  cmake_parse_arguments(A "" "RC;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT QUORIX_WINDOWS)
    return()
  endif()
  add_executable(${name} ${A_SOURCES} ${A_RC})
  target_compile_options(${name} PRIVATE ${QUORIX_WARNINGS})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${A_LIBS} GTest::gtest_main GTest::gmock)
  add_test(NAME ${name} COMMAND ${name})
  if(A_TIMEOUT)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${A_TIMEOUT})
  endif()
  # What the pack copies for this test: the executable, then its files.
  file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/windows-tests/${name}.files
       CONTENT "$<TARGET_FILE:${name}>\n$<GENEX_EVAL:$<JOIN:$<TARGET_PROPERTY:${name},QUORIX_TEST_FILES>,\n>>\n")
endfunction()

function(quorix_test_files test)
  cmake_parse_arguments(A "" "" "FILES" ${ARGN})
  set(pairs ${A_UNPARSED_ARGUMENTS})
  while(pairs)
    list(POP_FRONT pairs define path)
    target_compile_definitions(${test} PRIVATE ${define}="${path}")
    list(APPEND A_FILES ${path})
  endwhile()
  set_property(TARGET ${test} APPEND PROPERTY QUORIX_TEST_FILES ${A_FILES})
  set_tests_properties(${test} PROPERTIES REQUIRED_FILES "${A_FILES}")
endfunction()

function(quorix_program name)
  cmake_parse_arguments(A "" "RC;SIGNER" "SOURCES;LIBS" ${ARGN})
  if(NOT QUORIX_WINDOWS)
    return()
  endif()
  add_executable(${name} WIN32 ${A_SOURCES} ${A_RC})
  if(NOT A_SIGNER)
    set(A_SIGNER test-release-leaf)
  endif()
  if(NOT QUORIX_RELEASE AND NOT A_SIGNER STREQUAL "none")
    quorix_test_sign(${name} ${A_SIGNER})
  endif()
  target_compile_options(${name} PRIVATE ${QUORIX_WARNINGS})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${A_LIBS})
  target_link_options(${name} PRIVATE -municode -mwindows)
  # The framework's wWinMain (and the start-up hardening beside it) lives in a
  # library, but the start-up code asks for it only after the libraries have been
  # scanned: make the program ask first (i386 names carry the stdcall decoration).
  # Test executables do without both.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    target_link_options(${name} PRIVATE -Wl,-u,_wWinMain@16)
  else()
    target_link_options(${name} PRIVATE -Wl,-u,wWinMain)
  endif()
endfunction()
