#include "core/vector_math.hpp"

#include <cmath>

int pointInRect(sf::Vector2f p, const sf::FloatRect* r) {
    return p.x >= r->left && p.x <= r->left + r->width && p.y >= r->top && p.y <= r->top + r->height;
}

int pointInCircle(sf::Vector2f point, sf::Vector2f centre, int radius) {
    const int dx = static_cast<int>(point.x - centre.x);
    const int dy = static_cast<int>(point.y - centre.y);
    return static_cast<float>(radius) >= std::sqrt(static_cast<float>(dx * dx + dy * dy));
}

int circlesOverlap(sf::Vector2f a, sf::Vector2f b, int radiusA, int radiusB) {
    return pointInCircle(a, b, radiusA + radiusB);
}

float dotProduct(sf::Vector2f a, sf::Vector2f b) { return a.x * b.x + a.y * b.y; }
float vectorLengthSquared(sf::Vector2f v) { return v.x * v.x + v.y * v.y; }
float vectorLength(sf::Vector2f v) { return static_cast<float>(std::sqrt(static_cast<double>(v.x * v.x + v.y * v.y))); }

float distance(float x1, float y1, float x2, float y2) {
    const double dx = x1 - x2, dy = y1 - y2;
    return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

int distanceInt(int x1, int y1, int x2, int y2) {
    const int dx = x1 - x2, dy = y1 - y2;
    return static_cast<int>(std::sqrt(static_cast<double>(dx * dx + dy * dy)));
}

sf::Vector2f lerpVector(float t, sf::Vector2f a, sf::Vector2f b) {
    return {(1 - t) * a.x + t * b.x, (1 - t) * a.y + t * b.y};
}

sf::Vector2f perpendicular(sf::Vector2f v) { return {-v.y, v.x}; }
float angleBetween(sf::Vector2f a, sf::Vector2f b) { return std::acos(dotProduct(a, b)); }
float degToRad(int degrees) { return static_cast<float>(degrees * (3.14159 / 180.0)); }
float radToDeg(int radians) { return static_cast<float>(radians * (180.0 / 3.14159)); }
