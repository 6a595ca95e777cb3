#pragma once

#include <functional>

class QWidget;

// Simple contents for the welcome and settings windows until their full views exist.
namespace Placeholders {

// A short welcome with a "Continue" button that calls done.
QWidget* welcome(const std::function<void()>& done);
QWidget* settings();

} // namespace Placeholders
