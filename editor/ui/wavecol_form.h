// "Kolekce zvuků": packs chosen recordings of the scenario into a sound collection and, when
// asked, points their entries into it. It stays open beside the main window.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QDialog>
#include <QListWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace vek {
class MessageBoxes;
}

namespace vek::editor {

class EditorDocument;

// One of the two key lists: sorted, several keys selectable, and a drop target only for the
// other list.
class KeyList : public QListWidget {
  public:
    explicit KeyList(QWidget* parent = nullptr);

    void setPartner(KeyList* partner) { partner_ = partner; }
    bool acceptsDropFrom(const QObject* source) const { return source && source == partner_; }
    // Called when keys of the partner were dropped here.
    std::function<void()> onDrop;

    // Inserts a key (code page 1250) at its place in the Czech order.
    void addKey(const std::string& key);
    std::string keyAt(int row) const;
    std::vector<std::string> keys() const;

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    KeyList* partner_ = nullptr;
};

class WaveCol_form : public QDialog {
  public:
    WaveCol_form(EditorDocument& doc, MessageBoxes& boxes, QWidget* parent = nullptr);
    ~WaveCol_form() override;

    // "&Kolekce zvuků...": the keys on offer afresh and a proposed file name.
    void Open();

    // "&Přidej vybrané", "Přidej &vše", "&Odeber vybrané", "Odebe&r vše".
    void MoveSelected(KeyList* from, KeyList* to);
    void MoveAll(KeyList* from, KeyList* to);
    // "Procházet".
    void Browse();
    // "Vytvořit &kolekci": true when a collection was written.
    bool CreateCollection();
    bool Building() const { return building_; }

    KeyList* UnUsedList;
    KeyList* UsedList;
    QPushButton* AddButt;
    QPushButton* AddAllButt;
    QPushButton* RemButt;
    QPushButton* RemAllButt;
    QLineEdit* FileEdit;
    QPushButton* ProchButt;
    QPushButton* CreateButt;
    QPushButton* CloseButt;
    QLabel* STProgress;
    QProgressBar* ProgressBar;  // the same text, for screen readers
    QPushButton* CancelButt;
    QCheckBox* NahraditBox;

    // The save dialog ("Jméno zvukové kolekce"): a path, or empty when cancelled.
    std::function<QString()> browseFile;
    // Told after each progress step, once the window has processed its events (tests cancel
    // from here).
    std::function<void()> onProgress;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void setBuilding(bool on);
    // The keys on offer, afresh from the document.
    void fillLists();
    bool progress(const std::string& text);

    EditorDocument& doc_;
    MessageBoxes& boxes_;
    bool cancel_ = false;
    bool building_ = false;
    std::size_t token_ = 0;
};

}  // namespace vek::editor
