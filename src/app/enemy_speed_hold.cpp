#include "app/enemy_speed_hold.hpp"

EnemySpeed enemySpeedInForce(const MainData* data) {
    if (data->keysDown[static_cast<std::size_t>(sf::Keyboard::Space)] || data->rightButtonDown) return EnemySpeed::Instant;
    return chosenEnemySpeed(&data->settingsMenu);
}
