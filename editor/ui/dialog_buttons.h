// The "&OK" (default) and "&Cancel" (Esc) row the small dialogs end with.
#pragma once

#include <initializer_list>

class QDialog;
class QPushButton;
class QWidget;

namespace vek::editor {

struct DialogButtons {
    QPushButton* ok;
    QPushButton* cancel;
};

// Lays out `fields` one under another with the button row below them; OK calls the dialog's
// accept(), Cancel its reject(); Tab goes through the fields, then OK, then Cancel.
DialogButtons addOkCancel(QDialog* dialog, std::initializer_list<QWidget*> fields);

}  // namespace vek::editor
