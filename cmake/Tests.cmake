# GraphicsSystem, and the actors that change its sampling, drawn by the OpenGL
# device: needs the engine, the actors and the SDL backends together.
vostrelle_tests(graphics_tests tests/graphics actors platform_sdl)

# Test-only dependencies. The Ogg decoder's tests encode their own streams
# and check the decoder against libvorbisfile's decoding of them.
pkg_check_modules(VORBISFILE REQUIRED IMPORTED_TARGET vorbisfile)
target_link_libraries(engine_tests PRIVATE PkgConfig::VORBISENC PkgConfig::VORBISFILE)

# The replay file chooser, the desktop's own program, asked from a window of
# its own on an X server and driven from outside.
add_executable(ask_replay_file tests/chooser/AskReplayFileMain.cpp)
target_link_libraries(ask_replay_file PRIVATE engine platform_sdl)
set_target_properties(ask_replay_file PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/ask_replay_file)
add_test(NAME e2e_chooser COMMAND ${PROJECT_SOURCE_DIR}/tests/e2e/chooser.sh $<TARGET_FILE:ask_replay_file>)
set_tests_properties(e2e_chooser PROPERTIES TIMEOUT 60 SKIP_RETURN_CODE 77 LABELS e2e)
