#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace drovan::ui {

enum class PromptIcon { Warning, Question };

struct FileDialogOptions {
    QString title;
    QString directory;
    QString fileName;      // preset; empty for none
    QStringList filters;   // "Text file (*.txt)", ...
    QString defaultSuffix; // added when the user types a name without one
};

// Every message box and file dialog reaches the user through this, so tests can script them.
class Prompts {
public:
    virtual ~Prompts() = default;
    // A plain message with the application title as caption and an OK button.
    virtual void message(QWidget *parent, const QString &text) = 0;
    // Yes and No, No the default. True for Yes.
    virtual bool question(QWidget *parent, const QString &caption, const QString &text,
                          PromptIcon icon) = 0;
    // The chosen path, or nothing when cancelled. Saving never asks before replacing a file.
    virtual std::optional<QString> saveFileName(QWidget *parent,
                                                const FileDialogOptions &options) = 0;
    virtual std::optional<QString> openFileName(QWidget *parent,
                                                const FileDialogOptions &options) = 0;
};

class QtPrompts final : public Prompts {
public:
    void message(QWidget *parent, const QString &text) override;
    bool question(QWidget *parent, const QString &caption, const QString &text,
                  PromptIcon icon) override;
    std::optional<QString> saveFileName(QWidget *parent, const FileDialogOptions &options) override;
    std::optional<QString> openFileName(QWidget *parent, const FileDialogOptions &options) override;
};

} // namespace drovan::ui
