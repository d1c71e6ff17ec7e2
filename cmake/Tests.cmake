# The mesh generator (toolkit, models and pictures) as a library, and the
# tests of tests/tools against it, for builds without the asset pipeline.
# cmake/Assets.cmake, read before this file, builds every generator into
# assetgen_core and tests/tools into its own test program; then this stands
# aside.
if(NOT TARGET assetgen_core)
  file(GLOB assetgen_mesh_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tools/assetgen/meshes/*.cpp)
  add_library(assetgen_meshes STATIC ${assetgen_mesh_sources})
  target_include_directories(assetgen_meshes PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(assetgen_meshes PUBLIC engine)
  vostrelle_tests(tools_tests tests/tools assetgen_meshes)
endif()
