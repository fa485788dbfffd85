// A document, answered message boxes and file dialogs, and a sound output that keeps time only
// when told: what every dialog test drives.
#pragma once

#include <deque>
#include <optional>

#include <gtest/gtest.h>

#include <QString>

#include "editor/document/cz.h"
#include "editor/document/document.h"
#include "editor/ui/sound_preview.h"
#include "editor/ui/zvuky_form.h"
#include "player/sound/virtual_device.h"
#include "tests/common/qt/qt_app.h"
#include "tests/common/qt/recording_boxes.h"

namespace vek::editor::test {

inline QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Sound files picked as an author picks them, one answer per dialog.
struct FakeBrowser {
    std::deque<std::string> chosen;  // UTF-8 paths
    int asked = 0;
    SoundBrowser browser() {
        return [this](QWidget*) -> std::optional<std::string> {
            ++asked;
            if (chosen.empty())
                return std::nullopt;
            std::string path = chosen.front();
            chosen.pop_front();
            return path;
        };
    }
};

class DialogFixture : public ::testing::Test {
  protected:
    DialogFixture() {
        testApplication();
        doc.CreateStartupScenario();
    }
    EditorDocument doc;
    RecordingBoxes boxes;
    FakeBrowser files;
    VirtualDevice device;
    SoundPreview preview{&device};
};

}  // namespace vek::editor::test
