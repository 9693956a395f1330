#pragma once
// Times as the level screens write them: minutes and seconds, "03:05".
#include <string>

// Whole minutes and seconds, the fraction dropped: 187.9 s reads "03:07".
std::u16string ClockText(float seconds);

// The briefing's limits, whose seconds fall to a multiple of five, so that a
// limit never promises more time than there is: 187.3 s reads "03:05".
std::u16string LimitText(float seconds);
