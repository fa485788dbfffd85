#include "editor/ui/file_dialogs.h"

#include <memory>

#include <QFileDialog>

namespace vek::editor {
namespace {

std::unique_ptr<QFileDialog> makeDialog(QWidget* parent, const FileDialogRequest& request,
                                        QStringList& filters) {
    auto dialog = std::make_unique<QFileDialog>(parent, request.title, request.directory);
    filters = qtNameFilters(request.filter);
    dialog->setNameFilters(filters);
    if (request.filterIndex >= 0 && request.filterIndex < filters.size())
        dialog->selectNameFilter(filters[request.filterIndex]);
    if (!request.defaultSuffix.isEmpty())
        dialog->setDefaultSuffix(request.defaultSuffix);
    return dialog;
}

// "Text (*.txt)" gives "txt"; "Všechny soubory (*.*)" gives nothing.
QString suffixOf(const QString& nameFilter) {
    qsizetype open = nameFilter.lastIndexOf(QLatin1Char('('));
    QString pattern = nameFilter.mid(open + 1).section(QLatin1Char(' '), 0, 0);
    pattern.remove(QLatin1Char(')'));
    if (!pattern.startsWith(QStringLiteral("*.")) || pattern == QStringLiteral("*.*"))
        return {};
    return pattern.mid(2);
}

}  // namespace

QStringList qtNameFilters(const QString& filter) {
    QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return filters;
}

std::optional<QString> QtFileDialogs::openFile(QWidget* parent, const FileDialogRequest& request) {
    QStringList filters;
    auto dialog = makeDialog(parent, request, filters);
    dialog->setFileMode(QFileDialog::ExistingFile);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().front();
}

QStringList QtFileDialogs::openFiles(QWidget* parent, const FileDialogRequest& request) {
    QStringList filters;
    auto dialog = makeDialog(parent, request, filters);
    dialog->setFileMode(QFileDialog::ExistingFiles);
    if (dialog->exec() != QDialog::Accepted)
        return {};
    return dialog->selectedFiles();
}

std::optional<SavedFileChoice> QtFileDialogs::saveFile(QWidget* parent,
                                                       const FileDialogRequest& request) {
    QStringList filters;
    auto dialog = makeDialog(parent, request, filters);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    // Switching the type switches the extension a bare name gets.
    QObject::connect(dialog.get(), &QFileDialog::filterSelected, dialog.get(),
                     [d = dialog.get()](const QString& chosen) {
                         QString suffix = suffixOf(chosen);
                         if (!suffix.isEmpty())
                             d->setDefaultSuffix(suffix);
                     });
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return SavedFileChoice{dialog->selectedFiles().front(),
                           static_cast<int>(filters.indexOf(dialog->selectedNameFilter()))};
}

}  // namespace vek::editor
