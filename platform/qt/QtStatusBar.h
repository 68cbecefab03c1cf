#pragma once
// platform::QtStatusBar: a frame's status bar on Qt, mirroring a StatusBar model. Each pane is a
// label placed where the model's Layout puts it (fixed widths, the stretching pane, the gaps), in
// the model's font; text changes, new panes and a new font arrive through the model's listeners,
// which this bar takes over while it lives. The model must outlive the bar (the frame owns both; the bar goes with the
// frame's window).

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include <QStatusBar>

#include "platform/core/DrawingObjects.h"
#include "platform/core/StatusBar.h"

class QLabel;

namespace platform {

class QtStatusBar final : public QStatusBar {
public:
    // The logical font of an application font id, or nothing for Qt's default.
    using FontLookup = std::function<std::optional<LogFont>(int fontId)>;

    QtStatusBar(StatusBar& model, FontLookup fonts, QWidget* parent);
    ~QtStatusBar() override;

    // Takes the model's panes, texts and font anew; the model announces new panes and a new font.
    void Sync();

    // The label of a pane, or nullptr.
    QLabel* Pane(int pane) const;

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // A new font: the texts are measured anew.
    void changeEvent(QEvent* event) override;

private:
    void TextChanged(int pane, bool immediate);
    void PlacePanes();
    // The width a pane needs to show the text whole.
    int TextRoom(const std::string& text) const;

    StatusBar& m_model;
    FontLookup m_fonts;
    std::vector<QLabel*> m_panes;
    // Per pane: its text changed since it was last painted at the program's request, and may not be
    // on the screen yet.
    std::vector<bool> m_waiting;
    // The widths of the texts measured in the bar's font.
    static constexpr std::size_t kTextWidthsKept = 256;
    mutable std::unordered_map<std::string, int> m_textWidths;
};

}  // namespace platform
