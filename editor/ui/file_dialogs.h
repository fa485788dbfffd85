// The editor's open and save dialogs behind a small interface, so that tests answer them
// without a modal loop. Filters are written as the editor's texts give them,
// "Zvuk (*.wav)|*.wav|Všechny soubory|*.*": description and pattern pairs joined by "|".
#pragma once

#include <optional>

#include <QString>
#include <QStringList>

class QWidget;

namespace vek::editor {

struct FileDialogRequest {
    QString title;
    QString filter;
    int filterIndex = 0;    // the type chosen first
    QString defaultSuffix;  // without the dot, added when the typed name has none
    QString directory;      // where the dialog starts; empty: the current directory
};

struct SavedFileChoice {
    QString path;
    int filterIndex = 0;  // the type the author chose
};

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // One existing file, or nothing when cancelled.
    virtual std::optional<QString> openFile(QWidget* parent, const FileDialogRequest& request) = 0;
    // Several existing files; empty when cancelled.
    virtual QStringList openFiles(QWidget* parent, const FileDialogRequest& request) = 0;
    // A file to write, asking before an existing one is overwritten; nothing when cancelled.
    virtual std::optional<SavedFileChoice> saveFile(QWidget* parent,
                                                    const FileDialogRequest& request) = 0;
};

// The real dialogs; none of them changes the current directory.
class QtFileDialogs : public FileDialogs {
  public:
    std::optional<QString> openFile(QWidget* parent, const FileDialogRequest& request) override;
    QStringList openFiles(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<SavedFileChoice> saveFile(QWidget* parent,
                                            const FileDialogRequest& request) override;
};

// "Zvuk (*.wav)|*.wav|Všechny soubory|*.*" as Qt's name filters: "Zvuk (*.wav) (*.wav)", ...
QStringList qtNameFilters(const QString& filter);

}  // namespace vek::editor
