#pragma once
// Registers the classes of the level simulation: workers, the hero, enemies,
// resource sources, obstacles and buildings.
class cObjectFactory;

void RegisterLevelObjects(cObjectFactory& factory);
