// The main window's side of the scenario checker: its window, created once, and the way from a
// problem to the control that shows its place.
#pragma once

#include "editor/checker/problem.h"
#include "editor/document/document.h"

namespace vek::editor {

class CheckerWindow;
class Mirela2_form;

class CheckerLink {
  public:
    CheckerLink(Mirela2_form& form, EditorDocument& doc);

    // Shows the checker's window, checking the document as it is now.
    void show();
    // Brings up the field of a problem with the caret on its line (a scenario text opens the
    // properties dialog on its page).
    void showProblem(const ProblemPlace& place);
    CheckerWindow* window() const { return checker_; }

  private:
    Mirela2_form& form_;
    EditorDocument& doc_;
    CheckerWindow* checker_ = nullptr;
};

}  // namespace vek::editor
