#include "FocusExit.h"

#include <QFocusEvent>
#include <QWidget>

namespace drovan::ui {

FocusExit::FocusExit(QWidget *watched) : QObject(watched) {
    watched->installEventFilter(this);
}

bool FocusExit::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            Q_EMIT exited(static_cast<QWidget *>(watched));
    }
    return false;
}

} // namespace drovan::ui
