#pragma once
// The base of the full-screen modes that show a scene of objects: the level,
// the world map and the menu backdrop. It owns the objects in ten ordered
// layer lists (0 drawn first, 9 on top), makes them through the object
// factory, hands out their ids, and offers what every such mode does with
// them: one fixed 1/30 s step, drawing layer by layer, picking the object
// under the pointer, removing dead objects after a step, and saving the run
// state of objects (the world map's progress). Each derived widget chooses
// the order in which it calls these.
//
// Objects that die (state -100) leave the layer lists at the end of the step
// but stay alive until Clear, so pointers other objects hold to them stay
// valid through the rest of the level.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/Widget.h"
#include "scene/Object.h"

namespace qor {
class cBitStream;
}

class cHintGDWF;
class cHintTaskGDWF;
class cObjectFactory;
class cSceneServices;

class cBaseWidget : public qor::cWidget {
  public:
    // Without a factory the scene can make no objects; without services it
    // uses the headless defaults.
    cBaseWidget(std::u16string name, const cObjectFactory* factory,
                cSceneServices* services = nullptr);
    ~cBaseWidget() override;

    // Destroys every object, the dead ones included; the next id is 0 again.
    virtual void Clear();
    // Unlinks a work place or approach node that goes from its owner's list.
    virtual void OnObjectRemoved(cObject* object);
    // A new object of the class with the next id, at the end of layer 9; null
    // (and no id used) for a type id the factory does not know.
    virtual cObject* CreateObject(uint32_t type);
    // Moves the object to the end of another layer; returns the layer clamped
    // to 0..9. Nothing moves when it already is on that layer.
    virtual int SetObjectLayer(cObject* object, int layer);
    // The first object with the id, layers 0 to 9, each list front to back.
    virtual cObject* FindObject(uint32_t id) const;
    // True when every record went to an object of this scene. A record for an
    // object the scene lacks, of a class it holds, is read past; reading stops
    // at a record no object of its class accepts.
    virtual bool LoadObjectStates(qor::cBitStream& stream);
    virtual void SaveObjectStates(qor::cBitStream& stream, uint32_t typeMask) const;
    virtual void MoveToTop(cObject* object);
    virtual void MoveToBottom(cObject* object);
    // Fills `out` with the objects of one layer (all layers when negative, in
    // layer order) whose type matches the mask; returns their count.
    virtual int CollectObjects(std::vector<cObject*>& out, uint32_t typeMask, int layer) const;
    // Occupies or frees the grid cells under an object. Only the level has a
    // grid; the other scenes ignore it.
    virtual void MarkObjectCells(cObject* /*object*/, bool /*occupy*/) {}
    // True while the spell of that number holds. Only a level casts spells;
    // the other scenes answer false.
    virtual bool IsSpellActive(int /*spell*/) const { return false; }

    // The first object (layers 0 to 9, front to back) with that name.
    cObject* FindObjectByName(std::u16string_view objectName) const;
    // One fixed step for every live object, layers 0 to 9 in list order.
    // Objects made during the step wait for the next one.
    void TickObjects();
    // Draws the objects of the layers first..last, each list front to back,
    // so that the end of a list is on top.
    void DrawLayers(int first, int last);
    // The top-most live object whose hit test accepts the point: layers 9
    // down to 0, each list back to front.
    cObject* PickObject(qor::cVec2 point) const;
    // Takes every object whose state is -100 out of the layer lists; returns
    // how many went.
    int RemoveDeadObjects();

    // Re-orders one layer list by `before`, keeping the order of objects it
    // does not tell apart.
    void SortLayer(int layer, bool (*before)(const cObject&, const cObject&));
    // How many times the scene has been cleared: a step that sees it change
    // knows its objects are gone.
    uint32_t ClearCount() const { return m_generation; }

    const cObjectList& Layer(int layer) const;
    size_t ObjectCount() const;
    cSceneServices& Services() const { return *m_services; }
    void SetServices(cSceneServices* services);
    const cObjectFactory* Factory() const { return m_factory; }

    uint32_t nextObjectId = 0;
    cHintGDWF* hintWindow = nullptr;          // set by the game shell
    cHintTaskGDWF* taskHintWindow = nullptr;  // set by the game shell

  private:
    // The list that holds the object: its layer's, or the dead list.
    cObjectList& ListOf(cObject* object);

    const cObjectFactory* m_factory;
    cSceneServices* m_services;
    std::array<cObjectList, kLayerCount> m_layers;
    cObjectList m_dead;
    std::vector<cObject*> m_stepList;  // reused by every step
    // Counts Clear calls, so that a step stops when an object clears the scene.
    uint32_t m_generation = 0;
};
