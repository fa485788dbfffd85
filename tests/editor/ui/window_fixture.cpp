#include "tests/editor/ui/window_fixture.h"

#include "common/cp1250.h"
#include "common/text_file.h"

namespace vek::editor::test {

std::string C(std::string_view utf8) {
    return utf8ToCp1250(utf8).value();
}

WindowTest::WindowTest() : form(doc, {boxes, files, prompts, desktop, placement, recent}) {
    form.start();
    form.show();
    QApplication::setActiveWindow(&form);
    QApplication::processEvents();
}

WindowTest::~WindowTest() = default;

void WindowTest::TearDown() {
    EXPECT_TRUE(boxes.answers.empty()) << "unused message answers";
    EXPECT_TRUE(files.saves.empty()) << "unused save dialog answers";
    EXPECT_TRUE(files.opens.empty()) << "unused open dialog answers";
    EXPECT_TRUE(prompts.names.empty() && prompts.choices.empty() && prompts.sounds.empty() &&
                prompts.passwords.empty())
        << "unused dialog answers";
    // The window is closed without asking: the document is not the user's.
    doc.SetModified(false);
}

void WindowTest::press(QWidget* target, int key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

std::string WindowTest::writeScenario(const std::string& name,
                                      const std::vector<std::string>& body) {
    std::vector<std::string> lines{"VEK scenario"};
    for (const auto& line : body)
        lines.push_back(C(line));
    auto path = cwd.dir.path() / name;
    writeLinesAtomically(path, lines);
    return path.string();
}

}  // namespace vek::editor::test
