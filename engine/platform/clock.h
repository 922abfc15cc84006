#pragma once
// The current local date and time, behind an interface so name tests can fix the moment.

namespace quorvel::platform {

struct LocalDateTime {
    int year = 0;    // four digits
    int month = 0;   // 1..12
    int day = 0;     // 1..31
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
    int second = 0;  // 0..59 (60 on a leap second)
};

class LocalClock {
public:
    virtual ~LocalClock() = default;
    virtual LocalDateTime now() const = 0;
};

// The system's clock in the local time zone.
const LocalClock& systemClock();

}  // namespace quorvel::platform
