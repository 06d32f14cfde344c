#include "Prompts.h"

#include "Platform.h"

#include <QFileDialog>
#include <QMessageBox>

namespace drovan::ui {

void QtPrompts::message(QWidget *parent, const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtPrompts::question(QWidget *parent, const QString &caption, const QString &text,
                         PromptIcon icon) {
    QMessageBox box(icon == PromptIcon::Warning ? QMessageBox::Warning : QMessageBox::Question,
                    caption, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

namespace {

std::optional<QString> runFileDialog(QWidget *parent, const FileDialogOptions &options,
                                     QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, options.title, options.directory);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setNameFilters(options.filters);
    if (!options.filters.isEmpty())
        dialog.selectNameFilter(options.filters.first());
    dialog.setDefaultSuffix(options.defaultSuffix);
    if (!options.fileName.isEmpty())
        dialog.selectFile(options.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

} // namespace

std::optional<QString> QtPrompts::saveFileName(QWidget *parent, const FileDialogOptions &options) {
    return runFileDialog(parent, options, QFileDialog::AcceptSave);
}

std::optional<QString> QtPrompts::openFileName(QWidget *parent, const FileDialogOptions &options) {
    return runFileDialog(parent, options, QFileDialog::AcceptOpen);
}

} // namespace drovan::ui
