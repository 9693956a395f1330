#include "shell/OptionsWF.h"

#include "app/Platform.h"
#include "engine/Sound.h"
#include "engine/SoundManager.h"
#include "gui/CheckBoxCtrl.h"
#include "gui/SliderCtrl.h"
#include "shell/Garden.h"
#include "shell/ScreenControls.h"

using namespace qor;

cOptionsWF::cOptionsWF() = default;
cOptionsWF::~cOptionsWF() = default;

void cOptionsWF::OnShown() {
    if (!soundSlider || !musicSlider)
        return;
    if (windowedCheck)
        windowedCheck->SetChecked(g_fullScreen == 1);
    if (g_soundManager) {
        soundSlider->SetValue(g_soundManager->GetVolume(kVolumeSounds));
        musicSlider->SetValue(g_soundManager->GetVolume(kVolumeMusic));
    } else if (g_garden) {
        soundSlider->SetValue(g_garden->soundVolume);
        musicSlider->SetValue(g_garden->musicVolume);
    }
}

void cOptionsWF::OnSlider(cSliderCtrl* slider) {
    const float volume = slider->GetValue();
    if (slider == soundSlider) {
        if (previewSound && !previewSound->IsPlaying())
            previewSound->Play();
        if (g_soundManager)
            g_soundManager->SetVolume(kVolumeSounds, volume);
        if (g_garden)
            g_garden->soundVolume = volume;
    } else if (slider == musicSlider) {
        if (g_soundManager)
            g_soundManager->SetVolume(kVolumeMusic, volume);
        if (g_garden)
            g_garden->musicVolume = volume;
    }
}

int cOptionsWF::OnEvent(cWindow* window, int kind, int param1, int param2) {
    if (window && kind == kWndDestroyed)
        previewSound.reset();
    if (window && IsReady() && g_middle) {
        switch (kind) {
            case kWndFilled:
                soundSlider = FindScreenControl<cSliderCtrl>(window, u"slSound");
                musicSlider = FindScreenControl<cSliderCtrl>(window, u"slMusic");
                mouseSpeedSlider = FindScreenControl<cSliderCtrl>(window, u"slMouseSpeed");
                windowedCheck = FindScreenControl<cCheckBoxSysCtrl>(window, u"cbWindowed");
                if (!soundSlider || !musicSlider)
                    return ReportError(window, u"one or more controls not found");
                if (!previewSound)
                    previewSound = std::make_unique<cSound>(u"typing");
                break;
            case kWndShown:
                OnShown();
                break;
            case kWndCheckBox:
                if (windowedCheck && window->ControlAt(param2) == windowedCheck) {
                    const bool wantFullScreen = param1 == 1;
                    if (wantFullScreen != (g_fullScreen != 0)) {
                        g_fullScreen = g_fullScreen ? 0 : 1;
                        DestroyGameWindow();
                        CreateGameWindow(g_fullScreen);
                    }
                }
                break;
            case kWndSlider:
                if (cCtrl* control = window->ControlAt(param2);
                    control && (control == soundSlider || control == musicSlider)) {
                    OnSlider(static_cast<cSliderCtrl*>(control));
                }
                break;
            case kWndKeyDown:
                if (param1 == kKeyEscape) {
                    ClickCtrl(window, u"btBack");
                    return 1;
                }
                break;
            case kWndCommand:
                if (CommandName(window, param2) == u"btBack") {
                    if (g_middle->GetScreenMode() == 1) {
                        g_middle->ShowScreenWindow(u"main", 1);
                    } else if (g_middle->GetScreenMode() == 2) {
                        g_middle->ShowScreenWindow(u"escape", 2);
                    }
                }
                break;
            case kWndHidden:
                // What was changed here reaches the disk now, not only at exit.
                if (g_garden) {
                    g_garden->SaveSettings();
                    g_garden->SaveProgress();
                }
                break;
            default:
                break;
        }
    }
    return cBaseWF::OnEvent(window, kind, param1, param2);
}

int cOptionsGDWF::OnEvent(cWindow* window, int kind, int param1, int param2) {
    if (window && IsReady() && g_garden) {
        cPlayer* player = g_garden->GetCurrentPlayer();
        if (kind == kWndFilled) {
            hintsCheck = FindScreenControl<cCheckBoxSysCtrl>(window, u"cbHints");
        } else if (kind == kWndShown && hintsCheck && player) {
            hintsCheck->SetChecked(player->showHints);
        } else if (kind == kWndCheckBox && hintsCheck && player &&
                   window->ControlAt(param2) == hintsCheck) {
            player->showHints = param1 == 1;
        }
    }
    return cOptionsWF::OnEvent(window, kind, param1, param2);
}
