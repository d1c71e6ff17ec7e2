// The wave spawners of the stage and section scripts, and the reset that ends
// a section's briefing. Each spawner looks at the scene's step and step frame
// and spawns on the frames its period gives.
#pragma once

void SpawnStage0Wave();
void SpawnStage1Wave();

// Unlocks the ship and takes the briefing's heading, card and model away.
void ResetSection();
void SpawnSectionWaveA();
void SpawnSectionWaveB();
void SpawnSectionWaveC();
