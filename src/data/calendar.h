#pragma once

// A day of play is this many ticks (a developer key shortens it for a session).
constexpr int kTicksPerDay = 800;

// Days in a month of the game calendar; every fourth year is a leap year.
constexpr int DaysInMonth(int month, int year) {
  switch (month) {
    case 4: case 6: case 9: case 11: return 30;
    case 2: return year % 4 == 0 ? 29 : 28;
    default: return 31;
  }
}
