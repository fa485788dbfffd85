#include "editor/ui/status_panels.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include "common/qt/notice.h"
#include "common/qt/qt_text.h"

namespace vek::editor {

namespace {

QLabel* panel(const char* name, int width, Qt::Alignment alignment) {
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setMinimumWidth(width);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

}  // namespace

StatusPanels::StatusPanels(EditorDocument& doc, QMainWindow& window) : doc_(doc), window_(window) {
    CountsPanel = panel("CountsPanel", 220, Qt::AlignLeft);
    ModifiedPanel = panel("ModifiedPanel", 50, Qt::AlignHCenter);
    ActivityPanel = panel("ActivityPanel", 50, Qt::AlignLeft);
    QStatusBar* bar = window.statusBar();
    bar->setObjectName("StatusBar1");
    bar->addWidget(CountsPanel);
    bar->addWidget(ModifiedPanel);
    bar->addWidget(ActivityPanel, 1);
    notice_ = new Notice;
    bar->addWidget(notice_);
    subscription_ = DocumentSubscription(doc_, [this](const DocumentChange& change) {
        if (change.kind == ChangeKind::DocumentReplaced)
            window_.setWindowTitle(QString::fromStdString(doc_.WindowTitle()));
        update();
    });
}

void StatusPanels::update() {
    StatusLine line = doc_.UpdateStatusLine();
    CountsPanel->setText(fromCp1250(line.counts));
    ModifiedPanel->setText(fromCp1250(line.modified));
}

void StatusPanels::setActivity(std::string_view text) {
    ActivityPanel->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    ActivityPanel->repaint();
}

void StatusPanels::announce(const QString& text) {
    notice_->announce(text);
}

}  // namespace vek::editor
