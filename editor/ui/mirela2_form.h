// The editor's main window: the document on four pages ("Okna", "Předměty", "Zvuky", "Menu"),
// the main menu, the context menus, the status bar and the file commands. The window holds no
// scenario data: every change in a control goes into the EditorDocument at once, and pages are
// refilled from the document under its update guard, so that refilling writes nothing back.
//
// Everything the window needs from a person or the system (file dialogs, questions, the name,
// chooser, sound and password dialogs, starting programs) goes through the interfaces of
// editor_services.h.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <QMainWindow>

#include "common/qt/message_boxes.h"
#include "editor/checker/problem.h"
#include "editor/document/document.h"
#include "editor/document/recent_files.h"
#include "editor/document/sound_lines.h"
#include "editor/ui/editor_services.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QTabWidget;

namespace vek {
class Notice;
}

namespace vek::editor {

class CheckerWindow;
class EditHistoryUi;

// Shared by the page code: the keyboard cursor of a list without a selection, and a script
// editor showing a field's lines.
void placeCursor(QListWidget* list, int row);
void fillEditor(QPlainTextEdit* editor, const TSpecStrings* lines);
// The name of the page's current window, item, menu or menu item, or nullptr.
const std::string* shownName(const EditorDocument& doc, EntityKind kind);

// What the window needs around it; the program gives the real ones, tests their own.
struct EditorServices {
    MessageBoxes& boxes;
    FileDialogs& files;
    EditorPrompts& prompts;
    Desktop& desktop;
    PlacementStore& placement;
    TMenuFilesList& recent;
};

// The tools of the "Nás&troje" and "&Scénář" menus that live in their own windows. A command
// whose hook is not set stays disabled.
struct ToolHooks {
    // The condition, action and sound-action builders, given the script editor (or, for sound
    // actions, also "kam:" / "co:") that had the focus.
    std::function<void(QWidget*editor)> condition, action, soundAction;
    std::function<void()> search, findNext;    // "Najdi / Zaměň", "Najdi další"
    std::function<void(int page)> properties;  // 0 "Obecné", 1 "Další texty"
    std::function<void()> collection;          // "&Kolekce zvuků..."
};

class Mirela2_form : public QMainWindow {
  public:
    static constexpr int kDesignWidth = 816;
    static constexpr int kDesignHeight = 426;

    enum Page { OknaPage = 0, PredmetyPage = 1, ZvukyPage = 2, MenuPage = 3 };

    Mirela2_form(EditorDocument& doc, EditorServices services);
    ~Mirela2_form() override;

    // Start-up: the placement, the recent files and the example scenario; then the scenario
    // named by `argument` when it contains ".scn".
    void start(const std::string& argument = {});

    void setToolHooks(ToolHooks hooks);

    // "&Kontrola scénáře" (F8): the checker's window, created once, shown and checking the
    // document as it is now. ShowProblem brings up the field of a problem with the caret on its
    // line (a scenario text opens the properties dialog on its page).
    void ShowChecker();
    void ShowProblem(const ProblemPlace& place);
    CheckerWindow* checkerWindow() const { return checker_; }

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
    QWidget* focusedControl() const;
    // Puts text into the focused script editor at its caret, as typing would; false when no
    // script editor has the focus.
    bool insertIntoScriptEditor(const QString& text);
    // Refills every page from the document (after a tool changed it).
    void refreshAll();
    // Shows the page and puts the focus on its first control.
    void showPage(Page page);

    EditorDocument& document() { return doc_; }
    EditHistoryUi* history() const { return history_; }

    // Page "Okna"
    QComboBox* CisloOknaBox;
    QComboBox* OknoZvukEdit;
    QLineEdit* Okno2pEdit;
    QPushButton *NoveOknoButton, *RnOknoButton, *SmazOknoButton;
    QPlainTextEdit *RozhlEdit, *PrichEdit, *OdchEdit;
    QListWidget *SeznamCestList, *SeznamPredmetuList, *HudbaList;
    QPushButton *AddCestButton, *DelCestButton, *AddPredButton, *DelPredButton, *AddHudButton,
        *DelHudButton;
    // Page "Předměty"
    QComboBox* CisloPredmetuBox;
    QPushButton *NovyPredmetButton, *JmenoPredmetuButton, *SmazPredmetButton;
    QLineEdit* Pred4pEdit;
    QComboBox* PredZvukEdit;
    QPlainTextEdit *ProzkEdit, *VezmiEdit, *PolozEdit, *PouzEdit, *PromlEdit;
    QCheckBox *LzeVzitBox, *PouzNaBox, *PostavaBox;
    QSplitter* PredmetySplitter;
    // Page "Zvuky"
    QListWidget *ZvukyListBox, *ZvukySysListBox;
    QPushButton *AddZvukButt, *ChZvukButt, *DelZvukButt, *AddMoreButt, *ChSysZvukButt,
        *SysZvukDefButt;
    // Page "Menu"
    QComboBox *CisloNabidkyBox, *ParentMenuBox, *CisloPolozkyBox, *ZvukPolBox;
    QPushButton *NewNabButton, *JmenoNabButton, *SmazNabButton, *AddPolButt, *DelPolButt,
        *SetDefHNButt, *NewPolButton, *JmenoPolButton, *SmazPolButton;
    QListWidget* SeznamPolBox;
    QPlainTextEdit* FunkcePolMemo;

    QTabWidget* PageControl;
    QLabel *CountsPanel, *ModifiedPanel, *ActivityPanel;

    // Menus and their entries (named by their captions' roles).
    QMenu *SouborMenu, *ZobrazitMenu, *NastrojeMenu, *ScenarMenu, *NapovedaMenu, *PridejMenu;
    QAction *MINovy, *MIOtevri, *MIUloz, *MIUlozJako, *MIKonec;
    std::array<QAction*, TMenuFilesList::kSlots> MIRecent{};
    std::array<QAction*, 4> MIPage{};
    QAction *MIVlastnosti, *MIDalsiTexty;
    QAction *MIPodminka, *MIAkce, *MIZvukovaAkce, *MINajdi, *MINajdiDalsi, *MIKontrola;
    QAction *MIViceZvuku, *MIOkno, *MIPredmet, *MIZvuk, *MICestu, *MIPredmetDoOkna, *MIKolekce,
        *MIZahrat;
    QAction *MIPopis, *MIOProgramu;
    QMenu *PathsPopup, *ItemsPopup, *SoundsPopup;
    QAction *PopJdiNaCestu, *PopPridejCestu, *PopOdstranCestu;
    QAction *PopJdiNaPredmet, *PopPridejPredmet, *PopOdstranPredmet;
    QAction *PopHrej, *PopPridejZvuk, *PopZmenZvuk, *PopSmazZvuk, *PopPridejVice;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Building (mirela2_form.cpp)
    QWidget* buildWindowsPage();
    QWidget* buildItemsPage();
    QWidget* buildSoundsPage();
    QWidget* buildMenuPage();
    void buildMainMenu();
    void buildContextMenus();
    void buildStatusBar();
    void connectWriteBack();
    void installKeyPreview();
    void setTabOrder();
    void layoutBands();

    // Filling from the document (mirela2_pages.cpp)
    void documentChanged(const DocumentChange& change);
    void entityPageChanged(EntityKind kind);
    void fieldChanged(Field field);
    void entriesChanged(EntryList list, const void* owner);
    void fillScripts(FieldOwner owner);
    void showWindowPage();
    void showItemPage();
    void showSoundPage();
    void showMenuPage();
    void showMenuItemPage();
    void fillSoundSelectors();
    void updateStatus();
    void updateTitle();
    void updateButtons();
    void updateRecentMenu();
    void updateToolsMenu();

    // Writing controls back into the document (mirela2_pages.cpp)
    void guardFields();
    void scriptEdited(QPlainTextEdit* editor, Field field);
    void textEdited(const QString& text, Field field);
    // Writes a control's change; the change event it causes does not refill that control.
    void writeField(Field field, const std::function<void()>& write);

    // Commands on entities, lists and sounds (mirela2_commands.cpp)
    void chooseShown(EntityKind kind, int index);
    void newEntity(EntityKind kind);
    void deleteEntity(EntityKind kind);
    void renameEntity(EntityKind kind);
    void addEntry(EntryList list);
    void removeEntry(EntryList list);
    void moveEntry(EntryList list, int direction);
    void goToEntry(EntryList list);
    QListWidget* listOf(EntryList list) const;
    void addSound();
    void changeSounds();
    void changeSystemSound();
    void deleteSounds();
    void addMoreSounds();
    void resetSystemSounds();
    void resetMainMenu();
    void togglePreview(QListWidget* list);
    std::vector<std::size_t> selectedRows(QListWidget* list) const;
    void stepShown(int direction);
    void showRefusal(const EditResult& result);
    BoxAnswer ask(const std::string& text, BoxButtons buttons,
                  BoxCaption caption = BoxCaption::Question);
    void stop(const std::string& text);

    // Files (mirela2_files.cpp)
    bool saveTo(const std::string& path);
    void exportText(const std::string& path);
    void setActivity(std::string_view text);
    // A save heard by a screen reader: the file's name.
    void announceSaved(const std::string& path);
    void focusFirstControl();

    // Keys (mirela2_keys.cpp)
    struct KeyBinding {
        int key;
        Qt::KeyboardModifiers modifiers;
        std::function<bool()> action;  // true: the key goes no further
    };
    void bindKeys();
    void bindContextMenus();
    void bind(QWidget* control, int key, Qt::KeyboardModifiers modifiers,
              std::function<bool()> action);
    bool handleKey(QWidget* control, QKeyEvent* event);
    bool shortcutOverride(QWidget* control, QKeyEvent* event);
    bool isScriptEditor(const QWidget* control) const;
    void focusChanged(QWidget* now);

    EditorDocument& doc_;
    EditorServices services_;
    ToolHooks hooks_;
    SoundNameCounter soundCounter_;
    std::vector<QPlainTextEdit*> scriptEditors_;
    std::map<QObject*, std::vector<KeyBinding>> keyMap_;
    std::vector<std::string> shownWindowNames_, shownItemNames_, shownMenuNames_,
        shownMenuItemNames_, shownSoundChoices_, shownUserSounds_, shownSystemSounds_;
    std::optional<Field> writing_;  // the field a control is writing now
    bool enterClosedList_ = false;  // the Enter now delivered closed a selector's list
    QWidget* lastFocus_ = nullptr;
    QMetaObject::Connection focusConnection_;
    DocumentSubscription subscription_;
    QListWidget* popupList_ = nullptr;  // the sound list the context menu was opened on
    CheckerWindow* checker_ = nullptr;
    Notice* notice_ = nullptr;  // what a screen reader is told beside the focus
    EditHistoryUi* history_ = nullptr;
};

}  // namespace vek::editor
