#pragma once

#include <QLayout>
#include <QScrollArea>

// A tab's page that scrolls when the window is made smaller than the page needs. Unlike a plain
// scroll area, it asks for its page's whole size, so the window starts large enough to show
// every tab without scrolling.
class FittingScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

    QSize sizeHint() const override {
        if (!widget())
            return QScrollArea::sizeHint();
        const int frame = 2 * frameWidth();
        return widget()->sizeHint() + QSize(frame, frame);
    }

    // Readies the window's fitting pages once the form is set up. A scroll area measures its
    // page when the page is put in, before the form's texts are set, and widgets that were never
    // shown do not tell their layouts when they change: every layout of `window` measures its
    // widgets again. The pages let the tab's own background show, as pages without scrolling do.
    static void prepare(QWidget* window) {
        for (QScrollArea* area : window->findChildren<QScrollArea*>()) {
            if (!dynamic_cast<FittingScrollArea*>(area))
                continue;
            area->viewport()->setAutoFillBackground(false);
            if (area->widget())
                area->widget()->setAutoFillBackground(false);
        }
        for (QWidget* w : window->findChildren<QWidget*>())
            w->updateGeometry();
        for (QLayout* l : window->findChildren<QLayout*>())
            l->invalidate();
    }
};
