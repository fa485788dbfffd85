#include "editor/document/scenario_io.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "common/scenario_format.h"
#include "common/text_file.h"

namespace vek::editor {

namespace {

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

// Builds a document from body lines; keys may come in any order, later ones win.
class DocumentReader {
  public:
    DocumentReader(EditorDocument& doc, ScenarioLineSource& source) : doc_(doc), source_(source) {}

    void run() {
        while (!source_.atEnd())
            handle(asWritable(source_.NextScenarioLine()));
    }

  private:
    using Handler = void (DocumentReader::*)(std::string_view value);
    using BlockTarget = TSpecStrings* (DocumentReader::*)();

    void handle(const std::string& line) {
        if (auto it = blocks().find(line); it != blocks().end()) {
            std::vector<std::string> content = source_.ReadBlock();
            for (auto& l : content)
                l = asWritable(std::move(l));
            if (TSpecStrings* target = (this->*(it->second))())
                target->assign(std::move(content));
            return;
        }
        std::size_t eq = line.find('=');
        if (eq == std::string::npos)
            return;
        std::string_view key = std::string_view(line).substr(0, eq + 1);
        if (auto it = values().find(key); it != values().end())
            (this->*(it->second))(std::string_view(line).substr(eq + 1));
    }

    static const std::unordered_map<std::string_view, Handler>& values() {
        static const std::unordered_map<std::string_view, Handler> table = {
            {"JMENO=", &DocumentReader::name},
            {"START=", &DocumentReader::start},
            {"MAXITEMS=", &DocumentReader::maxItems},
            {"MLUVPRED=", &DocumentReader::talk},
            {"REPWALK=", &DocumentReader::repWalk},
            {"REPTAKE=", &DocumentReader::repTake},
            {"CYKLUSINTERVAL=", &DocumentReader::interval},
            {"CYKLUSAKTIVNI=", &DocumentReader::cycleActive},
            {"NOVEOKNO=", &DocumentReader::newWindow},
            {"KAM=", &DocumentReader::kam},
            {"NAZEVWAV=", &DocumentReader::soundId},
            {"NOVYPREDMET=", &DocumentReader::newItem},
            {"CO=", &DocumentReader::co},
            {"VZIT=", &DocumentReader::canTake},
            {"NA=", &DocumentReader::useOn},
            {"POSTAVA=", &DocumentReader::character},
            {"NOVYWAV=", &DocumentReader::sound},
            {"NOVYSYSWAV=", &DocumentReader::systemSound},
            {"OFFMENUITEM=", &DocumentReader::offMenuItem},
            {"NOVANABIDKA=", &DocumentReader::newMenu},
            {"NADNABIDKA=", &DocumentReader::parent},
            {"NOVAPOLOZKA=", &DocumentReader::newMenuItem},
            {"POLOZKAWAV=", &DocumentReader::menuItemSound},
        };
        return table;
    }

    static const std::unordered_map<std::string_view, BlockTarget>& blocks() {
        static const std::unordered_map<std::string_view, BlockTarget> table = {
            {"INVENTORY=", &DocumentReader::inventory},
            {"INTROTEXT=", &DocumentReader::intro},
            {"WINTEXT=", &DocumentReader::win},
            {"LOSETEXT=", &DocumentReader::lose},
            {"CYKLUSTEXT=", &DocumentReader::cycle},
            {"ROZHLEDNI=", &DocumentReader::look},
            {"PRICHOD=", &DocumentReader::arrival},
            {"ODCHOD=", &DocumentReader::departure},
            {"CESTY=", &DocumentReader::paths},
            {"PREDMETY=", &DocumentReader::items},
            {"SKLADBY=", &DocumentReader::music},
            {"PROZKOUMEJ=", &DocumentReader::examine},
            {"VEZMI=", &DocumentReader::take},
            {"POLOZ=", &DocumentReader::put},
            {"POUZIJ=", &DocumentReader::use},
            {"PROMLUV=", &DocumentReader::talkScript},
            {"POLOZKY=", &DocumentReader::entries},
            {"FUNKCEPOLOZKY=", &DocumentReader::function},
        };
        return table;
    }

    ScenarioSettings& s() { return doc_.Settings; }
    void name(std::string_view v) { s().ScenarioName = v; }
    void start(std::string_view v) { s().StartWindow = v; }
    void maxItems(std::string_view v) { s().MaxItems = v; }
    void talk(std::string_view v) { s().TalkToItems = flagValue(v); }
    void repWalk(std::string_view v) { s().ReportWalk = flagValue(v); }
    void repTake(std::string_view v) { s().ReportTake = flagValue(v); }
    void interval(std::string_view v) { s().CycleInterval = v; }
    void cycleActive(std::string_view v) { s().CycleActive = flagValue(v); }

    void newWindow(std::string_view v) {
        auto w = std::make_unique<TOkna>();
        w->Name = v;
        window_ = doc_.Windows.add(std::move(w));
        lastWasItem_ = false;
    }
    void kam(std::string_view v) {
        if (window_)
            window_->Kam = v;
    }
    void soundId(std::string_view v) {
        if (lastWasItem_ && item_)
            item_->SoundId = v;
        else if (!lastWasItem_ && window_)
            window_->SoundId = v;
    }
    void newItem(std::string_view v) {
        auto i = std::make_unique<TPredmet>();
        i->Name = v;
        item_ = doc_.Items.add(std::move(i));
        lastWasItem_ = true;
    }
    void co(std::string_view v) {
        if (item_)
            item_->Co = v;
    }
    void canTake(std::string_view v) {
        if (item_)
            item_->CanTake = flagValue(v);
    }
    void useOn(std::string_view v) {
        if (item_)
            item_->UseOn = flagValue(v);
    }
    void character(std::string_view v) {
        if (item_)
            item_->IsCharacter = flagValue(v);
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
    void parent(std::string_view v) {
        if (menu_)
            menu_->Parent = v;
    }
    void newMenuItem(std::string_view v) {
        auto p = std::make_unique<TPolozka>();
        p->Name = v;
        menuItem_ = doc_.MenuItems.add(std::move(p));
    }
    void menuItemSound(std::string_view v) {
        if (menuItem_)
            menuItem_->SoundId = v;
    }

    TSpecStrings* inventory() { return &s().Inventory; }
    TSpecStrings* intro() { return &s().IntroText; }
    TSpecStrings* win() { return &s().WinText; }
    TSpecStrings* lose() { return &s().LoseText; }
    TSpecStrings* cycle() { return &s().CycleText; }
    TSpecStrings* look() { return window_ ? &window_->LookScript : nullptr; }
    TSpecStrings* arrival() { return window_ ? &window_->ArrivalScript : nullptr; }
    TSpecStrings* departure() { return window_ ? &window_->DepartureScript : nullptr; }
    TSpecStrings* paths() { return window_ ? &window_->Paths : nullptr; }
    TSpecStrings* items() { return window_ ? &window_->Items : nullptr; }
    TSpecStrings* music() { return window_ ? &window_->Music : nullptr; }
    TSpecStrings* examine() { return item_ ? &item_->ExamineScript : nullptr; }
    TSpecStrings* take() { return item_ ? &item_->TakeScript : nullptr; }
    TSpecStrings* put() { return item_ ? &item_->PutScript : nullptr; }
    TSpecStrings* use() { return item_ ? &item_->UseScript : nullptr; }
    TSpecStrings* talkScript() { return item_ ? &item_->TalkScript : nullptr; }
    TSpecStrings* entries() { return menu_ ? &menu_->Entries : nullptr; }
    TSpecStrings* function() { return menuItem_ ? &menuItem_->FunctionScript : nullptr; }

    EditorDocument& doc_;
    ScenarioLineSource& source_;
    TOkna* window_ = nullptr;
    TPredmet* item_ = nullptr;
    TNabidka* menu_ = nullptr;
    TPolozka* menuItem_ = nullptr;
    bool lastWasItem_ = false;
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

void writeBody(const EditorDocument& doc, ScenarioWriter& w) {
    const ScenarioSettings& s = doc.Settings;
    w.value("JMENO=", s.ScenarioName);
    w.value("START=", s.StartWindow);
    w.value("MAXITEMS=", s.MaxItems);
    w.block("INVENTORY=", blockLines(s.Inventory));
    w.block("INTROTEXT=", blockLines(s.IntroText));
    w.block("WINTEXT=", blockLines(s.WinText));
    w.block("LOSETEXT=", blockLines(s.LoseText));
    w.block("CYKLUSTEXT=", blockLines(s.CycleText));
    w.value("MLUVPRED=", flag(s.TalkToItems));
    w.value("REPWALK=", flag(s.ReportWalk));
    w.value("REPTAKE=", flag(s.ReportTake));
    w.value("CYKLUSINTERVAL=", s.CycleInterval);
    w.value("CYKLUSAKTIVNI=", flag(s.CycleActive));
    for (std::size_t i = 0; i < doc.Windows.size(); ++i) {
        const TOkna& o = *doc.Windows.objectAt(i);
        w.value("NOVEOKNO=", o.Name);
        if (!o.Kam.empty())
            w.value("KAM=", o.Kam);
        if (!o.SoundId.empty())
            w.value("NAZEVWAV=", o.SoundId);
        w.block("ROZHLEDNI=", blockLines(o.LookScript));
        w.block("PRICHOD=", blockLines(o.ArrivalScript));
        w.block("ODCHOD=", blockLines(o.DepartureScript));
        w.block("CESTY=", blockLines(o.Paths));
        w.block("PREDMETY=", blockLines(o.Items));
        w.block("SKLADBY=", blockLines(o.Music));
    }
    for (std::size_t i = 0; i < doc.Items.size(); ++i) {
        const TPredmet& p = *doc.Items.objectAt(i);
        w.value("NOVYPREDMET=", p.Name);
        if (!p.Co.empty())
            w.value("CO=", p.Co);
        if (!p.SoundId.empty())
            w.value("NAZEVWAV=", p.SoundId);
        w.block("PROZKOUMEJ=", blockLines(p.ExamineScript));
        w.block("VEZMI=", blockLines(p.TakeScript));
        w.block("POLOZ=", blockLines(p.PutScript));
        w.block("POUZIJ=", blockLines(p.UseScript));
        w.block("PROMLUV=", blockLines(p.TalkScript));
        w.value("VZIT=", flag(p.CanTake));
        w.value("NA=", flag(p.UseOn));
        w.value("POSTAVA=", flag(p.IsCharacter));
    }
    for (std::size_t i = 0; i < doc.UserSounds.size(); ++i)
        w.value("NOVYWAV=", doc.UserSounds[i]);
    for (const auto& line : doc.SystemSounds)
        w.value("NOVYSYSWAV=", line);
    const TNabidka* main = doc.Menus.find(kMainMenuName);
    const auto& defaults = EditorDocument::DefaultMainMenu();
    for (std::size_t i = 0; i < defaults.size(); ++i)
        if (!main || !main->Entries.contains(defaults[i]))
            w.value("OFFMENUITEM=", std::to_string(i));
    for (std::size_t i = 0; i < doc.Menus.size(); ++i) {
        const TNabidka& m = *doc.Menus.objectAt(i);
        if (sameText(m.Name, kMainMenuName) || sameText(m.Name, kSystemMenuName))
            continue;
        w.value("NOVANABIDKA=", m.Name);
        w.value("NADNABIDKA=", m.Parent);
        w.block("POLOZKY=", blockLines(m.Entries));
    }
    for (std::size_t i = 0; i < doc.MenuItems.size(); ++i) {
        const TPolozka& p = *doc.MenuItems.objectAt(i);
        w.value("NOVAPOLOZKA=", p.Name);
        w.value("POLOZKAWAV=", p.SoundId);
        w.block("FUNKCEPOLOZKY=", blockLines(p.FunctionScript));
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

    EditorDocument fresh;
    fresh.ClearDocument();
    fresh.SystemSounds.clear();
    fresh.Settings.Encode = source.encoded();
    fresh.Settings.Password = PasswordForFile(source.storedPassword());
    DocumentReader(fresh, source).run();
    fresh.PurgeUnnamed();
    fresh.ShownWindow = fresh.Windows.empty() ? nullptr : fresh.Windows.objectAt(0);
    fresh.ShownItem = fresh.Items.empty() ? nullptr : fresh.Items.objectAt(0);
    fresh.ShownMenuItem = fresh.MenuItems.empty() ? nullptr : fresh.MenuItems.objectAt(0);
    fresh.ShownMenu = fresh.Menus.find(kMainMenuName);
    fresh.FileName = doc.FileName;
    fresh.Modified = false;
    doc.AdoptContent(std::move(fresh));
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

std::string ScenarioBytes(const EditorDocument& doc) {
    const ScenarioSettings& s = doc.Settings;
    ScenarioWriter writer =
        s.Encode && !s.Password.empty() ? ScenarioWriter(s.Password) : ScenarioWriter();
    writeBody(doc, writer);
    return writer.bytes();
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
