// What entering each scene sets up.
#include "actors/LandScape.h"
#include "actors/Player.h"
#include "actors/SimpleBG.h"
#include "actors/SimpleModel.h"
#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"
#include "engine/ObjectLists.h"
#include "engine/SoundSystem.h"
#include "game/Camera.h"
#include "game/Freeze.h"
#include "game/FramePass.h"
#include "game/Replay.h"
#include "game/Scenes.h"
#include "game/TitleMenu.h"

namespace {

enum class Weapon { Shot, Ray, Blade };

struct SectionRow {
    Weapon weapon;
    bool livesZeroAgain;
    bool gaugeCharging;
    int card;  // index into g_texSectionCards
};

// Scenes 10 to 18.
constexpr SectionRow kSections[] = {
    {Weapon::Shot, false, false, 0},  {Weapon::Ray, false, false, 1},  {Weapon::Blade, false, false, 2},
    {Weapon::Blade, true, false, 3},  {Weapon::Shot, false, true, 4},  {Weapon::Ray, false, true, 5},
    {Weapon::Blade, false, true, 6},  {Weapon::Shot, false, false, 7}, {Weapon::Shot, true, true, 3},
};
constexpr int kFirstSection = 10;
constexpr int kLastSection = 18;

void SetUpGrounds(int id, int width, int height)
{
    g_landscape->SetupScene(id, width, height);
    g_landscape2->SetupScene(-1, 0, 0);
}

void ClearGrounds()
{
    g_landscape->SetupScene(-1, 0, 0);
    g_landscape2->SetupScene(-1, 0, 0);
}

// The music of a stage is loaded on its first entry, behind one loading frame.
void LoadStageMusic(int* slot, const char* name)
{
    if (*slot != -1)
        return;
    g_loading = true;
    FadeStop();
    Frame(true);
    g_sound->Load(slot, name, "BGM");
    g_loading = false;
}

void PlacePlayerForPlay()
{
    g_player->EnableControl();
    g_player->Reset();
    g_player->Activate();
    g_player->SetRotation(0.0f, 0.0f, 0.0f);
    g_player->SetPosition(0.0f, -2.5f, 0.0f);
}

bool IsFadingOut(int slot) { return g_sound->IsFading(static_cast<int8_t>(slot)); }

void SetUpTitle()
{
    g_sceneStep = 0;
    MenuStep(0);
    SetSectionCard(-1);
    SetSectionHeading(-1);
    const auto music = static_cast<int8_t>(g_bgmTitle);
    if (!g_sound->IsPlaying(music) || IsFadingOut(g_bgmTitle))
        g_sound->PlayMusic(music, 1);
    FadeIn();
    SetPlayback(false);
    SetControlLock(false);
    ResetCamera();
    g_worldTransform->StopMotion();
    g_groundTransform->StopMotion();
    PurgeAllLists();
    g_player->DisableControl();
    g_graphics->SetFogColor(0, 0, 0);
    g_graphics->SetFogRange(60.0f, 80.0f);
    ClearGrounds();
}

void SetUpStage0()
{
    g_sound->FadeOutMusic();
    LoadStageMusic(&g_bgmStage0, "#111");
    ResetScene();
    SetUpGrounds(11, 100, 100);
    g_landscape->SetVelocity(-0.03f, 0.5f, 0.0f);
    g_sound->PlayMusic(static_cast<int8_t>(g_bgmStage0), 0);
}

void SetUpStage1()
{
    LoadStageMusic(&g_bgmStage1, "#113");
    ResetScene();
    ClearGrounds();
    SpawnSimpleBG(g_texBackTile, 0, 0);
    g_sound->PlayMusic(static_cast<int8_t>(g_bgmStage1), 0);
}

void SetUpSectionScene(int scene)
{
    const SectionRow& row = kSections[scene - kFirstSection];
    ResetScene();
    SetUpSection();
    g_player->shotEnabled = row.weapon == Weapon::Shot;
    g_player->rayEnabled = row.weapon == Weapon::Ray;
    g_player->bladeEnabled = row.weapon == Weapon::Blade;
    if (row.livesZeroAgain)
        g_player->lives = 0;
    if (row.gaugeCharging)
        g_player->gaugeCharging = true;
    SetSectionCard(g_texSectionCards[row.card]);
}

void SetUpGameOver()
{
    g_sound->Play(static_cast<int8_t>(g_seGameOver), 0);
    g_sound->StopMusic();
    PurgeAllLists();
    g_player->DisableControl();
}

void SetUpTitleMusicCopy()
{
    ResetCamera();
    g_sound->Load(&g_bgmTitleCopy, "#110", "BGM");
}

void SetUpTestGround(int scene)
{
    g_sound->StopMusic();
    ResetCamera();
    FadeIn();
    PurgeAllLists();
    PlacePlayerForPlay();
    if (scene == 111) {
        SetUpGrounds(11, 100, 100);
        return;
    }
    SetUpGrounds(12, 1, 1);
    g_groundTransform->SetRotation(0.0f, 0.0f, 0.0f);
    g_graphics->SetFogColor(0, 0, 0);
    g_graphics->SetFogRange(50.0f, 300.0f);
}

void SetUpEmptyScene()
{
    g_sound->StopMusic();
    ResetCamera();
    FadeIn();
    PurgeAllLists();
    g_player->DisableControl();
    ClearGrounds();
    g_groundTransform->SetRotation(0.0f, 0.0f, 0.0f);
    g_graphics->SetFogColor(0, 0, 0);
}

// The set-ups that run only on a fresh entry (step -1).
void SetUpFreshEntry(int scene)
{
    if (scene >= kFirstSection && scene <= kLastSection) {
        SetUpSectionScene(scene);
        return;
    }
    switch (scene) {
    case 0:
        SetUpStage0();
        break;
    case 1:
        SetUpStage1();
        break;
    case 111:
    case 112:
        SetUpTestGround(scene);
        break;
    default:
        break;
    }
}

}  // namespace

void RunSceneSetUp()
{
    switch (g_scene) {
    case -2:
        if (g_sceneStep == -1 || g_sceneStep == 0)
            SetUpTitle();
        return;
    case -3:
        SetUpGameOver();
        return;
    case -1:
        SetUpTitleMusicCopy();
        return;
    case 113:
        SetUpEmptyScene();
        return;
    default:
        if (g_sceneStep == -1)
            SetUpFreshEntry(g_scene);
        return;
    }
}

void ResetScene()
{
    ResetCamera();
    FadeIn();
    PurgeAllLists();
    PlacePlayerForPlay();
    g_groundTransform->SetPosition(0.0f, 0.0f, 0.0f);
    g_groundTransform->SetRotation(0.0f, 0.0f, 0.0f);
}

void SetUpSection()
{
    LoadStageTextures();
    g_player->lives = 0;
    SetUpGrounds(10, 0, 0);
    SetControlLock(true);
    SetSectionHeading(g_texSectionHeading);
    g_sectionObjectIds.push_back(SpawnSimpleModel(g_modelSection, 2.0f, 1.5f, 0.0f, 0.0f, 0.005f, 0.0f));
}
