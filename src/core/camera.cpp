#include "core/camera.hpp"

#include "core/display.hpp"

#include <algorithm>
#include <cmath>

namespace {

// The view moves by (dx, dy) pixels; the step is what screen-fixed overlays follow.
void moveView(Camera* camera, sf::RenderWindow* window, sf::Vector2i step) {
    camera->view.move(static_cast<float>(step.x), static_cast<float>(step.y));
    setWindowView(window, &camera->view);
    camera->topLeft.x += static_cast<float>(step.x);
    camera->topLeft.y += static_cast<float>(step.y);
    camera->scrollStep = step;
}

float wholeSteps(float value, float min, float max) {
    const float step = static_cast<float>(kCameraScrollStep);
    return std::clamp(std::round(value / step) * step, min, max);
}

} // namespace

sf::Vector2f cameraTopLeftCentredOn(sf::Vector2f point) {
    return {wholeSteps(point.x - 960.f, kCameraTopLeftMin.x, kCameraTopLeftMax.x),
            wholeSteps(point.y - 540.f, kCameraTopLeftMin.y, kCameraTopLeftMax.y)};
}

void focusCamera(Camera* camera, sf::Vector2f point) {
    camera->focusPending = 1;
    camera->focusPoint = point;
}

void initCamera(Camera* camera) {
    camera->viewRect = sf::FloatRect(0.f, 0.f, 1920.f, 1080.f);
    camera->view.reset(camera->viewRect);
    camera->mode = CAMERA_CLOSE;
    camera->topLeft = {0.f, 0.f};
    camera->onScreenView = 0;
}

void resetCamera(Camera* camera, sf::RenderWindow* window) {
    camera->view.setCenter(960.f, 540.f);
    setWindowView(window, &camera->view);
    camera->mode = CAMERA_CLOSE;
    camera->topLeft = {0.f, 0.f};
    camera->scrollStep = {0, 0};
    camera->onScreenView = 0;
    camera->focusPending = 0;
}

void updateCamera(Camera* camera, sf::RenderWindow* window) {
    updateCameraAt(camera, window, camera->pointer);
}

void updateCameraAt(Camera* camera, sf::RenderWindow* window, sf::Vector2i m) {
    if (camera->mode != CAMERA_CLOSE) return;
    camera->scrollStep = {0, 0};
    if (camera->focusPending) {
        camera->focusPending = 0;
        const sf::Vector2f goal = cameraTopLeftCentredOn(camera->focusPoint);
        moveView(camera, window,
                 {static_cast<int>(goal.x - camera->topLeft.x), static_cast<int>(goal.y - camera->topLeft.y)});
        camera->savedCenter = camera->view.getCenter();
        camera->savedTopLeft = camera->topLeft;
        return;
    }
    const sf::Vector2f c = camera->view.getCenter();
    const float step = static_cast<float>(kCameraScrollStep);
    if (m.x >= 1919 && c.x < 2880.f) {
        camera->view.move(step, 0.f);
        setWindowView(window, &camera->view);
        camera->topLeft.x += step;
        camera->scrollStep.x = kCameraScrollStep;
    } else if (m.x <= 1 && c.x > 960.f) {
        camera->view.move(-step, 0.f);
        setWindowView(window, &camera->view);
        camera->topLeft.x -= step;
        camera->scrollStep.x = -kCameraScrollStep;
    }
    if (m.y >= 1079 && c.y < 1620.f) {
        camera->view.move(0.f, step);
        setWindowView(window, &camera->view);
        camera->topLeft.y += step;
        camera->scrollStep.y = kCameraScrollStep;
    } else if (m.y <= 1 && c.y > 540.f + kCameraTopLeftMin.y) {
        camera->view.move(0.f, -step);
        setWindowView(window, &camera->view);
        camera->topLeft.y -= step;
        camera->scrollStep.y = -kCameraScrollStep;
    }
    camera->savedCenter = camera->view.getCenter();
    camera->savedTopLeft = camera->topLeft;
}

void toggleCameraMode(Camera* camera, sf::RenderWindow* window) {
    if (camera->mode != CAMERA_OVERVIEW) {
        camera->view.setCenter(1920.f, 1080.f);
        camera->view.zoom(2.f);
        setWindowView(window, &camera->view);
        camera->mode = CAMERA_OVERVIEW;
    } else {
        camera->view.setCenter(camera->topLeft.x + 960.f, camera->topLeft.y + 540.f);
        camera->view.zoom(0.5f);
        setWindowView(window, &camera->view);
        camera->mode = CAMERA_CLOSE;
    }
}

void applyCamera(Camera* camera, sf::RenderWindow* window, int toScreen) {
    if (toScreen) {
        if (!camera->onScreenView) camera->savedCenter = camera->view.getCenter();
        camera->onScreenView = 1;
        camera->view.setCenter(960.f, 540.f);
        setWindowView(window, &camera->view);
    } else {
        camera->view.setCenter(camera->savedCenter);
        camera->onScreenView = 0;
        setWindowView(window, &camera->view);
        camera->topLeft = camera->savedTopLeft;
    }
}
