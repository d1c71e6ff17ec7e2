# The game program "vostrelle" and its end-to-end tests.

# The desktop's other windows are recorded and restored through Xlib.
find_package(X11 REQUIRED)
target_link_libraries(platform_sdl PUBLIC X11::X11)

add_executable(vostrelle tools/vostrelle/Main.cpp)
target_link_libraries(vostrelle PRIVATE game platform_sdl)
if(TARGET vostrelle_assets)
  target_link_libraries(vostrelle PRIVATE vostrelle_assets)
  target_compile_definitions(vostrelle PRIVATE VOSTRELLE_EMBEDDED_ASSETS)
endif()

# The real program in a program folder of its own, driven from outside.
enable_testing()
foreach(script offscreen keys)
  add_test(NAME e2e_${script} COMMAND ${PROJECT_SOURCE_DIR}/tests/e2e/${script}.sh $<TARGET_FILE:vostrelle>)
  set_tests_properties(e2e_${script} PROPERTIES TIMEOUT 150 SKIP_RETURN_CODE 77 LABELS e2e)
endforeach()

# The game writes its settings, logs and replays beside itself, and so do the
# test programs that run parts of it. They run in parallel: each gets a
# program folder of its own, so that none reads another's device log.
function(vostrelle_own_program_folders)
  foreach(target engine_tests platform_tests actors_tests game_tests graphics_tests assets_tests tools_tests)
    if(TARGET ${target})
      set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/program-folders/${target})
    endif()
  endforeach()
endfunction()
cmake_language(DEFER CALL vostrelle_own_program_folders)
