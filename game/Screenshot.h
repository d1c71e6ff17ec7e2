// F11: the frame as drawn, into the "snapshot" folder.
#pragma once

// Saves "snapshot/<time stamp>.bmp" (an earlier picture of the same second
// is kept) and plays the snapshot sound.
void TakeScreenshot();
