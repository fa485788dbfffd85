// Edit fields that refuse text code page 1250 cannot hold, typed or pasted: the field keeps its
// previous text, and a "Stop" box names the refused character once the key or paste is over.
#pragma once

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace vek {

class MessageBoxes;

void guardCp1250(QLineEdit* edit, MessageBoxes& boxes);
void guardCp1250(QComboBox* editableBox, MessageBoxes& boxes);
void guardCp1250(QPlainTextEdit* edit, MessageBoxes& boxes);

}  // namespace vek
