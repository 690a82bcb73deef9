# The fuzzers' checks in the ordinary build: each fuzzer's entry point with a small main
# that replays the shipped files, the test fixtures and tests/fuzz/findings/NAME (see
# replay_main.cpp). The fuzzers proper need clang and run from tools/fuzz.sh.
set(FUZZ_DIR ${CMAKE_CURRENT_SOURCE_DIR}/fuzz)
add_library(fuzz_replay_support STATIC ${FUZZ_DIR}/fuzz_support.cpp)
target_link_libraries(fuzz_replay_support PUBLIC dunmarrow_lib)
target_include_directories(fuzz_replay_support PUBLIC ${FUZZ_DIR})
target_compile_definitions(fuzz_replay_support PRIVATE
  DUNMARROW_SOURCE_DIR="${CMAKE_SOURCE_DIR}" DUNMARROW_GAME_DIR="${GAME_DIR}")

set(FIXTURES ${CMAKE_CURRENT_SOURCE_DIR}/quest/fixtures)
file(GLOB QUEST_FIXTURES ${FIXTURES}/*.qst ${FIXTURES}/*.sav)
file(GLOB PREFAB_FIXTURES ${FIXTURES}/*.qpf)
set(REPLAY_quest ${CMAKE_SOURCE_DIR}/data/quests ${QUEST_FIXTURES})
set(REPLAY_questplay ${REPLAY_quest})
set(REPLAY_prefab ${CMAKE_SOURCE_DIR}/data/Dunmar.qpf ${PREFAB_FIXTURES})
set(REPLAY_config ${FUZZ_DIR}/seeds/dunmar.cfg)
set(REPLAY_manual ${CMAKE_SOURCE_DIR}/data/Dunmar.htm)

foreach(name quest prefab config manual questplay)
  add_executable(${name}_replay ${FUZZ_DIR}/${name}_fuzzer.cpp ${FUZZ_DIR}/replay_main.cpp)
  target_link_libraries(${name}_replay PRIVATE fuzz_replay_support)
  target_compile_definitions(${name}_replay PRIVATE DUNMARROW_GAME_DIR="${GAME_DIR}")
  add_dependencies(${name}_replay game_datafile game_data)
  add_test(NAME fuzz_replay_${name}
    COMMAND ${name}_replay ${REPLAY_${name}} ${FUZZ_DIR}/findings/${name})
  set_tests_properties(fuzz_replay_${name} PROPERTIES LABELS unit TIMEOUT 300)
endforeach()
target_link_libraries(questplay_replay PRIVATE questbot_lib)
