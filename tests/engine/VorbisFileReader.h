// libvorbisfile reading an Ogg Vorbis stream held in memory: the reference
// that the decoder is checked and measured against.
#pragma once

#include <vorbis/vorbisfile.h>

#include <vector>

class VorbisFileReader {
public:
    explicit VorbisFileReader(const std::vector<unsigned char>& ogg);
    VorbisFileReader(const VorbisFileReader&) = delete;
    VorbisFileReader& operator=(const VorbisFileReader&) = delete;
    ~VorbisFileReader();

    // False when libvorbisfile refused the stream.
    bool IsOpen() const { return open_; }
    OggVorbis_File* File() { return &file_; }

private:
    OggVorbis_File file_;
    bool open_ = false;
};
