#include "editor/document/text_export.h"

#include <utility>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "common/text_file.h"
#include "editor/document/fields.h"

namespace vek::editor {

namespace {

constexpr std::size_t kNameLineLimit = 200;

void appendNameList(std::vector<std::string>& out, const char* heading,
                    const std::vector<std::string>& names) {
    out.emplace_back(heading);
    std::string line = "  ";
    for (const auto& name : names) {
        line += name + ", ";
        if (line.size() > kNameLineLimit) {
            out.push_back(std::move(line));
            line = "  ";
        }
    }
    if (line != "  ")
        out.push_back(std::move(line));
    out.emplace_back();
}

// The owner's non-empty story fields, each under its label.
void appendScripts(std::vector<std::string>& out, FieldOwner owner, const void* object) {
    for (const FieldDef* field : StoryFields(owner)) {
        const TSpecStrings& lines = field->linesIn(object);
        if (lines.empty())
            continue;
        out.push_back("  " + utf8ToCp1250(field->label).value_or(std::string()) + ":");
        out.insert(out.end(), lines.begin(), lines.end());
    }
}

void appendItems(std::vector<std::string>& out, const EditorDocument& doc, bool characters) {
    for (std::size_t i = 0; i < doc.Items().size(); ++i) {
        const TPredmet& p = *doc.Items().objectAt(i);
        if (p.IsCharacter != characters)
            continue;
        out.push_back("* " + cpUpper(p.Name) + " *");
        appendScripts(out, FieldOwner::Item, &p);
        out.emplace_back();
    }
}

}  // namespace

std::vector<std::string> ExportTextLines(const EditorDocument& doc) {
    std::vector<std::string> out;
    out.push_back("--- " + doc.Settings().ScenarioName + " ---");
    out.emplace_back();

    std::vector<std::string> items, characters;
    for (std::size_t i = 0; i < doc.Items().size(); ++i)
        (doc.Items().objectAt(i)->IsCharacter ? characters : items)
            .push_back(doc.Items().nameAt(i));
    appendNameList(out, "OKNA:", doc.Windows().names());
    appendNameList(out, "PŘEDMĚTY:"_cp, items);
    appendNameList(out, "POSTAVY:", characters);

    out.emplace_back("***** O K N A *****");
    out.emplace_back();
    for (std::size_t i = 0; i < doc.Windows().size(); ++i) {
        const TOkna& o = *doc.Windows().objectAt(i);
        out.push_back("* " + cpUpper(o.Name) + " *");
        appendScripts(out, FieldOwner::Window, &o);
        out.emplace_back();
    }

    out.emplace_back("***** P Ř E D M Ě T Y *****"_cp);
    out.emplace_back();
    appendItems(out, doc, false);
    out.emplace_back("***** P O S T A V Y *****");
    out.emplace_back();
    appendItems(out, doc, true);

    // The scenario's texts stand on their own, without labels.
    for (const FieldDef* field : StoryFields(FieldOwner::Settings)) {
        const TSpecStrings& text = field->linesIn(&doc.Settings());
        if (text.empty())
            continue;
        out.insert(out.end(), text.begin(), text.end());
        out.emplace_back();
    }
    return out;
}

bool ExportText(const EditorDocument& doc, const std::filesystem::path& path, std::string* error) {
    return writeLinesAtomically(path, ExportTextLines(doc), error);
}

}  // namespace vek::editor
