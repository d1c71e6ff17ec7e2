// The sixteen frames of the explosion ("#141".."#156"), drawn for additive
// blending: a flash, a churning fireball that hollows out, sparks, embers.
#include "tools/assetgen/pictures/Light.h"
#include "tools/assetgen/Noise.h"
#include "tools/assetgen/pictures/Pictures.h"

#include <cmath>

namespace {

constexpr int kSize = 192;
constexpr int kFrames = 16;
constexpr float kCentre = kSize / 2.0f;

float Fireball(float x, float y, float t)
{
    const float radius = 18.0f + 70.0f * std::sqrt(t);
    const float dx = x - kCentre, dy = y - kCentre;
    const float d = std::hypot(dx, dy) / radius;
    const float churn = FractalNoise(dx / radius * 2.6f + 7.0f, dy / radius * 2.6f + 3.0f + t * 1.5f, 4, 1207u);
    const float detail = FractalNoise(dx / 9.0f, dy / 9.0f - t * 6.0f, 3, 977u);
    const float edge = d + (churn - 0.5f) * 0.55f + (detail - 0.5f) * 0.2f;
    const float density = 1.0f - SmoothStep(0.62f, 1.0f, edge);
    const float hollow = SmoothStep(0.35f, 1.0f, t) * (1.0f - SmoothStep(0.0f, 0.7f, d)) * 0.9f;
    return Clamp01(density * (1.0f - hollow));
}

Rgba ExplosionLight(float x, float y, int frame)
{
    const float t = frame / static_cast<float>(kFrames - 1);
    const float dx = x - kCentre, dy = y - kCentre;
    const float r = std::hypot(dx, dy);
    const float density = Fireball(x, y, t);
    const float swirl = FractalNoise(dx / 14.0f + 31.0f, dy / 14.0f + t * 2.0f, 3, 4409u);
    const float heat = density * (1.0f - 0.9f * t) + (swirl - 0.5f) * 0.35f * density - 0.1f * t;
    const float fade = t < 0.45f ? 1.0f : 1.0f - 0.82f * SmoothStep(0.45f, 1.0f, t);
    Rgba light = Scaled(FireColour(heat), density * fade * (0.5f + 0.45f * heat));
    // The ignition flash of the first frames.
    const float flash = std::exp(-r * r / (300.0f + 2200.0f * t)) * std::max(0.0f, 1.0f - t * 3.5f) * 1.3f;
    light = {light.r + flash, light.g + flash * 0.95f, light.b + flash * 0.8f, 1};
    // The edge fades out so the billboard never shows its square.
    const float border = 1.0f - SmoothStep(kCentre - 14, kCentre - 2, r);
    return Scaled(light, border);
}

// Sparks flying out: short streaks of yellow-white light.
void AddSparks(Canvas& canvas, int frame)
{
    const float t = frame / static_cast<float>(kFrames - 1);
    if (t > 0.8f)
        return;
    for (int i = 0; i < 28; ++i) {
        const float angle = (i + 0.8f * LatticeValue(i, 1, 88u)) / 28.0f * 6.2831853f;
        const float speed = 0.55f + 0.45f * LatticeValue(i, 2, 88u);
        const float distance = 10.0f + 80.0f * speed * std::sqrt(t);
        const float length = 4.0f + 10.0f * (1.0f - t);
        const float ux = std::cos(angle), uy = std::sin(angle);
        const float brightness = (1.0f - t / 0.8f) * (0.6f + 0.4f * LatticeValue(i, 3, 88u));
        Canvas streak(kSize, kSize);
        streak.Line(kCentre + ux * distance, kCentre + uy * distance, kCentre + ux * (distance + length),
                    kCentre + uy * (distance + length), 1.6f, Rgba{1, 1, 1, 1});
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                if (float a = streak.At(x, y).a; a > 0)
                    canvas.AddLight(x, y, Rgba{1.0f, 0.85f, 0.45f, 1}, a * brightness);
    }
}

Picture ExplosionFrame(int frame)
{
    Canvas canvas = Darkness(kSize, kSize);
    AddShaded(canvas, [frame](float x, float y) { return ExplosionLight(x, y, frame); });
    AddSparks(canvas, frame);
    return canvas.OverBlack();
}

} // namespace

void AddExplosionPictures(PictureList& list)
{
    for (int frame = 0; frame < kFrames; ++frame)
        list.push_back({"TEXTURE", 141 + frame, ExplosionFrame(frame)});
}
