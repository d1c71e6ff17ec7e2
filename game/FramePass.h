// The one pass per frame that moves, collides, draws and presents every
// object list in a fixed order.
#pragma once

// A loading frame does everything but advance the scene, step and freeze counters.
void Frame(bool loadingFrame);
