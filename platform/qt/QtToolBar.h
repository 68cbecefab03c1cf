#pragma once
// platform::QtToolBar: a frame's tool bar on Qt: a row of buttons for command ids, 0 for a separator.
// Each button shows a small picture drawn in code from its label and the label as its tool tip. Its
// enabled and checked state comes from the frame's update function when Update runs (the frame
// bars call it when our loop is idle); a click hands the command to our loop like a menu choice.

#include <functional>
#include <span>
#include <string>
#include <vector>

#include <QToolBar>

#include "platform/core/CommandState.h"
#include "platform/core/Message.h"

class QAction;

namespace platform {

class QtToolBar final : public QToolBar {
public:
    static constexpr int kSeparator = 0;
    static constexpr int kButtonSize = 15;  // the button pictures' size in pixels

    // `label` names a command for its picture and tool tip (empty: the button shows the id).
    QtToolBar(HWND frame, std::span<const int> ids, CommandUpdater updater,
              const std::function<std::string(int id)>& label, QWidget* parent);

    // Asks the update function about every button.
    void Update();

    // The button of a command, or nullptr.
    QAction* ButtonOf(int id) const;

private:
    struct Button {
        int id = 0;
        QAction* action = nullptr;
    };

    HWND m_frame;
    CommandUpdater m_updater;
    std::vector<Button> m_buttons;
};

// The label of a command as a button shows it: a menu text without its '&' marks and key name.
std::string ButtonLabel(const std::string& menuText);

}  // namespace platform
