// How an armoured enemy bursts when destroyed: 32 glows flying apart, a
// ring, an explosion carried with the ground and a heavy blast.
#pragma once

#include "engine/VectorMath.h"

void SpawnArmouredBurst(const Vec3& position);
