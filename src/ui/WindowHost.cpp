#include "ui/WindowHost.h"

#include "core/SettingsFiles.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace varnelo {

namespace {
// Window places are kept in twips, 15 to a pixel at 96 dpi.
constexpr int kTwips = 15;
} // namespace

QMdiSubWindow* WindowHost::show(ChildWindow* window) {
    if (!window)
        return nullptr;
    for (QMdiSubWindow* sub : area_->subWindowList())
        if (sub->widget() == window) {
            window->show();
            sub->show();
            area_->setActiveSubWindow(sub);
            return sub;
        }
    QMdiSubWindow* sub = area_->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    sub->setWindowIcon(area_->window()->windowIcon());
    sub->adjustSize();
    const WindowSlots slots = window->windowSlots();
    const QSize view = area_->viewport()->size();
    if (slots.size > 0) {
        const int w = positions_.value(slots.size) / kTwips;
        const int h = positions_.value(slots.size + 1) / kTwips;
        if (w > 0 && h > 0)
            sub->resize(QSize(w, h).expandedTo(sub->minimumSizeHint()).boundedTo(view));
    }
    // A pair of zeros is a place never stored: a window still unmoved.
    const bool kept = slots.position > 0 && (positions_.value(slots.position) > 0 ||
                                             positions_.value(slots.position + 1) > 0);
    const auto stored =
        kept ? positions_.placement(slots.position, view.width() * kTwips, view.height() * kTwips)
             : std::nullopt;
    sub->move(stored ? QPoint(stored->first / kTwips, stored->second / kTwips) : firstPlace(sub));
    window->show();
    sub->show();
    area_->setActiveSubWindow(sub);
    return sub;
}

// Right of the number grids when the window fits there, below them when it
// does not; the top left corner when there is nothing to keep clear.
QPoint WindowHost::firstPlace(QMdiSubWindow* sub) const {
    if (!keepClear_ || !keepClear_->isVisible() || keepClear_->window() != area_->window())
        return {0, 0};
    const QRect clear(keepClear_->mapTo(area_->viewport(), QPoint(0, 0)), keepClear_->size());
    if (sub->widget() && sub->widget()->isAncestorOf(keepClear_))
        return {0, 0};
    const QSize view = area_->viewport()->size();
    const int right = clear.right() + 8;
    if (right + sub->width() <= view.width())
        return {std::max(right, view.width() - sub->width()), 0};
    return {0, std::min(clear.bottom() + 8, std::max(0, view.height() - sub->height()))};
}

void WindowHost::rememberPlaces() {
    const QSize view = area_->viewport()->size();
    for (QMdiSubWindow* sub : area_->subWindowList()) {
        auto* window = qobject_cast<ChildWindow*>(sub->widget());
        if (!window)
            continue;
        const WindowSlots slots = window->windowSlots();
        if (slots.position > 0)
            positions_.remember(slots.position, sub->x() * kTwips, sub->y() * kTwips,
                                view.width() * kTwips, view.height() * kTwips);
        if (slots.size > 0) {
            positions_.set(slots.size, sub->width() * kTwips);
            positions_.set(slots.size + 1, sub->height() * kTwips);
        }
    }
}

} // namespace varnelo
