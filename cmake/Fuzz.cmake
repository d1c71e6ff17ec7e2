# Fuzz targets: one per parser of outside data, fuzz/<Source>Fuzzer.cpp, each
# named by the folder of its inputs. With VOSTRELLE_FUZZ (clang only) they are
# libFuzzer programs; in the other builds each runs its saved inputs from
# tests/fuzz/<name>/ as a test, so that every finding stays fixed.
set(fuzz_targets settings:Settings replay:Replay png_to_bmp:PngToBmp bmp:Bmp ogg_to_wave:OggToWave wave:Wave
    xfile:XFile map_grid:MapGrid resources:Resources)

if(VOSTRELLE_FUZZ)
  add_custom_target(fuzzers)
endif()
foreach(pair IN LISTS fuzz_targets)
  string(REPLACE ":" ";" pair "${pair}")
  list(GET pair 0 name)
  list(GET pair 1 source)
  if(VOSTRELLE_FUZZ)
    add_executable(fuzz_${name} fuzz/${source}Fuzzer.cpp)
    target_link_libraries(fuzz_${name} PRIVATE actors)
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
    set_target_properties(fuzz_${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
    add_dependencies(fuzzers fuzz_${name})
  else()
    add_executable(fuzz_${name}_inputs fuzz/${source}Fuzzer.cpp fuzz/RunInputs.cpp)
    target_link_libraries(fuzz_${name}_inputs PRIVATE actors)
    set_target_properties(fuzz_${name}_inputs PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                          ${CMAKE_BINARY_DIR}/tests/fuzz_${name}_inputs)
    # The saved inputs, with the empty input beside them.
    add_test(NAME fuzz_${name}_inputs COMMAND fuzz_${name}_inputs ${PROJECT_SOURCE_DIR}/tests/fuzz/${name} /dev/null)
    set_tests_properties(fuzz_${name}_inputs PROPERTIES LABELS fuzz)
  endif()
endforeach()

# The first inputs of the fuzzers, from the assets this build generated.
if(TARGET vostrelle_assets)
  add_executable(fuzz_seeds fuzz/Seeds.cpp)
  target_link_libraries(fuzz_seeds PRIVATE engine)
endif()
