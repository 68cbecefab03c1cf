#include "platform/qt/QtWindowPool.h"

#include <algorithm>

#include <QGuiApplication>
#include <QWindow>

#include "platform/qt/QtWindowWidget.h"

namespace platform {

QtWindowPool::~QtWindowPool() {
    for (const Kept& k : m_kept) delete k.widget;
}

bool QtWindowPool::SameKind(const Kind& a, const Kind& b) {
    return a.flags == b.flags && a.owner == b.owner && a.strip == b.strip;
}

QtWindowWidget* QtWindowPool::Obtain(QtHost& host, HWND hwnd, const Kind& kind, bool& reused) {
    QtWindowWidget* widget = nullptr;
    // The last kept first: it was shown most recently. One Qt still takes for the focus window (its
    // window manager's word that the focus moved on has not come yet) is left for later: shown
    // again, it would count as active already and never be activated.
    const QWindow* focus = QGuiApplication::focusWindow();
    auto kept = std::find_if(m_kept.rbegin(), m_kept.rend(), [&](const Kept& k) {
        return k.kind.owner && SameKind(k.kind, kind) && (!focus || k.widget->windowHandle() != focus);
    });
    if (kept != m_kept.rend()) {
        widget = kept->widget;
        m_kept.erase(std::next(kept).base());
        widget->Rebind(hwnd);
        reused = true;
    } else {
        widget = new QtWindowWidget(host, hwnd, nullptr, kind.flags);
        reused = false;
    }
    m_inUse[widget] = InUse{QPointer<QWidget>(widget), kind};
    return widget;
}

void QtWindowPool::Release(QWidget* widget) {
    if (!widget) return;
    ForgetOwner(widget);
    auto it = m_inUse.find(widget);
    // A widget the pool never handed out, or one whose address a gone widget of ours had.
    if (it == m_inUse.end() || it->second.self != widget) {
        if (it != m_inUse.end()) m_inUse.erase(it);
        delete widget;
        return;
    }
    const Kind kind = it->second.kind;
    m_inUse.erase(it);
    const auto sameKind =
        std::count_if(m_kept.begin(), m_kept.end(), [&](const Kept& k) { return SameKind(k.kind, kind); });
    if (!kind.owner || static_cast<std::size_t>(sameKind) >= kKeptPerKind) {
        delete widget;
        return;
    }
    auto* own = static_cast<QtWindowWidget*>(widget);
    own->Retire();
    m_kept.push_back({kind, own});
}

void QtWindowPool::ForgetOwner(const QWidget* owner) {
    // A kept widget stays above its owner on the screen: with the owner gone it can serve no window.
    std::vector<QtWindowWidget*> gone;
    std::erase_if(m_kept, [&](const Kept& k) {
        if (k.kind.owner && k.kind.owner != owner) return false;
        gone.push_back(k.widget);
        return true;
    });
    for (QtWindowWidget* widget : gone) delete widget;
}

}  // namespace platform
