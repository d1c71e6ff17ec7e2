#include "engine/AssetLists.h"

#include "engine/DeviceLog.h"
#include "engine/FileUtil.h"
#include "engine/GraphicsSystem.h"
#include "engine/SoundSystem.h"

#include <cstdio>
#include <cstring>

int g_texDigits[10] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
int g_texBigDigits[10] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
int g_texExplosion[16] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
int g_texHud101 = -1;
int g_texHud237 = -1;
int g_texPlayerShot = -1;
int g_texEnemyShot = -1;
int g_texLockedMarker = -1;
int g_texStageLabel = -1;
int g_tex248 = -1;
int g_texStageTitle = -1;
int g_texWarning = -1;
int g_texFreezeFlash = -1;
int g_tex111 = -1;
int g_texGlow = -1;
int g_texHud247 = -1;
int g_texBlade = -1;
int g_texHudStrip[3] = {-1, -1, -1};
int g_texHud312 = -1;
int g_tex317 = -1;
int g_texHud323 = -1;
int g_texCutIn = -1;
int g_texHud170 = -1;
int g_texHud191 = -1;
int g_texHud164 = -1;
int g_texHud184 = -1;
int g_texHud327 = -1;
int g_texScoreItemMarker = -1;
int g_texHud104 = -1;
int g_texBossFlash = -1;
int g_texClearBanner = -1;
int g_texFailedBanner = -1;
int g_tex343 = -1;
int g_texDifficulty[2] = {-1, -1};
int g_texHud229 = -1;
int g_texHud230 = -1;
int g_texHud231 = -1;
int g_texResultLabels[4] = {-1, -1, -1, -1};
int g_texBackTile = -1;
int g_texHud257 = -1;
int g_texHud258 = -1;
int g_texIconEnemy = -1;
int g_texIconBoss = -1;
int g_texIconSmall = -1;

int g_texSkybox2[5] = {-1, -1, -1, -1, -1};
int g_tex328 = -1;
int g_texSkybox[6] = {-1, -1, -1, -1, -1, -1};
int g_texMessageText[2] = {-1, -1};
int g_texGround = -1;
int g_texMuzzleFlash = -1;

int g_seEnemyExplode = -1;
int g_seBossDie = -1;
int g_seBitExplode = -1;
int g_seEnemyDie = -1;
int g_seLock = -1;
int g_seBossExplode = -1;
int g_seBigExplode = -1;
int g_seLaserHit = -1;
int g_sePlayerDie = -1;
int g_seEnemyFire = -1;
int g_seRayFire = -1;
int g_seShotHit = -1;
int g_seEntry = -1;
int g_seSpecial = -1;
int g_seShot = -1;
int g_seLaserHit2 = -1;
int g_seBladeSwing = -1;
int g_seMidEnemyFire = -1;
int g_seCredit = -1;
int g_seHeavyFire = -1;
int g_seLaserHit3 = -1;
int g_seRefused = -1;
int g_seBladeHit = -1;
int g_seBladeHit2 = -1;
int g_seRaySpecial = -1;
int g_se132 = -1;
int g_seBeam = -1;
int g_seGameOver = -1;
int g_se137 = -1;
int g_seReloadShot = -1;
int g_seShotEmpty = -1;
int g_seReloadBlade = -1;
int g_se141 = -1;
int g_se142 = -1;
int g_seDash = -1;
int g_seLockFull = -1;
int g_seRayEmpty = -1;
int g_seReloadRay = -1;
int g_seBladeReloadPress = -1;
int g_seCutIn = -1;
int g_se159 = -1;
int g_seMenuMove = -1;
int g_seSnapshot = -1;
int g_seExtend = -1;
int g_seMessage = -1;
int g_seMessageFirst = -1;
int g_se164 = -1;
int g_seWarningTone = -1;
int g_seWarningTone2 = -1;
int g_seShotSpecial = -1;
int g_se167 = -1;
int g_seResultCount = -1;
int g_seResultLabel = -1;
int g_seClear = -1;
int g_seEnemyShotRemove = -1;
int g_seScoreItem = -1;
int g_bgmTitle = -1;

int g_modelPlayer = -1;
int g_modelSmallEnemy = -1;
int g_modelArmouredEnemy = -1;
int g_modelMidEnemy = -1;
int g_modelBoss = -1;
int g_modelBit = -1;
int g_modelDuelEnemy = -1;
int g_model121 = -1;
int g_modelAura = -1;
int g_modelSection = -1;

namespace {


struct Load {
    int* handle;
    const char* name;
};

struct SoundLoad {
    int* handle;
    const char* name;
    const char* type;
};

const Load kMasterTextures[] = {
    {&g_texHud101, "#101"},         {&g_texHud237, "#237"},       {&g_texPlayerShot, "#103"},
    {&g_texEnemyShot, "#106"},      {&g_texLockedMarker, "#108"}, {&g_texStageLabel, "#222"},
    {&g_tex248, "#248"},            {&g_texStageTitle, "#162"},   {&g_texWarning, "#185"},
    {&g_texFreezeFlash, "#187"},    {&g_tex111, "#111"},          {&g_texGlow, "#239"},
    {&g_texHud247, "#247"},         {&g_texBlade, "#259"},        {&g_texHudStrip[0], "#310"},
    {&g_texHudStrip[1], "#306"},    {&g_texHudStrip[2], "#309"},  {&g_texHud312, "#312"},
    {&g_tex317, "#317"},            {&g_texHud323, "#323"},       {&g_texCutIn, "#169"},
    {&g_texHud170, "#170"},         {&g_texHud191, "#191"},       {&g_texHud164, "#164"},
    {&g_texHud184, "#184"},         {&g_texHud327, "#327"},       {&g_texScoreItemMarker, "#357"},
    {&g_texHud104, "#104"},         {&g_texBossFlash, "#115"},    {&g_texClearBanner, "#341"},
    {&g_texFailedBanner, "#340"},   {&g_tex343, "#343"},          {&g_texDifficulty[0], "#240"},
    {&g_texDifficulty[1], "#245"},  {&g_texHud229, "#229"},       {&g_texHud230, "#230"},
    {&g_texHud231, "#231"},
};

const Load kLateMasterTextures[] = {
    {&g_texBackTile, "#356"}, {&g_texHud257, "#257"},  {&g_texHud258, "#258"},
    {&g_texIconEnemy, "#316"}, {&g_texIconBoss, "#324"}, {&g_texIconSmall, "#325"},
};

const Load kMoreTextures[] = {
    {&g_texSkybox2[0], "#318"},     {&g_texSkybox2[1], "#319"},     {&g_texSkybox2[2], "#320"},
    {&g_texSkybox2[3], "#321"},     {&g_texSkybox2[4], "#322"},     {&g_tex328, "#328"},
    {&g_texSkybox[0], "#329"},      {&g_texSkybox[1], "#330"},      {&g_texSkybox[2], "#331"},
    {&g_texSkybox[3], "#332"},      {&g_texSkybox[4], "#333"},      {&g_texSkybox[5], "#334"},
    {&g_texMessageText[0], "#335"}, {&g_texMessageText[1], "#337"}, {&g_texGround, "#336"},
    {&g_texMuzzleFlash, "#339"},
};

const SoundLoad kMasterSounds[] = {
    {&g_seEnemyExplode, "#105", "SE"},      {&g_seBossDie, "#103", "SE"},
    {&g_seBitExplode, "#148", "SE"},        {&g_seEnemyDie, "#127", "SE"},
    {&g_seLock, "#101", "SE"},              {&g_seBossExplode, "#102", "SE"},
    {&g_seBigExplode, "#106", "SE"},        {&g_seLaserHit, "#107", "SE"},
    {&g_sePlayerDie, "#108", "SE"},         {&g_seEnemyFire, "#109", "SE"},
    {&g_seRayFire, "#110", "SE"},           {&g_seShotHit, "#111", "SE"},
    {&g_seEntry, "#112", "SE"},             {&g_seSpecial, "#113", "SE"},
    {&g_seShot, "#115", "SE"},              {&g_seLaserHit2, "#116", "SE"},
    {&g_seBladeSwing, "#118", "SE"},        {&g_seMidEnemyFire, "#119", "SE"},
    {&g_seCredit, "#121", "SE"},            {&g_seHeavyFire, "#123", "SE"},
    {&g_seLaserHit3, "#125", "SE"},         {&g_seRefused, "#126", "SE"},
    {&g_seBladeHit, "#128", "SE"},          {&g_seBladeHit2, "#129", "SE"},
    {&g_seRaySpecial, "#131", "SE"},        {&g_se132, "#132", "SE"},
    {&g_seBeam, "#134", "SE"},              {&g_seGameOver, "#136", "SE"},
    {&g_se137, "#137", "SE"},               {&g_seReloadShot, "#138", "SE"},
    {&g_seShotEmpty, "#139", "SE"},         {&g_seReloadBlade, "#140", "SE"},
    {&g_se141, "#141", "SE"},               {&g_se142, "#142", "SE"},
    {&g_seDash, "#147", "SE"},              {&g_seLockFull, "#153", "SE"},
    {&g_seRayEmpty, "#154", "SE"},          {&g_seReloadRay, "#155", "SE"},
    {&g_seBladeReloadPress, "#157", "SE"},  {&g_seCutIn, "#158", "SE"},
    {&g_se159, "#159", "SE"},               {&g_seMenuMove, "#146", "SE"},
    {&g_seSnapshot, "#160", "SE"},          {&g_seExtend, "#161", "SE"},
    {&g_seMessage, "#162", "SE"},           {&g_seMessageFirst, "#163", "SE"},
    {&g_se164, "#164", "SE"},               {&g_seWarningTone, "#165", "SE"},
    {&g_seWarningTone2, "#165", "SE"},      {&g_seShotSpecial, "#166", "SE"},
    {&g_se167, "#167", "SE"},               {&g_seResultCount, "#152", "SE"},
    {&g_seResultLabel, "#149", "SE"},       {&g_seClear, "#168", "SE"},
    {&g_seEnemyShotRemove, "#170", "SE"},   {&g_seScoreItem, "#171", "SE"},
    {&g_bgmTitle, "#110", "BGM"},
};

const Load kMasterModels[] = {
    {&g_modelPlayer, "#101"},    {&g_modelSmallEnemy, "#103"}, {&g_modelArmouredEnemy, "#106"},
    {&g_modelMidEnemy, "#110"},  {&g_modelBoss, "#122"},       {&g_modelBit, "#120"},
    {&g_modelDuelEnemy, "#104"}, {&g_model121, "#121"},        {&g_modelAura, "#124"},
    {&g_modelSection, "#119"},
};

template <size_t N> void LoadTextures(const Load (&list)[N])
{
    for (const Load& load : list)
        g_graphics->LoadTextureResource(load.handle, load.name);
}

// Textures first..first + count - 1, each named with "#%d".
void LoadNumberedTextures(int* handles, int first, int count)
{
    char name[16];
    for (int i = 0; i < count; ++i) {
        std::memset(name, 0, sizeof name);
        std::snprintf(name, sizeof name, "#%d", first + i);
        g_graphics->LoadTextureResource(&handles[i], name);
    }
}

} // namespace

void LoadMasterTextures()
{
    AppendLog(kDeviceLog, "Load Master Texture Binaries.\n");
    LoadNumberedTextures(g_texDigits, 171, 10);
    LoadNumberedTextures(g_texBigDigits, 120, 10);
    LoadNumberedTextures(g_texExplosion, 141, 16);
    LoadTextures(kMasterTextures);
    LoadNumberedTextures(g_texResultLabels, 224, 4);
    LoadTextures(kLateMasterTextures);
    AppendLog(kDeviceLog, kStepFinished);
}

void LoadMoreTextures() { LoadTextures(kMoreTextures); }

void LoadMasterSounds()
{
    AppendLog(kDeviceLog, "Load Master Sound Binaries.\n");
    for (const SoundLoad& load : kMasterSounds)
        g_sound->Load(load.handle, load.name, load.type);
    AppendLog(kDeviceLog, kStepFinished);
}

void LoadMasterModels()
{
    AppendLog(kDeviceLog, "Load Master Model Binaries.\n");
    for (const Load& load : kMasterModels)
        g_graphics->LoadMesh(load.handle, load.name, "MODEL");
    AppendLog(kDeviceLog, kStepFinished);
}
