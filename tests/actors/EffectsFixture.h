// The effect, scenery and HUD tests: the recorded world (the camera at
// (0, 0, -10) looking at the origin), pictures and maps registered as
// resources, and the places and alphas of what was drawn.
#pragma once

#include "tests/actors/TileMesh.h"
#include "tests/actors/VecNear.h"
#include "tests/common/RecordedWorldTest.h"

#include <deque>
#include <string>
#include <vector>

class EffectsFixture : public RecordedWorldTest {
protected:
    // Loads pictures into the n handles; the device's ids in the same order.
    std::vector<TextureId> LoadPictures(int* handles, int n, int firstName)
    {
        std::vector<TextureId> ids;
        for (int i = 0; i < n; ++i)
            ids.push_back(LoadPicture(&handles[i], "#" + std::to_string(firstName + i)));
        device.ClearRecord();
        return ids;
    }

    // Ground grids are stored as plain text, not scrambled.
    void AddMap(const char* name, const std::string& text)
    {
        const std::string& stored = mapTexts.emplace_back(text);
        const EmbeddedResource& entry = mapEntries.emplace_back(EmbeddedResource{
            "MAP", name, reinterpret_cast<const unsigned char*>(stored.data()), stored.size()});
        RegisterResources(&entry, 1);
    }

    void DrawAndUpdate(CSprite* sprite)
    {
        sprite->Draw();
        sprite->Update();
    }

    static uint32_t AlphaByte(const RecordedDraw& draw)
    {
        return (draw.screenVertices.empty() ? draw.colorVertices[0].color : draw.screenVertices[0].color) >> 24;
    }

    // Where a blit puts its top left texel (blits sit half a pixel up and left).
    static float BlitX(const RecordedDraw& draw) { return draw.screenVertices[0].x + 0.5f; }
    static float BlitY(const RecordedDraw& draw) { return draw.screenVertices[0].y + 0.5f; }
    static float Width(const RecordedDraw& draw)
    {
        return draw.screenVertices.empty() ? draw.colorVertices[1].x - draw.colorVertices[0].x
                                           : draw.screenVertices[1].x - draw.screenVertices[0].x;
    }

private:
    std::deque<std::string> mapTexts;
    std::deque<EmbeddedResource> mapEntries;
};
