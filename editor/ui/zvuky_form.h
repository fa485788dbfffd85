// The sound dialog: a new sound, one sound, one system sound or several sounds at once, with
// browsing for the file and "&Hrej / Stop" to hear it.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
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
class SoundPreview;

// "&procházet": the chosen sound file as a path of this system (UTF-8), nothing when the author
// cancels. Tests answer it; qtSoundBrowser() shows Qt's open dialog.
using SoundBrowser = std::function<std::optional<std::string>(QWidget* parent)>;
SoundBrowser qtSoundBrowser();

class Zvuky_form : public QDialog {
  public:
    Zvuky_form(EditorDocument& doc, MessageBoxes& boxes, SoundBrowser browser,
               SoundPreview& preview, QWidget* parent = nullptr);
    // Without a document: only edit() is of use.
    Zvuky_form(MessageBoxes& boxes, SoundBrowser browser, SoundPreview& preview,
               QWidget* parent = nullptr);

    // The dialog as the main window's prompts ask for it: `mode`, the caption (UTF-8; "Zvuk",
    // "Zvuky" or "Systémový zvuk"), the fields and how many sounds change at once; the fields
    // on OK (checked, and for several sounds confirmed), nothing on Cancel. The document is not
    // changed: the caller applies the fields (ApplySoundDialog).
    std::optional<SoundFields> edit(SoundDialogMode mode, const std::string& title,
                                    const SoundFields& fields, std::size_t count = 1);
    void prepare(SoundDialogMode mode, const std::string& title, const SoundFields& fields,
                 std::size_t count = 1);
    // The fields OK accepted last.
    const std::optional<SoundFields>& acceptedFields() const { return accepted_; }

    // The openers that change the document themselves, each modal; true when OK changed the
    // sounds (the document then tells its windows and is modified). `selected` are positions
    // in the recordings list.
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
    void enableFor(SoundDialogMode mode);
    SoundFields readFields(bool& ok);
    void sayPreview(const QString& text);

    EditorDocument* doc_ = nullptr;
    MessageBoxes& boxes_;
    SoundBrowser browser_;
    SoundPreview& preview_;
    SoundNameCounter counter_;
    SoundDialogMode mode_ = SoundDialogMode::New;
    std::vector<std::size_t> selected_;
    std::vector<std::size_t> changed_;
    std::size_t count_ = 1;        // the sounds changed at once, for the question before OK
    bool applyToDocument_ = true;  // the openers apply OK themselves; edit() leaves it
    std::optional<SoundFields> accepted_;
    std::filesystem::path directory_;
};

}  // namespace vek::editor
