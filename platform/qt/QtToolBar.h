#pragma once
// platform::QtToolBar: a frame's tool bar on Qt: a row of buttons for command ids, 0 for a separator.
// Each button shows its command's picture (the desktop theme's or our own drawing; a framed letter
// for a command without one) and the command's name and key as its tool tip. Its
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

// Where a command's button picture comes from: the name a desktop icon theme gives it (empty when
// no theme names the command) and our own drawing (a file name under resources/pictures).
struct ButtonPicture {
    std::string themeName;
    std::string drawing;
};

class QtToolBar final : public QToolBar {
public:
    static constexpr int kSeparator = 0;
    static constexpr int kButtonSize = 16;  // the button pictures' size in pixels

    // `label` gives a command's menu text (its name and, after a tab, its key; empty: the button
    // shows the id); `picture` its picture (none: a framed letter of the name).
    QtToolBar(HWND frame, std::span<const int> ids, CommandUpdater updater,
              const std::function<std::string(int id)>& label, QWidget* parent,
              const std::function<ButtonPicture(int id)>& picture = {});

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
// A button's tool tip: the label, and the key in brackets when the menu text names one.
std::string ButtonToolTip(const std::string& menuText);

}  // namespace platform
