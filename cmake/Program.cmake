# The game program "vostrelle" and its end-to-end tests.

add_executable(vostrelle tools/vostrelle/Main.cpp)
target_link_libraries(vostrelle PRIVATE game platform_sdl vostrelle_assets)

# The real program, copied into a program folder of its own and driven from outside.
foreach(script offscreen keys placements fullscreen)
  add_test(NAME e2e_${script} COMMAND ${PROJECT_SOURCE_DIR}/tests/e2e/${script}.sh $<TARGET_FILE:vostrelle>)
  set_tests_properties(e2e_${script} PROPERTIES TIMEOUT 150 SKIP_RETURN_CODE 77 LABELS e2e)
endforeach()

# The shipped demo, beside the program: stage 1 flown by the test-side pilot,
# which plays in process and records only the keys it holds.
add_executable(demo_pilot tests/demo/DemoPilot.cpp)
target_link_libraries(demo_pilot PRIVATE game vostrelle_assets GTest::gtest)
set_target_properties(demo_pilot PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools/demo_pilot)
set(demo_replay ${CMAKE_BINARY_DIR}/demo/stage1.dat)
add_custom_command(OUTPUT ${demo_replay}
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/demo
                   COMMAND demo_pilot ${demo_replay}
                   DEPENDS demo_pilot
                   COMMENT "Flying the stage 1 demo")
add_custom_target(demo ALL DEPENDS ${demo_replay})
add_test(NAME e2e_demo COMMAND ${PROJECT_SOURCE_DIR}/tests/e2e/demo.sh $<TARGET_FILE:vostrelle> ${demo_replay})
set_tests_properties(e2e_demo PROPERTIES TIMEOUT 150 SKIP_RETURN_CODE 77 LABELS e2e)

# Whole frames of the program drawn by the OpenGL device with the embedded assets.
vostrelle_tests(frames_tests tests/frames game platform_sdl vostrelle_assets)
