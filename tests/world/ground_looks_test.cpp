// The ground as the generated levels draw it: shores, bridge banks, road ends and the
// decorations, checked on the maps the level generator really makes.
#include "core/random.hpp"
#include "world/ground_looks.hpp"
#include "world/level_file.hpp"
#include "world/level_generator.hpp"
#include "world/tile_catalogue.hpp"
#include "world/tile_map.hpp"

#include <SFML/Graphics/RenderTexture.hpp>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

// The eight generated levels of one seed, made in memory the way the game writes them.
std::vector<LevelCodes> generatedLevels(std::uint32_t seed) {
    seedRandom(seed);
    std::vector<LevelCodes> levels;
    for (int level = kFirstGeneratedLevel; level <= kLastGeneratedLevel; ++level) {
        LevelCodes codes{};
        randomGround(&codes);
        refineCodes(&codes, nullptr);
        levels.push_back(codes);
    }
    return levels;
}

std::unique_ptr<TileMap> boardWith(const LevelCodes& codes) {
    auto map = std::make_unique<TileMap>();
    loadTileTextures(map.get());
    map->tileCodes = codes;
    buildTileMap(map.get(), kMapColumns, kMapRows);
    return map;
}

// The whole board drawn by the game's own ground pass with one texel per pixel.
sf::Image drawnGround(sf::RenderTexture& target, const TileMap& map) {
    target.setView(sf::View(sf::FloatRect(0.f, 0.f, static_cast<float>(kMapColumns * kCellSize),
                                          static_cast<float>(kMapRows * kCellSize))));
    target.clear(sf::Color::Magenta);
    drawTileMap(target, &map, 0);
    target.display();
    return target.getTexture().copyToImage();
}

int colourStep(sf::Color a, sf::Color b) { return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b); }

bool looksWatery(sf::Color c) { return c.b > c.r; }

} // namespace

// Every piece of the sheets shows the pattern the game picks it for: water where the
// neighbour is water, shore where it is land, corners included, under the bridges too.
TEST(GroundLooks, EachPieceShowsItsNeighbourPattern) {
    auto map = boardWith(LevelCodes{});
    ASSERT_NE(map->tileAtlas, nullptr);
    const sf::Image atlas = map->tileAtlas->copyToImage();
    // A texel in the middle of each side's shore band and one in each corner; a side the
    // bridge's deck crosses is not probed.
    struct Probe {
        unsigned bit;
        int arm, x, y;
    };
    const Probe sides[] = {{shore::N, shore::ARM_N, 32, 5}, {shore::E, shore::ARM_E, 58, 32},
                           {shore::S, shore::ARM_S, 32, 58}, {shore::W, shore::ARM_W, 5, 32}};
    const Probe corners[] = {{shore::NE, 0, 60, 3}, {shore::SE, 0, 60, 60}, {shore::SW, 0, 3, 60}, {shore::NW, 0, 3, 3}};
    for (int deck = -1; deck < static_cast<int>(shore::kBridgeCodes.size()); ++deck)
        for (int piece = 0; piece < shore::kPieceCount; ++piece) {
            const int look = deck < 0 ? kShoreLookFirst + piece : kBridgeLookFirst + deck * shore::kPieceCount + piece;
            const sf::IntRect area = map->groundLookAreas[static_cast<std::size_t>(look)];
            ASSERT_GT(area.width, 0) << "look " << look;
            const unsigned mask = shore::pieceMasks()[static_cast<std::size_t>(piece)];
            auto at = [&](int x, int y) {
                return atlas.getPixel(static_cast<unsigned>(area.left + x), static_cast<unsigned>(area.top + y));
            };
            const int deckArms = deck < 0 ? 0 : shore::kBridgeDeckArms[static_cast<std::size_t>(deck)];
            for (const Probe& side : sides) {
                if (deckArms & side.arm) continue;
                EXPECT_EQ(looksWatery(at(side.x, side.y)), (mask & side.bit) != 0)
                    << "deck " << deck << " piece " << piece << " side " << side.bit;
            }
            for (const Probe& corner : corners) {
                // A corner is water only where the neighbour there and both sides beside it are.
                EXPECT_EQ(looksWatery(at(corner.x, corner.y)), (mask & corner.bit) != 0)
                    << "deck " << deck << " piece " << piece << " corner " << corner.bit;
            }
        }
}

// Over many seeds: every cell of water or bridge beside land, every road end a road reaches,
// gets its edge piece, and the piece is the one its neighbours call for; the codes and what
// may be walked stay exactly as the level file says.
TEST(GroundLooks, EveryEdgeTheGeneratorMakesHasItsPiece) {
    std::set<unsigned> waterPatterns;
    std::set<int> roadEndPatterns;
    int decorated = 0, sand = 0;
    for (std::uint32_t seed = 1; seed <= 30; ++seed)
        for (const LevelCodes& codes : generatedLevels(seed)) {
            auto map = boardWith(codes);
            ASSERT_EQ(map->tileCodes, codes);
            for (int i = 0; i < kCellCount; ++i) {
                const int code = codes[static_cast<std::size_t>(i)];
                const int look = map->groundLooks[static_cast<std::size_t>(i)];
                EXPECT_EQ(map->tiles[static_cast<std::size_t>(i)].walkable, tileKind(code) == TILE_OBSTACLE ? 0 : 1);
                if (code == TILE_SAND) {
                    ++sand;
                    if (look != kNoGroundLook) {
                        ++decorated;
                        EXPECT_GE(look, kDecorLookFirst);
                        EXPECT_LT(look, kRoadEndLookFirst);
                    }
                    continue;
                }
                if (isWaterGround(code)) {
                    const unsigned mask = waterNeighbours(codes, i);
                    if (shore::reduce(mask) == 0xffu) continue; // open water all round: its own picture
                    waterPatterns.insert(shore::reduce(mask) | (code == TILE_WATER ? 0u : 256u * static_cast<unsigned>(code)));
                    ASSERT_NE(look, kNoGroundLook) << "seed " << seed << " cell " << i << " code " << code;
                    const int piece = (look < kBridgeLookFirst ? look - kShoreLookFirst : (look - kBridgeLookFirst) % shore::kPieceCount);
                    EXPECT_EQ(shore::pieceMasks()[static_cast<std::size_t>(piece)], shore::reduce(mask));
                    EXPECT_EQ(look < kBridgeLookFirst, code == TILE_WATER);
                } else if (code == TILE_PATH_MARKER || code == TILE_TENT) {
                    const int arms = roadLinks(codes, i);
                    if (arms == 0) {
                        EXPECT_EQ(look, kNoGroundLook);
                        continue;
                    }
                    roadEndPatterns.insert(arms + (code == TILE_TENT ? 16 : 0));
                    EXPECT_EQ(look, kRoadEndLookFirst + (code == TILE_TENT ? shore::kArmPatterns : 0) + arms);
                } else if (roadArms(code) != 0) {
                    // A road running into a hill laid over its way stops short of it.
                    const int arms = roadLinks(codes, i);
                    EXPECT_EQ(look, arms == roadArms(code) ? kNoGroundLook : kRoadEndLookFirst + 2 * shore::kArmPatterns + arms);
                } else {
                    EXPECT_EQ(look, kNoGroundLook) << "code " << code << " never changes its picture";
                }
            }
        }
    // The seeds cover many patterns; about one plain sand cell in kDecorOneIn is decorated.
    EXPECT_GT(waterPatterns.size(), 30u);
    EXPECT_GT(roadEndPatterns.size(), 8u);
    EXPECT_NEAR(static_cast<double>(decorated) / sand, 1.0 / kDecorOneIn, 0.02);
}

// Every pair of cells side by side on the generated maps, as drawn: the colour step across
// their joint is no larger than the steps between neighbouring texels inside the pictures.
// The sand's old ripples, steep in one column band at every tile edge, read as seams here;
// so would water meeting sand without a shore, or a road or bridge stopping at a cell edge.
TEST(GroundLooks, GeneratedGroundJoinsWithoutSeams) {
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(kMapColumns * kCellSize / 2, kMapRows * kCellSize / 2));
    constexpr int kTexels = kCellSize / 2;
    struct Steps {
        double joint = 0, inside = 0;
        int joints = 0, insides = 0;
    };
    std::map<std::string, Steps> pairs;
    for (std::uint32_t seed = 101; seed <= 106; ++seed)
        for (const LevelCodes& codes : generatedLevels(seed)) {
            auto map = boardWith(codes);
            const sf::Image image = drawnGround(target, *map);
            auto px = [&image](int x, int y) { return image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)); };
            // Each cell's steps between neighbouring texels, across (0) and down (1).
            std::vector<double> inside[2] = {std::vector<double>(kCellCount), std::vector<double>(kCellCount)};
            for (int i = 0; i < kCellCount; ++i) {
                const int x0 = (i % kMapColumns) * kTexels, y0 = (i / kMapColumns) * kTexels;
                for (int t = 0; t < kTexels; ++t)
                    for (int k = 0; k + 1 < kTexels; ++k) {
                        inside[0][static_cast<std::size_t>(i)] += colourStep(px(x0 + k, y0 + t), px(x0 + k + 1, y0 + t));
                        inside[1][static_cast<std::size_t>(i)] += colourStep(px(x0 + t, y0 + k), px(x0 + t, y0 + k + 1));
                    }
            }
            for (int i = 0; i < kCellCount; ++i) {
                const int column = i % kMapColumns, row = i / kMapColumns;
                const int x0 = column * kTexels, y0 = row * kTexels;
                for (int vertical = 0; vertical < 2; ++vertical) {
                    if (vertical ? row == kMapRows - 1 : column == kMapColumns - 1) continue;
                    const int j = vertical ? i + kMapColumns : i + 1;
                    Steps& s = pairs[std::to_string(codes[static_cast<std::size_t>(i)]) + (vertical ? " over " : " left of ") +
                                     std::to_string(codes[static_cast<std::size_t>(j)])];
                    for (int t = 0; t < kTexels; ++t) {
                        const int ax = vertical ? x0 + t : x0 + kTexels - 1, ay = vertical ? y0 + kTexels - 1 : y0 + t;
                        s.joint += colourStep(px(ax, ay), px(ax + !vertical, ay + vertical));
                    }
                    s.joints += kTexels;
                    s.inside += inside[vertical][static_cast<std::size_t>(i)] + inside[vertical][static_cast<std::size_t>(j)];
                    s.insides += 2 * kTexels * (kTexels - 1);
                }
            }
        }
    int seams = 0;
    for (const auto& [pair, s] : pairs) {
        const double joint = s.joint / s.joints, inside = s.inside / s.insides;
        if (joint > 1.5 * inside + 4.0) {
            ++seams;
            ADD_FAILURE() << pair << ": step across the joint " << joint << ", inside " << inside;
        }
    }
    EXPECT_GT(pairs.size(), 100u);
    EXPECT_EQ(seams, 0);
}

// The looks come from one cosmetic draw per board: the same seed gives the same picture, the
// gameplay generator is never touched, and another draw scatters the decorations elsewhere.
// The authored levels have no sand: they draw exactly their own pictures and draw no number.
TEST(GroundLooks, SameSeedSamePictureGameplayUntouchedAuthoredLevelsAsBefore) {
    sf::RenderTexture target;
    ASSERT_TRUE(target.create(kMapColumns * kCellSize / 2, kMapRows * kCellSize / 2));
    const LevelCodes codes = generatedLevels(7)[2];
    auto picture = [&](std::uint32_t seed, std::string* gameplayBefore, std::string* gameplayAfter) {
        seedRandom(seed);
        *gameplayBefore = randomState();
        auto map = boardWith(codes);
        *gameplayAfter = randomState();
        return drawnGround(target, *map);
    };
    std::string before, after;
    const sf::Image first = picture(42, &before, &after);
    EXPECT_EQ(before, after) << "building the board draws nothing from the gameplay generator";
    const sf::Image again = picture(42, &before, &after);
    ASSERT_EQ(first.getSize(), again.getSize());
    const std::size_t bytes = 4u * first.getSize().x * first.getSize().y;
    EXPECT_EQ(std::memcmp(first.getPixelsPtr(), again.getPixelsPtr(), bytes), 0) << "same seed, same picture";
    const sf::Image other = picture(43, &before, &after);
    EXPECT_NE(std::memcmp(first.getPixelsPtr(), other.getPixelsPtr(), bytes), 0) << "another scatter";

    for (int level = 1; level <= 2; ++level) {
        LevelCodes authored{};
        ASSERT_EQ(readLevelFile(levelFilePath(kLevelFolder, level), &authored), LEVEL_READ_OK);
        const std::string cosmetic = cosmeticRandomState();
        auto map = boardWith(authored);
        EXPECT_EQ(cosmeticRandomState(), cosmetic) << "level " << level;
        for (std::int16_t look : map->groundLooks) ASSERT_EQ(look, kNoGroundLook) << "level " << level;
        const sf::Image drawn = drawnGround(target, *map);
        showPlainGround(map.get());
        const sf::Image plain = drawnGround(target, *map);
        EXPECT_EQ(std::memcmp(drawn.getPixelsPtr(), plain.getPixelsPtr(), bytes), 0) << "level " << level;
    }
}
