// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Spring.h"

#include <cmath>
#include <numbers>

namespace {

// Small fixed steps keep the semi-implicit integration stable and frame-rate independent.
constexpr double maxStep = 1.0 / 240;
constexpr double settledDistance = 0.0005;
constexpr double settledVelocity = 0.005;
constexpr int frameInterval = 16; // ms
// A stalled event loop must not make the spring jump a long way in one go.
constexpr double longestFrame = 0.1;

int running = 0; // drivers whose timer is active, main thread only

} // namespace

void SpringValue::snap(double to)
{
    value = to;
    target = to;
    velocity = 0;
}

void SpringValue::advance(double seconds, const SpringParameters& parameters)
{
    if (isSettled()) {
        snap(target);
        return;
    }
    const double response = std::max(parameters.response, 0.001);
    const double stiffness = std::pow(2 * std::numbers::pi / response, 2);
    const double friction = 4 * std::numbers::pi * parameters.damping / response;
    while (seconds > 0) {
        const double dt = std::min(seconds, maxStep);
        const double acceleration = -stiffness * (value - target) - friction * velocity;
        velocity += acceleration * dt;
        value += velocity * dt;
        seconds -= dt;
    }
    if (isSettled())
        snap(target);
}

bool SpringValue::isSettled() const
{
    return std::abs(value - target) < settledDistance && std::abs(velocity) < settledVelocity;
}

SpringDriver::SpringDriver(Step step, QObject* parent) : QObject(parent), m_step(std::move(step))
{
    m_timer.setInterval(frameInterval);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &SpringDriver::frame);
}

SpringDriver::~SpringDriver()
{
    stop();
}

int SpringDriver::runningCount()
{
    return running;
}

void SpringDriver::start()
{
    if (m_timer.isActive())
        return;
    ++running;
    m_clock.start();
    m_timer.start();
}

void SpringDriver::stop()
{
    if (!m_timer.isActive())
        return;
    --running;
    m_timer.stop();
}

void SpringDriver::frame()
{
    const double seconds = std::min(m_clock.restart() / 1000.0, longestFrame);
    if (m_step(seconds))
        stop();
    emit advanced();
}
