# GraphicsSystem drawn by the OpenGL device: needs the engine and the SDL backends together.
vostrelle_tests(graphics_tests tests/graphics engine platform_sdl)

# Test-only dependencies. The Ogg decoder's tests encode their own streams.
target_link_libraries(engine_tests PRIVATE PkgConfig::VORBISENC)
