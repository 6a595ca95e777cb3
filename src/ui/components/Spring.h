// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

// A damped spring that moves values towards their targets, as the views animate emphasis and layout.
// Response is the period of the undamped oscillation in seconds; damping 1 is critical, below 1 bounces.
struct SpringParameters
{
    double response = 0.25;
    double damping = 0.85;
};

// One animated number: position and velocity, advanced towards its target in fixed small steps.
struct SpringValue
{
    double value = 0;
    double velocity = 0;
    double target = 0;

    // Jumps to the target without animation.
    void snap(double to);
    // Moves on by `seconds` of simulated time.
    void advance(double seconds, const SpringParameters& parameters);
    // Close enough to the target, and slow enough, that further steps change nothing visible.
    bool isSettled() const;
};

// Drives the springs of one view from a frame timer that runs only while something is moving.
class SpringDriver : public QObject
{
    Q_OBJECT
public:
    // `step` advances every spring by the given seconds and answers whether all have settled.
    using Step = std::function<bool(double seconds)>;

    SpringDriver(Step step, QObject* parent = nullptr);
    ~SpringDriver() override;

    // Starts the frame timer if it is not running.
    void start();
    // Stops the frame timer.
    void stop();
    bool isRunning() const { return m_timer.isActive(); }
    // How many drivers of the process are moving something now; 0 once every animation has settled.
    static int runningCount();

signals:
    // After each frame, so the owner repaints.
    void advanced();

private:
    void frame();

    Step m_step;
    QTimer m_timer;
    QElapsedTimer m_clock;
};
