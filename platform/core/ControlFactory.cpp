#include "platform/core/Button.h"
#include "platform/core/ComboBox.h"
#include "platform/core/Control.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/Edit.h"
#include "platform/core/IconList.h"
#include "platform/core/Image.h"
#include "platform/core/ListBox.h"
#include "platform/core/RichText.h"
#include "platform/core/ScrollBar.h"
#include "platform/core/Slider.h"
#include "platform/core/Static.h"
#include "platform/core/WindowApi.h"

#include <memory>

namespace platform {

Control* CreateControl(const ControlTemplate& item, HWND parent, const Rect& rect, int lineHeight) {
    if (!::IsWindow(parent)) return nullptr;
    std::unique_ptr<Control> control;
    switch (item.kind) {
        case ControlKind::PushButton:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
        case ControlKind::GroupBox: control = std::make_unique<Button>(item.kind, item.style); break;
        case ControlKind::Static: control = std::make_unique<Static>(item.style); break;
        case ControlKind::Edit: control = std::make_unique<Edit>(item.style); break;
        case ControlKind::RichText: control = std::make_unique<RichText>(item.style); break;
        case ControlKind::ComboBox: control = std::make_unique<ComboBox>(item.style); break;
        case ControlKind::ListBox: control = std::make_unique<ListBox>(item.style, lineHeight); break;
        case ControlKind::ScrollBar: control = std::make_unique<ScrollBar>(item.style); break;
        case ControlKind::Slider: control = std::make_unique<Slider>(item.style); break;
        case ControlKind::Image: control = std::make_unique<Image>(item.style); break;
        case ControlKind::IconList: control = std::make_unique<IconList>(item.style); break;
    }
    // Controls never refuse their creation, so a failure means no window came to be and the object
    // is still ours to free.
    if (!control->CreateChild(parent, item.id, item.text ? item.text : "", rect)) return nullptr;
    return control.release();
}

}  // namespace platform
