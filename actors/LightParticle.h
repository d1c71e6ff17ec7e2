// A glow: an additive square that moves and shrinks to nothing over its life.
// It is dying from its first frame, so the dying timer is its life.
#pragma once

#include "engine/Sprite.h"

class CLightParticle : public CSprite {
public:
    CLightParticle(float x, float y, float z, float size, const Vec3* velocity, int life);
    ~CLightParticle() override;

    void Init(float x, float y, float z, float size, const Vec3* velocity, int life);
    void Draw() override;

    float size = 0.0f;
    // 0: drawn without the z-buffer.
    int zBuffer = 0;
};

// A still glow of 90 frames in the effect list; nothing in the game spawns one.
void SpawnLightParticle(float x, float y, float z, float size);
// A still glow of 90 frames in the glow list, drawn after the particle systems.
void SpawnLightParticleGlow(float x, float y, float z, float size);
// A glow that glides to (tx, ty, tz) and arrives as it fades out.
void SpawnLightParticleMoving(float x, float y, float z, float tx, float ty, float tz, float size, int life);
// Erases and deletes every glow in the effect list; everything else stays in order.
void RemoveAllLightParticles();
