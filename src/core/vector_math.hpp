// Vector and hit-test helpers used by the board and the fight effects.
#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

int pointInRect(sf::Vector2f point, const sf::FloatRect* rect);
int pointInCircle(sf::Vector2f point, sf::Vector2f centre, int radius);
int circlesOverlap(sf::Vector2f a, sf::Vector2f b, int radiusA, int radiusB);
float dotProduct(sf::Vector2f a, sf::Vector2f b);
float vectorLengthSquared(sf::Vector2f v);
float vectorLength(sf::Vector2f v);
float distance(float x1, float y1, float x2, float y2);
int distanceInt(int x1, int y1, int x2, int y2);
sf::Vector2f lerpVector(float t, sf::Vector2f a, sf::Vector2f b);
sf::Vector2f perpendicular(sf::Vector2f v);
float angleBetween(sf::Vector2f a, sf::Vector2f b);
// The game's angle constants use 3.14159, not the library's pi.
float degToRad(int degrees);
float radToDeg(int radians);
