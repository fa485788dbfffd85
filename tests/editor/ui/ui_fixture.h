// A document, answered message boxes and file dialogs, and a sound output that keeps time only
// when told: what every dialog test drives.
#pragma once

#include <deque>
#include <optional>

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include "editor/document/cz.h"
#include "editor/document/document.h"
#include "editor/ui/file_dialogs.h"
#include "editor/ui/sound_preview.h"
#include "player/sound/virtual_device.h"
#include "tests/common/qt/qt_app.h"
#include "tests/common/qt/recording_boxes.h"

namespace vek::editor::test {

inline QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

class FakeFileDialogs : public FileDialogs {
  public:
    std::optional<QString> openFile(QWidget*, const FileDialogRequest& request) override {
        requests.push_back(request);
        if (chosen.empty())
            return std::nullopt;
        QString path = chosen.front();
        chosen.pop_front();
        return path;
    }
    QStringList openFiles(QWidget*, const FileDialogRequest& request) override {
        requests.push_back(request);
        return QStringList(chosen.begin(), chosen.end());
    }
    std::optional<SavedFileChoice> saveFile(QWidget*, const FileDialogRequest& request) override {
        requests.push_back(request);
        return std::nullopt;
    }
    std::deque<QString> chosen;  // what the author picks, one per dialog
    std::vector<FileDialogRequest> requests;
};

class DialogFixture : public ::testing::Test {
  protected:
    DialogFixture() {
        testApplication();
        doc.CreateStartupScenario();
    }
    EditorDocument doc;
    RecordingBoxes boxes;
    FakeFileDialogs files;
    VirtualDevice device;
    SoundPreview preview{&device};
};

}  // namespace vek::editor::test
