#include "VorbisFileReader.h"

#include <cstdio>

// The stream is read through a memory FILE, which libvorbisfile closes.
VorbisFileReader::VorbisFileReader(const std::vector<unsigned char>& ogg)
{
    FILE* file = fmemopen(const_cast<unsigned char*>(ogg.data()), ogg.size(), "rb");
    open_ = file != nullptr && ov_open_callbacks(file, &file_, nullptr, 0, OV_CALLBACKS_DEFAULT) == 0;
    if (file != nullptr && !open_)
        std::fclose(file);
}

VorbisFileReader::~VorbisFileReader()
{
    if (open_)
        ov_clear(&file_);
}
