// The editor's reader on arbitrary bytes, plain and encoded: it must never crash, and whatever
// it loads must save to a file that reads back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/scenario_format.h"
#include "editor/document/scenario_io.h"

namespace {

std::string savedBytes(const vek::editor::EditorDocument& doc, bool& ok) {
    try {
        ok = true;
        return vek::editor::ScenarioBytes(doc);
    } catch (const vek::UnwritablePasswordError&) {
        ok = false;  // a stored password the writer refuses
        return {};
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    // The first byte picks the password typed at the prompt: none, or one of its length taken
    // from the following bytes.
    std::size_t passwordLength = data[0] % 8;
    ++data;
    --size;
    if (passwordLength > size)
        passwordLength = size;
    std::string password(reinterpret_cast<const char*>(data), passwordLength);
    std::string bytes(reinterpret_cast<const char*>(data) + passwordLength, size - passwordLength);

    vek::editor::EditorDocument doc;
    doc.CreateStartupScenario();
    auto prompt = [&]() -> std::optional<std::string> {
        if (password.empty())
            return std::nullopt;
        return password;
    };
    if (!vek::editor::ReadScenario(doc, bytes, prompt).ok())
        return 0;

    bool ok = false;
    std::string saved = savedBytes(doc, ok);
    if (!ok)
        return 0;
    vek::editor::EditorDocument again;
    std::string storedPassword = doc.Settings().Password;
    auto samePassword = [&]() -> std::optional<std::string> { return storedPassword; };
    if (!vek::editor::ReadScenario(again, saved, samePassword).ok())
        std::abort();
    if (savedBytes(again, ok) != saved)
        std::abort();
    return 0;
}
