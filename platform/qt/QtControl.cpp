#include "platform/qt/QtControl.h"
#include "platform/qt/QtImage.h"

#include <cctype>
#include <cstdlib>

#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QIcon>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextOption>

#include "platform/core/Button.h"
#include "platform/core/Codepage.h"
#include "platform/core/ComboBox.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/DialogNavigation.h"
#include "platform/core/Edit.h"
#include "platform/core/Image.h"
#include "platform/qt/QtDialogPictures.h"
#include "platform/core/IconList.h"
#include "platform/core/ListBox.h"
#include "platform/core/RichText.h"
#include "platform/core/RichTextReader.h"
#include "platform/core/ScrollBar.h"
#include "platform/core/WindowApi.h"
#include "platform/core/Static.h"
#include "platform/qt/PainterDCFont.h"
#include "platform/qt/QtGroupBox.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/QtInput.h"

namespace platform {

namespace {

// Check boxes and radio buttons whose check only our control sets: a click reports, and the state
// the control then has comes back through Sync.
class QtCheckBox final : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override {}
};

class QtRadioButton final : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void nextCheckState() override {}
};

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Our line breaks are CR LF; Qt's are LF.
QString FieldText(const std::string& text) { return FromUtf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }
std::string OurFieldText(const QString& text) {
    QString copy = text;
    return copy.replace(QStringLiteral("\n"), QStringLiteral("\r\n")).toStdString();
}

unsigned ScrollCode(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub: return SB_LINEUP;
        case QAbstractSlider::SliderSingleStepAdd: return SB_LINEDOWN;
        case QAbstractSlider::SliderPageStepSub: return SB_PAGEUP;
        case QAbstractSlider::SliderPageStepAdd: return SB_PAGEDOWN;
        case QAbstractSlider::SliderToMinimum: return SB_TOP;
        case QAbstractSlider::SliderToMaximum: return SB_BOTTOM;
        case QAbstractSlider::SliderMove: return SB_THUMBTRACK;
        default: return SB_ENDSCROLL;
    }
}

template <class Items>
bool SameItems(const Items& items, const QStringList& shown) {
    if (items.Count() != shown.size()) return false;
    for (int i = 0; i < items.Count(); ++i)
        if (FromUtf8(items.Text(i)) != shown[i]) return false;
    return true;
}

QStringList TextsOf(const ControlItems& items) {
    QStringList texts;
    for (int i = 0; i < items.Count(); ++i) texts << FromUtf8(items.Text(i));
    return texts;
}

// Keys the native widget does not take go to our dialog; a click into the widget gives our control
// the focus.
class KeyFilter final : public QObject {
public:
    KeyFilter(QtHost& host, HWND hwnd, ControlKind kind, unsigned style, QObject* parent)
        : QObject(parent), m_host(host), m_hwnd(hwnd), m_kind(kind), m_style(style) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
            case QEvent::KeyRelease: {
                auto* key = static_cast<QKeyEvent*>(event);
                const bool modifier = key->key() == Qt::Key_Shift || key->key() == Qt::Key_Control ||
                                      key->key() == Qt::Key_Alt || key->key() == Qt::Key_AltGr;
                if (modifier) {
                    m_host.QueueKey(*key);  // our key state follows; the widget sees it too
                    return false;
                }
                if (NativeControlTakesKey(m_kind, m_style, key->key(), key->modifiers())) return false;
                m_host.QueueKey(*key);
                return true;
            }
            case QEvent::FocusIn:
                if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) m_host.ReportFocus(m_hwnd);
                return false;
            default:
                (void)watched;
                return false;
        }
    }

private:
    QtHost& m_host;
    HWND m_hwnd;
    ControlKind m_kind;
    unsigned m_style;
};

}  // namespace

QString DisplayText(const std::string& text, bool qtMnemonics) {
    QString shown;
    const QString source = FromUtf8(text);
    for (qsizetype i = 0; i < source.size(); ++i) {
        if (source[i] != u'&') {
            shown += source[i];
        } else if (i + 1 < source.size() && source[i + 1] == u'&') {
            shown += qtMnemonics ? QStringLiteral("&&") : QStringLiteral("&");
            ++i;
        }
    }
    return shown;
}

void FillRichTextDocument(QTextDocument& document, const RichTextDocument& text) {
    document.clear();
    // The rich text's own tab stops, every half inch, on which the program lines its tables up
    // (Qt's default of 80 pixels pushes a row's last columns past the box, where they wrap).
    const QScreen* screen = QGuiApplication::primaryScreen();
    QTextOption option = document.defaultTextOption();
    option.setTabStopDistance((screen ? screen->logicalDotsPerInchX() : 96.0) / 2.0);
    document.setDefaultTextOption(option);
    QTextCursor cursor(&document);
    for (std::size_t i = 0; i < text.paragraphs.size(); ++i) {
        const RichTextParagraph& paragraph = text.paragraphs[i];
        QTextBlockFormat block;
        block.setAlignment(paragraph.centred ? Qt::AlignHCenter : Qt::AlignLeft);
        if (i == 0) cursor.setBlockFormat(block);
        else cursor.insertBlock(block);
        for (const RichTextRun& run : paragraph.runs) {
            QTextCharFormat format;
            format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
            format.setForeground(QColor(static_cast<int>(run.colour & 0xFF), static_cast<int>((run.colour >> 8) & 0xFF),
                                        static_cast<int>((run.colour >> 16) & 0xFF)));
            format.setFontPointSize(run.halfPoints / 2.0);
            cursor.insertText(FromUtf8(run.text), format);
        }
    }
}

QtControl::QtControl(QtHost& host, Control& control, QWidget* parent, const ImageSource* images)
    : m_kind(control.GetKind()), m_style(control.Style()), m_images(images) {
    switch (m_kind) {
        case ControlKind::PushButton: m_widget = new QPushButton(parent); break;
        case ControlKind::CheckBox: {
            auto* box = new QtCheckBox(parent);
            box->setTristate((m_style & CTL_3STATE) != 0);
            if (m_style & CTL_LEFTTEXT) box->setLayoutDirection(Qt::RightToLeft);
            m_widget = box;
            break;
        }
        case ControlKind::RadioButton: {
            auto* radio = new QtRadioButton(parent);
            radio->setAutoExclusive(false);  // our control unchecks its group
            if (m_style & CTL_LEFTTEXT) radio->setLayoutDirection(Qt::RightToLeft);
            m_widget = radio;
            break;
        }
        case ControlKind::GroupBox: {
            auto* group = new QtGroupBox(parent);
            // A frame around its group: it must not take the clicks meant for the controls in it.
            group->setAttribute(Qt::WA_TransparentForMouseEvents);
            m_widget = group;
            break;
        }
        case ControlKind::Static: {
            auto* label = new QLabel(parent);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            const Qt::Alignment horizontal = (m_style & CTL_CENTER) ? Qt::AlignHCenter
                                             : (m_style & CTL_RIGHT) ? Qt::AlignRight
                                                                     : Qt::AlignLeft;
            label->setAlignment(horizontal | Qt::AlignTop);
            // The mouse moving over a label reaches the dialog (and so the label's own window, a
            // link's hover) as it does anywhere else in the dialog.
            label->setMouseTracking(true);
            m_widget = label;
            break;
        }
        case ControlKind::Edit:
            if (m_style & CTL_MULTILINE) {
                m_widget = new QPlainTextEdit(parent);
            } else {
                auto* line = new QLineEdit(parent);
                if (m_style & CTL_NUMBER)
                    line->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), line));
                m_widget = line;
            }
            break;
        case ControlKind::RichText: {
            auto* text = new QTextEdit(parent);
            text->setReadOnly(true);
            m_widget = text;
            break;
        }
        case ControlKind::ComboBox: m_widget = new QComboBox(parent); break;
        case ControlKind::ListBox: {
            auto* list = new QListWidget(parent);
            if (m_style & CTL_MULTISELECT) list->setSelectionMode(QAbstractItemView::MultiSelection);
            m_widget = list;
            break;
        }
        case ControlKind::IconList: {
            auto* list = new QListWidget(parent);
            list->setViewMode(QListView::IconMode);
            list->setMovement(QListView::Static);
            list->setResizeMode(QListView::Adjust);
            list->setWrapping(true);
            list->setIconSize(QSize(71, 96));
            list->setSpacing(IconList::kCellMargin / 2);
            m_widget = list;
            break;
        }
        case ControlKind::ScrollBar:
            m_widget = new QScrollBar((m_style & CTL_VERTICAL) ? Qt::Vertical : Qt::Horizontal, parent);
            break;
        case ControlKind::Slider:
            m_widget = new QSlider((m_style & CTL_VERTICAL) ? Qt::Vertical : Qt::Horizontal, parent);
            break;
        case ControlKind::Image: {
            auto* label = new QLabel(parent);
            label->setAlignment(Qt::AlignCenter);
            m_widget = label;
            break;
        }
    }
    // Qt's keyboard focus follows ours; Tab moves it by our dialog's rules, not Qt's chain.
    m_widget->setFocusPolicy(m_kind == ControlKind::Static || m_kind == ControlKind::GroupBox ||
                                     m_kind == ControlKind::Image
                                 ? Qt::NoFocus
                                 : Qt::ClickFocus);
    if (m_kind == ControlKind::GroupBox) m_widget->lower();
    const HWND hwnd = control.Handle();
    m_keyFilter = new KeyFilter(host, hwnd, m_kind, m_style, m_widget);
    m_widget->installEventFilter(m_keyFilter);
    Connect([&host, hwnd](std::function<void(Control&)> action) { host.ReportControlAction(hwnd, std::move(action)); });
}

QtControl::~QtControl() { delete m_widget; }

// The picture of an image id: the installed source's, else the card-table library's symbol.
QImage QtControl::PictureOf(int imageId, QSize size) const {
    QImage picture = m_images && *m_images ? (*m_images)(imageId, size) : QImage();
    return picture.isNull() ? DialogPictureImage(imageId, size) : picture;
}  // the key filter is the widget's child

void QtControl::Connect(Report report) {
    switch (m_kind) {
        case ControlKind::PushButton:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            QObject::connect(static_cast<QAbstractButton*>(m_widget), &QAbstractButton::clicked, m_widget,
                             [report] { report([](Control& c) { c.SendMessage(BM_CLICK); }); });
            break;
        case ControlKind::Edit: {
            auto changed = [report](std::string text) {
                report([text = std::move(text)](Control& c) {
                    auto& edit = static_cast<Edit&>(c);
                    if (edit.IsReadOnly() || !edit.AcceptsInput() || text == edit.Title()) return;
                    std::string taken = text;
                    if (edit.Limit() != 0 && CountCharacters(taken) > edit.Limit()) {
                        // Cut between characters.
                        std::size_t count = 0, at = 0;
                        for (; at < taken.size(); ++at) {
                            if ((static_cast<unsigned char>(taken[at]) & 0xC0) != 0x80 && count++ == edit.Limit()) break;
                        }
                        taken.resize(at);
                    }
                    edit.SetWindowText(taken);
                    ::SendMessage(edit.GetParent(), WM_COMMAND,
                                  MAKEWPARAM(static_cast<unsigned>(edit.GetDlgCtrlID()), EN_CHANGE),
                                  static_cast<LPARAM>(HandleValue(edit.Handle())));
                });
            };
            if (auto* line = qobject_cast<QLineEdit*>(m_widget)) {
                QObject::connect(line, &QLineEdit::textEdited, line,
                                 [changed](const QString& text) { changed(text.toStdString()); });
            } else if (auto* multi = qobject_cast<QPlainTextEdit*>(m_widget)) {
                QObject::connect(multi, &QPlainTextEdit::textChanged, multi,
                                 [changed, multi] { changed(OurFieldText(multi->toPlainText())); });
            }
            break;
        }
        case ControlKind::ComboBox:
            QObject::connect(static_cast<QComboBox*>(m_widget), &QComboBox::activated, m_widget, [report](int index) {
                report([index](Control& c) { static_cast<ComboBox&>(c).Choose(index); });
            });
            break;
        case ControlKind::IconList: {
            auto* list = static_cast<QListWidget*>(m_widget);
            QObject::connect(list, &QListWidget::currentRowChanged, list, [report](int row) {
                report([row](Control& c) { static_cast<IconList&>(c).Choose(row); });
            });
            break;
        }
        case ControlKind::ListBox: {
            auto* list = static_cast<QListWidget*>(m_widget);
            if (m_style & CTL_MULTISELECT) {
                // Each click toggles its item; our control keeps the flags.
                QObject::connect(list, &QListWidget::itemClicked, list, [report, list](QListWidgetItem* item) {
                    const int row = list->row(item);
                    report([row](Control& c) { static_cast<ListBox&>(c).Choose(row); });
                });
                break;
            }
            QObject::connect(list, &QListWidget::currentRowChanged, list, [report](int row) {
                report([row](Control& c) { static_cast<ListBox&>(c).Choose(row); });
            });
            QObject::connect(list, &QListWidget::itemDoubleClicked, list, [report](QListWidgetItem*) {
                report([](Control& c) {
                    if (!c.AcceptsInput() || static_cast<ListBox&>(c).GetCurSel() < 0) return;
                    ::SendMessage(c.GetParent(), WM_COMMAND,
                                  MAKEWPARAM(static_cast<unsigned>(c.GetDlgCtrlID()), LBN_DBLCLK),
                                  static_cast<LPARAM>(HandleValue(c.Handle())));
                });
            });
            break;
        }
        case ControlKind::ScrollBar:
        case ControlKind::Slider: {
            auto* slider = static_cast<QAbstractSlider*>(m_widget);
            QObject::connect(slider, &QAbstractSlider::actionTriggered, slider, [report, slider](int action) {
                const unsigned code = ScrollCode(action);
                if (code == SB_ENDSCROLL) return;
                const int track = slider->sliderPosition();
                report([code, track](Control& c) { static_cast<ScrollBar&>(c).Scroll(code, track); });
            });
            QObject::connect(slider, &QAbstractSlider::sliderReleased, slider, [report, slider] {
                const int track = slider->sliderPosition();
                report([track](Control& c) { static_cast<ScrollBar&>(c).Scroll(SB_THUMBPOSITION, track); });
            });
            break;
        }
        case ControlKind::GroupBox:
        case ControlKind::Static:
        case ControlKind::RichText:
        case ControlKind::Image:
            break;
    }
}

namespace {

// Check boxes show three states; radio buttons are checkable and checked or not.
void SyncCheckable(QAbstractButton* button, ControlKind kind, const Button& ours) {
    const QString text = DisplayText(ours.Title(), true);
    if (button->text() != text) button->setText(text);
    if (kind == ControlKind::CheckBox) {
        const Qt::CheckState state = ours.GetCheck() == static_cast<int>(BST_CHECKED) ? Qt::Checked
                                     : ours.GetCheck() == static_cast<int>(BST_INDETERMINATE)
                                         ? Qt::PartiallyChecked
                                         : Qt::Unchecked;
        auto* box = static_cast<QCheckBox*>(button);
        if (box->checkState() != state) box->setCheckState(state);
    } else {
        button->setCheckable(true);
        const bool checked = ours.GetCheck() != static_cast<int>(BST_UNCHECKED);
        if (button->isChecked() != checked) button->setChecked(checked);
    }
}

void SyncGroupBox(QGroupBox* group, const Control& control) {
    const QString text = DisplayText(control.Title(), true);
    if (group->title() != text) group->setTitle(text);
}

// A single-line field keeps the program's selection, limit and read-only flag; a multi-line one
// its text and read-only flag.
void SyncEdit(QWidget* widget, const Edit& edit) {
    const QString text = FieldText(edit.Title());
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        if (line->text() != text) line->setText(text);
        // A selection the program set (a refused entry shown selected) is shown selected.
        if (edit.SelectionEnd() > edit.SelectionStart() &&
            (line->selectionStart() != edit.SelectionStart() ||
             line->selectedText().size() != edit.SelectionEnd() - edit.SelectionStart())) {
            line->setSelection(edit.SelectionStart(), edit.SelectionEnd() - edit.SelectionStart());
        }
        const int limit = edit.Limit() == 0 ? 32767 : static_cast<int>(std::min<std::size_t>(edit.Limit(), 32767));
        if (line->maxLength() != limit) line->setMaxLength(limit);
        if (line->isReadOnly() != edit.IsReadOnly()) line->setReadOnly(edit.IsReadOnly());
    } else if (auto* multi = qobject_cast<QPlainTextEdit*>(widget)) {
        if (multi->toPlainText() != text) multi->setPlainText(text);
        if (multi->isReadOnly() != edit.IsReadOnly()) multi->setReadOnly(edit.IsReadOnly());
    }
}

void SyncRichText(QTextEdit* text, const RichText& control) {
    // The runs are laid out again only when the text changed.
    const QString source = FromUtf8(control.Title());
    if (text->property("richTextSource").toString() != source) {
        text->setProperty("richTextSource", source);
        FillRichTextDocument(*text->document(), ReadRichText(control.Title()));
    }
    const unsigned ground = control.BackgroundColour();
    const QColor colour(static_cast<int>(ground & 0xFF), static_cast<int>((ground >> 8) & 0xFF),
                        static_cast<int>((ground >> 16) & 0xFF));
    QPalette palette = text->palette();
    if (palette.color(QPalette::Base) != colour) {
        palette.setColor(QPalette::Base, colour);
        text->setPalette(palette);
    }
}

void SyncComboBox(QComboBox* combo, const ComboBox& control) {
    const ControlItems& items = control.Items();
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
    if (!SameItems(items, shown)) {
        combo->clear();
        combo->addItems(TextsOf(items));
    }
    if (combo->currentIndex() != items.Selection()) combo->setCurrentIndex(items.Selection());
}

void SyncListBox(QListWidget* list, const ListBox& ours) {
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
    if (!SameItems(ours.Items(), shown)) {
        list->clear();
        list->addItems(TextsOf(ours.Items()));
    }
    if (ours.IsMultipleSelection()) {
        for (int i = 0; i < list->count(); ++i) {
            if (list->item(i)->isSelected() != ours.IsSelected(i)) list->item(i)->setSelected(ours.IsSelected(i));
        }
        return;
    }
    if (list->currentRow() != ours.GetCurSel()) list->setCurrentRow(ours.GetCurSel());
}

// The pictures are made again only when the captions changed.
void SyncIconList(QListWidget* list, const IconList& ours) {
    bool same = list->count() == ours.Count();
    for (int i = 0; same && i < list->count(); ++i) same = list->item(i)->text() == FromUtf8(ours.Caption(i));
    if (!same) {
        list->clear();
        for (int i = 0; i < ours.Count(); ++i) {
            // A picture in the screen's pixels shows at its size in units, every pixel of it seen.
            QPixmap picture = QPixmap::fromImage(ToQImage(ours.Picture(i)));
            picture.setDevicePixelRatio(ours.Picture(i).PixelRatio());
            list->addItem(new QListWidgetItem(QIcon(picture), FromUtf8(ours.Caption(i))));
        }
    }
    if (list->currentRow() != ours.Selection()) {
        list->setCurrentRow(ours.Selection());
        if (ours.Selection() >= 0) list->scrollToItem(list->item(ours.Selection()));
    }
}

// Scroll bars and sliders: range, page, value, and the thumb unless the person holds it.
void SyncRange(QAbstractSlider* slider, const ScrollRange& range) {
    if (slider->minimum() != range.minimum || slider->maximum() != range.maximum)
        slider->setRange(range.minimum, range.maximum);
    if (slider->pageStep() != std::max(1, range.page)) slider->setPageStep(std::max(1, range.page));
    if (slider->value() != range.position) slider->setValue(range.position);
    if (slider->sliderPosition() != range.position && !slider->isSliderDown())
        slider->setSliderPosition(range.position);
}

}  // namespace

void QtControl::Sync(const Control& control) {
    const QSignalBlocker blocker(m_widget);
    SyncFont(control);
    switch (m_kind) {
        case ControlKind::PushButton:
            SyncPushButton(static_cast<QPushButton*>(m_widget), static_cast<const Button&>(control));
            break;
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            SyncCheckable(static_cast<QAbstractButton*>(m_widget), m_kind, static_cast<const Button&>(control));
            break;
        case ControlKind::GroupBox: SyncGroupBox(static_cast<QGroupBox*>(m_widget), control); break;
        case ControlKind::Static: SyncLabel(static_cast<QLabel*>(m_widget), static_cast<const Static&>(control)); break;
        case ControlKind::Edit: SyncEdit(m_widget, static_cast<const Edit&>(control)); break;
        case ControlKind::RichText:
            SyncRichText(static_cast<QTextEdit*>(m_widget), static_cast<const RichText&>(control));
            break;
        case ControlKind::ComboBox:
            SyncComboBox(static_cast<QComboBox*>(m_widget), static_cast<const ComboBox&>(control));
            break;
        case ControlKind::ListBox:
            SyncListBox(static_cast<QListWidget*>(m_widget), static_cast<const ListBox&>(control));
            break;
        case ControlKind::IconList:
            SyncIconList(static_cast<QListWidget*>(m_widget), static_cast<const IconList&>(control));
            break;
        case ControlKind::ScrollBar:
        case ControlKind::Slider:
            SyncRange(static_cast<QAbstractSlider*>(m_widget), static_cast<const ScrollBar&>(control).Range());
            break;
        case ControlKind::Image: SyncImage(static_cast<QLabel*>(m_widget), static_cast<const Image&>(control)); break;
    }
}

// A font of its own (WM_SETFONT), else the dialog's, which the widget inherits.
void QtControl::SyncFont(const Control& control) {
    const std::optional<LogFont> font = control.Font() ? std::optional<LogFont>(*control.Font()) : std::nullopt;
    if (font != m_shownFont) {
        m_shownFont = font;
        m_widget->setFont(font ? ToQFont(*font) : QFont());
    }
}

void QtControl::SyncPushButton(QPushButton* button, const Button& ours) {
    const QString text = DisplayText(ours.Title(), true);
    // A button with a picture shows the picture; its text keeps only the mnemonic.
    const QString shownText = ours.ImageId() != 0 ? QString() : text;
    if (button->text() != shownText) button->setText(shownText);
    // The button Enter would press is marked: the push button with the keyboard focus, else the
    // dialog's default.
    const bool marked = ButtonEnterPresses(ours.GetParent()) == ours.Handle();
    if (button->isDefault() != marked) button->setDefault(marked);
    if (ours.ImageId() != m_shownImage || button->size() != m_shownSize) {
        m_shownImage = ours.ImageId();
        m_shownSize = button->size();
        // A bitmap keeps its pixels: it may use the button's face up to the frame.
        const bool bitmap = m_shownImage != 0 && DialogPictureIsBitmap(m_shownImage);
        const QSize room(std::max(1, button->width() - (bitmap ? 4 : 8)),
                         std::max(1, button->height() - (bitmap ? 4 : 6)));
        const QImage picture = m_shownImage != 0 ? PictureOf(m_shownImage, room) : QImage();
        button->setIcon(picture.isNull() ? QIcon() : QIcon(QPixmap::fromImage(picture)));
        button->setIconSize(picture.isNull() ? QSize() : picture.size());
        if (m_shownImage != 0 && picture.isNull()) button->setText(text);
    }
}

void QtControl::SyncLabel(QLabel* label, const Static& control) {
    const QString text = DisplayText(control.Title(), false);
    if (label->text() != text) label->setText(text);
    // A label with a colour of its own (a link) shows it; the others keep the dialog's.
    const std::optional<Color> colour = control.TextColour();
    if (colour != m_shownTextColour) {
        m_shownTextColour = colour;
        QPalette palette = label->palette();
        if (colour) {
            palette.setColor(QPalette::WindowText, QColor(colour->red, colour->green, colour->blue));
        } else if (label->parentWidget()) {
            palette.setColor(QPalette::WindowText, label->parentWidget()->palette().color(QPalette::WindowText));
        }
        label->setPalette(palette);
    }
}

// The picture is made again only when the image or the label's size changed.
void QtControl::SyncImage(QLabel* label, const Image& control) {
    const int id = control.ImageId();
    if (id == m_shownImage && label->size() == m_shownSize) return;
    m_shownImage = id;
    m_shownSize = label->size();
    QImage picture = PictureOf(id, label->size());
    label->setPixmap(picture.isNull() ? QPixmap() : QPixmap::fromImage(picture));
}

}  // namespace platform
