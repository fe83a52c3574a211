#include "core/vector_math.hpp"

#include <gtest/gtest.h>

TEST(VectorMath, PointInRectIncludesAllFourEdges) {
    const sf::FloatRect r(10.f, 20.f, 30.f, 40.f);
    for (sf::Vector2f p : {sf::Vector2f{10, 20}, sf::Vector2f{40, 20}, sf::Vector2f{10, 60}, sf::Vector2f{40, 60},
                           sf::Vector2f{25, 20}, sf::Vector2f{40, 45}})
        EXPECT_EQ(pointInRect(p, &r), 1) << p.x << "," << p.y;
    EXPECT_EQ(pointInRect({9.99f, 30.f}, &r), 0);
    EXPECT_EQ(pointInRect({40.01f, 30.f}, &r), 0);
    EXPECT_EQ(pointInRect({20.f, 60.01f}, &r), 0);
}

TEST(VectorMath, CirclesUseTruncatedDifferencesAndInclusiveRadius) {
    EXPECT_EQ(pointInCircle({3.f, 4.f}, {0.f, 0.f}, 5), 1); // exactly on the rim
    EXPECT_EQ(pointInCircle({3.9f, 4.9f}, {0.f, 0.f}, 5), 1); // truncated to (3, 4)
    EXPECT_EQ(pointInCircle({4.f, 4.f}, {0.f, 0.f}, 5), 0);
    EXPECT_EQ(circlesOverlap({0.f, 0.f}, {10.f, 0.f}, 4, 6), 1);
    EXPECT_EQ(circlesOverlap({0.f, 0.f}, {11.f, 0.f}, 4, 6), 0);
}

TEST(VectorMath, AnglesUseTheGamesPiConstant) {
    EXPECT_FLOAT_EQ(degToRad(180), 3.14159f);
    EXPECT_NE(degToRad(180), 3.14159265f);
    EXPECT_FLOAT_EQ(radToDeg(1), static_cast<float>(180.0 / 3.14159));
}

TEST(VectorMath, LengthsDistancesAndLerp) {
    EXPECT_FLOAT_EQ(vectorLength({3.f, 4.f}), 5.f);
    EXPECT_FLOAT_EQ(vectorLengthSquared({3.f, 4.f}), 25.f);
    EXPECT_FLOAT_EQ(distance(1, 1, 4, 5), 5.f);
    EXPECT_EQ(distanceInt(0, 0, 2, 2), 2); // sqrt(8) truncated
    EXPECT_FLOAT_EQ(dotProduct({1, 2}, {3, 4}), 11.f);
    const sf::Vector2f mid = lerpVector(0.25f, {0, 0}, {8, 4});
    EXPECT_FLOAT_EQ(mid.x, 2.f);
    EXPECT_FLOAT_EQ(mid.y, 1.f);
    EXPECT_EQ(perpendicular({2.f, 5.f}), sf::Vector2f(-5.f, 2.f));
    EXPECT_NEAR(angleBetween({1, 0}, {0, 1}), 1.5707963f, 1e-6f);
}
