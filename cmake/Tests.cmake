# GraphicsSystem drawn by the OpenGL device: needs the engine and the SDL backends together.
if(NOT TARGET graphics_tests)
  vostrelle_tests(graphics_tests tests/graphics engine platform_sdl)
endif()
