// What the editor's main window asks of the world outside the document: file dialogs, the
// modal dialogs, and programs to start (message boxes are the shared MessageBoxes). The real
// implementations show Qt dialogs; tests answer from a script, so no test ever waits for a person.
//
// Titles are UTF-8; names, choices and sound fields come from the document and stay code page
// 1250; paths are UTF-8, as the file system takes them.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "editor/document/document.h"
#include "editor/document/sound_lines.h"

namespace vek::editor {

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;

    enum class SaveType { Scenario, Text };
    struct SaveChoice {
        std::string path;
        SaveType type = SaveType::Scenario;
    };

    // "Načtení scénáře": an existing scenario file, or nullopt when cancelled.
    virtual std::optional<std::string> openScenario() = 0;
    // "Uložení scénáře": with `offerText` also the "Text" type (Save as).
    virtual std::optional<SaveChoice> saveScenario(bool offerText) = 0;
    // Sound files; several at once for "Přidej více". Empty when cancelled.
    virtual std::vector<std::string> openSounds(bool several) = 0;
};

// The sound dialog as the main window opens it.
struct SoundDialogRequest {
    SoundDialogMode mode = SoundDialogMode::New;
    std::string title;  // "Zvuk", "Zvuky", "Systémový zvuk"
    SoundFields fields;
    std::size_t selectedCount = 1;  // several sounds: for the question before OK
};

class EditorPrompts {
  public:
    virtual ~EditorPrompts() = default;

    // The password prompt of an encoded file (code page 1250), nullopt when cancelled.
    virtual std::optional<std::string> password() = 0;
    // The name dialog: the typed name, nullopt when cancelled.
    virtual std::optional<std::string> name(const std::string& title,
                                            const std::string& current) = 0;
    // The chooser: the picked entry (the first one preselected), nullopt when cancelled.
    virtual std::optional<std::string> choose(const std::string& title,
                                              const std::vector<std::string>& choices) = 0;
    // The sound dialog; the fields on OK.
    virtual std::optional<SoundFields> sound(const SoundDialogRequest& request) = 0;
    // Plays a recording for the author, or stops the one that plays.
    virtual void togglePreview(const std::string& file) = 0;
    virtual void about() = 0;
};

// Programs and documents the editor starts.
class Desktop {
  public:
    virtual ~Desktop() = default;
    // Opens a document with the program the system associates with it.
    virtual bool openDocument(const std::filesystem::path& file) = 0;
    // The player VEK2 that belongs to this editor.
    virtual std::optional<std::filesystem::path> findPlayer() = 0;
    // Starts a program that runs on its own, in `directory`.
    virtual bool startProgram(const std::filesystem::path& program,
                              const std::vector<std::string>& arguments,
                              const std::filesystem::path& directory) = 0;
};

}  // namespace vek::editor
