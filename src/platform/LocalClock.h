// The PC's local date and time, as the configuration report prints it.
#pragma once

struct TLocalTime {
    int Year = 0;
    int Month = 0; // 1..12
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
};

// Now, in the local time zone.
TLocalTime ReadLocalTime();
