#include "tools/assetgen/meshes/MeshCatalog.h"

#include "tools/assetgen/meshes/Models.h"

const std::vector<MeshAsset>& MeshAssets()
{
    static const std::vector<MeshAsset> assets = {
        {101, BuildPlayerShip},    // the player's fighter
        {103, BuildSmallEnemy},    // small enemies and emitters
        {106, BuildArmouredEnemy}, // armoured enemies and the stage 1 boss's shielded emitters
        {110, BuildMidEnemy},      // mid-size gunships
        {122, BuildBoss},          // both bosses
        {120, BuildBit},           // the bosses' drones
        {104, BuildDuelEnemy},     // the practice duel enemy
        {121, BuildMagazine},      // the ejected magazine
        {124, BuildAuraShell},     // the aura's flash round the ship
        {119, BuildSectionModel},  // the practice briefing emblem
        {116, BuildGroundTile},    // the stage 0 ground tile
        {118, BuildSectionGround}, // the practice sections' wire ground
        {111, BuildDomeTile},      // ground tiles of a set-up no scene uses
        {112, BuildMastTile},
        {115, BuildWireTerrain},   // the wire ground of a scene reached only by replay
    };
    return assets;
}

const std::vector<MeshPicture>& MeshPictures()
{
    static const std::vector<MeshPicture> pictures = {
        {kPlayerPicture, PaintPlayerShip},
        {kSmallEnemyPicture, PaintSmallEnemy},
        {kArmouredEnemyPicture, PaintArmouredEnemy},
        {kMidEnemyPicture, PaintMidEnemy},
        {kBossPicture, PaintBoss},
        {kSectionModelPicture, PaintSectionModel},
        {kGroundPicture, PaintGround},
        {kBitPicture, PaintBit},
        {kDuelEnemyPicture, PaintDuelEnemy},
    };
    return pictures;
}
