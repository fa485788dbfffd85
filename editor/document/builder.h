// Script lines built from plain-Czech sentences: the condition, action and sound-action
// templates, the values each parameter offers, the text each template produces, and where that
// text goes into a script.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vek::editor {

class EditorDocument;

enum class BuilderPurpose { Conditions, Actions, SoundActions, SingleSound };

// One parameter as the author left it: the text of the box and the index of the picked entry
// (-1 when the text was typed).
struct BuilderParam {
    std::string text;
    int index = -1;
};
using BuilderParams = std::array<BuilderParam, 3>;

struct BuilderTemplate {
    std::string sentence;  // shown in the sentence list
    std::string pattern;   // labels and *slot* keywords
    std::function<std::string(const BuilderParams&)> produce;
};

// The sentences of a purpose, in the order they are offered.
const std::vector<BuilderTemplate>& BuilderTemplates(BuilderPurpose purpose);
std::string BuilderCaption(BuilderPurpose purpose);
// The result the dialog holds before OK: "A=", "ADD(X,Y);" or "Play(X);".
std::string BuilderPlaceholder(BuilderPurpose purpose);

// A template read as up to three label/slot pairs and the text left after them.
struct TemplateLayout {
    std::array<std::string, 3> labels;
    std::array<std::string, 3> slotNames;  // empty: the box stays hidden
    std::string trailing;
    // Pixel placement of a shown box: left edge and width.
    static int boxLeft(std::string_view label) { return 5 * static_cast<int>(label.size()) + 40; }
    static int boxWidth(const std::vector<std::string>& entries);
};
TemplateLayout LayoutTemplate(std::string_view pattern);

// The entries a slot offers, in order (the box shows the first).
std::vector<std::string> SlotEntries(std::string_view slot, const EditorDocument& doc);

struct ConditionOptions {
    bool negate = false;       // "Negace"
    bool disjunction = false;  // "Disjunkce" rather than "Konjunkce"
};

// The text OK produces for template `index` of `purpose`; the condition options apply only to
// conditions.
std::string BuildText(BuilderPurpose purpose, std::size_t index, const BuilderParams& params,
                      ConditionOptions options = {});

// A script text with the caret (a byte offset) after an insertion.
struct Insertion {
    std::string text;
    std::size_t caret = 0;
};

// Puts a condition into the bracket group at the start of the caret's line.
Insertion InsertCondition(std::string_view text, std::size_t caret, std::string_view result);

// Puts an action at the caret (replacing `selected` characters there), with spaces around it;
// a READ action of the action builder is placed by line.
Insertion InsertAction(std::string_view text, std::size_t caret, std::size_t selected,
                       std::string_view result, BuilderPurpose purpose);

}  // namespace vek::editor
