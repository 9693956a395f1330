#include "scene/Decor.h"

void cDecor::SetKind(const std::u16string& kindName) {
    cObject::SetKind(kindName);
    const size_t split = kindName.find(u';');
    if (split != std::u16string::npos)
        AddAnimation(u"life", kindName.substr(split + 1), kindName.substr(0, split));
    else
        AddAnimation(u"life", kindName);
    PlayAnimation(u"life", qor::kAnimLoop, true);
}
