#include "editor/document/builder.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "common/cp1250_literal.h"
#include "common/sound_entry.h"
#include "editor/document/document.h"

namespace vek::editor {

namespace {

using P = BuilderParams;

const std::string& t(const P& p, int i) {
    return p[static_cast<std::size_t>(i - 1)].text;
}
int idx(const P& p, int i) {
    return p[static_cast<std::size_t>(i - 1)].index;
}

// A picked on/off entry gives its index; a typed value is used as typed.
std::string switchValue(const BuilderParam& p) {
    return p.index >= 0 ? std::to_string(p.index) : p.text;
}

std::string comparison(const P& p) {
    std::string s = t(p, 1) + "=" + t(p, 3);
    static const char ops[] = {'=', '<', '>', 'x'};
    if (s.size() > 3 && idx(p, 2) >= 1 && idx(p, 2) <= 3)
        s[3] = ops[idx(p, 2)];
    return s;
}

std::string sign(const P& p) {
    switch (idx(p, 1)) {
        case 1:
            return "+";
        case 2:
            return "-";
        default:
            return "";
    }
}

std::string allAsStar(const std::string& s) {
    return s == "(všechny)"_cp ? "*" : s;
}

std::string stripQuotes(std::string s) {
    if (!s.empty() && s.front() == '"')
        s.erase(0, 1);
    if (!s.empty() && s.back() == '"')
        s.pop_back();
    return s;
}

std::vector<BuilderTemplate> conditionTemplates() {
    auto same = [](const char* sentence, const char* text) {
        return BuilderTemplate{sentence, sentence, [text](const P&) { return std::string(text); }};
    };
    return {
        {"Aktuální okno je"_cp, "*akt*okno je*okna*",
         [](const P& p) { return (idx(p, 1) == 0 ? "A=" : "B=") + t(p, 2); }},
        {"Přepínač je nastaven na hodnotu"_cp, "Přepínač*P*je nastaven na*pp*"_cp,
         [](const P& p) { return t(p, 1) + "=" + switchValue(p[1]); }},
        {"Čítač je nastaven na číslo"_cp, "Čítač*C*je*nastav*číslo*nn*"_cp, comparison},
        {"String je nastaven na text", "String*S*je nastaven na text*text*",
         [](const P& p) { return t(p, 1) + "=\"" + t(p, 2) + "\""; }},
        {"Timer je nastaven na číslo"_cp, "Timer*T*je*nastav*číslo*text*"_cp, comparison},
        {"Předmět se nachází v okně"_cp, "Předmět*predm*se nachází v okně*okna*"_cp,
         [](const P& p) { return "IN(" + t(p, 2) + "," + t(p, 1) + ")"; }},
        {"Cesta se nachází v okně"_cp, "Cesta*okna*se nachází v okně*okna*"_cp,
         [](const P& p) { return "INCS(" + t(p, 2) + "," + t(p, 1) + ")"; }},
        {"Parametr je nastaven na hodnotu", "Parametr je nastaven na*vsechno*",
         [](const P& p) { return "%1=" + t(p, 1); }},
        {"Proveď s pravděpodobností (v procentech)"_cp, "Proveď s pravděpodobností*pst*"_cp,
         [](const P& p) { return "PST(" + t(p, 1) + ")"; }},
        {"Na pozadí hraje (dohrál) zvuk"_cp, "Na pozadí *hraje* zvuk *zvuk*"_cp,
         [](const P& p) { return (t(p, 1) == "hraje" ? "PLAYING(" : "PLAYFIN(") + t(p, 2) + ")"; }},
        same("Poprvé provedená akce"_cp, "FIRST"),
        same("Plný počet předmětů"_cp, "FULL"),
        same("Předchozí podmínka"_cp, "LAST"),
        same("Žádná z podmínek neplatí"_cp, "ELSE"),
    };
}

std::vector<BuilderTemplate> actionTemplates() {
    auto same = [](const char* sentence, const char* text) {
        return BuilderTemplate{sentence, sentence, [text](const P&) { return std::string(text); }};
    };
    auto addRemove = [](const char* add, const char* remove) {
        return [add, remove](const P& p) {
            return std::string(idx(p, 1) == 0 ? add : remove) + t(p, 3) + "," + allAsStar(t(p, 2)) +
                   ");";
        };
    };
    auto setNumber = [](const P& p) { return "SET(" + t(p, 2) + "," + sign(p) + t(p, 3) + ");"; };
    return {
        {"Přidej či zruš předmět v okně"_cp, "*prid*předmět*predm*v okně*okna*"_cp,
         addRemove("ADD(", "REM(")},
        {"Přidej či zruš cestu v okně"_cp, "*prid*cestu*okna*v okně*okna*"_cp,
         [](const P& p) {
             return (idx(p, 1) == 0 ? "ADDCS(" : "REMCS(") + t(p, 3) + "," + t(p, 2) + ");";
         }},
        {"Vyměň předmět za předmět"_cp, "Vyměň*predm*za*predm*"_cp,
         [](const P& p) { return "EXCH(" + t(p, 1) + "," + t(p, 2) + ");"; }},
        {"Nastav přepínač na hodnotu"_cp, "Nastav přepínač*P*na hodnotu*pp*"_cp,
         [](const P& p) { return "SET(" + t(p, 1) + "," + switchValue(p[1]) + ");"; }},
        {"Nastav čítač na číslo"_cp, "*nast*čítač*C*na hodnotu*nn*"_cp, setNumber},
        {"Nastav string na text", "Nastav string*S*na text*text*",
         [](const P& p) { return "SET(" + t(p, 1) + ",\"" + stripQuotes(t(p, 2)) + "\");"; }},
        {"Nastav timer na hodnotu", "*nast*timer*T*na hodnotu*nn*", setNumber},
        {"Přesuň se do okna"_cp, "Nastav aktuální okno*okna*"_cp,
         [](const P& p) { return "GO(" + t(p, 1) + ");"; }},
        {"Přesuň přeměty z okna do okna"_cp, "Přesuň přeměty z*okna* do*okna*"_cp,
         [](const P& p) { return "TRANS(" + t(p, 1) + "," + t(p, 2) + ");"; }},
        {"Zobraz nabídku"_cp, "Zobraz nabídku*nabidka*"_cp,
         [](const P& p) { return "VIEWMENU(" + t(p, 1) + ");"; }},
        {"Přidej či zruš položku v nabídce"_cp, "*prid*položku*polozka*v nabídce*nabidka*"_cp,
         [](const P& p) {
             std::string menu = t(p, 3) == kMainMenuName ? "M" : t(p, 3);
             return (idx(p, 1) == 0 ? "ADDPOL(" : "REMPOL(") + menu + "," + allAsStar(t(p, 2)) +
                    ");";
         }},
        {"Nastav maximum předmětů, které lze pobrat"_cp, "*nast*maximum předmětů na hodnotu*nn*"_cp,
         [](const P& p) { return "SET(MAX," + sign(p) + t(p, 2) + ");"; }},
        {"Aktivuj / deaktivuj hlavní cyklus"_cp, "*activ*hlavní cyklus"_cp,
         [](const P& p) {
             return std::string("CYKLUS(") + (t(p, 1) == "Aktivuj" ? "1" : "0") + ");";
         }},
        {"Čekej na stisknutí tlačítka"_cp, "Čekej na stisknutí tlačítka*clr*"_cp,
         [](const P& p) { return std::string(idx(p, 1) == 0 ? "WAIT;" : "WAIT(0);"); }},
        {"Přečti text z klávesnice"_cp, "Přečti z klávesnice text do stringu*S*"_cp,
         [](const P& p) { return "READ(" + t(p, 1) + ");"; }},
        same("Vynuluj všechny přepínače a čítače"_cp, "CLEAR;"),
        same("Neprováděj standardní akci"_cp, "NOACTION;"),
        {"Konec hry", "Ukonči hru*win*"_cp,
         [](const P& p) { return std::string(idx(p, 1) == 0 ? "WIN;" : "LOSE;"); }},
    };
}

int pauseUnits(const std::string& text) {
    std::string_view digits(text);
    digits = digits.substr(0, digits.size() >= 3 ? digits.size() - 3 : 0);
    int ms = 0;
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), ms);
    if (ec != std::errc() || ptr != digits.data() + digits.size())
        ms = 200;
    return ms / 200;
}

std::vector<BuilderTemplate> soundTemplates() {
    return {
        {"Přehrej zvuk"_cp, "Přehrej *zvuk**zvkam1* hlasitost a balanc *hlasbal*"_cp,
         [](const P& p) {
             const std::string& where = t(p, 2);
             std::string s = where == "v sekundární frontě"_cp   ? "PLAYSEC("
                             : where.starts_with("na pozadí"_cp) ? "PLAYBG("
                                                                 : "PLAY(";
             s += t(p, 1);
             if (!t(p, 3).empty() && t(p, 3) != "100x100")
                 s += "," + t(p, 3);
             if (where.find("smyčka"_cp) != std::string::npos)
                 s += ",loop";
             return s + ");";
         }},
        {"Vlož pauzu"_cp, "Vlož pauzu*pauza**zvkam2*"_cp,
         [](const P& p) {
             std::string s = t(p, 2) == "v sekundární frontě"_cp ? "PLAYSEC(%" : "PLAY(%";
             return s + std::to_string(pauseUnits(t(p, 1))) + ");";
         }},
        {"Zastav přehrávání zvuků"_cp, "Zastav přehrávání *zvuků**zvkam2*"_cp,
         [](const P& p) {
             std::string s = idx(p, 2) == 0 ? "STOP" : "STOPSEC";
             if (idx(p, 1) == 0)
                 return s + ";";
             if (idx(p, 1) == 1)
                 return s + "ALL;";
             return s + "(" + std::to_string(idx(p, 1) - 1) + ");";
         }},
        {"Zastav zvuk na pozadí"_cp, "Zastav zvuk *zvuk1* do ztracena *doztrac*",
         [](const P& p) {
             std::string s = "STOPBG(" + (t(p, 1) == "Všechny"_cp ? std::string("*") : t(p, 1));
             if (!t(p, 2).empty() && t(p, 2) != "0")
                 s += "," + t(p, 2);
             return s + ");";
         }},
    };
}

std::vector<std::string> numbered(char letter, int count) {
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i) {
        char buf[4] = {letter, static_cast<char>('0' + i / 10), static_cast<char>('0' + i % 10)};
        out.emplace_back(buf, 3);
    }
    return out;
}

std::vector<std::string> range(int from, int to, int step, const char* suffix = "") {
    std::vector<std::string> out;
    for (int i = from; i <= to; i += step)
        out.push_back(std::to_string(i) + suffix);
    return out;
}

std::vector<std::string> soundKeys(const EditorDocument& doc) {
    return doc.Choices(EntryList::Music);
}

void append(std::vector<std::string>& to, const std::vector<std::string>& from) {
    to.insert(to.end(), from.begin(), from.end());
}

}  // namespace

const std::vector<BuilderTemplate>& BuilderTemplates(BuilderPurpose purpose) {
    static const std::vector<BuilderTemplate> conditions = conditionTemplates();
    static const std::vector<BuilderTemplate> actions = actionTemplates();
    static const std::vector<BuilderTemplate> sounds = soundTemplates();
    static const std::vector<BuilderTemplate> single = {soundTemplates().front()};
    switch (purpose) {
        case BuilderPurpose::Conditions:
            return conditions;
        case BuilderPurpose::Actions:
            return actions;
        case BuilderPurpose::SoundActions:
            return sounds;
        case BuilderPurpose::SingleSound:
            return single;
    }
    return sounds;
}

std::string BuilderCaption(BuilderPurpose purpose) {
    switch (purpose) {
        case BuilderPurpose::Conditions:
            return "Podmínka"_cp;
        case BuilderPurpose::Actions:
            return "Akce";
        default:
            return "Zvuková akce"_cp;
    }
}

std::string BuilderPlaceholder(BuilderPurpose purpose) {
    switch (purpose) {
        case BuilderPurpose::Conditions:
            return "A=";
        case BuilderPurpose::Actions:
            return "ADD(X,Y);";
        default:
            return "Play(X);";
    }
}

int TemplateLayout::boxWidth(const std::vector<std::string>& entries) {
    std::size_t longest = 0;
    for (const auto& e : entries)
        longest = std::max(longest, e.size());
    return std::max(50, 5 * static_cast<int>(longest) + 40);
}

TemplateLayout LayoutTemplate(std::string_view pattern) {
    TemplateLayout layout;
    std::string_view rest = pattern;
    for (std::size_t i = 0; i < 3; ++i) {
        std::size_t open = rest.find('*');
        if (open == std::string_view::npos)
            break;
        std::size_t close = rest.find('*', open + 1);
        if (close == std::string_view::npos)
            break;
        layout.labels[i] = rest.substr(0, open);
        layout.slotNames[i] = rest.substr(open + 1, close - open - 1);
        rest = rest.substr(close + 1);
    }
    layout.trailing = rest;
    return layout;
}

std::vector<std::string> SlotEntries(std::string_view slot, const EditorDocument& doc) {
    std::vector<std::string> out;
    if (slot == "akt")
        return {"Aktuální"_cp, "Předchozí"_cp};
    if (slot == "prid")
        return {"Přidej"_cp, "Odeber"};
    if (slot == "nast")
        return {"Nastav", "Zvyš"_cp, "Sniž"_cp};
    if (slot == "nastav")
        return {"nastaven na", "menší než"_cp, "větší než"_cp, "různý od"_cp};
    if (slot == "P" || slot == "C")
        return numbered(slot[0], 100);
    if (slot == "T" || slot == "S")
        return numbered(slot[0], 20);
    if (slot == "pp")
        return {"off", "on"};
    if (slot == "nn")
        return range(0, 255, 1);
    if (slot == "pst")
        return range(1, 99, 1);
    if (slot == "okna") {
        out = {"A", "B", "C"};
        append(out, doc.Windows().names());
        return out;
    }
    if (slot == "predm") {
        out = doc.Items().names();
        out.push_back("(všechny)"_cp);
        return out;
    }
    if (slot == "nabidka") {
        for (const auto& name : doc.Menus().names())
            if (name != kSystemMenuName)
                out.push_back(name);
        return out;
    }
    if (slot == "polozka") {
        out = doc.MenuItems().names();
        append(out, EditorDocument::DefaultMainMenu());
        out.push_back("(všechny)"_cp);
        return out;
    }
    if (slot == "vsechno") {
        out = doc.Items().names();
        out.push_back("A");
        out.push_back("B");
        append(out, doc.Windows().names());
        append(out, doc.Menus().names());
        return out;
    }
    if (slot == "win")
        return {"Vítězstvím"_cp, "Porážkou"_cp};
    if (slot == "clr")
        return {"Smaž text"_cp, "Nemaž text"_cp};
    if (slot == "zvuk")
        return soundKeys(doc);
    if (slot == "zvuk1") {
        out.push_back("Všechny"_cp);
        append(out, soundKeys(doc));
        return out;
    }
    if (slot == "hraje")
        return {"hraje", "dohrál"_cp};
    if (slot == "pauza")
        return range(200, 10000, 200, " ms");
    if (slot == "zvuků"_cp) {
        out = {"Aktuálního"_cp, "Všech"_cp};
        for (int d = 1; d <= 9; ++d)
            out.push_back("Priority " + std::to_string(d) + " a nižší"_cp);
        return out;
    }
    if (slot == "zvkam1")
        return {"v primární frontě"_cp, "v sekundární frontě"_cp, "na pozadí"_cp,
                "na pozadí, smyčka"_cp};
    if (slot == "zvkam2")
        return {"v primární frontě"_cp, "v sekundární frontě"_cp};
    if (slot == "hlasbal") {
        out.push_back("100x100");
        for (int v = 90; v >= 10; v -= 10)
            out.push_back(std::to_string(v) + "x" + std::to_string(v));
        for (int v = 90; v >= 0; v -= 10)
            out.push_back("100x" + std::to_string(v));
        for (int v = 90; v >= 0; v -= 10)
            out.push_back(std::to_string(v) + "x100");
        return out;
    }
    if (slot == "doztrac")
        return range(0, 1000, 10);
    if (slot == "text")
        return {"konstanta"};
    if (slot == "activ")
        return {"Aktivuj", "Deaktivuj"};
    return out;
}

std::string BuildText(BuilderPurpose purpose, std::size_t index, const BuilderParams& params,
                      ConditionOptions options) {
    const auto& templates = BuilderTemplates(purpose);
    if (index >= templates.size())
        return {};
    std::string text = templates[index].produce(params);
    if (purpose == BuilderPurpose::Conditions) {
        if (options.negate)
            text = "!" + text;
        if (options.disjunction)
            text = "|" + text;
    }
    return text;
}

namespace {

std::size_t lineStart(std::string_view text, std::size_t caret) {
    std::size_t nl = caret == 0 ? std::string_view::npos : text.rfind('\n', caret - 1);
    return nl == std::string_view::npos ? 0 : nl + 1;
}

std::size_t lineEnd(std::string_view text, std::size_t from) {
    std::size_t end = text.find_first_of("\r\n", from);
    return end == std::string_view::npos ? text.size() : end;
}

Insertion insertAt(std::string_view text, std::size_t at, std::size_t replaced,
                   std::string_view what) {
    std::string out(text.substr(0, at));
    out += what;
    out += text.substr(std::min(text.size(), at + replaced));
    return {std::move(out), at + what.size()};
}

}  // namespace

Insertion InsertCondition(std::string_view text, std::size_t caret, std::string_view result) {
    caret = std::min(caret, text.size());
    char separator = ';';
    if (!result.empty() && (result[0] == ';' || result[0] == '|')) {
        separator = result[0];
        result.remove_prefix(1);
    }
    std::size_t start = lineStart(text, caret);
    std::size_t end = lineEnd(text, start);
    if (start < end && text[start] == '[') {
        int level = 1;
        std::size_t i = start + 1;
        for (; i < end; ++i) {
            if (text[i] == '[')
                ++level;
            else if (text[i] == ']' && --level == 0)
                break;
        }
        if (i < end)
            return insertAt(text, i, 0, std::string(1, separator) + std::string(result));
    }
    return insertAt(text, start, 0, "[" + std::string(result) + "] ");
}

Insertion InsertAction(std::string_view text, std::size_t caret, std::size_t selected,
                       std::string_view result, BuilderPurpose purpose) {
    caret = std::min(caret, text.size());
    if (purpose == BuilderPurpose::Actions && result.find("READ(") != std::string_view::npos) {
        std::size_t start = lineStart(text, caret);
        std::size_t end = lineEnd(text, start);
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.front() == ' ')
            line.remove_prefix(1);
        if (!line.empty() && line.back() == ' ')
            line.remove_suffix(1);
        if (line.empty() || line.back() == ']')
            return insertAt(text, caret, selected, result);
        std::string newLine = "\r\n";
        if (line.front() == '[')
            newLine += "[LAST] ";
        newLine += result;
        return insertAt(text, end, 0, newLine);
    }
    std::string base(text);
    if (base.empty())
        base = " ";
    if (selected > 0)
        return insertAt(base, caret, selected, result);
    std::string what(result);
    if (caret > 0 && base[caret - 1] != ' ')
        what = " " + what;
    if (caret >= base.size() || base[caret] != ' ')
        what += " ";
    return insertAt(base, caret, 0, what);
}

}  // namespace vek::editor
