// One page of the main window. A page builds its controls, fills them from the document and
// follows its changes, writes every change of a control back, and binds its controls' keys; its
// controls stay its own, reached from outside by the field or list they show.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QWidget>

#include "editor/document/document.h"
#include "editor/ui/page_commands.h"

class QComboBox;
class QListWidget;

namespace vek::editor {

class KeyMap;

class EditorPage : public QWidget, public PageNumbers {
  public:
    EditorPage(PageCommands& commands, KeyMap& keys, const char* name);

    // The control the focus goes to when the page comes into view.
    virtual QWidget* firstControl() const = 0;
    // The control that shows a field or an entry list of this page, or nullptr.
    virtual QWidget* controlOf(Field field) const;
    virtual QListWidget* controlOf(EntryList list) const;
    // What Ctrl+Up and Ctrl+Down step through with the focus on `focus`, and the selector that
    // shows it; nullptr where the page steps through nothing.
    virtual QComboBox* steppedSelector(const QWidget* focus, EntityKind& kind) const;
    // Fills every control from the document.
    virtual void refill() = 0;
    // The page stops following the document (the window is closing).
    void detach() { subscription_.reset(); }

  protected:
    void follow(std::function<void(const DocumentChange&)> listener);
    // A name selector: choosing an entry shows it; Insert, Enter and Delete (and its context
    // menu) create, rename and delete.
    void bindNameSelector(QComboBox* box, EntityKind kind, std::function<void()> create,
                          const char* menuName, const char* newCaption);
    // Refills a sound selector's choices when the sounds changed since `shown`.
    void fillSoundChoices(QComboBox* box, std::vector<std::string>& shown);

    EditorDocument& doc_;
    PageCommands& commands_;
    KeyMap& keys_;

  private:
    DocumentSubscription subscription_;
};

}  // namespace vek::editor
