#include "tools/assetgen/meshes/MeshCatalog.h"

#include "tools/assetgen/meshes/Models.h"

const std::vector<MeshAsset>& MeshAssets()
{
    static const std::vector<MeshAsset> assets = {
        {101, BuildPlayerShip}, {103, BuildSmallEnemy},   {106, BuildArmouredEnemy}, {110, BuildMidEnemy},
        {122, BuildBoss},       {120, BuildBit},          {104, BuildDuelEnemy},     {121, BuildMagazine},
        {124, BuildAuraShell},  {119, BuildSectionModel}, {116, BuildGroundTile},    {118, BuildSectionGround},
        {111, BuildDomeTile},   {112, BuildMastTile},     {115, BuildWireTerrain},
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
