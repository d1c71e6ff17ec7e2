#include "tools/assetgen/pictures/Pictures.h"

#include <algorithm>

PictureList DrawAllPictures()
{
    PictureList list;
    AddDigitPictures(list);
    AddEffectPictures(list);
    AddExplosionPictures(list);
    AddHudPictures(list);
    AddTitlePictures(list);
    AddStagePictures(list);
    AddMessagePictures(list);
    AddSectionPictures(list);
    AddSparePictures(list);
    std::sort(list.begin(), list.end(), [](const AuthoredPicture& a, const AuthoredPicture& b) {
        return a.type != b.type ? a.type > b.type : a.id < b.id;
    });
    return list;
}

void GeneratePictures(AssetSink& sink)
{
    for (const AuthoredPicture& p : DrawAllPictures())
        sink.Add(p.type, p.id, EncodePng(p.picture));
}
