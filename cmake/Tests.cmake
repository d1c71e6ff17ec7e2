# GraphicsSystem, and the actors that change its sampling, drawn by the OpenGL
# device: needs the engine, the actors and the SDL backends together.
vostrelle_tests(graphics_tests tests/graphics actors platform_sdl)

# Test-only dependencies. The Ogg decoder's tests encode their own streams
# and check the decoder against libvorbisfile's decoding of them.
pkg_check_modules(VORBISFILE REQUIRED IMPORTED_TARGET vorbisfile)
target_link_libraries(engine_tests PRIVATE PkgConfig::VORBISENC PkgConfig::VORBISFILE)
