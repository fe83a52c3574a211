#include "world/party.hpp"

#include "world/path_preview.hpp"

#include "core/resources.hpp"
#include "core/sound.hpp"
#include "core/vector_math.hpp"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr float kUnitScale = 2.f;

void placeArrowPiece(Party* party, WorldPlayer* player, int piece, std::int32_t texture, GridPos cell) {
    PathArrowPiece& arrow = player->arrow[static_cast<std::size_t>(piece)];
    setSpriteTexture(&arrow.sprite, *party->arrowTextures[static_cast<std::size_t>(texture)], true);
    arrow.sprite.setPosition(cellCorner(cell));
    arrow.visible = 1;
}

// The Way piece joining the side a path leaves a cell by with the side it entered by.
std::int32_t wayPiece(std::int32_t leaving, std::int32_t entering) {
    static constexpr std::int32_t table[4][4] = {
        // entering: up, right, down, left
        {ARROW_WAY_TOP_DOWN, ARROW_WAY_LEFT_TOP, -1, ARROW_WAY_TOP_RIGHT},       // leaving up
        {ARROW_WAY_DOWN_RIGHT, ARROW_WAY_LEFT_RIGHT, ARROW_WAY_TOP_RIGHT, -1},   // leaving right
        {-1, ARROW_WAY_LEFT_DOWN, ARROW_WAY_TOP_DOWN, ARROW_WAY_DOWN_RIGHT},     // leaving down
        {ARROW_WAY_LEFT_DOWN, -1, ARROW_WAY_LEFT_TOP, ARROW_WAY_LEFT_RIGHT},     // leaving left
    };
    if (leaving < DIR_UP || leaving > DIR_LEFT || entering < DIR_UP || entering > DIR_LEFT) return -1;
    return table[leaving - 1][entering - 1];
}

} // namespace

GridPos playerCell(const WorldPlayer* player) { return bodyCell(&player->body); }

GridPos playerClaimedCell(const WorldPlayer* player) {
    if (player->body.moving && player->walk.length > 0) return walkEnd(&player->walk);
    return playerCell(player);
}

sf::FloatRect playerHitbox(const WorldPlayer* player) { return player->body.sprite.getGlobalBounds(); }

std::int32_t isLeaderType(std::int32_t type) { return type >= PLAYER_IRINA && type <= PLAYER_TUNGSTENE ? 1 : 0; }

void initParty(Party* party) {
    for (int t = 0; t < kPlayerTypeCount; ++t)
        party->types[static_cast<std::size_t>(t)] = &createTexture(kPlayerSheetPaths[static_cast<std::size_t>(t)]);
    party->mpSheet = &createTexture(kMoveDigitsPath);
    // The strip reads 1 to 9 then 0.
    party->mpRects[0] = {135, 0, 15, 15};
    for (int m = 1; m < kDigitCount; ++m) party->mpRects[static_cast<std::size_t>(m)] = {15 * (m - 1), 0, 15, 15};
    for (int a = 0; a < kArrowTextureCount; ++a)
        party->arrowTextures[static_cast<std::size_t>(a)] =
            &createTexture(std::string(kMoveArrowFolder) + kArrowPieceNames[static_cast<std::size_t>(a)] + ".png");
    party->squareFreeTexture = &createTexture(kSquareFreePath);
    party->squareEnemyTexture = &createTexture(kSquareEnemyPath);
    for (int i = 0; i < kCellCount; ++i) {
        RangeSquare& square = party->rangeSquares[static_cast<std::size_t>(i)];
        square.sprite = createSprite(*party->squareFreeTexture);
        square.sprite.setScale(kUnitScale, kUnitScale);
        square.sprite.setPosition(cellCorner({i % kMapColumns, i / kMapColumns}));
        square.visible = 0;
    }
    for (WorldPlayer& player : party->players) player = WorldPlayer{};
    party->selectedCell = {0, 0};
    party->selectedIndex = 0;
    party->previewIndex = -1;
    party->previewCell = {-1, -1};
    party->count = 0;
}

UnitSheetLayout playerSheetLayout(std::int32_t type) {
    const std::uint32_t idleFrames = type == PLAYER_IRINA ? 14 : 11;
    return {idleFrames, idleFrames, 6, 12};
}

void addWorldPlayer(Party* party, std::int32_t index, sf::Vector2f position) {
    if (index < 0 || index >= kMaxPlayers) return;
    WorldPlayer& player = party->players[static_cast<std::size_t>(index)];
    const std::int32_t type = player.type;
    player = WorldPlayer{};
    player.type = type;
    const sf::Texture* sheet = type >= 0 && type < kPlayerTypeCount ? party->types[static_cast<std::size_t>(type)] : nullptr;
    initMapUnitBody(&player.body, sheet, playerSheetLayout(type), position);
    player.maxMovePoints = kMaxPathCells;
    player.movePoints = player.maxMovePoints;
    for (PathArrowPiece& piece : player.arrow) {
        piece.sprite = sf::Sprite();
        piece.sprite.setScale(kUnitScale, kUnitScale);
        piece.visible = 0;
    }
    player.stats = initialUnitStats(type);
    if (party->mpSheet) player.mpSprite = createSprite(*party->mpSheet);
    player.mpSprite.setScale(kUnitScale, kUnitScale);
    player.mpSprite.setPosition(position);
    updateMpSprite(party, index);
}

void updatePartyAnimations(Party* party, float dt) {
    for (std::uint32_t i = 0; i < party->count && i < kMaxPlayers; ++i) {
        updateBodyAnimation(&party->players[i].body, dt);
    }
}

void drawParty(const Party* party, SpriteBatch* batch, sf::RenderTarget& target) {
    for (const RangeSquare& square : party->rangeSquares)
        if (square.visible) batchSprite(batch, square.sprite, target);
    for (std::uint32_t i = 0; i < party->count && i < kMaxPlayers; ++i) {
        batchSprite(batch, party->players[i].mpSprite, target);
        batchSprite(batch, party->players[i].body.sprite, target);
    }
}

void drawPartyArrows(const Party* party, SpriteBatch* batch, sf::RenderTarget& target) {
    for (std::uint32_t i = 0; i < party->count && i < kMaxPlayers; ++i)
        for (const PathArrowPiece& piece : party->players[i].arrow)
            if (piece.visible) batchSprite(batch, piece.sprite, target);
}

void hideRange(Party* party) {
    for (RangeSquare& square : party->rangeSquares) square.visible = 0;
    // The arrow shown while pointing at a square goes with the squares.
    clearPathPreview(party);
}

void hidePath(WorldPlayer* player) {
    for (int k = 0; k <= player->maxMovePoints && k < kArrowPieceCount; ++k)
        player->arrow[static_cast<std::size_t>(k)].visible = 0;
}

void showPath(Party* party, WorldPlayer* player) { showArrowAlong(party, player, &player->walk); }

void showArrowAlong(Party* party, WorldPlayer* player, const MapWalk* along) {
    hidePath(player);
    const MapWalk& walk = *along;
    const std::int32_t left = walkCellsLeft(&walk);
    if (walk.length > kMaxPathCells || left <= 0 || left > kMaxPathCells) return;
    // Arrow piece 0 lies on the end cell and piece `left` on the hero's own cell; piece k
    // between them on the k-th cell counted back from the end.
    auto cellBack = [&](std::int32_t k) { return walk.cells[static_cast<std::size_t>(walk.length - 1 - k)]; };
    auto dirBack = [&](std::int32_t k) { return walk.dirs[static_cast<std::size_t>(walk.length - 1 - k)]; };
    static constexpr std::int32_t startPiece[5] = {-1, ARROW_START_TOP, ARROW_START_RIGHT, ARROW_START_DOWN,
                                                   ARROW_START_LEFT};
    static constexpr std::int32_t endPiece[5] = {-1, ARROW_END_DOWN, ARROW_END_LEFT, ARROW_END_TOP, ARROW_END_RIGHT};
    const std::int32_t firstDir = dirBack(left - 1);
    const std::int32_t lastDir = dirBack(0);
    if (firstDir >= DIR_UP && firstDir <= DIR_LEFT)
        placeArrowPiece(party, player, left, startPiece[firstDir], playerCell(player));
    if (lastDir >= DIR_UP && lastDir <= DIR_LEFT) placeArrowPiece(party, player, 0, endPiece[lastDir], cellBack(0));
    for (std::int32_t k = 1; k < left; ++k) {
        const std::int32_t piece = wayPiece(dirBack(k - 1), dirBack(k));
        if (piece >= 0) placeArrowPiece(party, player, k, piece, cellBack(k));
    }
}

void updateMpSprite(Party* party, std::int32_t index) {
    if (index < 0 || index >= kMaxPlayers) return;
    WorldPlayer& player = party->players[static_cast<std::size_t>(index)];
    int digit = player.movePoints;
    if (digit < 0) digit = 0;
    if (digit >= kDigitCount) digit = kDigitCount - 1;
    player.mpSprite.setTextureRect(party->mpRects[static_cast<std::size_t>(digit)]);
}

void resetPartyTurn(Party* party) {
    for (std::uint32_t i = 0; i < party->count && i < kMaxPlayers; ++i) {
        WorldPlayer& player = party->players[i];
        player.body.moving = 0;
        player.movePoints = player.maxMovePoints;
        clearWalk(&player.walk);
        hidePath(&player);
        updateMpSprite(party, static_cast<std::int32_t>(i));
    }
    hideRange(party);
}

void stepPlayer(Party* party, WorldPlayer* player, float dt) {
    const bool reached = stepWalk(&player->body, &player->walk, dt);
    if (reached) playSound(Sound::HeroStep);
    player->mpSprite.setPosition(player->body.sprite.getPosition());
    if (player->walk.length == 0)
        hidePath(player);
    else if (reached)
        showPath(party, player);
}

void killHero(Party* party, std::int32_t index) {
    if (index < 0 || static_cast<std::uint32_t>(index) >= party->count || index >= kMaxPlayers) return;
    if (isLeaderType(party->players[static_cast<std::size_t>(index)].type)) {
        party->leaderAlive = 0;
        std::printf("Le hero est mort !\n");
    }
    // Keep the selection on the same hero, or drop it when that hero is the one leaving.
    if (index == party->selectedIndex) {
        hideRange(party);
        party->selectedIndex = -1;
    } else if (index < party->selectedIndex) {
        party->selectedIndex -= 1;
    }
    const std::uint32_t last = party->count - 1;
    for (std::uint32_t i = static_cast<std::uint32_t>(index); i < last; ++i) {
        party->players[i] = party->players[i + 1];
        setBodyAnimation(&party->players[i].body, ANIM_IDLE);
    }
    party->players[last] = WorldPlayer{};
    party->players[last].type = -1;
    party->count -= 1;
}

void destroyParty(Party* party) {
    for (WorldPlayer& player : party->players) player = WorldPlayer{};
    for (RangeSquare& square : party->rangeSquares) square = RangeSquare{};
    party->types = {};
    party->arrowTextures = {};
    party->mpSheet = nullptr;
    party->squareFreeTexture = nullptr;
    party->squareEnemyTexture = nullptr;
    party->selectedCell = {-1, -1};
    party->selectedIndex = -1;
    party->count = 0;
}
