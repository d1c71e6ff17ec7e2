// The sixteen frames of the explosion ("#141".."#156"), drawn for additive
// blending: an ignition flash and shock ring, a billowing fireball of several
// lobes that cools and hollows out, sparks flying clear, and dying embers.
#include "tools/assetgen/Noise.h"
#include "tools/assetgen/pictures/Light.h"
#include "tools/assetgen/pictures/Pictures.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSize = 192;
constexpr int kFrames = 16;
constexpr float kCentre = kSize / 2.0f;
constexpr int kLobes = 6;

// Density 0..1 of the fireball at (x, y) at time t (0..1).
float Fireball(float x, float y, float t)
{
    const float radius = 16.0f + 62.0f * std::sqrt(t);
    const float dx = x - kCentre, dy = y - kCentre;
    const float churn = FractalNoise(dx / radius * 2.4f + 7.0f, dy / radius * 2.4f + 3.0f + t * 1.5f, 4, 1207u);
    const float detail = FractalNoise(dx / 8.0f + t * 3.0f, dy / 8.0f - t * 5.0f, 3, 977u);
    float density = 0;
    for (int lobe = 0; lobe <= kLobes; ++lobe) {
        // Lobe 0 is the core; the others bulge out around it as it grows.
        const float angle = (lobe + LatticeValue(lobe, 5, 313u)) / kLobes * 6.2831853f;
        const float offset = lobe == 0 ? 0.0f : radius * (0.3f + 0.25f * LatticeValue(lobe, 6, 313u)) * std::min(1.0f, t * 3);
        const float size = radius * (lobe == 0 ? 0.78f : 0.45f + 0.15f * LatticeValue(lobe, 7, 313u));
        const float d = std::hypot(dx - std::cos(angle) * offset, dy - std::sin(angle) * offset) / size;
        const float edge = d + (churn - 0.5f) * 0.6f + (detail - 0.5f) * 0.25f;
        density = std::max(density, 1.0f - SmoothStep(0.6f, 1.0f, edge));
    }
    const float d = std::hypot(dx, dy) / radius;
    const float hollow = SmoothStep(0.4f, 1.0f, t) * (1.0f - SmoothStep(0.0f, 0.75f, d)) * 0.85f;
    return Clamp01(density * (1.0f - hollow));
}

Rgba ExplosionLight(float x, float y, int frame)
{
    const float t = frame / static_cast<float>(kFrames - 1);
    const float dx = x - kCentre, dy = y - kCentre;
    const float r = std::hypot(dx, dy);
    const float density = Fireball(x, y, t);
    const float swirl = FractalNoise(dx / 12.0f + 31.0f, dy / 12.0f + t * 2.0f, 3, 4409u);
    const float heat = density * (1.05f - 1.0f * t) + (swirl - 0.5f) * 0.4f * density;
    const float fade = t < 0.4f ? 1.0f : 1.0f - 0.85f * SmoothStep(0.4f, 1.0f, t);
    Rgba light = Scaled(FireColour(heat), density * fade * (0.38f + 0.4f * heat));
    // Embers: bright flecks left in the cooling cloud.
    const float fleck = FractalNoise(dx / 3.0f, dy / 3.0f, 2, 6151u + frame);
    if (t > 0.45f && fleck > 0.72f)
        light = {light.r + density * (fleck - 0.72f) * 3.0f, light.g + density * (fleck - 0.72f) * 1.2f, light.b, 1};
    // The ignition flash and the shock ring of the first frames.
    const float flash = std::exp(-r * r / (250.0f + 2400.0f * t)) * std::max(0.0f, 1.0f - t * 3.5f) * 1.4f;
    const float ringRadius = 18.0f + 150.0f * t;
    const float ring = std::exp(-(r - ringRadius) * (r - ringRadius) / 10.0f) * std::max(0.0f, 1.0f - t * 3.2f) * 0.9f;
    light = {light.r + flash + ring, light.g + flash * 0.95f + ring * 0.75f, light.b + flash * 0.8f + ring * 0.5f, 1};
    // The edge fades out so the billboard never shows its square.
    return Scaled(light, 1.0f - SmoothStep(kCentre - 14, kCentre - 2, r));
}

// Sparks flying out past the fireball: streaks of yellow-white light.
void AddSparks(Canvas& canvas, int frame)
{
    const float t = frame / static_cast<float>(kFrames - 1);
    if (t > 0.75f)
        return;
    constexpr int kSparks = 16;
    for (int i = 0; i < kSparks; ++i) {
        const float angle = (i + 0.8f * LatticeValue(i, 1, 88u)) / kSparks * 6.2831853f;
        const float speed = 0.6f + 0.8f * LatticeValue(i, 2, 88u);
        const float distance = std::min(kCentre - 22, 8.0f + 70.0f * speed * std::sqrt(t));
        const float length = (5.0f + 12.0f * speed) * (1.0f - 0.6f * t);
        const float ux = std::cos(angle), uy = std::sin(angle);
        const float brightness = (1.0f - t / 0.75f) * (0.7f + 0.5f * LatticeValue(i, 3, 88u));
        Canvas streak(kSize, kSize);
        streak.Line(kCentre + ux * distance, kCentre + uy * distance, kCentre + ux * (distance + length),
                    kCentre + uy * (distance + length), 1.4f, Rgba{1, 1, 1, 1});
        AddMask(canvas, streak.Coverage(), Rgba{1.0f, 0.85f, 0.45f, 1}, brightness);
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
