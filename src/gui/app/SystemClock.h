// The wall clock of the machine, for the real-time refresh.
#pragma once

#include "common/Clock.h"

#include <QTime>

namespace osk {

class SystemClock final : public Clock {
public:
    int currentSecond() const override { return QTime::currentTime().second(); }
};

} // namespace osk
