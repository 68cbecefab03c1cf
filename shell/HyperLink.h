#pragma once
// CHyperLink: a label that behaves like a web link: its own colours for a fresh, a visited and a
// hovered link, underlined while the mouse is over it, the hand cursor, the target as tooltip, and
// a click that opens the target through the desktop. A link that cannot be opened says why and
// stays unvisited.

#include "platform/core/Cursor.h"
#include "platform/core/DrawingObjects.h"
#include "platform/core/Static.h"

#include <string>

namespace platform {
class Dialog;
}

class CHyperLink : public platform::Static {
public:
    static constexpr platform::Color kLinkColour{0, 0, 238};
    static constexpr platform::Color kVisitedColour{85, 26, 139};
    static constexpr platform::Color kHoverColour{255, 0, 0};
    // The desktop's highlight colour, for a hover colour left to the system.
    static constexpr platform::Color kHighlightColour{0, 120, 215};
    static constexpr unsigned kHoverTimer = 100;
    static constexpr int kHoverTicks = 100;  // ms between two looks at the mouse

    explicit CHyperLink(unsigned style);

    // Puts a link in place of the dialog's label `id`: same place, text and font; then sets it up.
    // nullptr when the dialog has no such label.
    static CHyperLink* Attach(platform::Dialog& dialog, int id);

    void SetURL(const std::string& url);
    const std::string& GetURL() const { return m_url; }
    platform::Color GetLinkColour() const { return m_linkColour; }
    platform::Color GetVisitedColour() const { return m_visitedColour; }
    platform::Color GetHoverColour() const { return m_hoverColour; }
    bool GetVisited() const { return m_visited; }
    HCURSOR GetLinkCursor() const { return m_linkCursor; }
    // -1 underlined while hovered, 0 never, 1 always.
    int GetUnderline() const { return m_underline; }
    bool GetAutoSize() const { return m_adjustToFit; }
    bool IsOverLink() const { return m_overLink; }

    // Opens the target; a failure shows why (the box stays open) and the link stays unvisited.
    void OpenTarget();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Target and text, fonts, size, cursor: once the label exists.
    void SetUp();
    void FitToText();
    void ShowState();
    void CheckHover();

    platform::Color m_linkColour = kLinkColour;
    platform::Color m_visitedColour = kVisitedColour;
    platform::Color m_hoverColour = kHoverColour;
    bool m_overLink = false;
    bool m_visited = false;
    int m_underline = -1;
    bool m_adjustToFit = true;
    std::string m_url;
    platform::LogFont m_underlinedFont;
    platform::LogFont m_normalFont;
    HCURSOR m_linkCursor = nullptr;
    bool m_setUp = false;
};

// The text of a failed opening: "Unable to open hyperlink:\n\n" and the reason for `result`.
std::string HyperlinkErrorText(int result);
