# Test-only dependencies. The Ogg decoder's tests encode their own streams.
if(TARGET engine_tests)
  target_link_libraries(engine_tests PRIVATE PkgConfig::VORBISENC)
endif()
