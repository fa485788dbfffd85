// The main window on the offscreen platform with scripted answers in place of every dialog, in
// a fresh working directory (the recent-files history and vek.cfg live there).
#pragma once

#include <deque>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include "common/scratch_dir.h"
#include "editor/ui/mirela2_form.h"
#include "tests/common/qt/qt_app.h"

namespace vek::editor::test {

// A control, menu or menu entry of a window found by its object name, as a test meets it from
// outside; a missing one fails the test.
template <typename T>
T* named(QObject& in, const char* name) {
    T* found = in.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        ADD_FAILURE() << "no " << name << " in " << in.objectName().toStdString();
    return found;
}

// Takes scripted answers in order; a question nobody scripted fails the test and is cancelled.
template <typename T>
T next(std::deque<T>& answers, const char* what, T fallback) {
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected " << what;
        return fallback;
    }
    T value = std::move(answers.front());
    answers.pop_front();
    return value;
}

class ScriptedFiles : public FileDialogs {
  public:
    std::optional<std::string> openScenario() override {
        ++openCalls;
        return next(opens, "open dialog", std::optional<std::string>());
    }
    std::optional<SaveChoice> saveScenario(bool offerText) override {
        saveOfferedText.push_back(offerText);
        return next(saves, "save dialog", std::optional<SaveChoice>());
    }
    std::vector<std::string> openSounds(bool several) override {
        return next(sounds, "sound file dialog", std::vector<std::string>());
    }

    std::deque<std::optional<std::string>> opens;
    std::deque<std::optional<SaveChoice>> saves;
    std::deque<std::vector<std::string>> sounds;
    std::vector<bool> saveOfferedText;
    int openCalls = 0;
};

// Message boxes answered in order; a box nobody scripted fails the test and is cancelled.
class ScriptedBoxes : public MessageBoxes {
  public:
    BoxAnswer show(QWidget*, const MessageRequest& request) override {
        shown.push_back(request);
        return next(answers, ("message '" + request.text.toStdString() + "'").c_str(),
                    BoxAnswer::Cancel);
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& m : shown)
            out.push_back(m.text.toStdString());
        return out;
    }
    std::deque<BoxAnswer> answers;
    std::vector<MessageRequest> shown;
};

class ScriptedPrompts : public EditorPrompts {
  public:
    std::optional<std::string> password() override {
        return next(passwords, "password prompt", std::optional<std::string>());
    }
    std::optional<std::string> name(const std::string& title, const std::string& current) override {
        nameTitles.push_back(title);
        return next(names, "name dialog", std::optional<std::string>());
    }
    std::optional<std::string> choose(const std::string& title,
                                      const std::vector<std::string>& offered) override {
        chooserTitles.push_back(title);
        lastChoices = offered;
        return next(choices, "chooser", std::optional<std::string>());
    }
    std::optional<SoundFields> sound(const SoundDialogRequest& request) override {
        soundRequests.push_back(request);
        return next(sounds, "sound dialog", std::optional<SoundFields>());
    }
    void togglePreview(const std::string& file) override { previews.push_back(file); }
    void about() override { ++abouts; }

    std::deque<std::optional<std::string>> passwords, names, choices;
    std::deque<std::optional<SoundFields>> sounds;
    std::vector<std::string> nameTitles, chooserTitles, lastChoices, previews;
    std::vector<SoundDialogRequest> soundRequests;
    int abouts = 0;
};

class FakeDesktop : public Desktop {
  public:
    bool openDocument(const std::filesystem::path& file) override {
        opened.push_back(file);
        return true;
    }
    std::optional<std::filesystem::path> findPlayer() override { return player; }
    bool startProgram(const std::filesystem::path& program,
                      const std::vector<std::string>& arguments,
                      const std::filesystem::path& directory) override {
        started.push_back({program, arguments, directory});
        return true;
    }
    struct Start {
        std::filesystem::path program;
        std::vector<std::string> arguments;
        std::filesystem::path directory;
    };
    std::optional<std::filesystem::path> player = std::filesystem::path("/opt/vek/VEK2");
    std::vector<std::filesystem::path> opened;
    std::vector<Start> started;
};

class MemoryPlacement : public PlacementStore {
  public:
    std::optional<std::string> value(std::string_view name) const override {
        auto it = values.find(std::string(name));
        if (it == values.end())
            return std::nullopt;
        return it->second;
    }
    void setValue(std::string_view name, std::string_view text) override {
        values[std::string(name)] = std::string(text);
    }
    std::map<std::string, std::string> values;
};

using vek::testing::InScratchDir;

class WindowTest : public ::testing::Test {
  protected:
    WindowTest();
    ~WindowTest() override;

    // Sends a key to `target` as the keyboard would: through the window's key preview.
    void press(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Writes a scenario file (UTF-8 body lines, stored in code page 1250) and returns its path.
    std::string writeScenario(const std::string& name, const std::vector<std::string>& body);
    // Expects the scripted answers all used.
    void TearDown() override;

    struct AppFirst {
        AppFirst() { testApplication(); }
    } appFirst_;
    InScratchDir cwd;
    EditorDocument doc;
    ScriptedBoxes boxes;
    ScriptedFiles files;
    ScriptedPrompts prompts;
    FakeDesktop desktop;
    MemoryPlacement placement;
    TMenuFilesList recent;
    Mirela2_form form;
};

// UTF-8 test text in the document's code page.
std::string C(std::string_view utf8);

}  // namespace vek::editor::test
