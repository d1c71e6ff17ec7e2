// Pictures that the game loads but never shows: the sky-box faces
// ("#318".."#322", "#329".."#334"), the ground billboard "#336" and the
// unread slots "#111", "#248", "#317", "#328", "#343". They keep the slot
// numbering of the master lists, so they stay small.
#include "tools/assetgen/Noise.h"
#include "tools/assetgen/pictures/Pictures.h"
#include "tools/assetgen/pictures/Style.h"

namespace {

enum class SkyFace { Top, Side, Bottom, Near, Far };

Picture SkyPicture(SkyFace face, uint32_t seed)
{
    Canvas c(128, 128, Rgba{0, 0, 0, 1});
    c.Shade([face, seed](float x, float y) {
        const float cloud = FractalNoise(x / 32.0f, y / 32.0f, 4, seed);
        float height = 0.5f; // 0 below the horizon, 1 at the zenith
        if (face == SkyFace::Top || face == SkyFace::Far || face == SkyFace::Near)
            height = face == SkyFace::Top ? 1.0f : 0.6f;
        else if (face == SkyFace::Side)
            height = 1.0f - y / 128.0f;
        else
            height = 0.0f;
        const Rgba sky = Mix(Hex(0x40528A), Hex(0x0E1A40), height);
        return Mix(sky, Hex(0xB8C8E8), SmoothStep(0.5f, 0.8f, cloud) * 0.6f * height);
    });
    return c.Keyed();
}

Picture GroundBillboard()
{
    Canvas c(64, 64, Rgba{0, 0, 0, 1});
    c.Shade([](float x, float y) {
        return Mix(Hex(0x22304A), Hex(0x4A6488), FractalNoise(x / 16.0f, y / 16.0f, 3, 2121u));
    });
    return c.Keyed();
}

Picture Blank()
{
    Canvas c(16, 16, Rgba{0, 0, 0, 1});
    c.FillRect(0, 0, 16, 16, palette::kPanelDark);
    return c.Keyed();
}

} // namespace

void AddSparePictures(PictureList& list)
{
    const SkyFace faces2[] = {SkyFace::Top, SkyFace::Side, SkyFace::Side, SkyFace::Bottom, SkyFace::Near};
    for (int i = 0; i < 5; ++i)
        list.push_back({"TEXTURE", 318 + i, SkyPicture(faces2[i], 700u + i)});
    const SkyFace faces[] = {SkyFace::Top, SkyFace::Side, SkyFace::Side, SkyFace::Bottom, SkyFace::Near, SkyFace::Far};
    for (int i = 0; i < 6; ++i)
        list.push_back({"TEXTURE", 329 + i, SkyPicture(faces[i], 800u + i)});
    list.push_back({"TEXTURE", 336, GroundBillboard()});
    for (int id : {111, 248, 317, 328, 343})
        list.push_back({"TEXTURE", id, Blank()});
}
