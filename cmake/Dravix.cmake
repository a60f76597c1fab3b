# Shared build settings and helpers.

if(WIN32)
  add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN
                          _WIN32_WINNT=0x0602 WINVER=0x0602 _WIN32_IE=0x0800)
  # Statically linked: the programs need nothing but Windows' own DLLs.
  add_link_options(-static -static-libgcc -static-libstdc++)

  set(DRAVIX_PROGRAM_DIR ${CMAKE_BINARY_DIR}/program CACHE PATH
      "Program folder: the executables, Relaybus.dll, Language, StartButtonSkin, Resources")
  set(DRAVIX_TOOLS_DIR ${CMAKE_BINARY_DIR}/bin)
  # Pictures drawn at build time (tools/artwork); some are embedded in the programs.
  set(DRAVIX_ARTWORK_DIR ${CMAKE_BINARY_DIR}/artwork)
  set(DRAVIX_WINE_DIR ${CMAKE_BINARY_DIR}/wine)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(DRAVIX_WINE_ARCH win64)
  else()
    set(DRAVIX_WINE_ARCH win32)
  endif()
  option(DRAVIX_WINE_TESTS "Register the tests that run under Wine" ON)
  # Windows executables (tests, tools) run inside this build folder's private Wine session.
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tools/wine-exec ${DRAVIX_WINE_DIR})
else()
  set(DRAVIX_SANITIZERS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_compile_options(${DRAVIX_SANITIZERS})
  add_link_options(${DRAVIX_SANITIZERS})
endif()

# Warnings for our own targets (third-party code keeps its own flags).
function(dravix_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(DRAVIX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# A shipped Windows GUI program in the program folder.
function(dravix_program target)
  add_executable(${target} WIN32 ${ARGN})
  dravix_warnings(${target})
  target_link_options(${target} PRIVATE -municode)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${DRAVIX_PROGRAM_DIR})
endfunction()

# A Windows helper used only by tests and tools (taskbar stand-in, probes).
function(dravix_tool target)
  add_executable(${target} WIN32 ${ARGN})
  dravix_warnings(${target})
  target_link_options(${target} PRIVATE -municode)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${DRAVIX_TOOLS_DIR})
endfunction()

# A GoogleTest executable. Under Windows it runs through Wine in the shared
# session (one Xvfb, one wineserver) and takes the desktop lock, since tests
# there share windows, the debug-output reader and the taskbar.
function(dravix_test target)
  add_executable(${target} ${ARGN})
  dravix_warnings(${target})
  target_link_libraries(${target} PRIVATE GTest::gtest_main)
  if(WIN32 AND NOT DRAVIX_WINE_TESTS)
    return()
  endif()
  add_test(NAME ${target} COMMAND ${target})
  if(WIN32)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${DRAVIX_TOOLS_DIR})
    set_tests_properties(${target} PROPERTIES
      FIXTURES_REQUIRED wine_session RESOURCE_LOCK wine_desktop TIMEOUT 300)
  else()
    set_tests_properties(${target} PROPERTIES TIMEOUT 120)
  endif()
endfunction()
