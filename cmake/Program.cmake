# The game program "vostrelle" and its end-to-end tests.

# The desktop's other windows are recorded and restored through Xlib.
find_package(X11 REQUIRED)
target_link_libraries(platform_sdl PUBLIC X11::X11)

add_executable(vostrelle tools/vostrelle/Main.cpp)
target_link_libraries(vostrelle PRIVATE game platform_sdl vostrelle_assets)

# The real program, copied into a program folder of its own and driven from outside.
foreach(script offscreen keys placements fullscreen)
  add_test(NAME e2e_${script} COMMAND ${PROJECT_SOURCE_DIR}/tests/e2e/${script}.sh $<TARGET_FILE:vostrelle>)
  set_tests_properties(e2e_${script} PROPERTIES TIMEOUT 150 SKIP_RETURN_CODE 77 LABELS e2e)
endforeach()

# Whole frames of the program drawn by the OpenGL device with the embedded assets.
vostrelle_tests(frames_tests tests/frames game platform_sdl vostrelle_assets)
