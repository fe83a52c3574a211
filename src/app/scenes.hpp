// The table of scenes: for each scene, what a frame updates and draws and what a mouse
// press or move reaches. Events and frames are routed through it alone. Mouse coordinates
// arrive in game pixels (screen); a scene laid out over the scrolled world moves them itself.
#pragma once

#include "app/main_data.hpp"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Window/Event.hpp>

// Any entry may be null: the scene does nothing there.
struct Scene {
    void (*update)(MainData* data, float dt);
    void (*draw)(MainData* data, sf::RenderTarget& target);
    void (*press)(MainData* data, sf::Event::MouseButtonEvent press);
    void (*move)(MainData* data, sf::Event::MouseMoveEvent move);
};

const Scene& sceneOf(SceneState state);
