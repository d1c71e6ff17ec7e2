// Turns the frame's input state into calls on the player ship.
#pragma once

// Once per unfrozen frame, after the recording or playback step, so that a
// replay drives the ship from the recorded state.
void ApplyPlayerControls();
