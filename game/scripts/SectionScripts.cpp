// The practice sections: a briefing that waits for the blade button, a drill
// (kill a quota of drifting targets in time, or win a duel), and the clear or
// failed card before the title.
#include "actors/Player.h"
#include "actors/enemies/PatternEnemies.h"
#include "engine/AssetLists.h"
#include "engine/InputControler.h"
#include "engine/ObjectLists.h"
#include "game/Freeze.h"
#include "game/SceneScript.h"
#include "game/Scenes.h"
#include "game/scripts/ScriptActions.h"
#include "game/scripts/Waves.h"


namespace {

struct Duel {
    int mode;
    float y;
};

struct Drill {
    // Kill drills spawn waves until the time limit; duels place one opponent instead.
    void (*wave)();
    Duel duel;
    int timeLimit;
    // Past the limit the drill ends once the field is empty, or at once.
    bool waitsForEmptyField;
    int quota;
    bool locksWhenFailed;
};

constexpr Drill kKill30{SpawnSectionWaveA, {}, 1800, true, 30, true};
constexpr Drill kKill15{SpawnSectionWaveB, {}, 1800, true, 15, true};
constexpr Drill kKill120{SpawnSectionWaveC, {}, 1800, true, 120, true};
constexpr Drill kDuel2{nullptr, {0, 3.0f}, 600, true, 1, true};
constexpr Drill kDuel{nullptr, {1, 0.0f}, 1200, false, 1, false};

void RunBriefing()
{
    if (!g_input->current.blade)
        return;
    ResetSection();
    SetScene(g_scene, 0);
}

void RunDrill(const Drill& drill)
{
    if (drill.wave != nullptr) {
        if (g_stepFrame < drill.timeLimit)
            drill.wave();
    } else if (g_stepFrame == 0) {
        g_enemyList.push_back(new CEnemyd1(drill.duel.mode, 0.0f, drill.duel.y, 0.0f));
    }
    if (g_stepFrame >= drill.timeLimit && (!drill.waitsForEmptyField || g_enemyList.empty()))
        SetScene(g_scene, 1);
    if (g_player->killCount >= drill.quota)
        SetScene(g_scene, 1);
    if (g_player->state != STATE_ACTIVE)
        SetScene(g_scene, 1);
}

// The ship glides to the centre under a turning camera.
void ShowClear()
{
    SetSectionCard(g_texClearCard);
    PlaySound(g_seClear);
    Banner(g_texClearBanner);
    GlideShipToCentre(420);
    SwingCameraToEndView(2.0f, 1.5f, -1.0f, 420);
}

void ShowFailed()
{
    SetSectionCard(g_texFailedCard);
    Banner(g_texFailedBanner);
}

// Decided once, by the kill count alone.
void ShowResult(const Drill& drill)
{
    if (drill.wave == nullptr)
        g_player->StopAura();
    const bool cleared = g_player->killCount >= drill.quota;
    if (cleared || drill.locksWhenFailed)
        SetControlLock(true);
    if (cleared)
        ShowClear();
    else
        ShowFailed();
}

void RunResult(const Drill& drill)
{
    if (g_stepFrame == 0)
        ShowResult(drill);
    if (g_stepFrame == 300)
        FadeOut();
    if (g_stepFrame == 420)
        SetScene(-2, 0);
}

void RunSection(const Drill& drill)
{
    const Vec3& turn = g_groundTransform->rotation;
    g_groundTransform->SetRotation(turn.x + 0.00025f, turn.y + 0.001f, 0.0f);
    switch (g_sceneStep) {
    case -1:
        RunBriefing();
        break;
    case 0:
        RunDrill(drill);
        break;
    case 1:
        RunResult(drill);
        break;
    default:
        break;
    }
}

void SpawnOnPeriod(int period, int type)
{
    if (g_sceneStep == 0 && g_stepFrame % period == 0)
        SpawnEnemyd0(type);
}

}  // namespace

void SceneScript::RunKillSection30() { RunSection(kKill30); }
void SceneScript::RunKillSection15() { RunSection(kKill15); }
void SceneScript::RunKillSection120() { RunSection(kKill120); }
void SceneScript::RunDuelSection2() { RunSection(kDuel2); }
void SceneScript::RunDuelSection() { RunSection(kDuel); }

void ResetSection()
{
    SetControlLock(false);
    SetSectionCard(-1);
    SetSectionHeading(-1);
    PurgeSectionObjects();
}

void SpawnSectionWaveA() { SpawnOnPeriod(Seconds(1.0), 0); }
void SpawnSectionWaveB() { SpawnOnPeriod(Seconds(2.0), 1); }
void SpawnSectionWaveC() { SpawnOnPeriod(Seconds(0.25), 0); }
