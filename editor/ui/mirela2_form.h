// The editor's main window: the document on four pages ("Okna", "Předměty", "Zvuky", "Menu"),
// each a class of its own, with the main menu, the status bar and the file commands around
// them. The window holds no scenario data: every change in a control goes into the
// EditorDocument at once, and each page follows the document's changes itself.
//
// Everything the window needs from a person or the system (file dialogs, questions, the name,
// chooser, sound and password dialogs, starting programs) goes through the interfaces of
// editor_services.h.
#pragma once

#include <memory>
#include <string>

#include <QMainWindow>

#include "editor/checker/problem.h"
#include "editor/document/document.h"
#include "editor/ui/key_preview.h"
#include "editor/ui/main_menu.h"
#include "editor/ui/page_commands.h"

class QPlainTextEdit;
class QTabWidget;

namespace vek::editor {

class CheckerLink;
class CheckerWindow;
class EditHistoryUi;
class EditorPage;
class FileCommands;
class ItemsPage;
class MenuPage;
class SoundsPage;
class StatusPanels;
class WindowsPage;

class Mirela2_form : public QMainWindow, public PageNumbers {
  public:
    static constexpr int kDesignWidth = 816;
    static constexpr int kDesignHeight = 426;

    Mirela2_form(EditorDocument& doc, EditorServices services);
    ~Mirela2_form() override;

    // Start-up: the placement, the recent files and the example scenario; then the scenario
    // named by `argument` when it contains ".scn".
    void start(const std::string& argument = {});

    void setToolHooks(ToolHooks hooks);
    const ToolHooks& toolHooks() const;
    // A menu of its own between "&Soubor" and "&Zobrazit".
    QMenu* insertMenu(const QString& title, const char* name);

    // "&Kontrola scénáře" (F8) and the way from a problem to its place.
    void ShowChecker();
    void ShowProblem(const ProblemPlace& place);
    CheckerWindow* checkerWindow() const;

    // The file commands.
    bool ConfirmDiscard();
    void New();
    void Open();
    bool OpenScenario(const std::string& path);
    bool Save();
    bool SaveAs();
    void OpenRecent(std::size_t slot);
    void PlayScenario();
    void ShowHelp();

    // The script editor that has (or last had) the focus in this window, or nullptr: what the
    // builders insert into.
    QPlainTextEdit* focusedScriptEditor() const;
    // The control with the focus (or last with it) inside this window.
    QWidget* focusedControl() const { return lastFocus_; }
    // Puts text into the focused script editor at its caret, as typing would; false when no
    // script editor has the focus.
    bool insertIntoScriptEditor(const QString& text);
    // Refills every page from the document (after a tool changed it).
    void refreshAll();
    // Shows the page and puts the focus on its first control.
    void showPage(Page page);
    // Shows the page, the focus staying where it is.
    void turnTo(Page page);
    Page currentPage() const;

    // The control that shows a field or an entry list of the pages, or nullptr.
    QWidget* controlOf(Field field) const;
    QWidget* controlOf(EntryList list) const;
    // Shows the page of the field or list and puts the focus on its control; returns it.
    QWidget* focusField(Field field);
    QWidget* focusEntries(EntryList list);

    WindowsPage& windowsPage() { return *windows_; }
    ItemsPage& itemsPage() { return *items_; }
    SoundsPage& soundsPage() { return *sounds_; }
    editor::MenuPage& menuPage() { return *menus_; }
    EditorDocument& document() { return doc_; }
    EditHistoryUi* history() const { return history_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    EditorPage* page(int index) const;
    void focusFirstControl();
    void stepShown(int direction);
    void focusChanged(QWidget* now);

    EditorDocument& doc_;
    EditorServices services_;
    KeyMap keys_;
    PageCommands commands_;
    QTabWidget* PageControl;
    WindowsPage* windows_;
    ItemsPage* items_;
    SoundsPage* sounds_;
    editor::MenuPage* menus_;
    std::unique_ptr<StatusPanels> status_;
    std::unique_ptr<MainMenu> menu_;
    std::unique_ptr<FileCommands> files_;
    std::unique_ptr<CheckerLink> checker_;
    EditHistoryUi* history_ = nullptr;
    QWidget* lastFocus_ = nullptr;
    QMetaObject::Connection focusConnection_;
};

}  // namespace vek::editor
