// The camera sprite at rest.
#pragma once

// Eye (0, 0, -10) looking at the origin with y up, and no motion running.
// The camera sprite keeps the eye as its position, the look-at point as its
// rotation and the up vector as its velocity.
void ResetCamera();
