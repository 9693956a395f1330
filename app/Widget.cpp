#include "app/Widget.h"

#include "app/Game.h"
#include "gui/GUI.h"

namespace qor {

cWidget::cWidget(std::u16string name) : m_name(std::move(name)) {
    if (g_game) g_game->RegisterWidget(this);
}

cWidget::~cWidget() {
    if (g_game) g_game->ForgetWidget(this);
}

void cWidget::Draw() {
    if (g_game && g_game->gui()) g_game->gui()->Draw();
}

}  // namespace qor
