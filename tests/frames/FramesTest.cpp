// Whole frames of the program drawn by the OpenGL device: the title, the
// menu and stage 0 with its ground, each pinned by the digest of its pixels.
// The device's savings (draws that change no pixel, depth clears nothing
// reads) must leave every one of them as it was. A frame whose content
// changes on purpose (new pictures, meshes or scripts) is pinned anew with
// the digest the failure prints, after looking at the picture it saved.
#include "assets/EmbeddedAssets.h"
#include "engine/BmpWriter.h"
#include "engine/Md5.h"
#include "platform/sdl/GlGraphicsDevice.h"
#include "tests/game/ProgramRun.h"

#include <map>

namespace {

const InputState kRest;
const InputState kCredit = Held({&InputState::credit});
const InputState kStart = Held({&InputState::start});

class GlHost : public ScriptedHost {
public:
    bool CreateWindow(const char* title, int width, int height) override
    {
        ScriptedHost::CreateWindow(title, width, height);
        return window.Create(title, width, height);
    }
    GraphicsDevice* Graphics() override { return &device; }

    SdlWindow window;
    GlGraphicsDevice device{window};
};

class FramesTest : public ProgramTest {};

TEST_F(FramesTest, TitleMenuAndStageFramesStayAsPinned)
{
    RegisterEmbeddedAssets();
    WriteSettings("scorename,tester\r\nwindowmode,1\r\nvsync,1\r\n");
    // Frame -> what it shows.
    const std::map<int, const char*> pinned = {
        {30, "title-start"}, {100, "title-prompt"},  {170, "title-blink"}, {200, "menu"},
        {260, "stage-entry"}, {500, "stage-ground"}, {900, "stage-later"},
    };
    const std::vector<InputState> frames = Repeat(kRest, 180) + std::vector<InputState>{kCredit} +
                                           Repeat(kRest, 29) + std::vector<InputState>{kStart} + Repeat(kRest, 700);
    GlHost gl;
    gl.vsync = true;
    std::map<std::string, std::string> seen;
    gl.onPoll = [&](int poll) {
        const auto shot = pinned.find(poll - 1);
        if (shot != pinned.end()) {
            std::vector<unsigned char> rgb;
            int width = 0, height = 0;
            EXPECT_TRUE(gl.device.ReadBackBuffer(&rgb, &width, &height));
            seen[shot->second] = Md5Hex(rgb.data(), rgb.size());
            const std::vector<unsigned char> bmp = EncodeBmp24(rgb, width, height);
            WriteFileBytes(File(std::string(shot->second) + ".bmp"), bmp.data(), bmp.size());
        }
        if (poll >= static_cast<int>(frames.size()))
            return HostEvent::Quit;
        gl.Press(frames[poll]);
        return HostEvent::None;
    };
    ASSERT_EQ(RunProgram(gl), 0);
    const std::map<std::string, std::string> expected = {
        {"title-start", "3d7c1fcbb8d10ff6b940941b1c757259"},  {"title-prompt", "9c61da5f5de7a8efe7708abc79754cd0"},
        {"title-blink", "c12a059792c61a44305ff3e49d360381"},  {"menu", "1374c6f5adf1bbe01d4b8d17b2689849"},
        {"stage-entry", "57b9d7e6a5aa950bc00e194551292137"},  {"stage-ground", "466f87e0f588d49b935d5eea51cceb48"},
        {"stage-later", "1aaf4ea9813daa151a9c54834d0ae1f6"},
    };
    for (const auto& [name, digest] : seen)
        EXPECT_EQ(digest, expected.count(name) ? expected.at(name) : "") << name;
}

}  // namespace
