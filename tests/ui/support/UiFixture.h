#pragma once

#include "FormSet.h"
#include "Platform.h"
#include "QtSettingsStore.h"
#include "ScriptedPrompts.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace drovan::ui::test {

// One program's worth of windows on scripted prompts, a settable clock and a settings file in a
// temporary folder.
struct UiFixture {
    QTemporaryDir folder;
    QtSettingsStore settings{folder.filePath(QStringLiteral("settings.ini"))};
    ScriptedPrompts prompts;
    FixedClock clock{Date{2011, 6, 15}};
    std::unique_ptr<FormSet> forms;

    void create() { forms = std::make_unique<FormSet>(Services{settings, prompts, clock}); }
};

// Runs `action` on the next modal dialog once it is open (the caller then opens it).
inline void whenModalOpens(std::function<void(QWidget *)> action) {
    QTimer::singleShot(0, [action = std::move(action)] {
        QWidget *modal = QApplication::activeModalWidget();
        action(modal);
    });
}

template <typename T> T *child(QObject *parent, const char *name) {
    return parent->findChild<T *>(QString::fromLatin1(name));
}

// A control that must exist: a missing one ends the test at once with its name.
template <typename T> T *control(QObject *parent, const char *name) {
    T *found = child<T>(parent, name);
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// Closes a dialog after a test's steps, even when a step failed, so that exec() returns.
struct RejectLeftOpen {
    QDialog *dialog;
    ~RejectLeftOpen() {
        if (dialog != nullptr && dialog->isVisible())
            dialog->reject();
    }
};

} // namespace drovan::ui::test
