#include "VorbisFileReader.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

VorbisFileReader::VorbisFileReader(const std::vector<unsigned char>& ogg) : ogg_(ogg) {
    const ov_callbacks callbacks = {Read, Seek, nullptr, Tell};
    open_ = ov_open_callbacks(this, &file_, nullptr, 0, callbacks) == 0;
}

VorbisFileReader::~VorbisFileReader() {
    if (open_)
        ov_clear(&file_);
}

size_t VorbisFileReader::Read(void* out, size_t size, size_t count, void* source) {
    auto* reader = static_cast<VorbisFileReader*>(source);
    if (size == 0)
        return 0;
    const size_t n = std::min(count, (reader->ogg_.size() - reader->position_) / size);
    std::memcpy(out, reader->ogg_.data() + reader->position_, n * size);
    reader->position_ += n * size;
    return n;
}

int VorbisFileReader::Seek(void* source, ogg_int64_t offset, int whence) {
    auto* reader = static_cast<VorbisFileReader*>(source);
    const auto size = static_cast<ogg_int64_t>(reader->ogg_.size());
    const ogg_int64_t base = whence == SEEK_SET   ? 0
                             : whence == SEEK_CUR ? static_cast<ogg_int64_t>(reader->position_)
                                                  : size;
    if (base + offset < 0 || base + offset > size)
        return -1;
    reader->position_ = static_cast<size_t>(base + offset);
    return 0;
}

long VorbisFileReader::Tell(void* source) {
    return static_cast<long>(static_cast<VorbisFileReader*>(source)->position_);
}
