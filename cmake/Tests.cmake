# The mesh generator (toolkit, models and pictures) as a library, and the
# tests of tests/tools against it. Guarded: the asset build may define these
# targets before this file is read.
if(NOT TARGET assetgen_meshes)
  file(GLOB assetgen_mesh_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tools/assetgen/meshes/*.cpp)
  add_library(assetgen_meshes STATIC ${assetgen_mesh_sources})
  target_include_directories(assetgen_meshes PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(assetgen_meshes PUBLIC engine)
endif()
if(NOT TARGET tools_tests)
  vostrelle_tests(tools_tests tests/tools assetgen_meshes)
endif()
