#pragma once

#include "Prompts.h"

#include <QList>
#include <QString>

#include <optional>

namespace drovan::ui::test {

// Records every prompt and answers from a script. A question with no scripted answer is
// answered No, and a file dialog with none is cancelled, so a missing script shows up as a
// failed expectation rather than a hang.
class ScriptedPrompts final : public Prompts {
public:
    struct Question {
        QString caption;
        QString text;
        PromptIcon icon;
    };
    struct Dialog {
        bool save;
        FileDialogOptions options;
    };

    QList<QString> messages;
    QList<Question> questions;
    QList<Dialog> dialogs;

    QList<bool> answers;                       // for questions, in order
    QList<std::optional<QString>> fileChoices; // for file dialogs, in order

    void message(QWidget *, const QString &text) override { messages.append(text); }
    bool question(QWidget *, const QString &caption, const QString &text,
                  PromptIcon icon) override {
        questions.append({caption, text, icon});
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    std::optional<QString> saveFileName(QWidget *, const FileDialogOptions &options) override {
        dialogs.append({true, options});
        return fileChoices.isEmpty() ? std::nullopt : fileChoices.takeFirst();
    }
    std::optional<QString> openFileName(QWidget *, const FileDialogOptions &options) override {
        dialogs.append({false, options});
        return fileChoices.isEmpty() ? std::nullopt : fileChoices.takeFirst();
    }
};

} // namespace drovan::ui::test
