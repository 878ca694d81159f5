# Shared compile settings and the helpers every folder uses to declare its targets.

set(TIPS_WARNINGS -Wall -Wextra -Wpedantic -Werror -Wshadow -Wnon-virtual-dtor -Wold-style-cast
                  -Woverloaded-virtual -Wimplicit-fallthrough)

add_library(tips_options INTERFACE)
target_compile_options(tips_options INTERFACE ${TIPS_WARNINGS})
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # GCC 12 reports string concatenation inside libstdc++ as overlapping copies at -O3 (a known false
  # positive), which would fail any build that adds to a std::string.
  target_compile_options(tips_options INTERFACE -Wno-restrict)
endif()
target_include_directories(tips_options INTERFACE ${CMAKE_SOURCE_DIR}/src)
if(TIPS_SANITIZE)
  target_compile_options(tips_options INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all
                                                -fno-omit-frame-pointer)
  target_link_options(tips_options INTERFACE -fsanitize=address,undefined)
endif()
if(TIPS_FUZZ)
  target_compile_options(tips_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined
                                                -fno-sanitize-recover=all)
  target_link_options(tips_options INTERFACE -fsanitize=address,undefined)
endif()
if(WIN32)
  # The A functions of the Windows API throughout; nothing from windows.h's min/max macros.
  target_compile_definitions(tips_options INTERFACE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
endif()

# tips_add_library(NAME SOURCES... [LIBS ...])
function(tips_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_link_libraries(${name} PUBLIC tips_options ${ARG_LIBS})
endfunction()

# tips_add_subsystem(NAME [LIBS ...] [WIN32_LIBS ...]): the portable library tips_NAME from the folder's
# *.cpp and, in the Windows build, tips_NAME_win32 from its win32/*.cpp. Either is made only when it has
# sources.
function(tips_add_subsystem name)
  cmake_parse_arguments(ARG "" "" "LIBS;WIN32_LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    tips_add_library(tips_${name} SOURCES ${sources} LIBS ${ARG_LIBS})
  endif()
  if(WIN32)
    file(GLOB win32_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/win32/*.cpp)
    if(win32_sources)
      tips_add_library(tips_${name}_win32 SOURCES ${win32_sources}
                       LIBS tips_${name} tips_platform_impl ${ARG_WIN32_LIBS})
    endif()
  endif()
endfunction()

# tips_add_subsystem_tests(NAME [LIBS ...]): NAME_tests from the folder's *_test.cpp against tips_NAME,
# and in the Windows build NAME_win32_tests from win32/*_test.cpp against tips_NAME_win32.
function(tips_add_subsystem_tests name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  if(tests AND TARGET tips_${name})
    tips_add_test(${name}_tests SOURCES ${tests} LIBS tips_${name} tips_platform_impl ${ARG_LIBS})
  endif()
  if(WIN32)
    file(GLOB win32_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/win32/*_test.cpp)
    if(win32_tests AND TARGET tips_${name}_win32)
      tips_add_test(${name}_win32_tests SOURCES ${win32_tests} LIBS tips_${name}_win32)
    endif()
  endif()
endfunction()

# tips_add_test(NAME SOURCES... [LIBS ...]): one GoogleTest executable, one CTest entry.
# In the Windows build CTest runs it through the Wine wrapper.
function(tips_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE tips_options ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE TIPS_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
  # Windows-side tests open windows, take the focus and bring windows to the foreground on one shared
  # display: two at once would steal them from each other.
  if(name MATCHES "_win32_tests$")
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK desktop)
  endif()
endfunction()

# tips_add_fuzzer(NAME SOURCE [LIBS ...]): a libFuzzer target, built by the fuzz preset only.
function(tips_add_fuzzer name source)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE tips_options ${ARG_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
endfunction()

# tips_add_benchmark(NAME SOURCES... [LIBS ...])
function(tips_add_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE tips_options ${ARG_LIBS} benchmark::benchmark)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/bench/support)
endfunction()
