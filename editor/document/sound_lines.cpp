#include "editor/document/sound_lines.h"

#include <algorithm>

#include "common/cp1250_literal.h"
#include "common/paths.h"
#include "common/sound_entry.h"
#include "editor/document/document.h"

namespace vek::editor {

namespace {

std::string underscores(std::string s) {
    std::replace(s.begin(), s.end(), ' ', '_');
    return s;
}

const char* kindLetter(SoundCategory category) {
    switch (category) {
        case SoundCategory::Effects:
            return "X";
        case SoundCategory::Music:
            return "M";
        default:
            return "";
    }
}

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

}  // namespace

std::string SoundNameCounter::next(std::string_view base) {
    return std::string(base) + std::to_string(counter_++);
}

SoundFields NewSoundFields(SoundNameCounter& counter) {
    SoundFields f;
    f.id = counter.next();
    return f;
}

SoundFields FieldsFromLine(std::string_view line) {
    SoundFields f;
    f.id = entry_line::Key(line);
    f.text = entry_line::Text(line);
    f.file = entry_line::FileSpec(line);
    f.priority = std::to_string(entry_line::Priority(line));
    switch (entry_line::Kind(line)) {
        case SoundKind::Effect:
            f.category = SoundCategory::Effects;
            break;
        case SoundKind::Music:
            f.category = SoundCategory::Music;
            break;
        case SoundKind::Dialogue:
            f.category = SoundCategory::Dialogue;
            break;
    }
    return f;
}

SoundFields SeveralSoundsFields() {
    SoundFields f;
    f.text = std::string(kUnchangedField);
    f.file = std::string(kUnchangedField);
    f.priority.clear();
    f.category = SoundCategory::Keep;
    return f;
}

std::string EntryFileSpec(std::string_view spec) {
    std::string out(spec);
    std::size_t end = std::min(out.find('|'), out.size());
    std::replace(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(end), '/', '\\');
    return out;
}

std::optional<std::string> SoundFieldsProblem(const SoundFields& fields, SoundDialogMode mode) {
    bool several = mode == SoundDialogMode::ChangeSeveral;
    struct Rule {
        const std::string& value;
        const char* forbidden;
        const char* field;
    };
    const Rule rules[] = {
        {fields.id, "=(", "Identifikátor"_cp},
        {fields.text, "(", "Text"},
        {fields.file, ")", "Soubor"},
    };
    for (const Rule& rule : rules) {
        if (several && rule.value == kUnchangedField)
            continue;
        std::size_t at = rule.value.find_first_of(rule.forbidden);
        if (at != std::string::npos)
            return std::string(rule.field) + " nesmí obsahovat znak '"_cp + rule.value[at] + "'.";
    }
    const std::string& p = fields.priority;
    bool digit = p.size() == 1 && p[0] >= '0' && p[0] <= '9';
    if (!digit && !p.empty())  // an empty priority means none, as "0" does
        return std::string("Priorita musí být číslice 0 až 9."_cp);
    return std::nullopt;
}

std::string BuildSoundLine(const SoundFields& fields, SoundNameCounter& counter) {
    std::string id = underscores(fields.id);
    if (id.empty())
        id = counter.next();
    std::string file = fields.file.empty() ? "wait" : EntryFileSpec(fields.file);
    std::string line = id + "=" + fields.text + "(" + file + ")";
    // An empty priority box means no priority, like "0".
    if (!fields.priority.empty() && fields.priority != "0")
        line += ":" + fields.priority;
    return line + kindLetter(fields.category);
}

std::string ChangeSeveralLine(std::string_view old, const SoundFields& fields) {
    std::string line = std::string(entry_line::Key(old)) + "=";
    line += fields.text != kUnchangedField ? fields.text : std::string(entry_line::Text(old));
    line += "(";
    std::string_view oldFile = entry_line::FileSpec(old);
    if (fields.file == kUnchangedField) {
        line += oldFile;
    } else {
        std::string prefix = EntryFileSpec(fields.file);
        if (!prefix.empty() && prefix.find('.') == std::string::npos && prefix.back() != '\\')
            prefix += "\\";
        if (prefix.size() >= 4 &&
            sameText(std::string_view(prefix).substr(prefix.size() - 4), ".zvk"))
            prefix += "|";
        std::size_t cut = prefix.find_last_of("|\\");
        prefix = cut == std::string::npos ? std::string() : prefix.substr(0, cut + 1);
        // Lines stored before every path used "\\" may still hold "/".
        std::size_t oldCut = oldFile.find_last_of("|\\/");
        line += prefix;
        line += oldCut == std::string_view::npos ? oldFile : oldFile.substr(oldCut + 1);
    }
    line += ")";
    if (!fields.priority.empty()) {
        if (fields.priority != "0")
            line += ":" + fields.priority;
    } else if (int p = entry_line::Priority(old); p != 0) {
        line += ":" + std::to_string(p);
    }
    if (fields.category == SoundCategory::Keep) {
        if (!old.empty() && (old.back() == 'M' || old.back() == 'X'))
            line += old.back();
    } else {
        line += kindLetter(fields.category);
    }
    return line;
}

std::string RelativeToDirectory(std::string_view path, std::string_view directory) {
    while (!directory.empty() && isSeparator(directory.back()))
        directory.remove_suffix(1);
    if (!directory.empty() && path.size() > directory.size() && path.starts_with(directory) &&
        isSeparator(path[directory.size()]))
        return std::string(path.substr(directory.size() + 1));
    return std::string(path);
}

std::string IdentifierFromFile(std::string_view path) {
    std::string_view name = fileNamePart(path);
    return underscores(std::string(name.substr(0, name.find('.'))));
}

std::optional<std::string> EntryPath(std::string_view path, std::string_view directory,
                                     EncodingError* error) {
    std::optional<std::string> converted =
        utf8ToCp1250(RelativeToDirectory(path, directory), error);
    if (converted)
        std::replace(converted->begin(), converted->end(), '/', '\\');
    return converted;
}

bool BrowseSoundFile(SoundFields& fields, std::string_view path, std::string_view directory,
                     EncodingError* error) {
    std::optional<std::string> file = EntryPath(path, directory, error);
    if (!file)
        return false;
    fields.file = std::move(*file);
    if (fields.id.starts_with("Nový_zvuk"_cp) || fields.id.starts_with("Nová_hudba"_cp)) {
        std::string_view name = fileNamePart(fields.file);
        fields.id = std::string(name.substr(0, name.find('.')));
    }
    return true;
}

std::string ChangeSeveralQuestion(std::size_t count) {
    return "Změnit "_cp + std::to_string(count) + " označených zvuků?"_cp;
}

std::string DeleteSeveralQuestion(std::size_t count) {
    return "Smazat " + std::to_string(count) + " označených zvuků?"_cp;
}

std::vector<std::size_t> ApplySoundDialog(EditorDocument& doc, SoundDialogMode mode,
                                          const SoundFields& fields,
                                          const std::vector<std::size_t>& selected,
                                          SoundNameCounter& counter) {
    const SortedLines& sounds = doc.UserSounds();
    switch (mode) {
        case SoundDialogMode::New:
            return doc.ChangeUserSounds({}, {BuildSoundLine(fields, counter)});
        case SoundDialogMode::ChangeOne:
            if (!selected.empty() && selected.front() < sounds.size())
                return doc.ChangeUserSounds({selected.front()}, {BuildSoundLine(fields, counter)});
            return doc.ChangeUserSounds({}, {});
        case SoundDialogMode::ChangeSystem: {
            StringList system = doc.SystemSounds();
            if (!selected.empty() && selected.front() < system.size())
                system.set(selected.front(), BuildSoundLine(fields, counter));
            doc.SetSystemSounds(std::move(system));
            return {};
        }
        case SoundDialogMode::ChangeSeveral: {
            std::vector<std::size_t> order = selected;
            std::sort(order.begin(), order.end());
            order.erase(std::unique(order.begin(), order.end()), order.end());
            std::vector<std::size_t> remove;
            std::vector<std::string> rewritten;
            for (auto it = order.rbegin(); it != order.rend(); ++it)
                if (*it < sounds.size()) {
                    remove.push_back(*it);
                    rewritten.push_back(ChangeSeveralLine(sounds[*it], fields));
                }
            return doc.ChangeUserSounds(std::move(remove), std::move(rewritten));
        }
    }
    return {};
}

AddedSounds AddMoreSounds(EditorDocument& doc, const std::vector<std::string>& paths,
                          std::string_view directory) {
    AddedSounds result;
    std::vector<std::string> lines;
    for (const auto& path : paths) {
        EncodingError error;
        std::optional<std::string> file = EntryPath(path, directory, &error);
        if (!file) {
            if (result.refused.empty())
                result.firstError = error;
            result.refused.push_back(path);
            continue;
        }
        lines.push_back(IdentifierFromFile(*file) + "=(" + *file + ")");
        ++result.added;
    }
    if (result.added > 0)
        doc.ChangeUserSounds({}, std::move(lines));
    return result;
}

}  // namespace vek::editor
