#pragma once
// Registers the classes the scene itself holds: nodes, decor, backgrounds and
// object hints.
class cObjectFactory;

void RegisterSceneObjects(cObjectFactory& factory);
