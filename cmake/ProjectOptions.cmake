# Settings every target of the project's own code shares.

# Warnings are errors in our code (not in third-party code).
function(tarvolin_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
endfunction()

# Sources are UTF-8; every Chinese literal becomes the GBK bytes the users'
# code page (936) expects. A character outside GBK is a compile error.
add_compile_options(-finput-charset=UTF-8 -fexec-charset=GBK)

if(WIN32)
  # Static linking leaves no MinGW DLL beside the programs.
  add_link_options(-static)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
else()
  add_compile_definitions(_FILE_OFFSET_BITS=64)
endif()

# A test program: one CTest test per GoogleTest program (run under Wine in the
# cross build through the emulator of the toolchain file).
function(tarvolin_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  tarvolin_defaults(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  if(ARG_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
  endif()
endfunction()
