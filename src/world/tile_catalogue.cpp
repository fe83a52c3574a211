#include "world/tile_catalogue.hpp"

#include <cstdio>

namespace {

constexpr TileKind W = TILE_WALKABLE;
constexpr TileKind O = TILE_OBSTACLE;
constexpr TileKind C = TILE_CAMP;

// In code order: entry i is code i + 1. Several pictures serve two codes (Sable 87/131,
// Weed1 48/141, Tree5 40/44, BoarderGround14 61/62): the obstacle twins make invisible walls.
constexpr std::array<TileCatalogueEntry, kLastTileCode> kCatalogue = {{
    {"Weed2", W},                        // 1
    {"Road1", W},                        // 2
    {"Road12", W},                       // 3
    {"chemin_plein", W},                 // 4
    {"Chemin_below_rightcirculaire", W}, // 5
    {"Chemin_rightcirculaire", W},       // 6
    {"Chemin_below_leftcirculaire", W},  // 7
    {"Chemin_leftcirculaire", W},        // 8
    {"CornerRoad4", W},                  // 9
    {"CornerRoadBottomLeft", W},         // 10
    {"CornerRoad3", W},                  // 11
    {"CornerRoad2", W},                  // 12
    {"TRoad", W},                        // 13
    {"Chemin_T_right", W},               // 14
    {"Chemin_T_below", W},               // 15
    {"chemin_T_left", W},                // 16
    {"water", O},                        // 17
    {"CllifCornerUp2", O},               // 18
    {"CllifLeft", O},                    // 19
    {"CllifRight", O},                   // 20
    {"CllifCorner", O},                  // 21
    {"CliffUp", O},                      // 22
    {"Cllif", O},                        // 23
    {"CllifCornerUp", O},                // 24
    {"CllifCorner2", O},                 // 25
    {"Tree", O},                         // 26
    {"Tree2", O},                        // 27
    {"Tree3", O},                        // 28
    {"Tree4", O},                        // 29
    {"House", C},                        // 30
    {"Tronc_darbre", O},                 // 31
    {"Colline2_top_left", O},            // 32
    {"Colline2_angle_top_left", O},      // 33
    {"Colline2_top_right", O},           // 34
    {"Colline2_below_left", O},          // 35
    {"Colline2_mid", O},                 // 36
    {"Colline2_below_right", O},         // 37
    {"Colline2_angle_below_left", O},    // 38
    {"Chemin_colline", W},               // 39
    {"Tree5", O},                        // 40
    {"Colline3_angle_top_left", W},      // 41
    {"Colline3_verticale_left", O},      // 42
    {"Colline3_angle_below_left", O},    // 43
    {"Tree5", O},                        // 44
    {nullptr, W},                        // 45: empty name, no picture
    {"Road2", W},                        // 46
    {"Road3", W},                        // 47
    {"Weed1", W},                        // 48
    {"Weed3", W},                        // 49
    {"Tree6", O},                        // 50
    {"Tree7", O},                        // 51
    {"Tree8", O},                        // 52
    {"Tree9", O},                        // 53
    {"Tree10", O},                       // 54
    {"Tree11", O},                       // 55
    {"Tree12", O},                       // 56
    {"BoarderGround12", W},              // 57
    {"BoarderGround22", W},              // 58
    {"BoarderGround13", W},              // 59
    {"BoarderGround24", W},              // 60
    {"BoarderGround14", W},              // 61
    {"BoarderGround14", W},              // 62
    {"BoarderGround1", W},               // 63
    {"BoarderGround2", W},               // 64
    {"CornerGround12", W},               // 65
    {"CornerGround", W},                 // 66
    {"CornerGround13", W},               // 67
    {"CornerGround14", W},               // 68
    {"CornerInvGround", W},              // 69
    {"CornerInvGround12", W},            // 70
    {"CornerInvGround13", W},            // 71
    {"CornerInvGround14", W},            // 72
    {"TGround12", W},                    // 73
    {"TGround", W},                      // 74
    {"TGround14", W},                    // 75
    {"TGround13", W},                    // 76
    {"StartGround12", W},                // 77
    {"StartGround13", W},                // 78
    {"StartGround14", W},                // 79
    {"StartGround", W},                  // 80
    {"WeedEX", W},                       // 81
    {"House2", C},                       // 82
    {"champ", W},                        // 83
    {"Route_horizontale", W},            // 84
    {"Route_T", W},                      // 85
    {"Route_L", W},                      // 86
    {"Sable", W},                        // 87
    {"Route_vertical", W},               // 88
    {"Route_T2", W},                     // 89
    {"Route_T3", W},                     // 90
    {"Route_T4", W},                     // 91
    {"Route_L2", W},                     // 92
    {"Route_L3", W},                     // 93
    {"Route_L4", W},                     // 94
    {"Pont_Horizontale", W},             // 95
    {"Pont_Verticale", W},               // 96
    {"Route_X2", W},                     // 97
    {"tonneaux", W},                     // 98
    {"Roche1", O},                       // 99
    {"Roche2", O},                       // 100
    {"Roche3", O},                       // 101
    {"Roche4", O},                       // 102
    {"Roche5", O},                       // 103
    {"Roche6", O},                       // 104
    {"Roche7", O},                       // 105
    {"Roche8", O},                       // 106
    {"Roche9", O},                       // 107
    {"Roche10", O},                      // 108
    {"Lac_top_left", O},                 // 109
    {"Lac_top_mid", O},                  // 110
    {"lac_top_right", O},                // 111
    {"Lac_mid_left", O},                 // 112
    {"Lac_mid", O},                      // 113
    {"Water", O},                        // 114
    {"Lac_below_left", O},               // 115
    {"Lac_below_mid", O},                // 116
    {"Lac_below_right", O},              // 117
    {"Tante", C},                        // 118
    {"Carton_below", W},                 // 119
    {"Carton_mid", W},                   // 120
    {"Carton_right", W},                 // 121
    {"Os_corps", W},                     // 122
    {"Os_visage", W},                    // 123
    {"Colline_top_left", O},             // 124
    {"Colline_mid_right2", O},           // 125
    {"Colline_below_left", O},           // 126
    {"Colline_top_mid1", O},             // 127
    {"Colline_below_mid1", O},           // 128
    {"Colline_top_right", O},            // 129
    {"Colline_below_right", O},          // 130
    {"Sable", O},                        // 131
    {"LBridge", W},                      // 132
    {"LBridge2", W},                     // 133
    {"LBridge3", W},                     // 134
    {"LBridge4", W},                     // 135
    {"TBridge", W},                      // 136
    {"TBridge2", W},                     // 137
    {"TBridge3", W},                     // 138
    {"TBridge4", W},                     // 139
    {"XRoad", W},                        // 140
    {"Weed1", O},                        // 141
    {"ArbreN2", O},                      // 142
    {"cheminN2", W},                     // 143
    {nullptr, W},                        // 144: no picture
}};

} // namespace

const std::array<TileCatalogueEntry, kLastTileCode>& tileCatalogue() { return kCatalogue; }

bool isValidTileCode(int code) { return code >= kFirstTileCode && code <= kLastTileCode; }

TileKind tileKind(int code) {
    if (!isValidTileCode(code)) return TILE_WALKABLE;
    return kCatalogue[static_cast<std::size_t>(code - 1)].kind;
}

std::string tilePicturePath(int code) {
    if (!isValidTileCode(code)) return {};
    const char* name = kCatalogue[static_cast<std::size_t>(code - 1)].name;
    if (!name) return {};
    char path[250];
    std::snprintf(path, sizeof(path), "%s%s.png", kTilePictureFolder, name);
    return path;
}
