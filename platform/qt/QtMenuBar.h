#pragma once
// platform::QtMenuBar: a frame window's menu bar on Qt, built from a MenuTemplate. It keeps the
// menu's run-time model (Menu) and shows it: pop-ups, separators, items with their '&' mnemonics and
// the key names after '\t', check marks. When a pop-up opens, its items take their state from the
// frame's update function (Menu::Open) before Qt shows them; choosing an item hands the command to
// our loop, which sends it to the frame as WM_COMMAND (ChooseFrameCommand). Before a pop-up shows,
// the frame is sent WM_INITMENUPOPUP for its own work on the pop-up, as a menu loop does. No Qt shortcuts are
// made for the key names: accelerators are translated in our loop.

#include <memory>
#include <vector>

#include <QMenuBar>

#include "platform/core/CommandState.h"
#include "platform/core/Menu.h"
#include "platform/core/MenuTemplate.h"
#include "platform/core/Message.h"

class QAction;
class QMenu;

namespace platform {

class QtMenuBar final : public QMenuBar {
public:
    QtMenuBar(HWND frame, CommandUpdater updater, QWidget* parent);
    ~QtMenuBar() override;

    // Builds the bar anew from a template (when the program's menu is replaced as a whole, as on the
    // language switch). Items changed by program code before are back to the template's state.
    void Rebuild(const MenuTemplate& menu);

    // The run-time menu, for program code that checks, greys or renames items directly; the bar
    // shows such changes when the pop-up opens next, or at once after Refresh.
    Menu& Model() { return m_menu; }
    const Menu& Model() const { return m_menu; }
    // Shows the model's present state in every item, without asking the update function.
    void Refresh();

    // The pop-up menu of a top-level item, or nullptr (for tests and for the frame's own use).
    QMenu* PopupAt(int index) const;

private:
    // One level of the menu: the bar itself (no QMenu) or a pop-up, with an action per item.
    struct Level {
        Menu* model = nullptr;
        QMenu* menu = nullptr;
        int position = 0;     // in the parent menu
        bool nested = false;  // the parent is a pop-up, not the bar
        std::vector<QAction*> actions;
    };

    void Clear();
    Level& AddLevel(Menu& model, QMenu* menu);
    void Fill(Level& level);
    void Show(const Level& level);
    void Opening(Level& level);

    HWND m_frame;
    CommandUpdater m_updater;
    Menu m_menu;
    std::vector<std::unique_ptr<Level>> m_levels;  // [0] is the bar
};

}  // namespace platform
