#include "platform/core/MessageBoxLayout.h"

#include "platform/core/Message.h"

#include <algorithm>

namespace platform {

namespace {

constexpr int kIconSize = 32;      // pixels
constexpr int kMarginDlu = 7;      // around everything
constexpr int kSpacingDlu = 4;     // between icon and text, text and buttons, and between buttons
constexpr int kButtonWidthDlu = 50;
constexpr int kButtonHeightDlu = 14;
constexpr int kButtonPaddingDlu = 4;  // each side of a long caption

}  // namespace

MessageBoxSpec DescribeMessageBox(unsigned flags, std::string_view language) {
    bool german = language == "ge";
    MessageBoxSpec kind;
    switch (flags & MB_BUTTONMASK) {
        case MB_OKCANCEL:
            kind.buttons = {{IDOK, "OK"}, {IDCANCEL, german ? "Abbrechen" : "Cancel"}};
            kind.escapeResult = IDCANCEL;
            break;
        case MB_YESNO:
            kind.buttons = {{IDYES, german ? "&Ja" : "&Yes"}, {IDNO, german ? "&Nein" : "&No"}};
            // As on every desktop: Esc and the close button say No, the answer that changes nothing.
            kind.escapeResult = IDNO;
            break;
        default:  // MB_OK, and any set we do not know: a box must always be answerable
            kind.buttons = {{IDOK, "OK"}};
            kind.escapeResult = IDOK;
            break;
    }
    switch (flags & MB_ICONMASK) {
        case MB_ICONEXCLAMATION: kind.icon = MessageBoxIcon::Exclamation; break;
        case MB_ICONQUESTION: kind.icon = MessageBoxIcon::Question; break;
        case MB_ICONINFORMATION: kind.icon = MessageBoxIcon::Information; break;
        case MB_ICONSTOP: kind.icon = MessageBoxIcon::Stop; break;
        default: break;
    }
    return kind;
}

MessageBoxLayout LayoutMessageBox(const MessageBoxSpec& kind, int textWidth, int textHeight,
                                  const std::vector<int>& buttonTextWidths, DialogBaseUnits units) {
    const int margin = DialogUnitsToPixelsX(kMarginDlu, units);
    const int marginY = DialogUnitsToPixelsY(kMarginDlu, units);
    const int spacing = DialogUnitsToPixelsX(kSpacingDlu, units);
    const int spacingY = DialogUnitsToPixelsY(kSpacingDlu, units);
    const int buttonHeight = DialogUnitsToPixelsY(kButtonHeightDlu, units);
    const int padding = DialogUnitsToPixelsX(kButtonPaddingDlu, units);
    textWidth = std::max(0, textWidth);
    textHeight = std::max(0, textHeight);

    MessageBoxLayout layout;
    bool hasIcon = kind.icon != MessageBoxIcon::None;
    int textLeft = margin;
    if (hasIcon) {
        layout.icon = {margin, marginY, margin + kIconSize, marginY + kIconSize};
        textLeft = layout.icon.right + spacing;
    }
    // A one-line text sits level with the middle of the icon.
    int textTop = marginY;
    if (hasIcon && textHeight < kIconSize) textTop += (kIconSize - textHeight) / 2;
    layout.text = {textLeft, textTop, textLeft + textWidth, textTop + textHeight};

    std::vector<int> widths;
    int rowWidth = 0;
    for (std::size_t i = 0; i < kind.buttons.size(); ++i) {
        int caption = i < buttonTextWidths.size() ? buttonTextWidths[i] : 0;
        widths.push_back(std::max(DialogUnitsToPixelsX(kButtonWidthDlu, units), caption + 2 * padding));
        rowWidth += widths.back() + (i ? spacing : 0);
    }
    int contentBottom = std::max(layout.text.bottom, hasIcon ? layout.icon.bottom : marginY);
    layout.width = std::max(layout.text.right, rowWidth + margin) + margin;
    int x = (layout.width - rowWidth) / 2;
    int top = contentBottom + spacingY;
    for (int w : widths) {
        layout.buttons.push_back({x, top, x + w, top + buttonHeight});
        x += w + spacing;
    }
    layout.height = top + buttonHeight + marginY;
    return layout;
}

}  // namespace platform
