// Every GUI window of the game, built from its script at the end of loading.
#include <functional>
#include <memory>

#include "gui/MessageBoxWF.h"
#include "gui/Window.h"
#include "shell/ComicsWF.h"
#include "shell/DealWF.h"
#include "shell/EscapeWF.h"
#include "shell/FinishWF.h"
#include "shell/Garden.h"
#include "shell/HelpWF.h"
#include "shell/HintWF.h"
#include "shell/LevelWF.h"
#include "shell/MainWF.h"
#include "shell/MapWF.h"
#include "shell/OptionsWF.h"
#include "shell/ProfileAddWF.h"
#include "shell/ProfileSelectWF.h"
#include "shell/StartWF.h"
#include "shell/TalkWF.h"
#include "shell/TrainWF.h"

using namespace qor;

namespace {

using cMakeFunction = std::function<std::unique_ptr<cWindowFunction>()>;

template <class T>
cMakeFunction Make() {
    return [] { return std::make_unique<T>(); };
}

struct cWindowEntry {
    const char16_t* name;
    const char16_t* script;
    // Null for the windows whose function comes with a later screen; they get
    // the plain function (which hides at once on a close request) until then.
    cMakeFunction function;
};

}  // namespace

void cGarden::CreateWindows() {
    // The order is the order the windows are created in; keep it.
    const cWindowEntry table[] = {
        {u"escape", u"escape.lua", Make<cEscapeGDWF>()},
        {u"messagebox", u"messagebox.lua", Make<cMessageBoxWF>()},
        {u"main", u"main.lua", Make<cMainGDWF>()},
        {u"level", u"level.lua", Make<cLevelWF>()},
        {u"editor", u"editor.lua", nullptr},
        {u"options", u"options_win.lua", Make<cOptionsGDWF>()},
        {u"profile_add", u"profile_add.lua", Make<cProfileAddWF>()},
        {u"profile_new", u"profile_new.lua", Make<cProfileAddWF>()},
        {u"profile_select", u"profile_select.lua", Make<cProfileSelectWF>()},
        {u"hint", u"hint.lua", Make<cHintGDWF>()},  // the level's and the map's hints
        {u"freeze", u"freeze.lua", nullptr},
        {u"level_name", u"level_name.lua", nullptr},
        {u"object_name", u"level_name.lua", nullptr},
        {u"start", u"start.lua", Make<cStartWF>()},
        {u"finish", u"finish.lua", Make<cFinishWF>()},
        {u"hint_task", u"hint_task.lua", Make<cHintTaskGDWF>()},  // the HUD's goal lines
        {u"talk", u"talk.lua", Make<cTalkWF>()},                  // the level's talks
        {u"deal", u"deal.lua", Make<cDealWF>()},                  // the trader's offer
        {u"map", u"map.lua", Make<cMapWF>()},                     // the world map's panel
        {u"train", u"train.lua", Make<cTrainWF>()},               // the tutorial's hints
        {u"comics", u"comics.lua", Make<cComicsWF>()},
        {u"help", u"help.lua", Make<cHelpWF>()},
    };
    for (const cWindowEntry& entry : table) {
        std::unique_ptr<cWindowFunction> function = entry.function ? entry.function() : nullptr;
        cWindowFunction* made = function.get();
        CreateWindowFromScript(entry.name, entry.script, std::move(function));
        if (std::u16string_view(entry.name) == u"messagebox")
            messageBox = static_cast<cMessageBoxWF*>(made);
    }
}
