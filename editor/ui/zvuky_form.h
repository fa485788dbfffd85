// The sound dialog: a new sound, one sound, one system sound or several sounds at once, with
// browsing for the file and "&Hrej / Stop" to hear it.
#pragma once

#include <filesystem>
#include <vector>

#include <QDialog>

#include "editor/document/sound_lines.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vek {
class MessageBoxes;
}

namespace vek::editor {

class EditorDocument;
class FileDialogs;
class SoundPreview;

class Zvuky_form : public QDialog {
  public:
    Zvuky_form(EditorDocument& doc, MessageBoxes& boxes, FileDialogs& files, SoundPreview& preview,
               QWidget* parent = nullptr);

    // The openers, each modal; true when OK changed the sounds (the document then tells its
    // windows and is modified). `selected` are positions in the recordings list.
    bool newSound();
    bool changeSounds(const std::vector<std::size_t>& selected);  // one: mode 3; more: mode 7
    bool changeSystemSound(std::size_t index);

    // The same without showing the dialog, for the openers and for tests.
    void prepareNewSound();
    bool prepareChange(const std::vector<std::size_t>& selected);
    bool prepareSystemSound(std::size_t index);

    SoundDialogMode mode() const { return mode_; }
    // The positions of the changed recordings after OK (the list stays sorted).
    const std::vector<std::size_t>& changedPositions() const { return changed_; }
    // Paths are made relative to this directory (the editor's current one unless set).
    void setCurrentDirectory(std::filesystem::path directory);

    QLineEdit* ZvukIDEdit;
    QLineEdit* ZvukTextEdit;
    QLineEdit* ZvukSouborEdit;
    QPushButton* NactiButt;
    QComboBox* ZvukPriorityBox;
    QComboBox* ZakHlasBox;
    QPushButton* ZvukPlayButt;
    QPushButton* OKZvukButt;
    QPushButton* CancelZvukButt;
    QLabel* PreviewStatus;  // says why a preview could not play

    // OK in the current mode.
    void accept() override;

  private:
    void browse();
    void play();
    void showFields(const SoundFields& fields);
    SoundFields readFields(bool& ok);
    void sayPreview(const QString& text);

    EditorDocument& doc_;
    MessageBoxes& boxes_;
    FileDialogs& files_;
    SoundPreview& preview_;
    SoundNameCounter counter_;
    SoundDialogMode mode_ = SoundDialogMode::New;
    std::vector<std::size_t> selected_;
    std::vector<std::size_t> changed_;
    std::filesystem::path directory_;
};

}  // namespace vek::editor
