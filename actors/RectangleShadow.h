// The after-image of a blade swing: a quad given by four corners that fades
// out over its frames. It is dying from construction.
#pragma once

#include "engine/Sprite.h"

class CRectangleShadow : public CSprite {
public:
    // corners in strip order: two along one edge, then the two opposite.
    CRectangleShadow(const Vec3 corners[4], float alpha, float r, float g, float b, int frames);
    ~CRectangleShadow() override;

    void Draw() override;

    Vec3 corners[4];
    // r, g, b and the starting alpha.
    Color color;
};
