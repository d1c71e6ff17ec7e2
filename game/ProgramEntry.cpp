#include "game/ProgramEntry.h"

#include "actors/Enemy.h"
#include "actors/LandScape.h"
#include "actors/LockonSystem.h"
#include "actors/Player.h"
#include "actors/PointParticles.h"
#include "actors/TriangleParticles.h"
#include "engine/AssetLists.h"
#include "engine/DeviceLog.h"
#include "engine/FileUtil.h"
#include "engine/GraphicsSystem.h"
#include "engine/Grid.h"
#include "engine/InputControler.h"
#include "engine/InputRecord.h"
#include "engine/ObjectLists.h"
#include "engine/Profiler.h"
#include "engine/SoundSystem.h"
#include "game/Camera.h"
#include "game/FramePass.h"
#include "game/MainLoop.h"
#include "game/Replay.h"
#include "game/SceneScript.h"
#include "game/TitleMenu.h"
#include "game/WindowIcon.h"
#include "game/WindowPlacements.h"
#include "platform/ProgramHost.h"
#include "platform/System.h"

#include <cstring>
#include <string>

const char g_windowTitle[] = "ORB-VOSTRELLE Z #501b";
int g_texLoading = -1;

namespace {

constexpr char kSettingsFile[] = "vostrelle.ini";
constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

// DirectInput key codes of the arrow keys, which cannot be changed.
constexpr int kKeyUp = 200;
constexpr int kKeyDown = 0xD0;
constexpr int kKeyLeft = 0xCB;
constexpr int kKeyRight = 0xCD;

bool HasScoreName() { return g_scoreName[0] != '\0' && std::strcmp(g_scoreName, "VOSTRELLE") != 0; }

void RefuseWithoutScoreName()
{
    const std::string text = "A score name must be set before playing: add the line \"scorename,YOURNAME\" to " +
                             ProgramFilePath(kSettingsFile);
    ShowMessage(text.c_str(), "");
}

// The camera and the two scene transforms: moved only by motions and tweens.
CSprite* NewSceneTransform()
{
    CSprite* sprite = new CSprite();
    sprite->noAutoMove = true;
    g_systemSpriteList.push_back(sprite);
    return sprite;
}

void CreateLongLivedObjects()
{
    g_pointParticles = new CPointParticles();
    g_triangleParticles = new CTriangleParticles();
    g_landscape = new CLandScape();
    g_landscape2 = new CLandScape();
    g_worldTransform = NewSceneTransform();
    g_groundTransform = NewSceneTransform();
    g_camera = NewSceneTransform();
    g_lastHitEnemy = new CEnemy();
    g_lockonSystem = new CLockonSystem();
    g_player = new CPlayer();
    ResetCamera();
}

void CreateManagers(ProgramHost& host)
{
    g_grid = new CGrid;
    g_frameCounter = new CFrameCounter();
    g_graphics = new GraphicsSystem();
    g_sound = new SoundSystem(host.OpenAudio());
    g_input = new CInputControler(host.OpenInput());
    g_inputRecord = new InputRecord();
    g_sceneScript = new SceneScript();
}

void ReadControlSettings(CProfiler& profile)
{
    CInputControler& input = *g_input;
    input.upKey = kKeyUp;
    input.downKey = kKeyDown;
    input.leftKey = kKeyLeft;
    input.rightKey = kKeyRight;
    input.shotKey = profile.GetInt("shotkey", 0x2C);
    input.rayKey = profile.GetInt("raykey", 0x2D);
    input.bladeKey = profile.GetInt("bladekey", 0x1E);
    input.dashKey = profile.GetInt("dashkey", 0x2A);
    input.leftrollKey = profile.GetInt("leftrollkey", 0x1F);
    input.rightrollKey = profile.GetInt("rightrollkey", 0x20);
    input.creditKey = profile.GetInt("creditkey", 4);
    input.startKey = profile.GetInt("startkey", 2);
    input.reloadKey = profile.GetInt("reloadkey", 0x1D);
    input.shotButton = profile.GetInt("shot", 0);
    input.rayButton = profile.GetInt("ray", 1);
    input.dashButton = profile.GetInt("dash", 7);
    input.bladeButton = profile.GetInt("blade", 3);
    input.reloadButton = profile.GetInt("reload", 6);
    input.leftrollButton = profile.GetInt("leftroll", 4);
    input.rightrollButton = profile.GetInt("rightroll", 5);
    input.creditButton = profile.GetInt("credit", 8);
    input.startButton = profile.GetInt("start", 9);
    g_globalDifficulty = profile.GetInt("globaldifficulty", -1);
    g_player->automaticReload = profile.GetBool("automaticreload", true);
}

// One frame of the loading screen is shown while the rest loads.
void LoadMasterAssets()
{
    LoadMasterTextures();
    g_graphics->LoadTextureResource(&g_texLoading, "#342");
    g_loading = true;
    Frame(true);
    LoadMoreTextures();
    LoadMasterSounds();
    LoadMasterModels();
    g_loading = false;
    g_graphics->ReleaseTexture(&g_texLoading);
}

template <typename T>
void DeleteObject(T*& object)
{
    delete object;
    object = nullptr;
}

// The three transforms are deleted while still listed; the lists then only
// forget what they hold.
void DeleteLongLivedObjects()
{
    DeleteObject(g_player);
    DeleteObject(g_lastHitEnemy);
    DeleteObject(g_worldTransform);
    DeleteObject(g_groundTransform);
    DeleteObject(g_camera);
    DeleteObject(g_input);
    DeleteObject(g_sound);
    DeleteObject(g_frameCounter);
    DeleteObject(g_graphics);
    DeleteObject(g_lockonSystem);
    DeleteObject(g_inputRecord);
    DeleteObject(g_landscape2);
    DeleteObject(g_landscape);
    DeleteObject(g_pointParticles);
    DeleteObject(g_triangleParticles);
    DeleteObject(g_sceneScript);
    DeleteObject(g_grid);
    for (SpriteList* list : {&g_backLayerList, &g_skyList, &g_enemyList, &g_playerAttackList, &g_enemyShotList,
                             &g_effectList, &g_glowList, &g_systemSpriteList, &g_overlayList})
        list->clear();
}

// While the program runs, the play time of its replays is measured on the host's clock.
class HostReplayClock {
public:
    explicit HostReplayClock(ProgramHost& host) { SetReplayClock([&host] { return host.Milliseconds(); }); }
    ~HostReplayClock() { SetReplayClock(MonotonicMilliseconds); }
    HostReplayClock(const HostReplayClock&) = delete;
    HostReplayClock& operator=(const HostReplayClock&) = delete;
};

// A start-up failure leaves at once: the settings stay as they were.
int Abandon(CProfiler* profile, int exitCode)
{
    DeleteLongLivedObjects();
    delete profile;
    return exitCode;
}

}  // namespace

int RunProgram(ProgramHost& host)
{
    const HostReplayClock replayClock(host);
    CProfiler* profile = new CProfiler(kSettingsFile);
    if (profile->Unreadable()) {
        ReportFileProblem("cannot read the settings file " + ProgramFilePath(kSettingsFile));
        delete profile;
        return 0;
    }
    profile->GetStringBuf("scorename", g_scoreName, sizeof g_scoreName, "");
    if (!HasScoreName()) {
        RefuseWithoutScoreName();
        delete profile;
        return 0;
    }
    if (!AppendLog(kDeviceLog, ""))
        ReportFileProblem("the program folder " + GetProgramFolder() +
                          " cannot be written: no logs, replays, screenshots or settings are kept");
    CreateLongLivedObjects();
    const bool fullScreen = profile->GetBool("windowmode", true);
    const bool vsync = profile->GetBool("vsync", false) && fullScreen;
    if (fullScreen)
        SaveWindowPlacements(host.Desktop());

    if (!host.StartVideo()) {
        ShowMessage("No display found: the game needs a graphical desktop to open its window.", "");
        return Abandon(profile, 1);
    }
    if (!host.CreateWindow(g_windowTitle, kScreenWidth, kScreenHeight))
        return Abandon(profile, 0);
    SetWindowIcon(host);
    CreateManagers(host);
    ReadControlSettings(*profile);
    InitTitleMenu();
    if (!g_graphics->Init(host.Graphics(), kScreenWidth, kScreenHeight, fullScreen, vsync)) {
        ShowMessage("Failure to Initializing Direct3D8.", "");
        return Abandon(profile, 0);
    }
    host.ShowWindow();
    LoadMasterAssets();
    RunMainLoop(host, vsync && host.VsyncActive());

    profile->SetInt("globaldifficulty", PlayerDifficulty());
    profile->SetBool("automaticreload", PlayerAutomaticReload() ? 1 : 0);
    DeleteLongLivedObjects();
    delete profile;
    host.HideWindow();
    if (fullScreen)
        RestoreWindowPlacements(host.Desktop());
    return 0;
}
