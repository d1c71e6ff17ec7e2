// Every picture of the game (TEXTURE resources and the window icon), drawn
// from code and the text sources under assets/pictures/.
#pragma once

#include "tools/assetgen/AssetSink.h"

#include <string>
#include <vector>

struct AuthoredPicture {
    std::string type; // "TEXTURE" or "ICON"
    int id;
    Picture picture;
};

using PictureList = std::vector<AuthoredPicture>;

void AddDigitPictures(PictureList& list);
void AddEffectPictures(PictureList& list);
void AddExplosionPictures(PictureList& list);
void AddHudPictures(PictureList& list);
void AddTitlePictures(PictureList& list);
void AddStagePictures(PictureList& list);
void AddMessagePictures(PictureList& list);
void AddSectionPictures(PictureList& list);
void AddSparePictures(PictureList& list);

// Every picture, in resource order.
PictureList DrawAllPictures();
