#include "platform/qt/QtToolBar.h"

#include <QAction>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include "platform/qt/QtFrameBarsCommand.h"
#include "platform/qt/QtPictures.h"

namespace platform {

namespace {

// A framed square with the label's first letter (a command without a name: its id's last two
// digits): enough to tell the buttons apart.
QIcon DrawIcon(const QString& label, bool named, qreal ratio) {
    const QString glyph = named ? label.left(1).toUpper() : label.right(2);
    const int side = QtToolBar::kButtonSize;
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(40, 40, 40));
    painter.setBrush(QColor(0, 128, 0));
    painter.drawRoundedRect(QRectF(0.5, 0.5, side - 1, side - 1), 3, 3);
    QFont font = painter.font();
    font.setPixelSize(glyph.size() > 1 ? side - 7 : side - 4);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, side, side), Qt::AlignCenter, glyph);
    return QIcon(pixmap);
}

}  // namespace

std::string ButtonToolTip(const std::string& menuText) {
    std::string tip = ButtonLabel(menuText);
    const std::size_t tab = menuText.find('\t');
    if (tab != std::string::npos && tab + 1 < menuText.size()) tip += " (" + menuText.substr(tab + 1) + ")";
    return tip;
}

std::string ButtonLabel(const std::string& menuText) {
    std::string label;
    for (std::size_t i = 0; i < menuText.size(); ++i) {
        const char c = menuText[i];
        if (c == '\t') break;
        if (c == '&') {
            // "&&" is a literal ampersand; a single one marks the mnemonic.
            if (i + 1 < menuText.size() && menuText[i + 1] == '&') {
                label += '&';
                ++i;
            }
            continue;
        }
        label += c;
    }
    // A trailing " ..." says a dialog follows; a tool tip does without.
    while (!label.empty() && (label.back() == '.' || label.back() == ' ')) label.pop_back();
    return label;
}

QtToolBar::QtToolBar(HWND frame, std::span<const int> ids, CommandUpdater updater,
                     const std::function<std::string(int id)>& label, QWidget* parent,
                     const std::function<ButtonPicture(int id)>& picture)
    : QToolBar(parent), m_frame(frame), m_updater(std::move(updater)) {
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(kButtonSize, kButtonSize));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    const qreal ratio = devicePixelRatioF();
    for (int id : ids) {
        if (id == kSeparator) {
            addSeparator();
            continue;
        }
        const std::string menuText = label ? label(id) : std::string();
        std::string text = ButtonLabel(menuText);
        const bool named = !text.empty();
        if (!named) text = std::to_string(id);
        const QString name = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        QIcon icon;
        if (picture) {
            const ButtonPicture source = picture(id);
            icon = ButtonIcon(source.themeName, source.drawing, kButtonSize);
        }
        if (icon.isNull()) icon = DrawIcon(name, named, ratio);
        QAction* action = addAction(icon, name);
        const std::string tip = named ? ButtonToolTip(menuText) : text;
        action->setToolTip(QString::fromUtf8(tip.data(), static_cast<qsizetype>(tip.size())));
        connect(action, &QAction::triggered, this, [this, id] { ChooseFrameCommand(m_frame, id, m_updater); });
        m_buttons.push_back({id, action});
    }
}

void QtToolBar::Update() {
    for (const Button& button : m_buttons) {
        const CommandState state = QueryCommandState(m_updater, button.id);
        button.action->setEnabled(state.Enabled());
        const bool checked = state.Check().value_or(0) != 0;
        button.action->setCheckable(checked);
        button.action->setChecked(checked);
    }
}

QAction* QtToolBar::ButtonOf(int id) const {
    for (const Button& button : m_buttons)
        if (button.id == id) return button.action;
    return nullptr;
}

}  // namespace platform
