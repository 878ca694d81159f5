# tips_add_picture_generator(NAME SOURCES... OUTPUT FILE LIBRARY LIB COMMENT TEXT)
# A program that paints pictures from code and writes them as a C++ source of bitmap bytes (run with
# --embed FILE), and the static library LIB built from that source. The program always runs on the build
# machine: in a cross build the host's C++ compiler builds it directly. Every generator draws with the
# skin's canvas and writes bitmaps with the skin's bitmap code.
function(tips_add_picture_generator name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "OUTPUT;LIBRARY;COMMENT" "SOURCES")
  set(sources ${arg_SOURCES}
      ${CMAKE_SOURCE_DIR}/assets/generator/embedded_bytes.cpp
      ${CMAKE_SOURCE_DIR}/assets/skin/skin_canvas.cpp
      ${CMAKE_SOURCE_DIR}/src/skin/bitmap.cpp)
  set(includes ${CMAKE_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/assets/skin
      ${CMAKE_SOURCE_DIR}/assets/generator)

  if(CMAKE_CROSSCOMPILING)
    find_program(TIPS_HOST_CXX NAMES c++ g++ clang++ REQUIRED)
    file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.hpp
         ${CMAKE_SOURCE_DIR}/assets/generator/*.hpp ${CMAKE_SOURCE_DIR}/assets/skin/skin_canvas.hpp
         ${CMAKE_SOURCE_DIR}/src/skin/*.hpp)
    set(program ${CMAKE_CURRENT_BINARY_DIR}/${name}_host)
    list(TRANSFORM includes PREPEND -I OUTPUT_VARIABLE include_flags)
    add_custom_command(
      OUTPUT ${program}
      COMMAND ${TIPS_HOST_CXX} -std=c++20 -O2 ${include_flags} ${sources} -o ${program}
      DEPENDS ${sources} ${headers}
      COMMENT "Building ${name} for the host"
      VERBATIM)
    set(program_depends ${program})
  else()
    add_executable(${name} ${sources})
    target_include_directories(${name} PRIVATE ${includes})
    target_link_libraries(${name} PRIVATE tips_options)
    set(program $<TARGET_FILE:${name}>)
    set(program_depends ${name})
  endif()

  add_custom_command(
    OUTPUT ${arg_OUTPUT}
    COMMAND ${program} --embed ${arg_OUTPUT}
    DEPENDS ${program_depends}
    COMMENT "${arg_COMMENT}"
    VERBATIM)
  add_library(${arg_LIBRARY} STATIC ${arg_OUTPUT})
  target_link_libraries(${arg_LIBRARY} PUBLIC tips_options)
endfunction()
