// What the stage and section scripts share: message lines with their sounds,
// the banners and the motions of the endings, and the wave periods, which
// are the one thing the difficulty changes in a script.
#pragma once

// Plays a sound effect once.
void PlaySound(int sound);

// A message line heralded by the sound of a block's first line, or by the
// sound of the lines that follow it.
void FirstLine(int sheet, int row, int frames = 240);
void NextLine(int sheet, int row, int frames = 240);

// The 128 x 16 clear or failure banner in the middle of the field.
void Banner(int texture);
// A stage's ending: the clear sound, the banner, and the ground levelling
// and sinking away over 240 frames.
void EndingBanner(int texture);
// The results of a cleared stage: 50000 for each ship left.
void ShowClearResults();
// The ship glides to the centre over the frames.
void GlideShipToCentre(int frames);
// The camera swings over the frames to look down past the ship from the eye.
void SwingCameraToEndView(float eyeX, float eyeY, float eyeZ, int frames);

// The per-frame step of a motion that runs over the frames.
float Over(int frames);
// Whole frames in the seconds at 60 frames a second.
int Seconds(double seconds);
// The seconds for the easier course (difficulty -1), the harder one (0) and
// any other value a settings file or replay may hold.
double ByDifficulty(double easier, double harder, double other);
double ByDifficulty(double easier, double harder);
