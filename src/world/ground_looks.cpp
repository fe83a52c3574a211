#include "world/ground_looks.hpp"

#include "world/tile_catalogue.hpp"

#include <cstddef>

namespace {

int codeAt(const LevelCodes& codes, int column, int row) {
    return codes[static_cast<std::size_t>(row * kMapColumns + column)];
}

int bridgeDeck(int code) {
    for (std::size_t d = 0; d < shore::kBridgeCodes.size(); ++d)
        if (shore::kBridgeCodes[d] == code) return static_cast<int>(d);
    return -1;
}

// A shore or bank is drawn only where every land neighbour is sand: beside grass (the
// authored levels) the water keeps the plain picture it was drawn for.
bool landIsAllSand(const LevelCodes& codes, int index) {
    const int column = index % kMapColumns, row = index / kMapColumns;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int c = column + dx, r = row + dy;
            if ((dx == 0 && dy == 0) || c < 0 || r < 0 || c >= kMapColumns || r >= kMapRows) continue;
            const int code = codeAt(codes, c, r);
            if (!isWaterGround(code) && !isSandEdgedGround(code)) return false;
        }
    return true;
}

// A well-mixed 32-bit value of the board's seed and a cell: the cosmetic scatter.
std::uint32_t mix(std::uint32_t seed, std::uint32_t cell) {
    std::uint32_t h = seed ^ (cell * 0x9E3779B9u);
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

} // namespace

GroundLookCell groundLookCell(int look) {
    GroundLookCell cell;
    if (look >= kRoadEndLookFirst) {
        cell.sheet = GROUND_SHEET_ROAD_ENDS;
        cell.column = (look - kRoadEndLookFirst) % shore::kArmPatterns;
        cell.row = (look - kRoadEndLookFirst) / shore::kArmPatterns;
    } else if (look >= kDecorLookFirst) {
        const int k = look - kDecorLookFirst;
        cell.sheet = GROUND_SHEET_DECOR;
        cell.column = k % shore::kDecorColumns;
        cell.row = k / shore::kDecorColumns;
    } else if (look >= kBridgeLookFirst) {
        const int deck = (look - kBridgeLookFirst) / shore::kPieceCount, piece = (look - kBridgeLookFirst) % shore::kPieceCount;
        cell.sheet = GROUND_SHEET_BRIDGES;
        cell.column = (deck % shore::kBridgeBlocksAcross) * shore::kSheetColumns + piece % shore::kSheetColumns;
        cell.row = (deck / shore::kBridgeBlocksAcross) * shore::kSheetRows + piece / shore::kSheetColumns;
    } else {
        cell.sheet = GROUND_SHEET_SHORE;
        cell.column = look % shore::kSheetColumns;
        cell.row = look / shore::kSheetColumns;
    }
    return cell;
}

int roadArms(int code) {
    using namespace shore;
    switch (code) {
    case TILE_ROAD_HORIZONTAL: return ARM_E | ARM_W;
    case TILE_ROAD_T_DOWN: return ARM_E | ARM_S | ARM_W;
    case TILE_ROAD_L_LEFT_DOWN: return ARM_S | ARM_W;
    case TILE_ROAD_VERTICAL: return ARM_N | ARM_S;
    case TILE_ROAD_T_LEFT: return ARM_N | ARM_S | ARM_W;
    case TILE_ROAD_T_UP: return ARM_N | ARM_E | ARM_W;
    case TILE_ROAD_T_RIGHT: return ARM_N | ARM_E | ARM_S;
    case TILE_ROAD_L_LEFT_UP: return ARM_N | ARM_W;
    case TILE_ROAD_L_RIGHT_UP: return ARM_N | ARM_E;
    case TILE_ROAD_L_RIGHT_DOWN: return ARM_E | ARM_S;
    case TILE_ROAD_CROSSING: return ARM_N | ARM_E | ARM_S | ARM_W;
    default: break;
    }
    const int deck = bridgeDeck(code);
    return deck < 0 ? 0 : kBridgeDeckArms[static_cast<std::size_t>(deck)];
}

namespace {

bool isRoadEnd(int code) { return code == TILE_PATH_MARKER || code == TILE_TENT; }

} // namespace

int roadLinks(const LevelCodes& codes, int index) {
    using namespace shore;
    const int code = codes[static_cast<std::size_t>(index)];
    const int own = roadArms(code);
    if (own == 0 && !isRoadEnd(code)) return 0;
    const int column = index % kMapColumns, row = index / kMapColumns;
    // Each side: the step to the neighbour, our arm, and the neighbour's arm facing us.
    static constexpr int kSides[4][4] = {{0, -1, ARM_N, ARM_S}, {1, 0, ARM_E, ARM_W}, {0, 1, ARM_S, ARM_N}, {-1, 0, ARM_W, ARM_E}};
    int links = 0;
    for (const auto& side : kSides) {
        const int c = column + side[0], r = row + side[1];
        if (c < 0 || r < 0 || c >= kMapColumns || r >= kMapRows) {
            links |= own & side[2]; // a road leaving the map keeps going
            continue;
        }
        const int neighbour = codeAt(codes, c, r);
        const int theirs = roadArms(neighbour);
        if (theirs == 0 && !isRoadEnd(neighbour)) continue; // sand, a hill, a palm: nothing joins
        const bool pair = code == TILE_PATH_MARKER ? isRoadEnd(neighbour) : (code == TILE_TENT && neighbour == TILE_PATH_MARKER);
        if ((own & side[2]) || (theirs & side[3]) || pair) links |= side[2];
    }
    return links;
}

bool isWaterGround(int code) {
    return code == TILE_WATER || bridgeDeck(code) >= 0 || (code >= 109 && code <= 117);
}

bool isSandEdgedGround(int code) {
    if (isWaterGround(code)) return false;
    return (code >= TILE_ROAD_HORIZONTAL && code <= 108) || (code >= TILE_TENT && code <= TILE_SAND_WALL) ||
           code == TILE_FOREST || code == TILE_PATH_MARKER;
}

unsigned waterNeighbours(const LevelCodes& codes, int index) {
    static constexpr int kSteps[8][3] = {{0, -1, shore::N},  {1, -1, shore::NE}, {1, 0, shore::E},  {1, 1, shore::SE},
                                         {0, 1, shore::S},   {-1, 1, shore::SW}, {-1, 0, shore::W}, {-1, -1, shore::NW}};
    const int column = index % kMapColumns, row = index / kMapColumns;
    unsigned mask = 0;
    for (const auto& step : kSteps) {
        const int c = column + step[0], r = row + step[1];
        const bool off = c < 0 || r < 0 || c >= kMapColumns || r >= kMapRows;
        if (off || isWaterGround(codeAt(codes, c, r))) mask |= static_cast<unsigned>(step[2]);
    }
    return mask;
}

int groundLookOf(const LevelCodes& codes, int index, std::uint32_t seed) {
    if (index < 0 || index >= kCellCount) return kNoGroundLook;
    const int code = codes[static_cast<std::size_t>(index)];
    if (code == TILE_SAND) {
        const std::uint32_t h = mix(seed, static_cast<std::uint32_t>(index));
        if (h % kDecorOneIn != 0) return kNoGroundLook;
        return kDecorLookFirst + static_cast<int>((h / kDecorOneIn) % shore::kDecorCount);
    }
    if (isRoadEnd(code)) {
        const int arms = roadLinks(codes, index);
        if (arms == 0) return kNoGroundLook;
        return kRoadEndLookFirst + (code == TILE_TENT ? shore::kArmPatterns : 0) + arms;
    }
    int deck = bridgeDeck(code);
    if (deck < 0 && roadArms(code) != 0) {
        const int arms = roadLinks(codes, index);
        return arms == roadArms(code) ? kNoGroundLook : kRoadEndLookFirst + 2 * shore::kArmPatterns + arms;
    }
    if (code != TILE_WATER && deck < 0) return kNoGroundLook;
    if (deck >= 0) {
        // A bridge whose ways do not match its neighbours' shows the deck that does, when
        // there is such a bridge picture.
        const int arms = roadLinks(codes, index);
        for (std::size_t d = 0; d < shore::kBridgeDeckArms.size(); ++d)
            if (shore::kBridgeDeckArms[d] == arms) deck = static_cast<int>(d);
    }
    const int piece = shore::pieceOf(waterNeighbours(codes, index));
    if (piece == shore::kOpenWaterPiece || !landIsAllSand(codes, index)) return kNoGroundLook;
    return deck < 0 ? kShoreLookFirst + piece : kBridgeLookFirst + deck * shore::kPieceCount + piece;
}

bool hasDecoratableGround(const LevelCodes& codes) {
    for (std::int32_t code : codes)
        if (code == TILE_SAND) return true;
    return false;
}
