// Every embedded resource pinned by its size and digest in assets.txt beside
// this file, so that any change a generator makes to what the game gets shows
// here, resource by resource. After a change on purpose, look the assets over
// (the contact sheet, a play) and take the assets.txt.new the failure wrote.
#include "engine/Md5.h"
#include "tests/tools/Embedded.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

// The tables the build generates, one per generator category.
const EmbeddedResource* EmbeddedTable_pictures(size_t* count);
const EmbeddedResource* EmbeddedTable_meshes(size_t* count);
const EmbeddedResource* EmbeddedTable_sounds(size_t* count);
const EmbeddedResource* EmbeddedTable_music(size_t* count);
const EmbeddedResource* EmbeddedTable_grids(size_t* count);

namespace {

// "TEXTURE #101 128x128 <md5>": pictures by the size the game converts them
// to, the rest by their byte count.
std::string Line(const EmbeddedResource& resource)
{
    std::string size = std::to_string(resource.size) + "b";
    const std::string type = resource.type;
    if (type == "TEXTURE" || type == "TEXTUREM") {
        const Image image = EmbeddedPicture(resource.type, std::stoi(resource.name + 1));
        size = std::to_string(image.width) + "x" + std::to_string(image.height);
    }
    return type + " " + resource.name + " " + size + " " + Md5Hex(resource.data, resource.size);
}

std::set<std::string> Lines(std::istream& in)
{
    std::set<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.insert(line);
    return lines;
}

} // namespace

TEST(AssetManifest, EveryResourceIsAsPinned)
{
    std::set<std::string> made;
    for (auto table : {EmbeddedTable_pictures, EmbeddedTable_meshes, EmbeddedTable_sounds, EmbeddedTable_music,
                       EmbeddedTable_grids}) {
        size_t count = 0;
        const EmbeddedResource* resources = table(&count);
        for (size_t i = 0; i < count; ++i)
            made.insert(Line(resources[i]));
    }
    const std::filesystem::path pinnedPath = std::filesystem::path(__FILE__).parent_path() / "assets.txt";
    std::ifstream in(pinnedPath);
    const std::set<std::string> pinned = Lines(in);
    if (made == pinned)
        return;
    std::ofstream out(pinnedPath.string() + ".new");
    std::copy(made.begin(), made.end(), std::ostream_iterator<std::string>(out, "\n"));
    std::vector<std::string> gone, changed;
    std::set_difference(pinned.begin(), pinned.end(), made.begin(), made.end(), std::back_inserter(gone));
    std::set_difference(made.begin(), made.end(), pinned.begin(), pinned.end(), std::back_inserter(changed));
    std::string report;
    for (size_t i = 0; i < std::max(gone.size(), changed.size()) && i < 10; ++i)
        report += (i < gone.size() ? "- " + gone[i] + "\n" : "") + (i < changed.size() ? "+ " + changed[i] + "\n" : "");
    ADD_FAILURE() << gone.size() << " pinned lines gone, " << changed.size() << " new; the new list is in "
                  << pinnedPath.string() << ".new\n"
                  << report;
}
