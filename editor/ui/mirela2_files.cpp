// The file commands, start-up and closing, help and playing the scenario.
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>

#include "common/qt/notice.h"
#include "editor/cli/help_page.h"
#include "editor/document/scenario_io.h"
#include "editor/document/text_export.h"
#include "editor/ui/mirela2_form.h"
#include "editor/ui/qt_text.h"

namespace vek::editor {

namespace {

constexpr const char* kTextExportWarning =
    "Ulo\u017een\u00ed souboru v textov\u00e9 podob\u011b slou\u017e\u00ed pouze\n\r"
    "k extrakci informace a neumo\u017e\u0148uje op\u011btovn\u00e9 na\u010dten\u00ed.\n\r"
    "Chcete pokra\u010dovat?";

}  // namespace

void Mirela2_form::start(const std::string& argument) {
    WindowPlacement placement =
        LoadPlacement(services_.placement, {false, x(), y(), width(), height()});
    if (placement.maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        move(placement.left, placement.top);
        resize(std::max(placement.width, minimumWidth()),
               std::max(placement.height, minimumHeight()));
    }
    doc_.CreateStartupScenario();
    services_.recent.Load();
    updateRecentMenu();
    refreshAll();
    if (argument.find(".scn") != std::string::npos)
        OpenScenario(argument);
    focusFirstControl();
}

bool Mirela2_form::ConfirmDiscard() {
    if (!doc_.Modified())
        return true;
    switch (ask("Ulo\u017eit zm\u011bny do sc\u00e9n\u00e1\u0159e?", BoxButtons::YesNoCancel)) {
        case BoxAnswer::Yes:
            break;
        case BoxAnswer::No:
            return true;
        default:
            return false;
    }
    std::string path = doc_.FileName;
    if (path.empty()) {
        std::optional<FileDialogs::SaveChoice> choice = services_.files.saveScenario(false);
        if (!choice)
            return false;
        path = choice->path;
    }
    // A save that fails must not let the caller throw the changes away.
    return saveTo(path);
}

void Mirela2_form::New() {
    if (!ConfirmDiscard())
        return;
    doc_.ClearDocument();
    doc_.FileName.clear();
    updateTitle();
    focusFirstControl();
}

void Mirela2_form::Open() {
    if (!ConfirmDiscard())
        return;
    if (std::optional<std::string> path = services_.files.openScenario())
        OpenScenario(*path);
}

bool Mirela2_form::OpenScenario(const std::string& path) {
    setActivity("Na\u010d\u00edt\u00e1m soubor");
    OpenResult result = editor::OpenScenario(doc_, std::filesystem::path(path),
                                             [this] { return services_.prompts.password(); });
    setActivity("");
    if (!result.ok()) {
        if (!result.message.empty())
            ask(cp1250ToUtf8(result.message), BoxButtons::Ok,
                result.status == OpenStatus::CannotRead ? BoxCaption::Error : BoxCaption::Stop);
        return false;
    }
    services_.recent.AddFile(path);
    updateRecentMenu();
    refreshAll();
    focusFirstControl();
    return true;
}

bool Mirela2_form::saveTo(const std::string& path) {
    setActivity("Ukl\u00e1d\u00e1m soubor");
    SaveResult result = SaveScenario(doc_, std::filesystem::path(path));
    setActivity("");
    refreshAll();
    if (!result.ok) {
        ask(cp1250ToUtf8(result.message), BoxButtons::Ok, BoxCaption::Error);
        return false;
    }
    announceSaved(path);
    return true;
}

bool Mirela2_form::Save() {
    if (doc_.FileName.empty())
        return SaveAs();
    return saveTo(doc_.FileName);
}

bool Mirela2_form::SaveAs() {
    std::optional<FileDialogs::SaveChoice> choice = services_.files.saveScenario(true);
    if (!choice)
        return false;
    if (choice->type == FileDialogs::SaveType::Text) {
        exportText(choice->path);
        return false;
    }
    if (!saveTo(choice->path))
        return false;
    services_.recent.AddFile(choice->path);
    updateRecentMenu();
    return true;
}

void Mirela2_form::exportText(const std::string& path) {
    if (ask(kTextExportWarning, BoxButtons::YesNo, BoxCaption::Warning) != BoxAnswer::Yes)
        return;
    std::string error;
    setActivity("Ukl\u00e1d\u00e1m soubor");
    bool written = ExportText(doc_, std::filesystem::path(path), &error);
    setActivity("");
    if (!written)
        ask(cp1250ToUtf8(error), BoxButtons::Ok, BoxCaption::Error);
    else
        announceSaved(path);
}

void Mirela2_form::announceSaved(const std::string& path) {
    notice_->announce(u8("Uloženo: ") +
                      QString::fromStdString(std::filesystem::path(path).filename().string()));
}

void Mirela2_form::OpenRecent(std::size_t slot) {
    std::optional<std::string> path = services_.recent.slot(slot);
    if (path && ConfirmDiscard())
        OpenScenario(*path);
}

void Mirela2_form::closeEvent(QCloseEvent* event) {
    if (!ConfirmDiscard()) {
        event->ignore();
        return;
    }
    bool maximized = isMaximized();
    QRect normal = maximized ? normalGeometry() : geometry();
    SavePlacement(services_.placement,
                  {maximized, normal.x(), normal.y(), normal.width(), normal.height()});
    // Closing empties the document; the window shows nothing more.
    subscription_.reset();
    doc_.ClearDocument();
    services_.recent.Save();
    event->accept();
}

void Mirela2_form::ShowHelp() {
    std::optional<std::filesystem::path> page = FindHelpPage();
    if (!page) {
        ask("Soubor n\u00e1pov\u011bdy nenalezen", BoxButtons::Ok, BoxCaption::Error);
        return;
    }
    services_.desktop.openDocument(*page);
}

void Mirela2_form::PlayScenario() {
    if (doc_.FileName.empty()) {
        std::optional<FileDialogs::SaveChoice> choice = services_.files.saveScenario(false);
        if (!choice) {
            ask("Sc\u00e9n\u00e1\u0159 lze zahr\u00e1t, a\u017e bude ulo\u017een.", BoxButtons::Ok,
                BoxCaption::Notice);
            return;
        }
        if (!saveTo(choice->path))
            return;
        services_.recent.AddFile(choice->path);
        updateRecentMenu();
    } else if (!saveTo(doc_.FileName)) {
        return;
    }
    std::optional<std::filesystem::path> player = services_.desktop.findPlayer();
    if (!player) {
        ask("P\u0159ehr\u00e1va\u010d VEK2 nebyl nalezen vedle editoru.", BoxButtons::Ok,
            BoxCaption::Error);
        return;
    }
    std::filesystem::path scenario = std::filesystem::absolute(doc_.FileName);
    if (!services_.desktop.startProgram(*player, {scenario.string()}, scenario.parent_path()))
        ask("P\u0159ehr\u00e1va\u010d VEK2 nelze spustit.", BoxButtons::Ok, BoxCaption::Error);
}

void Mirela2_form::setActivity(std::string_view text) {
    ActivityPanel->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    ActivityPanel->repaint();
}

void Mirela2_form::focusFirstControl() {
    QWidget* first = nullptr;
    switch (PageControl->currentIndex()) {
        case OknaPage:
            first = CisloOknaBox;
            break;
        case PredmetyPage:
            first = CisloPredmetuBox;
            break;
        case ZvukyPage:
            first = ZvukyListBox;
            break;
        default:
            first = CisloNabidkyBox;
            break;
    }
    first->setFocus();
}

}  // namespace vek::editor
