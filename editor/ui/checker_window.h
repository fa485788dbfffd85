// The checker's window beside the main window: the problems of the document as it is now, one
// list entry each in the report's words; Enter shows the problem's field with the caret on its
// line, "Znovu" checks again. It never blocks the main window.
#pragma once

#include <functional>
#include <vector>

#include <QWidget>

#include "editor/checker/problem.h"
#include "editor/document/document.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace vek::editor {

class CheckerWindow : public QWidget {
  public:
    using ShowPlace = std::function<void(const ProblemPlace&)>;

    CheckerWindow(EditorDocument& doc, ShowPlace showPlace, QWidget* parent = nullptr);

    // Checks the document as it would be saved now and lists what was found.
    void Check();
    const CheckReport& report() const { return report_; }

    QListWidget* ProblemList;
    QLabel* SummaryLabel;
    QPushButton* ZnovuButton;

  private:
    void showSelected();

    EditorDocument& doc_;
    ShowPlace showPlace_;
    CheckReport report_;
};

}  // namespace vek::editor
