#include "editor/checker/czech.h"

#include "common/cp1250.h"

namespace vek::editor {

std::string cz(std::string_view utf8) {
    return utf8ToCp1250(utf8).value_or(std::string(utf8));
}

std::string say(std::string_view utf8Template, std::initializer_list<std::string_view> args) {
    std::string text = cz(utf8Template);
    std::string out;
    out.reserve(text.size() + 32);
    auto arg = args.begin();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '{' && i + 1 < text.size() && text[i + 1] == '}' && arg != args.end()) {
            out += *arg++;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace vek::editor
