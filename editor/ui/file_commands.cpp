#include "editor/ui/file_commands.h"

#include <filesystem>

#include <QString>

#include "editor/cli/help_page.h"
#include "editor/document/scenario_io.h"
#include "editor/document/text_export.h"
#include "editor/ui/qt_text.h"
#include "editor/ui/status_panels.h"

namespace vek::editor {

namespace {

constexpr const char* kTextExportWarning =
    "Ulo\u017een\u00ed souboru v textov\u00e9 podob\u011b slou\u017e\u00ed pouze\n\r"
    "k extrakci informace a neumo\u017e\u0148uje op\u011btovn\u00e9 na\u010dten\u00ed.\n\r"
    "Chcete pokra\u010dovat?";

}  // namespace

FileCommands::FileCommands(PageCommands& commands, StatusPanels& status,
                           std::function<void(bool)> shown, std::function<void()> recentChanged)
    : commands_(commands),
      doc_(commands.doc()),
      services_(commands.services()),
      status_(status),
      shown_(std::move(shown)),
      recentChanged_(std::move(recentChanged)) {}

void FileCommands::start(const std::string& argument) {
    doc_.CreateStartupScenario();
    services_.recent.Load();
    recentChanged_();
    if (argument.find(".scn") == std::string::npos || !OpenScenario(argument))
        shown_(true);
}

bool FileCommands::ConfirmDiscard() {
    if (!doc_.Modified())
        return true;
    switch (commands_.ask("Ulo\u017eit zm\u011bny do sc\u00e9n\u00e1\u0159e?",
                          BoxButtons::YesNoCancel)) {
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

void FileCommands::New() {
    if (!ConfirmDiscard())
        return;
    doc_.ClearDocument();
    doc_.FileName.clear();
    shown_(true);
}

void FileCommands::Open() {
    if (!ConfirmDiscard())
        return;
    if (std::optional<std::string> path = services_.files.openScenario())
        OpenScenario(*path);
}

bool FileCommands::OpenScenario(const std::string& path) {
    status_.setActivity("Na\u010d\u00edt\u00e1m soubor");
    OpenResult result = editor::OpenScenario(doc_, std::filesystem::path(path),
                                             [this] { return services_.prompts.password(); });
    status_.setActivity("");
    if (!result.ok()) {
        if (!result.message.empty())
            commands_.ask(
                cp1250ToUtf8(result.message), BoxButtons::Ok,
                result.status == OpenStatus::CannotRead ? BoxCaption::Error : BoxCaption::Stop);
        return false;
    }
    services_.recent.AddFile(path);
    recentChanged_();
    shown_(true);
    return true;
}

bool FileCommands::saveTo(const std::string& path) {
    status_.setActivity("Ukl\u00e1d\u00e1m soubor");
    SaveResult result = SaveScenario(doc_, std::filesystem::path(path));
    status_.setActivity("");
    shown_(false);
    if (!result.ok) {
        commands_.ask(cp1250ToUtf8(result.message), BoxButtons::Ok, BoxCaption::Error);
        return false;
    }
    announceSaved(path);
    return true;
}

bool FileCommands::Save() {
    if (doc_.FileName.empty())
        return SaveAs();
    return saveTo(doc_.FileName);
}

bool FileCommands::SaveAs() {
    std::optional<FileDialogs::SaveChoice> choice = services_.files.saveScenario(true);
    if (!choice)
        return false;
    if (choice->type == FileDialogs::SaveType::Text) {
        exportText(choice->path);
        return false;
    }
    if (!saveTo(choice->path))
        return false;
    remember(choice->path);
    return true;
}

void FileCommands::exportText(const std::string& path) {
    if (commands_.ask(kTextExportWarning, BoxButtons::YesNo, BoxCaption::Warning) != BoxAnswer::Yes)
        return;
    std::string error;
    status_.setActivity("Ukl\u00e1d\u00e1m soubor");
    bool written = ExportText(doc_, std::filesystem::path(path), &error);
    status_.setActivity("");
    if (!written)
        commands_.ask(cp1250ToUtf8(error), BoxButtons::Ok, BoxCaption::Error);
    else
        announceSaved(path);
}

void FileCommands::announceSaved(const std::string& path) {
    status_.announce(u8("Uloženo: ") +
                     QString::fromStdString(std::filesystem::path(path).filename().string()));
}

void FileCommands::remember(const std::string& path) {
    services_.recent.AddFile(path);
    recentChanged_();
}

void FileCommands::OpenRecent(std::size_t slot) {
    std::optional<std::string> path = services_.recent.slot(slot);
    if (path && ConfirmDiscard())
        OpenScenario(*path);
}

void FileCommands::ShowHelp() {
    std::optional<std::filesystem::path> page = FindHelpPage();
    if (!page) {
        commands_.ask("Soubor n\u00e1pov\u011bdy nenalezen", BoxButtons::Ok, BoxCaption::Error);
        return;
    }
    services_.desktop.openDocument(*page);
}

void FileCommands::PlayScenario() {
    if (doc_.FileName.empty()) {
        std::optional<FileDialogs::SaveChoice> choice = services_.files.saveScenario(false);
        if (!choice) {
            commands_.ask("Sc\u00e9n\u00e1\u0159 lze zahr\u00e1t, a\u017e bude ulo\u017een.",
                          BoxButtons::Ok, BoxCaption::Notice);
            return;
        }
        if (!saveTo(choice->path))
            return;
        remember(choice->path);
    } else if (!saveTo(doc_.FileName)) {
        return;
    }
    std::optional<std::filesystem::path> player = services_.desktop.findPlayer();
    if (!player) {
        commands_.ask("P\u0159ehr\u00e1va\u010d VEK2 nebyl nalezen vedle editoru.", BoxButtons::Ok,
                      BoxCaption::Error);
        return;
    }
    std::filesystem::path scenario = std::filesystem::absolute(doc_.FileName);
    if (!services_.desktop.startProgram(*player, {scenario.string()}, scenario.parent_path()))
        commands_.ask("P\u0159ehr\u00e1va\u010d VEK2 nelze spustit.", BoxButtons::Ok,
                      BoxCaption::Error);
}

}  // namespace vek::editor
