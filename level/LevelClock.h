#pragma once
// The level clock. Every level has a time limit (its silver time): finishing
// with at least a third of it left wins gold, finishing inside it silver, and
// finishing later still bronze. The clock counts the time left down to 0 and
// the level's elapsed time up, and sounds the alarm once, in the frame the
// elapsed time passes the gold limit.
//
// The clock stands while a talk runs and while every goal is met: the level
// is then only waiting to declare the win (a talk window still closing), and
// that wait must not cost the player a medal already earned.

// The gold limit of a level: its silver time divided by 1.5, never below 0.
float GoldLimit(float silverTime);

// How full the HUD's time bar is: the share of the silver time still left
// (0 without a limit).
float TimeBarFill(float silverTime, float timeLeft);

// One frame of play. Nothing moves while `standing` (a talk runs or every
// goal is met). Otherwise the elapsed time grows and the time left shrinks to
// no less than 0. True when the alarm is due: the elapsed time has just
// reached the gold limit (a level whose gold limit is 0 never sounds it).
bool AdvanceLevelClock(float seconds, bool standing, float silverTime, float& timeLeft,
                       float& levelTime);
