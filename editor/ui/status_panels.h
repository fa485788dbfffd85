// The main window's status bar: the scenario's counts, whether it is modified, what the window
// is busy with, and a notice a screen reader speaks beside the focus. It follows the document.
#pragma once

#include <string_view>

#include "editor/document/document.h"

class QLabel;
class QMainWindow;
class QString;

namespace vek {
class Notice;
}

namespace vek::editor {

class StatusPanels {
  public:
    StatusPanels(EditorDocument& doc, QMainWindow& window);

    void update();
    void setActivity(std::string_view text);
    // Shows the text and has it spoken.
    void announce(const QString& text);
    void detach() { subscription_.reset(); }

  private:
    EditorDocument& doc_;
    QMainWindow& window_;
    QLabel *CountsPanel, *ModifiedPanel, *ActivityPanel;
    Notice* notice_;
    DocumentSubscription subscription_;
};

}  // namespace vek::editor
