# GraphicsSystem, and the actors that change its sampling, drawn by the OpenGL
# device: needs the engine, the actors and the SDL backends together.
vostrelle_tests(graphics_tests tests/graphics actors platform_sdl)

# Test-only dependencies. The Ogg decoder's tests encode their own streams
# and check the decoder against libvorbisfile's decoding of them.
pkg_check_modules(VORBISFILE REQUIRED IMPORTED_TARGET vorbisfile)
target_link_libraries(engine_tests PRIVATE PkgConfig::VORBISENC PkgConfig::VORBISFILE)

# Tests of the sound-effect and music generators (tools/assetgen/sounds,
# built into assetgen_core). They decode the streams both with libvorbisfile
# and with the engine's own decoder, and compare them with the embedded ones.
file(GLOB assetgen_sounds_test_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/tools/sounds/*.cpp)
if(TARGET assetgen_core AND assetgen_sounds_test_sources)
  add_executable(assetgen_sounds_tests ${assetgen_sounds_test_sources} tests/engine/VorbisFileReader.cpp)
  target_link_libraries(assetgen_sounds_tests PRIVATE assetgen_core vostrelle_assets PkgConfig::VORBISFILE GTest::gtest GTest::gtest_main)
  vostrelle_add_test(assetgen_sounds_tests)
endif()
