#pragma once
// The table that turns a type id into a new object. Each object family
// registers its classes (level/, world/ and the scene's own), so that the
// scene widgets can build any object from a file without knowing the
// classes. The game, the tests and the scene compiler fill their table through
// the same registration functions (RegisterGameObjects).
#include <array>
#include <cstdint>
#include <memory>

class cBaseWidget;
class cObject;

class cObjectFactory {
  public:
    using Maker = std::unique_ptr<cObject> (*)(cBaseWidget* scene);

    // Binds a class to its type id. Only ids of one bit name a class; others
    // are refused (false), and a second registration replaces the first.
    bool Register(uint32_t type, Maker maker);
    bool Knows(uint32_t type) const;
    // A new object of that class for the scene, or null for an unknown id.
    std::unique_ptr<cObject> Make(uint32_t type, cBaseWidget* scene) const;

    // Registers a class by its `kType`.
    template <class T>
    bool Register() {
        return Register(T::kType, &MakeObject<T>);
    }

  private:
    template <class T>
    static std::unique_ptr<cObject> MakeObject(cBaseWidget* scene) {
        return std::make_unique<T>(scene);
    }
    static int Slot(uint32_t type);

    std::array<Maker, 32> m_makers{};
};
