// Every file the card battle opens. The code and the asset list both read these names.
#pragma once

#include "core/unit_stats.hpp"

#include <array>

inline constexpr const char* kFightFolder = "Assets/Sprites/Fight/";

// Scene furniture.
inline constexpr const char* kAllyTurnPath = "Assets/Sprites/Fight/AllyTurn.png";
inline constexpr const char* kEnemyTurnPath = "Assets/Sprites/Fight/EnemyTurn.png";
inline constexpr const char* kTurnButtonPath = "Assets/Sprites/Fight/TurnButton.png";
inline constexpr const char* kCardBackPath = "Assets/Sprites/Fight/CardBack.png";
inline constexpr const char* kCardSheetPath = "Assets/Sprites/Fight/CardSheet.png";
inline constexpr const char* kDeckCasePath = "Assets/Sprites/Fight/DeckCase.png";
inline constexpr const char* kHudBattlePath = "Assets/Sprites/Fight/HUDBattle.png";
inline constexpr const char* kActionPointIconPath = "Assets/Sprites/Fight/PA.png";
inline constexpr const char* kFightCursorPath = "Assets/Sprites/Fight/FightCursor.jpg";

// Cards.
inline constexpr const char* kCardContourPath = "Assets/Sprites/Fight/ContourCard.png";

// Allies, by hero type.
inline constexpr std::array<const char*, kPlayerTypeCount> kFightAllySheetPaths = {
    "Assets/Sprites/Fight/Ally.png",      "Assets/Sprites/Fight/AllyRem.png",   "Assets/Sprites/Fight/AllyTung.png",
    "Assets/Sprites/Fight/AllyLight.png", "Assets/Sprites/Fight/AllyHeavy.png", "Assets/Sprites/Fight/AllyShield.png",
};
inline constexpr const char* kAllyMarkerPath = "Assets/Sprites/Fight/Arrow_Ally.png";
inline constexpr const char* kShadowPath = "Assets/Sprites/Fight/Shadow.png";

// Enemies, by enemy type.
inline constexpr std::array<const char*, kEnemyTypeCount> kFightEnemySheetPaths = {
    "Assets/Sprites/Fight/EnemyLight.png", "Assets/Sprites/Fight/EnemyHeavy.png", "Assets/Sprites/Fight/EnemyShield.png",
    "Assets/Sprites/Fight/Tank.png",       "Assets/Sprites/Fight/Boss.png",
};
inline constexpr const char* kEnemyMarkerPath = "Assets/Sprites/Fight/Arrow.png";
inline constexpr const char* kAttackIconPath = "Assets/Sprites/Fight/Attack.png";
inline constexpr const char* kShieldIconPath = "Assets/Sprites/Fight/Shield.png";
inline constexpr const char* kStatusBadgesPath = "Assets/Sprites/Fight/StatusBadges.png";
inline constexpr const char* kFightEndBannerPath = "Assets/Sprites/Fight/FightEnd.png";

// Effects.
inline constexpr const char* kArrowDotPath = "Assets/Sprites/Fight/ArrowCard.png";
inline constexpr const char* kArrowHeadPath = "Assets/Sprites/Fight/ArrowBig.png";
inline constexpr const char* kNumberSheetPath = "Assets/Sprites/Fight/Number.png";
inline constexpr const char* kExplosionPath = "Assets/Sprites/Fight/Explosion.png";
inline constexpr const char* kImpactPath = "Assets/Sprites/Fight/Impact.png";
inline constexpr const char* kBoostDefensePath = "Assets/Sprites/Fight/BoostDef.png";
inline constexpr const char* kBoostAttackPath = "Assets/Sprites/Fight/BoostAttack.png";
inline constexpr const char* kLifeBarBackPath = "Assets/Sprites/Fight/LifeBarBack.png";
inline constexpr const char* kLifeBarPath = "Assets/Sprites/Fight/LifeBar.png";
inline constexpr const char* kLifeBarFramePath = "Assets/Sprites/Fight/HUDLife.png";
inline constexpr const char* kFightBackgroundPath = "Assets/Sprites/Fight/BackgroundFight2.png";
