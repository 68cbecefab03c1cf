#include "platform/qt/QtStatusBar.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>

#include "platform/qt/PainterDCFont.h"

namespace platform {

namespace {

QString ToQt(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Room between a pane's text and its sunken frame.
constexpr int kTextIndent = 2;

}  // namespace

QtStatusBar::QtStatusBar(StatusBar& model, FontLookup fonts, QWidget* parent)
    : QStatusBar(parent), m_model(model), m_fonts(std::move(fonts)) {
    // The panes are placed by the model's layout, not by QStatusBar's own: no size grip beside them.
    setSizeGripEnabled(false);
    m_model.OnTextChanged([this](int pane, bool immediate) { TextChanged(pane, immediate); });
    m_model.OnShapeChanged([this] { Sync(); });
    Sync();
}

QtStatusBar::~QtStatusBar() {
    m_model.OnTextChanged({});
    m_model.OnShapeChanged({});
}

void QtStatusBar::Sync() {
    if (m_fonts) {
        if (std::optional<LogFont> font = m_fonts(m_model.Font())) setFont(ToQFont(*font));
    }
    while (static_cast<int>(m_panes.size()) > m_model.PaneCount()) {
        delete m_panes.back();
        m_panes.pop_back();
    }
    while (static_cast<int>(m_panes.size()) < m_model.PaneCount()) {
        auto* label = new QLabel(this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setIndent(kTextIndent);
        label->setTextFormat(Qt::PlainText);
        label->show();
        m_panes.push_back(label);
    }
    for (int pane = 0; pane < m_model.PaneCount(); ++pane) m_panes[pane]->setText(ToQt(m_model.PaneText(pane)));
    m_waiting.assign(m_panes.size(), true);
    updateGeometry();
    PlacePanes();
}

QLabel* QtStatusBar::Pane(int pane) const {
    if (pane < 0 || pane >= static_cast<int>(m_panes.size())) return nullptr;
    return m_panes[pane];
}

QSize QtStatusBar::sizeHint() const {
    // One line of the bar's font in a sunken pane, inside the bar's border.
    const int height = QFontMetrics(font()).height() + 2 * (StatusBar::kBorder + kTextIndent);
    return {QStatusBar::sizeHint().width(), height};
}

void QtStatusBar::changeEvent(QEvent* event) {
    QStatusBar::changeEvent(event);
    if (event->type() == QEvent::FontChange) m_textWidths.clear();
}

void QtStatusBar::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    PlacePanes();
}

int QtStatusBar::TextRoom(const std::string& text) const {
    // The text in the bar's font, the indent on both sides and the sunken frame around it.
    const int frame = m_panes.empty() ? 1 : m_panes.front()->frameWidth();
    // The panes are laid out again at every text that changes, and each measures its sample texts:
    // their widths are kept until the font changes.
    auto known = m_textWidths.find(text);
    if (known == m_textWidths.end()) {
        if (m_textWidths.size() >= kTextWidthsKept) m_textWidths.clear();
        known = m_textWidths.emplace(text, QFontMetrics(font()).horizontalAdvance(ToQt(text))).first;
    }
    return known->second + 2 * (kTextIndent + frame) + 1;
}

void QtStatusBar::PlacePanes() {
    const std::vector<Rect> rects =
        m_model.Layout(width(), height(), [this](const std::string& text) { return TextRoom(text); });
    for (std::size_t i = 0; i < m_panes.size() && i < rects.size(); ++i) {
        const Rect& r = rects[i];
        m_panes[i]->setGeometry(r.left, r.top, r.Width(), r.Height());
    }
}

void QtStatusBar::TextChanged(int pane, bool immediate) {
    // A pane the bar does not show yet: the program changed the panes without telling.
    if (pane >= static_cast<int>(m_panes.size())) Sync();
    QLabel* label = Pane(pane);
    if (!label) return;
    // The frame sets its panes at every trick, mostly to the texts they show already: an unchanged
    // text is neither measured nor painted again, unless it still waits for Qt's next paint and is
    // wanted on the screen now.
    const QString text = ToQt(m_model.PaneText(pane));
    const bool changed = label->text() != text;
    if (changed) {
        label->setText(text);
        // A text longer than any the pane was sized for widens it.
        PlacePanes();
    }
    const bool waiting = changed || m_waiting[static_cast<std::size_t>(pane)];
    if (immediate && waiting) label->repaint();
    m_waiting[static_cast<std::size_t>(pane)] = waiting && !immediate;
}

}  // namespace platform
