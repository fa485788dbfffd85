#include "editor/ui/checker_window.h"

#include <filesystem>

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/qt/qt_text.h"
#include "editor/checker/checker.h"
#include "editor/document/scenario_io.h"
#include "editor/ui/qt_text.h"

namespace vek::editor {

namespace fs = std::filesystem;

namespace {
constexpr const char* kListHint = "Enter ukáže pole a řádek problému";
}  // namespace

CheckerWindow::CheckerWindow(EditorDocument& doc, ShowPlace showPlace, QWidget* parent)
    : QWidget(parent, Qt::Window), doc_(doc), showPlace_(std::move(showPlace)) {
    setWindowTitle(u8("Kontrola scénáře"));
    setObjectName("CheckerWindow");
    resize(640, 360);

    auto* label = new QLabel(u8("&Problémy:"), this);
    ProblemList = new QListWidget(this);
    ProblemList->setObjectName("ProblemList");
    label->setBuddy(ProblemList);
    ProblemList->setAccessibleName(u8("Problémy"));
    ProblemList->setAccessibleDescription(u8(kListHint));
    ProblemList->setToolTip(u8(kListHint));

    SummaryLabel = new QLabel(this);
    SummaryLabel->setObjectName("SummaryLabel");
    ZnovuButton = new QPushButton(u8("&Znovu"), this);
    ZnovuButton->setObjectName("ZnovuButton");
    ZnovuButton->setAccessibleName(u8("Znovu"));
    ZnovuButton->setAccessibleDescription(u8("Zkontroluje scénář znovu, jak je teď"));
    ZnovuButton->setToolTip(ZnovuButton->accessibleDescription());

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(SummaryLabel, 1);
    bottom->addWidget(ZnovuButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(ProblemList, 1);
    layout->addLayout(bottom);
    setTabOrder(ProblemList, ZnovuButton);

    connect(ProblemList, &QListWidget::itemActivated, this, [this] { showSelected(); });
    connect(ZnovuButton, &QPushButton::clicked, this, [this] { Check(); });
}

void CheckerWindow::Check() {
    // The player reads the file as it would be saved; encoding only hides the same lines.
    std::string bytes = ScenarioBytes(doc_, Encoding::Plain);
    std::error_code ec;
    fs::path dir =
        doc_.FileName.empty() ? fs::current_path(ec) : fs::path(doc_.FileName).parent_path();
    report_ = CheckScenario({std::move(bytes), &doc_, PlayerBasePaths(dir)});

    ProblemList->clear();
    for (const Problem& problem : report_.problems)
        ProblemList->addItem(fromCp1250(ProblemText(problem)));
    const QString summary = fromCp1250(SummaryText(report_));
    SummaryLabel->setText(summary);
    SummaryLabel->setAccessibleName(summary);
    QString verdict = summary;
    if (report_.problems.empty()) {
        verdict = u8("Scénář je bez problémů: ") + summary;
        ProblemList->addItem(verdict);
    }
    // A screen reader says the description with the list, so the verdict is heard on arrival.
    ProblemList->setAccessibleDescription(verdict + ". " + u8(kListHint));
    ProblemList->setCurrentRow(0);
    ProblemList->setFocus();
}

void CheckerWindow::showSelected() {
    int row = ProblemList->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= report_.problems.size())
        return;
    if (showPlace_)
        showPlace_(report_.problems[static_cast<std::size_t>(row)].place);
}

}  // namespace vek::editor
