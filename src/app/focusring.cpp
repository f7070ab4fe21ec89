// SPDX-License-Identifier: GPL-3.0-or-later
#include "focusring.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace {

constexpr int kWidth = 2;

// A ring beside the control it rings, in the same parent, stacked above it,
// following it as it moves, resizes or hides. It goes with its parent (a
// closed dialog), and a new one is made for the next focus.
class FocusRing : public QWidget
{
public:
    explicit FocusRing(QWidget *parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

    void follow(QWidget *target)
    {
        if (m_target)
            m_target->removeEventFilter(this);
        m_target = target && target->parentWidget() && !target->isWindow() ? target : nullptr;
        if (!m_target) {
            hide();
            return;
        }
        if (parentWidget() != m_target->parentWidget())
            setParent(m_target->parentWidget());
        m_target->installEventFilter(this);
        place();
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show || type == QEvent::Hide)
            place();
        return false;
    }

    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), palette().color(QPalette::WindowText)); }

private:
    void place()
    {
        if (!m_target || !m_target->isVisible()) {
            hide();
            return;
        }
        // Inside the parent, over the control's own edge where it meets the
        // parent's (a tab bar at the top of its tabs): never cut off.
        setGeometry(m_target->geometry().adjusted(-kWidth, -kWidth, kWidth, kWidth) & parentWidget()->rect());
        setMask(QRegion(rect()) - QRegion(rect().adjusted(kWidth, kWidth, -kWidth, -kWidth)));
        raise();
        show();
    }

    QPointer<QWidget> m_target;
};

}  // namespace

void installFocusRing()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget *, QWidget *now) {
        static QPointer<FocusRing> ring;
        if (!ring && now && now->parentWidget() && !now->isWindow())
            ring = new FocusRing(now->parentWidget());  // never without a parent, which would outlive every window
        if (ring)
            ring->follow(now);
    });
}
