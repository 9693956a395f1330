#pragma once
// The numbers of every kind of building the player raises: the plot shown
// before work begins, how many construction stages its picture has, how long
// one step of work takes and what each step costs. Monuments are paid while
// they are built and carry their own numbers (TunnelBuild.h).
#include <cstdint>
#include <string_view>

#include "scene/ResourceSet.h"

struct cBuildKind {
    const char16_t* kind;
    const char16_t* plot;  // the sprite a site shows before work begins
    int32_t stages;        // construction stages of the picture
    float stepWork;        // seconds of work per construction or upgrade step
    // The price of the step from the site (0) and from levels 0, 1, 2 (1..3);
    // later steps cost nothing.
    ResourceSet prices[4];
};

// The row of a kind; null for a kind no building has (the base among them).
const cBuildKind* FindBuildKind(std::u16string_view kind);
