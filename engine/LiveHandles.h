#pragma once
// Scripts hold engine objects as light userdata: a bare address. A script can
// pass a handle of another kind, a number it made up, or one whose object is
// gone; dereferencing such an address would take the game down. Every kind of
// object handed to scripts therefore records its address here while it lives,
// and the script functions accept only addresses of a live object of the kind
// they expect.
#include <unordered_set>

namespace qor {

template <class T>
class cLiveHandles {
  public:
    static void Add(const T* object) { Set().insert(object); }
    static void Remove(const T* object) { Set().erase(object); }
    // The live object behind `address`, or null when no object of this kind lives there.
    static T* Find(const void* address) {
        if (!address)
            return nullptr;
        auto it = Set().find(static_cast<const T*>(address));
        return it == Set().end() ? nullptr : const_cast<T*>(*it);
    }
    static size_t Count() { return Set().size(); }

  private:
    static std::unordered_set<const T*>& Set() {
        static std::unordered_set<const T*> set;
        return set;
    }
};

}  // namespace qor
