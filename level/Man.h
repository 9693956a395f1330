#pragma once
// Everything that walks: a man follows a path of world points toward a target.
// `cWalkman` sits between it and the worker. Neither is ever stored in a file.
// So far the classes have what scene files and the factory need. The level
// simulation grows them.
#include "scene/Object.h"

class cMan : public cObject {
  public:
    using cObject::cObject;
};

class cWalkman : public cMan {
  public:
    using cMan::cMan;
};
