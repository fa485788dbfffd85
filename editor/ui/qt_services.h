// The editor's services on a desktop: Qt's file dialogs and message boxes, the editor's modal
// dialogs, the window placement in QSettings, and programs started beside the editor.
#pragma once

#include <QSettings>
#include <QString>

#include "editor/document/recent_files.h"
#include "editor/ui/editor_services.h"

class QWidget;

namespace vek::editor {

class QtFileDialogs : public FileDialogs {
  public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    std::optional<std::string> openScenario() override;
    std::optional<SaveChoice> saveScenario(bool offerText) override;
    std::vector<std::string> openSounds(bool several) override;

  private:
    QWidget* parent_;
};

class QtPrompts : public EditorPrompts {
  public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    std::optional<std::string> password() override;
    std::optional<std::string> name(const std::string& title, const std::string& current) override;
    std::optional<std::string> choose(const std::string& title,
                                      const std::vector<std::string>& choices) override;
    std::optional<SoundFields> sound(const SoundDialogRequest& request) override;
    void togglePreview(const std::string& file) override;
    void about() override;

  private:
    QWidget* parent_;
};

class QtDesktop : public Desktop {
  public:
    bool openDocument(const std::filesystem::path& file) override;
    std::optional<std::filesystem::path> findPlayer() override;
    bool startProgram(const std::filesystem::path& program,
                      const std::vector<std::string>& arguments,
                      const std::filesystem::path& directory) override;
};

// The placement values under organisation "Kvelmora", application "Mirela".
class SettingsPlacementStore : public PlacementStore {
  public:
    SettingsPlacementStore();
    std::optional<std::string> value(std::string_view name) const override;
    void setValue(std::string_view name, std::string_view text) override;

  private:
    mutable QSettings settings_;
};

}  // namespace vek::editor
