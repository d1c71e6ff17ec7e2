// The hit-stop freeze, the black fades, the scripts' lock of the player's
// controls, the section pictures and the results panel.
#pragma once

#include "engine/VectorMath.h"

// Freezes the next frames; a null centre puts the flash on the player (a special's cut-in).
void SetFreeze(int frames, const Vec3* centre);
bool IsFrozen();

void FadeIn();
void FadeOut();
void FadeStop();
bool IsFadingIn();
// Called once when a fade-out reaches full black.
void OnFadeOutDone();
// Draws the black layer at the level it has now, then moves the fade on by one frame.
void DrawAndStepFade();

// While locked the ship also levels its roll by itself.
void SetControlLock(bool locked);

// Texture slots; -1 hides the picture.
void SetSectionHeading(int texture);
void SetSectionCard(int texture);

// The four labels and three counters of a stage's end, each appearing in turn.
void ShowResults(int bonus, int second);
