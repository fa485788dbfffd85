#include "editor/document/scenario_io.h"

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <vector>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "common/scenario_format.h"
#include "common/scenario_keys.h"
#include "common/text_file.h"
#include "editor/document/document_snapshot.h"
#include "editor/document/fields.h"

namespace vek::editor {

namespace {

namespace key = scenario_key;

bool flagValue(std::string_view value) {
    return value.empty() || value[0] != '0';
}

// A damaged file can hold a lone carriage return inside a line, which no saved line can keep
// (the writer turns it into a space). Taking it as a space at once means the document holds
// what a save writes, so names sort the same before and after saving.
std::string asWritable(std::string line) {
    std::replace(line.begin(), line.end(), '\r', ' ');
    return line;
}

// Builds a document from body lines; keys may come in any order, later ones win. The fields'
// keys come from the field table; the keys that start a record or add a sound are the reader's.
class DocumentReader {
  public:
    DocumentReader(DocumentContent& doc, ScenarioLineSource& source) : doc_(doc), source_(source) {}

    void run() {
        while (!source_.atEnd())
            handle(asWritable(source_.NextScenarioLine()));
    }

  private:
    using Handler = void (DocumentReader::*)(std::string_view value);
    using Rows = std::vector<const FieldDef*>;

    void handle(const std::string& line) {
        if (auto it = blocks().find(line); it != blocks().end()) {
            std::vector<std::string> content = source_.ReadBlock();
            for (auto& l : content)
                l = asWritable(std::move(l));
            if (void* owner = current(it->second->owner))
                it->second->lines(owner)->assign(std::move(content));
            return;
        }
        std::size_t eq = line.find('=');
        if (eq == std::string::npos)
            return;
        std::string_view key = std::string_view(line).substr(0, eq + 1);
        std::string_view value = std::string_view(line).substr(eq + 1);
        if (auto it = records().find(key); it != records().end())
            (this->*(it->second))(value);
        else if (auto rows = values().find(key); rows != values().end())
            setValue(rows->second, value);
    }

    void setValue(const Rows& rows, std::string_view value) {
        // A key several owners share (the sound name) belongs to the last window or item begun.
        const FieldDef* def = rows.front();
        if (rows.size() > 1) {
            auto it = std::find_if(rows.begin(), rows.end(),
                                   [this](const FieldDef* d) { return d->owner == lastRecord_; });
            if (it == rows.end())
                return;
            def = *it;
        }
        void* owner = current(def->owner);
        if (!owner)
            return;
        if (def->kind == FieldKind::Flag)
            *def->flag(owner) = flagValue(value);
        else
            *def->text(owner) = value;
    }

    void* current(FieldOwner owner) {
        switch (owner) {
            case FieldOwner::Window:
                return window_;
            case FieldOwner::Item:
                return item_;
            case FieldOwner::Menu:
                return menu_;
            case FieldOwner::MenuItem:
                return menuItem_;
            case FieldOwner::Settings:
                break;
        }
        return &doc_.Settings;
    }

    static const std::unordered_map<std::string_view, const FieldDef*>& blocks() {
        static const auto table = [] {
            std::unordered_map<std::string_view, const FieldDef*> t;
            for (const FieldDef& d : FieldTable())
                if (d.lines && !d.key.empty())
                    t.emplace(d.key, &d);
            return t;
        }();
        return table;
    }

    static const std::unordered_map<std::string_view, Rows>& values() {
        static const auto table = [] {
            std::unordered_map<std::string_view, Rows> t;
            for (const FieldDef& d : FieldTable())
                if (!d.lines && !d.key.empty())
                    t[d.key].push_back(&d);
            return t;
        }();
        return table;
    }

    static const std::unordered_map<std::string_view, Handler>& records() {
        static const std::unordered_map<std::string_view, Handler> table = {
            {key::kNewWindow, &DocumentReader::newWindow},
            {key::kNewItem, &DocumentReader::newItem},
            {key::kUserSound, &DocumentReader::sound},
            {key::kSystemSound, &DocumentReader::systemSound},
            {key::kOffMenuItem, &DocumentReader::offMenuItem},
            {key::kNewMenu, &DocumentReader::newMenu},
            {key::kNewMenuItem, &DocumentReader::newMenuItem},
        };
        return table;
    }

    void newWindow(std::string_view v) {
        auto w = std::make_unique<TOkna>();
        w->Name = v;
        window_ = doc_.Windows.add(std::move(w));
        lastRecord_ = FieldOwner::Window;
    }
    void newItem(std::string_view v) {
        auto i = std::make_unique<TPredmet>();
        i->Name = v;
        item_ = doc_.Items.add(std::move(i));
        lastRecord_ = FieldOwner::Item;
    }
    void sound(std::string_view v) { doc_.UserSounds.add(std::string(v)); }
    void systemSound(std::string_view v) { doc_.SystemSounds.add(std::string(v)); }
    void offMenuItem(std::string_view v) {
        if (v.empty() || v[0] < '0' || v[0] > '8')
            return;
        if (TNabidka* main = doc_.Menus.find(kMainMenuName))
            main->Entries.remove(EditorDocument::DefaultMainMenu()[v[0] - '0']);
    }
    void newMenu(std::string_view v) {
        // The two special menus are never records of the file; such a record is ignored.
        if (sameText(v, kMainMenuName) || sameText(v, kSystemMenuName)) {
            menu_ = nullptr;
            return;
        }
        auto m = std::make_unique<TNabidka>();
        m->Name = v;
        menu_ = doc_.Menus.add(std::move(m));
    }
    void newMenuItem(std::string_view v) {
        auto p = std::make_unique<TPolozka>();
        p->Name = v;
        menuItem_ = doc_.MenuItems.add(std::move(p));
    }

    DocumentContent& doc_;
    ScenarioLineSource& source_;
    TOkna* window_ = nullptr;
    TPredmet* item_ = nullptr;
    TNabidka* menu_ = nullptr;
    TPolozka* menuItem_ = nullptr;
    FieldOwner lastRecord_ = FieldOwner::Window;
};

const char* flag(bool b) {
    return b ? "1" : "0";
}

// A line that is exactly "*" would end its block on reading, and the lines after it would be
// read as keys of the file; written with a trailing space it stays a line of the block.
std::vector<std::string> blockLines(const TSpecStrings& list) {
    std::vector<std::string> lines = list.items();
    for (auto& line : lines)
        if (line == "*")
            line = "* ";
    return lines;
}

// The fields of one owner, in the table's order.
void writeFields(ScenarioWriter& w, FieldOwner owner, const void* object) {
    for (const FieldDef& d : FieldTable()) {
        if (d.owner != owner || d.key.empty())
            continue;
        switch (d.kind) {
            case FieldKind::Text: {
                const std::string& text = d.textIn(object);
                if (!text.empty() || !d.omittedWhenEmpty)
                    w.value(d.key, text);
                break;
            }
            case FieldKind::Flag:
                w.value(d.key, flag(d.flagIn(object)));
                break;
            case FieldKind::Lines:
            case FieldKind::Entries:
                w.block(d.key, blockLines(d.linesIn(object)));
                break;
        }
    }
}

// The document and its snapshot are written by the same code.
template <typename Content>
void writeBody(const Content& doc, ScenarioWriter& w) {
    writeFields(w, FieldOwner::Settings, &doc.Settings);
    for (std::size_t i = 0; i < doc.Windows.size(); ++i) {
        const TOkna* o = doc.Windows.objectAt(i);
        w.value(key::kNewWindow, o->Name);
        writeFields(w, FieldOwner::Window, o);
    }
    for (std::size_t i = 0; i < doc.Items.size(); ++i) {
        const TPredmet* p = doc.Items.objectAt(i);
        w.value(key::kNewItem, p->Name);
        writeFields(w, FieldOwner::Item, p);
    }
    for (std::size_t i = 0; i < doc.UserSounds.size(); ++i)
        w.value(key::kUserSound, doc.UserSounds[i]);
    for (const auto& line : doc.SystemSounds)
        w.value(key::kSystemSound, line);
    const auto* main = doc.Menus.find(kMainMenuName);
    const auto& defaults = EditorDocument::DefaultMainMenu();
    for (std::size_t i = 0; i < defaults.size(); ++i)
        if (!main || !main->Entries.contains(defaults[i]))
            w.value(key::kOffMenuItem, std::to_string(i));
    for (std::size_t i = 0; i < doc.Menus.size(); ++i) {
        const TNabidka* m = doc.Menus.objectAt(i);
        if (sameText(m->Name, kMainMenuName) || sameText(m->Name, kSystemMenuName))
            continue;
        w.value(key::kNewMenu, m->Name);
        writeFields(w, FieldOwner::Menu, m);
    }
    for (std::size_t i = 0; i < doc.MenuItems.size(); ++i) {
        const TPolozka* p = doc.MenuItems.objectAt(i);
        w.value(key::kNewMenuItem, p->Name);
        writeFields(w, FieldOwner::MenuItem, p);
    }
}

}  // namespace

std::string PasswordForFile(std::string password) {
    std::replace_if(
        password.begin(), password.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return password;
}

OpenResult ReadScenario(EditorDocument& doc, std::string bytes, const PasswordPrompt& askPassword) {
    ScenarioLineSource source(std::move(bytes));
    if (!isScenarioHeader(source.header()))
        return {OpenStatus::BadHeader, std::string(kBadHeaderMessage)};
    if (source.encoded()) {
        std::optional<std::string> typed = askPassword ? askPassword() : std::nullopt;
        if (!typed)
            return {OpenStatus::Cancelled, {}};
        std::optional<ScrambleKey> key = keyForPassword(*typed);
        // A damaged key line gives no key, so no password can match it.
        if (source.keyLineDamaged() || !key || !(*key == source.key()))
            return {OpenStatus::WrongPassword, std::string(kWrongPasswordMessage)};
    }

    DocumentContent fresh = EditorDocument::EmptyContent();
    fresh.SystemSounds.clear();
    fresh.Settings.Encode = source.encoded();
    fresh.Settings.Password = PasswordForFile(source.storedPassword());
    DocumentReader(fresh, source).run();
    doc.Adopt(std::move(fresh));
    return {};
}

OpenResult OpenScenario(EditorDocument& doc, const std::filesystem::path& path,
                        const PasswordPrompt& askPassword) {
    std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes) {
        // Paths are UTF-8 on this side; the message is in the document's code page.
        std::string name = utf8ToCp1250(path.string()).value_or(path.string());
        return {OpenStatus::CannotRead, "Soubor " + name + " nelze přečíst."_cp};
    }
    std::string previousName = doc.FileName;
    doc.FileName = path.string();
    OpenResult result = ReadScenario(doc, std::move(*bytes), askPassword);
    if (!result.ok())
        doc.FileName = previousName;
    return result;
}

namespace {

template <typename Content>
std::string bytesOf(const Content& doc, Encoding encoding = Encoding::AsSet) {
    const ScenarioSettings& s = doc.Settings;
    bool encoded = encoding == Encoding::AsSet && s.Encode && !s.Password.empty();
    ScenarioWriter writer = encoded ? ScenarioWriter(s.Password) : ScenarioWriter();
    writeBody(doc, writer);
    return writer.bytes();
}

}  // namespace

std::string ScenarioBytes(const EditorDocument& doc, Encoding encoding) {
    return bytesOf(doc.Content(), encoding);
}

std::string ScenarioBytes(const DocumentSnapshot& snapshot) {
    return bytesOf(snapshot);
}

SaveResult SaveScenario(EditorDocument& doc, const std::filesystem::path& path) {
    doc.PurgeUnnamed();
    std::string bytes;
    try {
        bytes = ScenarioBytes(doc);
    } catch (const UnwritablePasswordError& e) {
        return {false, e.what()};
    }
    std::string error;
    if (!writeFileAtomically(path, bytes, &error))
        return {false, error};
    doc.FileName = path.string();
    doc.SetModified(false);
    return {};
}

}  // namespace vek::editor
