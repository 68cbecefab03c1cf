#pragma once
// platform::QtControl: the native Qt widget of one dialog control, kept in step with the control's
// state (Sync), and reporting what the person does with it as an action on the control that the
// host runs from our message loop.

#include <functional>
#include <optional>
#include <string>

#include <QImage>
#include <QString>

#include "platform/core/DialogTemplate.h"
#include "platform/core/DrawingObjects.h"
#include "platform/core/RichTextReader.h"

class QLabel;
class QPushButton;
class QTextDocument;
class QWidget;

namespace platform {

class Button;
class Control;
class Image;
class QtHost;
class Static;

class QtControl {
public:
    using ImageSource = std::function<QImage(int imageId, QSize size)>;

    // Makes the widget for `control` as a child of `parent` (not yet placed, shown or synced). What
    // the person does with it goes to `host`: actions on the control, keys the widget does not
    // take, a click that gives it the focus.
    QtControl(QtHost& host, Control& control, QWidget* parent, const ImageSource* images);
    ~QtControl();
    QtControl(const QtControl&) = delete;
    QtControl& operator=(const QtControl&) = delete;

    QWidget* Widget() const { return m_widget; }
    ControlKind Kind() const { return m_kind; }

    // Shows the control's state on the widget: font, text, check, items, selection, range, picture.
    // Reports nothing back.
    void Sync(const Control& control);

private:
    // Sync's parts that keep what the widget shows: the font, a button's picture, a label's colour,
    // an image.
    void SyncFont(const Control& control);
    void SyncPushButton(QPushButton* button, const Button& ours);
    void SyncLabel(QLabel* label, const Static& control);
    void SyncImage(QLabel* label, const Image& control);

    QImage PictureOf(int imageId, QSize size) const;
    using Report = std::function<void(std::function<void(Control&)>)>;
    void Connect(Report report);

    ControlKind m_kind;
    unsigned m_style;
    QWidget* m_widget = nullptr;  // deleted with the binding
    QObject* m_keyFilter = nullptr;
    const ImageSource* m_images;
    int m_shownImage = -1;
    QSize m_shownSize;
    std::optional<LogFont> m_shownFont;  // the control's own font on the widget; none: the dialog's
    std::optional<Color> m_shownTextColour;  // a label's own text colour; none: the dialog's
};

// A control's text as a Qt widget shows it: our '&' mnemonic marks dropped ("&&" is one '&'), as
// our dialogs handle Alt+mnemonic themselves. `qtMnemonics`: the widget reads '&' as a mnemonic,
// so a literal one is doubled.
QString DisplayText(const std::string& text, bool qtMnemonics);

// Fills the document with the styled runs of a rich text: one block per paragraph, centred where
// the text says, each run in its weight, colour and size.
void FillRichTextDocument(QTextDocument& document, const RichTextDocument& text);

}  // namespace platform
