#include "tools/assetgen/pictures/Pictures.h"
void AddStagePictures(PictureList&) {}
void AddMessagePictures(PictureList&) {}
void AddSectionPictures(PictureList&) {}
void AddSparePictures(PictureList&) {}
