// Taking back a hero's move: U or the undo button beside End Turn returns the last hero
// moved this turn to where it stood, with the move points it had, as long as nothing
// answered the move (no fight opened, no crate opened, no camp visited, no enemy moved).
// Moves come back last first, so every hero finds its cell free.
#pragma once

#include "core/grid.hpp"
#include "world/map_unit.hpp"
#include "world/party.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <array>
#include <cstdint>

struct WorldGame;

inline constexpr const char* kUndoButtonPath = "Assets/Sprites/HUD/UndoButton.png";
// Left of the end-turn button, in screen pixels from the camera's top-left; drawn at x4.
inline const sf::Vector2f kUndoButtonOffset{1584.f, 1005.f};
inline const sf::IntRect kUndoNormalRect{0, 0, 17, 17};
inline const sf::IntRect kUndoPressedRect{0, 17, 17, 17};
inline const sf::IntRect kUndoSpentRect{0, 34, 17, 17};
// Every move spends at least one point: a turn holds no more moves than this.
constexpr int kMaxTurnMoves = kMaxPlayers * kMaxPathCells;

struct HeroMove {
    std::int32_t hero = -1;
    GridPos from;
    GridPos to;
    std::int32_t movePoints = 0; // before the move
};

struct MoveUndo {
    std::array<HeroMove, kMaxTurnMoves> moves{};
    std::int32_t count = 0;
    // The board as the moves left it: a change of any of these means something answered.
    std::int32_t gold = 0;
    std::int32_t level = 0;
    std::uint32_t partyCount = 0;
    std::int32_t buttonHovered = 0;
};

// Hero `hero` was just sent from `from` with `movePointsBefore` points; `answered` when the
// move leads onto a crate, a camp or an enemy (which answers on arrival): that move, and
// every earlier one, can no longer be taken back.
void rememberHeroMove(WorldGame* world, std::int32_t hero, GridPos from, std::int32_t movePointsBefore, bool answered);
void forgetHeroMoves(MoveUndo* undo);
// Run every frame: forgets the turn's moves once something answered them.
void forgetAnsweredMoves(WorldGame* world);
bool canUndoHeroMove(const WorldGame* world);
// Takes back the last move: the hero stands on its earlier cell with its earlier points,
// selected with its range shown. Returns false (and changes nothing) when it may not.
bool undoHeroMove(WorldGame* world);

// The button, at world pixel (x, y) of the close view.
void hoverUndoButton(WorldGame* world, float x, float y);
bool undoButtonUnder(const WorldGame* world, float x, float y);
// On the player's turn with the HUD shown; spent (greyed) while there is nothing to undo.
void drawUndoButton(const WorldGame* world, sf::RenderTarget& target);
