#pragma once
// Fills an object factory with every class a scene file may hold. The game,
// the tests and the scene compiler all build their factory here, so that they
// agree on the classes. (An explicit call, because self-registering globals in
// a static library are dropped by the linker when nothing refers to them.)
class cObjectFactory;

void RegisterGameObjects(cObjectFactory& factory);

// A factory of every game class, filled on first use; it lives as long as the
// program, so the scenes of the game can all point at it.
const cObjectFactory& GameObjectFactory();
