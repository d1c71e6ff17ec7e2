// The scripts that direct each scene frame by frame, as members of the one
// object the frame pass calls. They keep no state of their own: the scene
// number, its step and the two frame counters are their whole state.
#pragma once

class SceneScript {
public:
    // The script of g_scene; nothing for a scene without one.
    void Run();

    void RunGameOver();
    void RunTitle();
    void RunStage0();
    void RunStage1();
    void RunKillSection30();
    void RunKillSection15();
    void RunDuelSection2();
    void RunKillSection120();
    void RunDuelSection();
};
