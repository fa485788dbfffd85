// "Najdi / Zaměň": finds and replaces text in the scripts and texts of the whole scenario. It
// stays open beside the main window; each match is shown selected in the editor that holds the
// field, on its page of the main window or in the properties dialog.
#pragma once

#include <functional>
#include <string>

#include <QDialog>
#include <QPointer>

#include "editor/document/search.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vek {
class MessageBoxes;
}

namespace vek::editor {

class Vlastnosti_form;

// The main window as the search needs it.
class SearchHost {
  public:
    virtual ~SearchHost() = default;
    // Shows the window or item of `hit` on its page (switching the page and the current window
    // or item when needed) and returns the script editor of its field.
    virtual QPlainTextEdit* ShowSearchField(const SearchHit& hit) = 0;
    // The page the author is on, and the focused script editor with its caret.
    virtual SearchPlace CurrentPlace() const = 0;
    // The main window's focused control when it is a script editor, else nullptr.
    virtual QPlainTextEdit* FocusedScriptEditor() const = 0;
};

// The window of search and replace; its logic is TReplaceForm (editor/document/search.h).
class Replace_form : public QDialog, private SearchView {
  public:
    Replace_form(EditorDocument& doc, SearchHost& host, Vlastnosti_form& properties,
                 MessageBoxes& boxes, QWidget* parent = nullptr);

    // The commands of the five buttons; "&Další" is also F3 in the main window, shown or not.
    bool FindFirstCommand();
    bool FindNextCommand();
    bool ReplaceCommand();
    int ReplaceAllCommand();

    QLineEdit* HledanyEdit;
    QLineEdit* NahradaEdit;
    QCheckBox* CelaSlovaBox;
    QCheckBox* VelkaMalaBox;
    QCheckBox* VParamFciBox;
    QCheckBox* DotPriZamBox;
    QCheckBox* VybTextBox;
    QPushButton* FirstButt;
    QPushButton* FindNextButt;
    QPushButton* ReplaceButt;
    QPushButton* ReplaceAllButt;
    QPushButton* CloseButt;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // SearchView
    bool ShowHit(const SearchHit& hit) override;
    void CancelSelection() override;
    void HideProperties() override;
    void FieldReplaced(const SearchHit& hit, std::size_t length) override;
    void PlaceCaretBehind(const SearchHit& hit) override;
    ReplaceAnswer AskReplace() override;
    SearchPlace CurrentPlace() const override { return host_.CurrentPlace(); }
    bool HitStillSelected(const SearchHit& hit) const override;

    // The texts of the two fields; false, after a message, when the code page cannot hold them.
    bool readFields(std::string& pattern, std::string& replacement);
    void applyOptions();
    void notFound();
    // While asking is on, the dialog is out of the way of the question and the match.
    template <typename F>
    auto hiddenWhileAsking(F command);

    EditorDocument& doc_;
    SearchHost& host_;
    Vlastnosti_form& properties_;
    MessageBoxes& boxes_;
    TReplaceForm search_;
    QPointer<QPlainTextEdit> editor_;  // the editor of the last match
};

}  // namespace vek::editor
