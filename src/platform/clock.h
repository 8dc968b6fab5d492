#pragma once

namespace quillane {

struct DateTime {
    int year = 1997;
    int month = 1;  // 1-12
    int day = 1;    // 1-31
    int hour = 0;   // 0-23
    int minute = 0;
    int second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
};

// The local time of the machine.
class SystemClock : public Clock {
public:
    DateTime now() const override;
};

}  // namespace quillane
