#include "platform/qt/QtMenuBar.h"

#include <QAction>
#include <QMenu>

#include "platform/core/WindowSystem.h"
#include "platform/qt/QtFrameBarsCommand.h"

namespace platform {

namespace {

QString ToQt(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

QtMenuBar::QtMenuBar(HWND frame, CommandUpdater updater, QWidget* parent)
    : QMenuBar(parent), m_frame(frame), m_updater(std::move(updater)) {
    // Always drawn in the frame: a global menu elsewhere would leave the frame's margins empty.
    setNativeMenuBar(false);
}

QtMenuBar::~QtMenuBar() { Clear(); }

void QtMenuBar::Clear() {
    clear();
    // The pop-ups are ours, not the bar's actions: delete them outright.
    for (const auto& level : m_levels) delete level->menu;
    m_levels.clear();
}

void QtMenuBar::Rebuild(const MenuTemplate& menu) {
    Clear();
    m_menu = Menu(menu);
    Fill(AddLevel(m_menu, nullptr));
    Refresh();
}

QtMenuBar::Level& QtMenuBar::AddLevel(Menu& model, QMenu* menu) {
    auto level = std::make_unique<Level>();
    level->model = &model;
    level->menu = menu;
    m_levels.push_back(std::move(level));
    return *m_levels.back();
}

void QtMenuBar::Fill(Level& level) {
    const std::vector<MenuItem>& items = level.model->Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuItem& item = items[i];
        QAction* action = nullptr;
        if (item.IsSeparator()) {
            action = level.menu ? level.menu->addSeparator() : addSeparator();
        } else if (item.IsPopup()) {
            auto* popup = new QMenu(ToQt(item.text));
            Level& sub = AddLevel(*item.popup, popup);
            sub.position = static_cast<int>(i);
            sub.nested = level.menu != nullptr;
            connect(popup, &QMenu::aboutToShow, this, [this, &sub] { Opening(sub); });
            action = level.menu ? level.menu->addMenu(popup) : addMenu(popup);
            Fill(sub);
        } else {
            action = level.menu ? level.menu->addAction(ToQt(item.text)) : addAction(ToQt(item.text));
            connect(action, &QAction::triggered, this, [this, id = item.id] { ChooseFrameCommand(m_frame, id, m_updater); });
        }
        level.actions.push_back(action);
    }
}

void QtMenuBar::Show(const Level& level) {
    const std::vector<MenuItem>& items = level.model->Items();
    for (std::size_t i = 0; i < items.size() && i < level.actions.size(); ++i) {
        const MenuItem& item = items[i];
        QAction* action = level.actions[i];
        if (item.IsSeparator()) continue;
        action->setText(ToQt(item.text));
        action->setEnabled(item.IsEnabled());
        if (item.IsPopup()) continue;
        // Only a checked item is checkable, so that unchecked ones show no empty box.
        action->setCheckable(item.IsChecked());
        action->setChecked(item.IsChecked());
    }
}

void QtMenuBar::Opening(Level& level) {
    level.model->Open(m_updater);
    // The frame's own work on the pop-up (its texts, pausing while a menu is open) runs now,
    // synchronously, so that the pop-up shows what the frame made of it.
    WindowSystem& system = WindowSystem::Instance();
    if (system.IsWindow(m_frame))
        system.SendMessage(m_frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(level.model),
                           MAKELPARAM(level.position, level.nested ? 1 : 0));
    Show(level);
}

void QtMenuBar::Refresh() {
    for (const auto& level : m_levels) Show(*level);
}

QMenu* QtMenuBar::PopupAt(int index) const {
    const QList<QAction*> bar = actions();
    if (index < 0 || index >= bar.size()) return nullptr;
    return bar[index]->menu();
}

}  // namespace platform
