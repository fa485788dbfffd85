#include "editor/ui/qt_services.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

#include "common/qt/message_boxes.h"
#include "editor/cli/help_page.h"
#include "editor/ui/jmeno_form.h"
#include "editor/ui/loading_form.h"
#include "editor/ui/qt_text.h"
#include "editor/ui/vyber_form.h"
#include "editor/ui/zvuky_form.h"
#include "player/sound/openal_device.h"

namespace vek::editor {

namespace {

const QString kScenarioFilter = QString::fromUtf8("VEK Scénář (*.scn)");
const QString kTextFilter = QString::fromUtf8("Text (*.txt)");

// Neither dialog changes the current directory, and both are Qt's own so that they behave the
// same everywhere and read well with a screen reader.
constexpr QFileDialog::Options kDialogOptions = QFileDialog::DontUseNativeDialog;

std::string pathOf(const QString& file) {
    return QDir::toNativeSeparators(file).toStdString();
}

}  // namespace

std::optional<std::string> QtFileDialogs::openScenario() {
    QString file =
        QFileDialog::getOpenFileName(parent_, QString::fromUtf8("Načtení scénáře"), QString(),
                                     kScenarioFilter, nullptr, kDialogOptions);
    if (file.isEmpty())
        return std::nullopt;
    return pathOf(file);
}

std::optional<FileDialogs::SaveChoice> QtFileDialogs::saveScenario(bool offerText) {
    QFileDialog dialog(parent_, QString::fromUtf8("Uložení scénáře"));
    dialog.setOptions(kDialogOptions);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters{kScenarioFilter};
    if (offerText)
        filters << kTextFilter;
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(kScenarioFilter);
    dialog.setDefaultSuffix("scn");
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) {
                         dialog.setDefaultSuffix(filter == kTextFilter ? "txt" : "scn");
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    SaveChoice choice;
    choice.path = pathOf(dialog.selectedFiles().front());
    choice.type = dialog.selectedNameFilter() == kTextFilter ? SaveType::Text : SaveType::Scenario;
    return choice;
}

std::vector<std::string> QtFileDialogs::openSounds(bool several) {
    const QString filter = QString::fromUtf8("Zvuk (*.wav);;Všechny soubory (*)");
    QStringList files;
    if (several) {
        files = QFileDialog::getOpenFileNames(parent_, QString(), QString(), filter, nullptr,
                                              kDialogOptions);
    } else {
        QString file = QFileDialog::getOpenFileName(parent_, QString(), QString(), filter, nullptr,
                                                    kDialogOptions);
        if (!file.isEmpty())
            files << file;
    }
    std::vector<std::string> paths;
    for (const QString& file : files)
        paths.push_back(pathOf(file));
    return paths;
}

QtPrompts::QtPrompts(QWidget* parent)
    : parent_(parent), device_(std::make_unique<OpenAlDevice>()), preview_(device_.get()) {}

QtPrompts::~QtPrompts() = default;

std::optional<std::string> QtPrompts::password() {
    Loading_form prompt(defaultMessageBoxes(), parent_);
    return prompt.askPassword();
}

std::optional<std::string> QtPrompts::name(const std::string& title, const std::string& current) {
    Jmeno_form dialog(defaultMessageBoxes(), parent_);
    return dialog.askName(title, current);
}

std::optional<std::string> QtPrompts::choose(const std::string& title,
                                             const std::vector<std::string>& choices) {
    Vyber_form dialog(defaultMessageBoxes(), parent_);
    return dialog.choose(title, choices);
}

std::optional<SoundFields> QtPrompts::sound(const SoundDialogRequest& request) {
    SoundBrowser browse = [](QWidget* parent) -> std::optional<std::string> {
        std::vector<std::string> chosen = QtFileDialogs(parent).openSounds(false);
        if (chosen.empty())
            return std::nullopt;
        return chosen.front();
    };
    Zvuky_form dialog(defaultMessageBoxes(), browse, preview_, parent_);
    return dialog.edit(request.mode, request.title, request.fields, request.selectedCount);
}

void QtPrompts::togglePreview(const std::string& file) {
    std::error_code error;
    preview_.Toggle(file, std::filesystem::current_path(error));
}

void QtPrompts::about() {
    QMessageBox::about(parent_, QString::fromUtf8("O programu"),
                       QString::fromUtf8("Mirela2, editor scénářů zvukových her\nVerze ") +
                           QCoreApplication::applicationVersion());
}

bool QtDesktop::openDocument(const std::filesystem::path& file) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
}

std::optional<std::filesystem::path> QtDesktop::findPlayer() {
    return FindPlayer(QCoreApplication::applicationDirPath().toStdString());
}

bool QtDesktop::startProgram(const std::filesystem::path& program,
                             const std::vector<std::string>& arguments,
                             const std::filesystem::path& directory) {
    QStringList args;
    for (const auto& argument : arguments)
        args << QString::fromStdString(argument);
    return QProcess::startDetached(QString::fromStdString(program.string()), args,
                                   QString::fromStdString(directory.string()));
}

SettingsPlacementStore::SettingsPlacementStore() : settings_("Kvelmora", "Mirela") {}

std::optional<std::string> SettingsPlacementStore::value(std::string_view name) const {
    QVariant v =
        settings_.value(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    if (!v.isValid())
        return std::nullopt;
    return v.toString().toStdString();
}

void SettingsPlacementStore::setValue(std::string_view name, std::string_view text) {
    settings_.setValue(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
                       QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace vek::editor
