# libFuzzer targets for the file readers: the level file, the settings file, the save and the
# tutorial pages. Off by default; needs clang++:
#   cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DOSTREVALD_FUZZ=ON \
#         -DOSTREVALD_BUILD_TESTS=OFF -DOSTREVALD_BUILD_BENCHMARKS=OFF -DOSTREVALD_BUILD_TOOLS=OFF
# The one-input functions (fuzz/fuzz_inputs.cpp) are shared with the corpus replay test
# (tests/fuzz_corpus_test.cpp), which every build runs.
option(OSTREVALD_FUZZ "Build the libFuzzer targets of the file readers (clang++ only)" OFF)

set(OSTREVALD_FUZZ_DIR ${CMAKE_SOURCE_DIR}/fuzz)

if(TARGET ostrevald_tests)
  target_sources(ostrevald_tests PRIVATE ${OSTREVALD_FUZZ_DIR}/fuzz_inputs.cpp)
  target_include_directories(ostrevald_tests PRIVATE ${OSTREVALD_FUZZ_DIR})
endif()

if(OSTREVALD_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "OSTREVALD_FUZZ needs clang++: add -DCMAKE_CXX_COMPILER=clang++ to a fresh build folder")
  endif()
  set(OSTREVALD_FUZZ_SANITIZERS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  # The game's libraries carry coverage for the fuzzer and the sanitizers' checks; whatever
  # links them (the game, tests, tools) links the sanitizer runtimes too.
  foreach(library ostrevald_core ostrevald_fight ostrevald_world ostrevald_menus ostrevald_app)
    target_compile_options(${library} PRIVATE -fsanitize=fuzzer-no-link ${OSTREVALD_FUZZ_SANITIZERS})
    target_link_options(${library} INTERFACE -fsanitize=address,undefined)
  endforeach()

  add_library(ostrevald_fuzz_inputs STATIC ${OSTREVALD_FUZZ_DIR}/fuzz_inputs.cpp)
  target_compile_options(ostrevald_fuzz_inputs PRIVATE -fsanitize=fuzzer-no-link ${OSTREVALD_FUZZ_SANITIZERS})
  target_include_directories(ostrevald_fuzz_inputs PUBLIC ${OSTREVALD_FUZZ_DIR})
  target_link_libraries(ostrevald_fuzz_inputs PUBLIC ostrevald_menus ostrevald_world)

  foreach(name level_file settings tutorial_page save_file)
    add_executable(${name}_fuzz ${OSTREVALD_FUZZ_DIR}/${name}_fuzz.cpp)
    target_compile_options(${name}_fuzz PRIVATE -fsanitize=fuzzer ${OSTREVALD_FUZZ_SANITIZERS})
    target_link_options(${name}_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name}_fuzz PRIVATE ostrevald_fuzz_inputs)
  endforeach()
endif()
