// "Vlastnosti scénáře": the scenario-wide settings on two pages, beside the main window. Every
// change goes into the document at once, so the search sees what is typed here; Cancel puts
// back what the settings were when the dialog was opened.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <optional>

#include <QDialog>

#include "editor/document/document_events.h"
#include "editor/document/entities.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace vek {
class MessageBoxes;
}

namespace vek::editor {

class Akce_form;
class EditorDocument;

class Vlastnosti_form : public QDialog {
  public:
    Vlastnosti_form(EditorDocument& doc, MessageBoxes& boxes, QWidget* parent = nullptr);
    ~Vlastnosti_form() override;

    // "&Vlastnosti scénáře..." (page 0) and "&Další texty..." (page 1): the controls show the
    // document, a start window that names no window becomes the first window, and the settings
    // are remembered for Cancel.
    void Open(int page);
    // The controls again from the document (a load, "Nový", a replacement by the search).
    void Refresh();
    // An undone or redone setting: the dialog, open on the page of its control, with the focus
    // there. Without a control of that setting nothing happens.
    void ShowSetting(std::optional<Field> field, std::optional<EntryList> list);

    // The editors of the scenario texts in the search's order: 1 intro, 2 win, 3 lose, 4 cycle.
    QPlainTextEdit* TextMemo(int field) const;
    int PageOfTextField(int field) const { return field == 1 ? 0 : 1; }
    bool IsMemo(const QWidget* control) const;
    // The memo with the focus in this dialog, or nullptr.
    QPlainTextEdit* FocusedMemo() const;

    // Ctrl+P, Ctrl+A and Ctrl+Z in a memo open this builder on it, as in the main window.
    void setBuilder(Akce_form* builder) { builder_ = builder; }

    void accept() override;  // "&OK"
    void reject() override;  // "&Cancel" and Escape

    QTabWidget* PageControl;
    QLineEdit* JmenoEdit;
    QComboBox* ZacitComboBox;
    QListWidget* PredmetyListBox;
    QPushButton* AddZacButton;
    QPushButton* DelZacButton;
    QPlainTextEdit* IntroMemo;
    QCheckBox* HesloCheckBox;
    QLineEdit* HesloEdit;
    QLineEdit* MaxPrEdit;
    QSpinBox* MaxUpDown;
    QCheckBox* MluvPredBox;
    QCheckBox* RepWalkBox;
    QCheckBox* RepTakeBox;
    QPlainTextEdit* WinMemo;
    QPlainTextEdit* LoseMemo;
    QPlainTextEdit* CyklusMemo;
    QCheckBox* AktivniBox;
    QComboBox* IntervalBox;
    QPushButton* OkButton;
    QPushButton* CancelButton;

    // "Přidej": the chooser with its caption and choices; the chosen name or nothing.
    std::function<std::optional<std::string>(const QString& caption,
                                             const std::vector<std::string>& choices)>
        chooseItem;

    // "Přidej", "Uber" and the moves of the starting inventory.
    void AddInventoryItem();
    void RemoveInventoryItem();
    void MoveInventoryItem(int direction);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* buildGeneralPage();
    QWidget* buildTextsPage();
    QPlainTextEdit* addMemo(QWidget* page, const char* name, const char* label, const char* hint,
                            Field field);
    void fillInventory(int select);
    void storeMaxItems(const QString& text);
    // A control's change goes into the document (nothing while the controls are being filled).
    void store(Field field, const QString& text);
    void storeFlag(Field field, bool value);
    void documentChanged(const DocumentChange& change);
    void takeSnapshot();

    EditorDocument& doc_;
    MessageBoxes& boxes_;
    Akce_form* builder_ = nullptr;
    ScenarioSettings snapshot_;
    std::size_t token_ = 0;
    bool writing_ = false;  // the change being told is this dialog's own
    std::array<QPlainTextEdit*, 4> memos_{};
};

// The interval entries the cycle offers, in order.
const std::vector<const char*>& CycleIntervals();

}  // namespace vek::editor
