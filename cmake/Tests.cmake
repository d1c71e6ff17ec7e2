# GraphicsSystem drawn by the OpenGL device: needs the engine and the SDL backends together.
vostrelle_tests(graphics_tests tests/graphics engine platform_sdl)

# The Ogg decoder's tests check it against libvorbisfile's decoding of the same streams.
target_link_libraries(engine_tests PRIVATE PkgConfig::VORBISFILE)

# Test-only dependencies. The Ogg decoder's tests encode their own streams.
target_link_libraries(engine_tests PRIVATE PkgConfig::VORBISENC)

# The mesh generator (toolkit, models and pictures) as a library, and the
# tests of tests/tools against it, for builds without the asset pipeline.
# cmake/Assets.cmake, read before this file, builds every generator into
# assetgen_core and tests/tools into its own test program with the embedded
# resources; then this stands aside.
if(NOT TARGET assetgen_core)
  file(GLOB assetgen_mesh_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tools/assetgen/meshes/*.cpp)
  add_library(assetgen_meshes STATIC ${assetgen_mesh_sources})
  target_include_directories(assetgen_meshes PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(assetgen_meshes PUBLIC engine)
  # Tests of the embedded resources need the pipeline.
  file(GLOB tools_test_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/tools/*.cpp)
  list(FILTER tools_test_sources EXCLUDE REGEX "/Embedded[^/]*$")
  add_executable(tools_tests ${tools_test_sources})
  target_link_libraries(tools_tests PRIVATE assetgen_meshes GTest::gtest GTest::gtest_main)
  add_test(NAME tools_tests COMMAND tools_tests)
endif()
