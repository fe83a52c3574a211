// Asset generator: draws every picture and synthesizes the music and sounds the game loads.
// Deterministic: the same build writes byte-identical files on every run.
//   assetgen [--out DIR] [core|music|sounds|tiles|units|worldui|menus|fight|transition|camp|icons ...]
#include "art.hpp"
#include "generators.hpp"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::map<std::string, void (*)()> groups = {
        {"core", genCore},   {"music", genMusic},     {"sounds", genSounds},   {"tiles", genTiles},
        {"units", genUnits}, {"worldui", genWorldUi}, {"menus", genMenus},
        {"fight", genFight}, {"transition", genTransition}, {"camp", genCamp}, {"icons", genIcons},
    };
    std::vector<std::string> wanted;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
            art::setOutputRoot(argv[++i]);
        } else if (groups.count(argv[i])) {
            wanted.emplace_back(argv[i]);
        } else {
            std::fprintf(stderr, "usage: assetgen [--out DIR] [core|music|sounds|tiles|units|worldui|menus|fight|transition|camp|icons ...]\n");
            return 2;
        }
    }
    if (wanted.empty())
        for (const auto& [name, fn] : groups) wanted.push_back(name);
    for (const auto& name : wanted) {
        std::printf("assetgen: %s\n", name.c_str());
        groups.at(name)();
    }
    return 0;
}
