#pragma once

#include <QObject>

class QWidget;

namespace drovan::ui {

// A control's exit as a signal: the focus moved from it to another control of its window. A
// switch to another window or to a popup is no exit, so returning finds the control as it was.
class FocusExit final : public QObject {
    Q_OBJECT
public:
    // Owned by the watched control.
    explicit FocusExit(QWidget *watched);

Q_SIGNALS:
    void exited(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace drovan::ui
