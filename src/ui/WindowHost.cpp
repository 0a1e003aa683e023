#include "ui/WindowHost.h"

#include "core/SettingsFiles.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <utility>

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
    // A window larger than the area shrinks as far as its layout lets it.
    sub->resize(sub->size().boundedTo(view));
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

// Where the window covers the least of the number grids: at the right edge
// of the area, top or bottom, or below the grids; the top left corner when
// there is nothing to keep clear. Between places that cover the grids
// alike, the one that covers least of the other windows shown, so that a
// window opened by another (a run's next step) does not hide it.
QPoint WindowHost::firstPlace(QMdiSubWindow* sub) const {
    if (!keepClear_ || !keepClear_->isVisible() || keepClear_->window() != area_->window() ||
        (sub->widget() && sub->widget()->isAncestorOf(keepClear_)))
        return {0, 0};
    const QRect clear(keepClear_->mapTo(area_->viewport(), QPoint(0, 0)), keepClear_->size());
    const QSize view = area_->viewport()->size();
    const int right = std::max(0, view.width() - sub->width());
    const int bottom = std::max(0, view.height() - sub->height());
    const QPoint candidates[] = {
        {right, 0}, {right, bottom}, {0, std::min(clear.bottom() + 8, bottom)}};
    const auto covered = [](const QRect& a, const QRect& b) {
        const QRect both = a.intersected(b);
        return both.isEmpty() ? qint64(0) : qint64(both.width()) * both.height();
    };
    QPoint best = candidates[0];
    std::pair<qint64, qint64> least{-1, 0};
    for (const QPoint& at : candidates) {
        const QRect place(at, sub->size());
        std::pair<qint64, qint64> cost{covered(place, clear), 0};
        for (QMdiSubWindow* other : area_->subWindowList())
            if (other != sub && other->isVisible() && !other->isAncestorOf(keepClear_))
                cost.second += covered(place, other->geometry());
        if (least.first < 0 || cost < least) {
            least = cost;
            best = at;
        }
    }
    return best;
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
