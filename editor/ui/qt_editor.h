// Mirela2's window: the application, the document and the main window with its services.
#pragma once

namespace vek::editor {

// Runs the editor's window until it closes; the exit status. A first argument containing
// ".scn" is opened.
int runQtEditor(int argc, char** argv);

}  // namespace vek::editor
