#pragma once
// platform::QtWindowPool: the Qt host's top-level widgets of destroyed owned windows, kept hidden for
// the next window of the same kind. A game opens and closes its bars and dialogs (the suggestion and
// continue strips after every trick, the bidding bar, the game's dialogs) many times, and each new
// native window costs the X server, the window manager and Qt a round of creating, decorating and
// destroying; a kept widget is only unmapped and mapped again, a new window to the window manager.
//
// Only what cannot change after a widget is made keys the pool: its window flags, its owner's widget
// (the window it stays above) and whether it is a prompt strip. Our windows keep their own handles:
// only the Qt widget behind a new handle is one used before, and a kept widget names no window.

#include <cstddef>
#include <unordered_map>
#include <vector>

#include <QPointer>
#include <QWidget>

#include "platform/core/Message.h"

namespace platform {

class QtHost;
class QtWindowWidget;

class QtWindowPool {
public:
    // What a top-level widget is made as, for ever.
    struct Kind {
        Qt::WindowFlags flags;
        QPointer<QWidget> owner;
        bool strip = false;
    };

    // Kept widgets of one kind: enough for the strips and dialogs a game opens one after another,
    // the one closed last often still being Qt's focus window, which Obtain passes over.
    static constexpr std::size_t kKeptPerKind = 3;

    QtWindowPool() = default;
    ~QtWindowPool();  // deletes every kept widget
    QtWindowPool(const QtWindowPool&) = delete;
    QtWindowPool& operator=(const QtWindowPool&) = delete;

    // The top-level widget for a new window `hwnd` of `kind`: a kept one, now showing `hwnd`, or a new
    // one. `reused` tells which.
    QtWindowWidget* Obtain(QtHost& host, HWND hwnd, const Kind& kind, bool& reused);
    // The widget of a destroyed window goes: kept hidden when it is of a kind the pool serves and the
    // pool has room, else deleted. The kept widgets the gone one owned are deleted with it.
    void Release(QWidget* widget);

private:
    struct Kept {
        Kind kind;
        QtWindowWidget* widget;
    };
    static bool SameKind(const Kind& a, const Kind& b);
    void ForgetOwner(const QWidget* owner);

    struct InUse {
        QPointer<QWidget> self;  // null once the widget went some other way
        Kind kind;
    };

    std::vector<Kept> m_kept;
    // The widgets made or handed out by Obtain and not yet released, with their kinds.
    std::unordered_map<const QWidget*, InUse> m_inUse;
};

}  // namespace platform
