#pragma once
// Fills an object factory with every class a scene file may hold. The game,
// the tests and the scene compiler all build their factory here, so that they
// agree on the classes. (An explicit call, because self-registering globals in
// a static library are dropped by the linker when nothing refers to them.)
class cObjectFactory;

void RegisterGameObjects(cObjectFactory& factory);
