#include "shell/Garden.h"

#include <ctime>

#include "app/CommandLine.h"
#include "app/Game.h"
#include "app/Platform.h"
#include "app/Widget.h"
#include "engine/Console.h"
#include "engine/LoadingScriptFunctions.h"
#include "engine/Log.h"
#include "engine/Music.h"
#include "engine/Script.h"
#include "engine/ScriptFunctions.h"
#include "engine/SoundManager.h"
#include "engine/SplashWidget.h"
#include "engine/StringTable.h"
#include "gui/GUI.h"
#include "gui/GuiScriptFunctions.h"
#include "gui/MessageBoxWF.h"
#include "gui/Window.h"
#include "gui/game/GameControlScriptFunctions.h"
#include "level/LevelWidget.h"
#include "shell/GardenLevelHost.h"
#include "shell/HintWF.h"
#include "shell/ReplayConsole.h"
#include "shell/Settings.h"
#include "world/AchieveWidget.h"
#include "world/ComicsWidget.h"
#include "world/GameObjects.h"
#include "world/MapWidget.h"

using namespace qor;

cGarden* g_garden = nullptr;

namespace {

constexpr std::u16string_view kSender = u"cGarden";
constexpr float kDefaultVolume = 0.5f;

const char16_t* IconTexture(int kind) {
    switch (kind) {
        case 0:
            return u"icon_error";
        case 1:
            return u"icon_info";
        case 2:
            return u"icon_warning";
        case 3:
            return u"icon_question";
        default:
            return u"";
    }
}

bool IsOverlayWindow(const std::u16string& name) {
    return name == u"messagebox" || name == u"hint" || name == u"train" || name == u"hint_task" ||
           name == u"deal" || name.starts_with(u"talk");
}

}  // namespace

namespace qor {

std::unique_ptr<cGameObject> StartGameApplication() {
    auto garden = std::make_unique<cGarden>();
    if (const char16_t* error = garden->Init()) {
        LogEntry(kLogError, kSender, u"The game cannot start: %s", error);
        return nullptr;
    }
    return garden;
}

}  // namespace qor

cGarden::cGarden() {
    g_garden = this;
    cSpriteBatch* batch = g_game ? g_game->batch() : nullptr;
    effects = std::make_unique<cParticleManager>(batch);
    g_particles = effects.get();
    flyingSprites = std::make_unique<cFlyingSpriteList>(batch, effects.get(), true);
    g_flyingSprites = flyingSprites.get();
    sceneDraw = std::make_unique<cSceneDraw>(batch);
    g_sceneDraw = sceneDraw.get();
    g_gameRandom = &random;
    levelHost = std::make_unique<cGardenLevelHost>(*this);
    if (g_soundManager) {
        g_soundManager->SetVolume(kVolumeSounds, kDefaultVolume);
        g_soundManager->SetVolume(kVolumeMusic, kDefaultVolume);
    }
}

cGarden::~cGarden() {
    if (currentPlayer) {
        currentPlayer->SaveMap();
        if (cPlayer* player = GetCurrentPlayer())
            player->mapSaved = 1;
    }
    // The scenes let go of their objects while the particles and the level
    // host those objects may hold still exist; the widgets themselves go with
    // the engine core.
    if (cLevelWidget* level = GetLevelWidget())
        level->Clear();
    if (mapWidget)
        mapWidget->Clear();
    if (achieveWidget)
        achieveWidget->Clear();
    levels.clear();
    SaveSettings();
    widescreenTexture.reset();
    // The flying icons hold emitters of the particle manager: they go first.
    flyingSprites.reset();
    effects.reset();
    sceneDraw.reset();
    if (g_gameRandom == &random)
        g_gameRandom = nullptr;
    if (g_garden == this)
        g_garden = nullptr;
}

const char16_t* cGarden::Init() {
    if (const char16_t* error = cMiddle::Init())
        return error;
    if (!g_game || !g_lua)
        return u"the engine core is missing";
    const std::time_t now = std::time(nullptr);
    if (const std::tm* local = std::localtime(&now)) {
        random.seed = static_cast<uint32_t>(
            (local->tm_hour * 3600 + local->tm_min * 60 + local->tm_sec) * 1000);
    }
    LogEntry(kLogText, kSender, u"Start game initialization...");
    // Splash and loading go on while the player looks at another window.
    g_game->runWhileInactive = true;

    cScriptFunctionHooks hooks;
    hooks.registerGuiFunctions = RegisterGuiScriptFunctions;
    hooks.registerSplashAndLoadingFunctions = RegisterSplashAndLoadingScriptFunctions;
    hooks.registerGameControlFunctions = ::RegisterGameControlScriptFunctions;
    RegisterEngineScriptFunctions(hooks);
    replays = std::make_unique<cReplayConsole>(*this);
    cReplayConsole::Register(g_lua);

    soundVolume = GetNumberGlobal("soundVolume", kDefaultVolume);
    musicVolume = GetNumberGlobal("musicVolume", kDefaultVolume);
    // A settings file edited by hand may hold anything; out-of-range values
    // would be refused by the sound manager and then written back as silence.
    if (StoredVolume(soundVolume) != soundVolume)
        soundVolume = kDefaultVolume;
    if (StoredVolume(musicVolume) != musicVolume)
        musicVolume = kDefaultVolume;
    if (g_soundManager) {
        g_soundManager->SetVolume(kVolumeSounds, soundVolume);
        g_soundManager->SetVolume(kVolumeMusic, musicVolume);
    }

    new cSplashWidget(this);
    g_game->FocusWidget(kSplashWidgetName);
    LogEntry(kLogText, kSender, u"Show splash screen...");
    return nullptr;
}

void cGarden::OnEndLoading() {
    if (!g_game)
        return;
    g_game->SetLocale(StartupLocale());

    effects->LoadTextures();
    sceneDraw->LoadSprites();
    // The screen widgets belong to the engine core from here on.
    levelWidget = new cLevelWidget(&GameObjectFactory(), nullptr, levelHost.get());
    mapWidget = new cMapWidget();
    achieveWidget = new cAchieveWidget(&GameObjectFactory());
    comicsWidget = new cComicsWidget();
    comicsWidget->onStoryOver = [this] { SwitchScreen(u"map", u"comics"); };
    StartMenuMusic();
    sounds.Build(g_soundManager ? LoadedSoundNames(*g_soundManager)
                                : std::vector<std::u16string>{});
    if (!mapWidget->LoadMapFile()) {
        LogEntry(kLogWarning, u"cGarden::OnEndLoading", u"Map not found. New widget created.");
        mapWidget->NewMap();
    }
    if (!achieveWidget->LoadRoomFile()) {
        LogEntry(kLogText, u"cGarden::OnEndLoading", u"Achieve not found. New widget created.");
        achieveWidget->NewRoom();
    }

    if (const int count = LoadLevels(); count > 0) {
        LogEntry(kLogText, kSender, u"%i levels loaded", count);
    } else {
        LogEntry(kLogText, kSender, u"Levels not found, add default level");
        AddLevel();
    }

    cMiddle::OnEndLoading();
    CreateWindows();
    JoinScreensToScenes();

    g_game->runWhileInactive = false;
    widescreenTexture = FindTexture(u"widescreen");
    RunFile(cPath(u"{StaticPath}/conf/autoexec.lua"));
    g_game->consoleEnabled = false;
    if (cGUI* gui = g_game->gui())
        gui->pointerVisible = true;
    SetCursor(u"pointer");
    talks.Build();
    // Started with a replay to watch: its level comes instead of the menu,
    // unless the file can't be played (logged).
    const std::u16string& replay = g_commandLine.replayFile;
    if (replay.empty() || !replays->Play(replay))
        SwitchScreen(u"menu", u"loading");
    UpdateWindowTitle();
}

std::unique_ptr<cPlayerBase> cGarden::CreatePlayer(const std::u16string& folderName) {
    const std::u16string folder = folderName.empty() ? NextProfileFolder() : folderName;
    // Without a folder name of its own the profile would live in the profile
    // folder itself, beside every other one.
    if (folder.empty())
        return nullptr;
    return std::make_unique<cPlayer>(folder);
}

cPlayer* cGarden::GetCurrentPlayer() const {
    // Every profile of the game is made by CreatePlayer above.
    return static_cast<cPlayer*>(currentPlayer);
}

void cGarden::SetCursor(const std::u16string&) {
    cGUI* gui = g_game ? g_game->gui() : nullptr;
    if (!gui)
        return;
    gui->pointer.texture = FindTexture(u"cursor_pointer");
    gui->pointer.width = 32.0f;
    gui->pointer.height = 32.0f;
    gui->pointer.align = 9;
}

bool cGarden::FocusScreenWidget(cWidget* widget, const char16_t* name) {
    if (!widget) {
        LogEntry(kLogWarning, kSender,
                 u"The screen '%s' is not available yet; the current one stays", name);
        return false;
    }
    if (g_game)
        g_game->FocusWidget(widget->GetName());
    return true;
}

bool cGarden::ShowScreenWindowIfBuilt(const std::u16string& name, int mode) {
    // Without its scene a screen's window has nothing to stand on; an empty
    // window would leave the player with nothing to click, so none is shown.
    cGUI* gui = g_game ? g_game->gui() : nullptr;
    if (!gui || !gui->HasWnd(name))
        return false;
    cWindow* window = gui->GetWnd(name);
    return window && window->ControlCount() > 0 && ShowScreenWindow(name, mode);
}

void cGarden::JoinScreensToScenes() {
    // The HUD's goal lines belong to the level, and the floating hint serves
    // the level's objects and the map's points alike.
    cGUI* gui = g_game ? g_game->gui() : nullptr;
    if (cLevelWidget* level = GetLevelWidget(); level && gui && gui->HasWnd(u"level"))
        level->panel.Bind(gui->GetWnd(u"level"));
    if (mapWidget)
        mapWidget->mapHintWindow = FindHintWindow(u"hint");
}

void cGarden::SwitchScreen(const std::u16string& to, const std::u16string& from) {
    if (to == from)
        return;
    if (to == u"level") {
        // The map's chosen point names the level; a level picked for
        // development from the menu keeps its own index.
        SetCurrentLevel(from == u"map" && mapWidget ? mapWidget->GetCurrentLevel() : currentLevel);
        if (FocusScreenWidget(levelWidget, u"level")) {
            // The level opens with its briefing, which gives way to the HUD.
            // Without their scripts the scene stands alone.
            CloseAllWindows();
            if (!ShowScreenWindowIfBuilt(u"start", 2))
                ShowScreenWindowIfBuilt(u"level", 2);
        }
    } else if (to == u"menu") {
        // The main menu stands on the achievements room, even an empty one.
        FocusScreenWidget(achieveWidget, kAchieveWidgetName);
        ShowScreenWindow(u"main", 2);
    } else if (to == u"map") {
        if (FocusScreenWidget(mapWidget, u"map"))
            ShowScreenWindow(u"map", 1);
    } else if (to == u"comics_start" || to == u"comics_finish") {
        if (comicsWidget)
            comicsWidget->SetStory(to == u"comics_finish");
        if (FocusScreenWidget(comicsWidget, u"comics"))
            ShowScreenWindowIfBuilt(u"comics", 1);
    }
}

void cGarden::StartMenuMusic() {
    if (!g_soundManager)
        return;
    cMusic* music = g_soundManager->FindMusic(u"music0");
    if (music && !music->IsActive()) {
        music->SetLoop();
        music->Fade(true, 1.0f);
        music->Play();
    }
}

bool cGarden::ShowScreenWindow(const std::u16string& name, int mode) {
    cGUI* gui = g_game ? g_game->gui() : nullptr;
    if (!gui)
        return false;
    if (!IsOverlayWindow(name) && !(name == u"options" && mode == 2)) {
        if (name == u"escape") {
            if (gui->HasWnd(u"options") && gui->GetWnd(u"options"))
                gui->CloseWnd(u"options");
        } else if (name == u"profile_select") {
            if (gui->IsWndShown(u"profile_add"))
                gui->CloseWnd(u"profile_add");
        } else {
            CloseAllWindows();
        }
    }
    screenMode = mode;
    gui->ShowWnd(name);
    return true;
}

void cGarden::OnWindowHidden(const std::u16string& name) {
    if (name == u"messagebox" && messageBox && messageBox->GetResult() == 0 &&
        messageBox->GetId() == u"exit_game") {
        PostQuitRequest();
    }
    cMiddle::OnWindowHidden(name);
}

void cGarden::ShowMessageBox(int iconKind, int buttonsKind, const std::u16string& text,
                             const std::u16string& id) {
    if (!messageBox)
        return;
    const std::u16string icon = IconTexture(iconKind);
    messageBox->SetText(text, u"");
    messageBox->SetImages(icon, icon);
    switch (buttonsKind) {
        case 0:
            messageBox->SetButtons(GetLocalizedText(u"Ok"), u"");
            break;
        case 1:
            messageBox->SetButtons(GetLocalizedText(u"Ok"), GetLocalizedText(u"Cancel"));
            break;
        case 2:
            messageBox->SetButtons(GetLocalizedText(u"Yes"), GetLocalizedText(u"No"));
            break;
        default:
            break;
    }
    messageBox->SetId(id);
    ShowScreenWindow(u"messagebox", 1);
}

void cGarden::GetCursorPos(int* x, int* y) const {
    int vx = 0, vy = 0;
    if (g_game && g_game->gui())
        g_game->gui()->GetCursorVirtualPos(&vx, &vy);
    if (x)
        *x = vx;
    if (y)
        *y = vy;
}

int cGarden::GetDirection(float angle) const {
    if (angle >= 30.0f && angle < 105.0f)
        return 1;
    if (angle >= 105.0f && angle < 210.0f)
        return 2;
    if (angle >= 210.0f && angle < 300.0f)
        return 3;
    return 0;
}

bool cGarden::SaveSettings() const {
    cSettings settings;
    settings.fullScreen = g_fullScreen == 1;
    if (g_soundManager) {
        settings.soundVolume = StoredVolume(g_soundManager->GetVolume(kVolumeSounds));
        settings.musicVolume = StoredVolume(g_soundManager->GetVolume(kVolumeMusic));
    } else {
        // Without a sound manager the volumes cannot be read back: keep the
        // player's choice instead of writing silence.
        settings.soundVolume = soundVolume;
        settings.musicVolume = musicVolume;
    }
    settings.locale = g_game && !g_game->locale.empty() ? g_game->locale : u"en";
    return WriteSettings(settings);
}
