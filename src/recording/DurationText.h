#pragma once

#include <QString>

namespace DurationText {
// A short duration such as "<1m", "45m", "2h" or "1h 5m"; seconds are never shown.
QString string(double seconds);
} // namespace DurationText
