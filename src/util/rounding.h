#pragma once

// Rounds to the nearest whole number, halves to the even one (2.5 -> 2,
// 3.5 -> 4), as the game rounds everywhere. Non-finite values give 0; values
// beyond the int range are clamped.
int RoundHalfEven(double value);
