// assetgen <category> <outdir>: builds one category of the game's resources.
// assetgen --contact-sheet FILE.png: lays out every picture on one sheet.
#include "tools/assetgen/Categories.h"
#include "tools/assetgen/ContactSheet.h"
#include "tools/assetgen/FileSink.h"

#include <cstdio>
#include <cstring>

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: assetgen <category> <outdir>\n       assetgen --contact-sheet FILE.png\ncategories:");
    for (size_t i = 0; i < g_assetCategoryCount; ++i)
        std::fprintf(stderr, " %s", g_assetCategories[i].name);
    std::fprintf(stderr, "\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return Usage();
    if (std::strcmp(argv[1], "--contact-sheet") == 0)
        return WriteContactSheet(argv[2]) ? 0 : 1;
    for (size_t i = 0; i < g_assetCategoryCount; ++i) {
        if (std::strcmp(argv[1], g_assetCategories[i].name) != 0)
            continue;
        FileSink sink(argv[2], argv[1]);
        g_assetCategories[i].generate(sink);
        return sink.Finish() ? 0 : 1;
    }
    return Usage();
}
