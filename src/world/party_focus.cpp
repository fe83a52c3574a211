#include "world/party_focus.hpp"

#include <algorithm>

sf::Vector2f partyFocusPoint(const Party* party) {
    const std::uint32_t count = std::min(party->count, static_cast<std::uint32_t>(kMaxPlayers));
    if (count == 0) return {kMapColumns * kCellSize / 2.f, kMapRows * kCellSize / 2.f};
    sf::Vector2f low = party->players[0].body.sprite.getPosition();
    sf::Vector2f high = low;
    for (std::uint32_t i = 1; i < count; ++i) {
        const sf::Vector2f at = party->players[i].body.sprite.getPosition();
        low = {std::min(low.x, at.x), std::min(low.y, at.y)};
        high = {std::max(high.x, at.x), std::max(high.y, at.y)};
    }
    // Body positions are cell corners: the middle of the box of whole cells.
    const float half = kCellSize / 2.f;
    return {(low.x + high.x) / 2.f + half, (low.y + high.y) / 2.f + half};
}

void focusCameraOnParty(WorldGame* world) { focusCamera(&world->camera, partyFocusPoint(&world->party)); }

void returnCameraToParty(WorldGame* world) {
    Camera& camera = world->camera;
    const sf::Vector2f topLeft = cameraTopLeftCentredOn(partyFocusPoint(&world->party));
    camera.savedTopLeft = topLeft;
    camera.savedCenter = topLeft + sf::Vector2f(960.f, 540.f);
    camera.focusPending = 0;
}
