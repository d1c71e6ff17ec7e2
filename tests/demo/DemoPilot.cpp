// Makes the shipped demo: a pilot plays stage 1 in process on a headless host,
// reading the game each frame and choosing only the keys it holds, so the
// play's replay (which stores nothing but keys) is an ordinary replay.
// Usage: demo_pilot <replay file to write>
#include "assets/EmbeddedAssets.h"
#include "engine/FileUtil.h"
#include "game/TitleMenu.h"
#include "tests/demo/DemoPilot.h"
#include "tests/game/ProgramRun.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kPlayLimit = 60 * 60 * 4;

}  // namespace


int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: demo_pilot <replay file to write>\n");
        return 2;
    }
    RegisterEmbeddedAssets();
    const std::string folder = GetProgramFolder();
    std::system(("rm -rf '" + folder + "replay'").c_str());
    const std::string settings = "scorename,PILOT\r\nwindowmode,1\r\nvsync,1\r\nglobaldifficulty,-1\r\nautomaticreload,1\r\n";
    WriteFileBytes(folder + "vostrelle.ini", settings.data(), settings.size());

    ScriptedHost host;
    host.vsync = true;
    int played = 0, furthestStep = -1, score = 0, lives = 0;
    host.onPoll = [&](int poll) {
        InputState keys;
        if (poll == 2)
            keys.credit = 1;
        if (poll == 6) {
            g_startScene = 1;  // no menu entry reaches stage 1
            keys.start = 1;
        }
        if (g_scene == 1) {
            keys = ++played < kPlayLimit ? demo::Fly(played) : Held({&InputState::start, &InputState::credit});
            furthestStep = std::max(furthestStep, g_sceneStep);
            score = g_player->score;
            lives = g_player->lives;
        }
        host.Press(keys);
        return poll > 6 && g_scene == -2 ? HostEvent::Quit : HostEvent::None;
    };
    RunProgram(host);

    std::vector<std::string> replays;
    ListFilesInFolder(folder + "replay", &replays);
    std::vector<unsigned char> bytes;
    if (replays.size() != 1 || !ReadWholeFile(replays[0], &bytes) ||
        !WriteFileBytes(argv[1], bytes.data(), bytes.size())) {
        std::fprintf(stderr, "demo_pilot: no replay to ship\n");
        return 1;
    }
    std::printf("demo_pilot: %d frames of stage 1, step %d reached, score %d, %d lives left\n", played,
                furthestStep, score, lives);
    return 0;
}
