#include "editor/document/builder.h"

#include <algorithm>
#include <charconv>
#include <map>

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
    return s == "(v\x9A"
                "echny)"
               ? "*"
               : s;
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
        {"Aktu\xE1ln\xED okno je", "*akt*okno je*okna*",
         [](const P& p) { return (idx(p, 1) == 0 ? "A=" : "B=") + t(p, 2); }},
        {"P\xF8"
         "ep\xEDna\xE8 je nastaven na hodnotu",
         "P\xF8"
         "ep\xEDna\xE8*P*je nastaven na*pp*",
         [](const P& p) { return t(p, 1) + "=" + switchValue(p[1]); }},
        {"\xC8\xEDta\xE8 je nastaven na \xE8\xEDslo", "\xC8\xEDta\xE8*C*je*nastav*\xE8\xEDslo*nn*",
         comparison},
        {"String je nastaven na text", "String*S*je nastaven na text*text*",
         [](const P& p) { return t(p, 1) + "=\"" + t(p, 2) + "\""; }},
        {"Timer je nastaven na \xE8\xEDslo", "Timer*T*je*nastav*\xE8\xEDslo*text*", comparison},
        {"P\xF8"
         "edm\xECt se nach\xE1z\xED v okn\xEC",
         "P\xF8"
         "edm\xECt*predm*se nach\xE1z\xED v okn\xEC*okna*",
         [](const P& p) { return "IN(" + t(p, 2) + "," + t(p, 1) + ")"; }},
        {"Cesta se nach\xE1z\xED v okn\xEC", "Cesta*okna*se nach\xE1z\xED v okn\xEC*okna*",
         [](const P& p) { return "INCS(" + t(p, 2) + "," + t(p, 1) + ")"; }},
        {"Parametr je nastaven na hodnotu", "Parametr je nastaven na*vsechno*",
         [](const P& p) { return "%1=" + t(p, 1); }},
        {"Prove\xEF s pravd\xECpodobnost\xED (v procentech)",
         "Prove\xEF s pravd\xECpodobnost\xED*pst*",
         [](const P& p) { return "PST(" + t(p, 1) + ")"; }},
        {"Na pozad\xED hraje (dohr\xE1l) zvuk", "Na pozad\xED *hraje* zvuk *zvuk*",
         [](const P& p) { return (t(p, 1) == "hraje" ? "PLAYING(" : "PLAYFIN(") + t(p, 2) + ")"; }},
        same("Poprv\xE9 proveden\xE1 akce", "FIRST"),
        same("Pln\xFD po\xE8"
             "et p\xF8"
             "edm\xECt\xF9",
             "FULL"),
        same("P\xF8"
             "edchoz\xED podm\xEDnka",
             "LAST"),
        same("\x8E\xE1"
             "dn\xE1 z podm\xEDnek neplat\xED",
             "ELSE"),
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
        {"P\xF8idej \xE8i zru\x9A p\xF8"
         "edm\xECt v okn\xEC",
         "*prid*p\xF8"
         "edm\xECt*predm*v okn\xEC*okna*",
         addRemove("ADD(", "REM(")},
        {"P\xF8idej \xE8i zru\x9A cestu v okn\xEC", "*prid*cestu*okna*v okn\xEC*okna*",
         [](const P& p) {
             return (idx(p, 1) == 0 ? "ADDCS(" : "REMCS(") + t(p, 3) + "," + t(p, 2) + ");";
         }},
        {"Vym\xEC\xF2 p\xF8"
         "edm\xECt za p\xF8"
         "edm\xECt",
         "Vym\xEC\xF2*predm*za*predm*",
         [](const P& p) { return "EXCH(" + t(p, 1) + "," + t(p, 2) + ");"; }},
        {"Nastav p\xF8"
         "ep\xEDna\xE8 na hodnotu",
         "Nastav p\xF8"
         "ep\xEDna\xE8*P*na hodnotu*pp*",
         [](const P& p) { return "SET(" + t(p, 1) + "," + switchValue(p[1]) + ");"; }},
        {"Nastav \xE8\xEDta\xE8 na \xE8\xEDslo", "*nast*\xE8\xEDta\xE8*C*na hodnotu*nn*",
         setNumber},
        {"Nastav string na text", "Nastav string*S*na text*text*",
         [](const P& p) { return "SET(" + t(p, 1) + ",\"" + stripQuotes(t(p, 2)) + "\");"; }},
        {"Nastav timer na hodnotu", "*nast*timer*T*na hodnotu*nn*", setNumber},
        {"P\xF8"
         "esu\xF2 se do okna",
         "Nastav aktu\xE1ln\xED okno*okna*", [](const P& p) { return "GO(" + t(p, 1) + ");"; }},
        {"P\xF8"
         "esu\xF2 p\xF8"
         "em\xECty z okna do okna",
         "P\xF8"
         "esu\xF2 p\xF8"
         "em\xECty z*okna* do*okna*",
         [](const P& p) { return "TRANS(" + t(p, 1) + "," + t(p, 2) + ");"; }},
        {"Zobraz nab\xED"
         "dku",
         "Zobraz nab\xED"
         "dku*nabidka*",
         [](const P& p) { return "VIEWMENU(" + t(p, 1) + ");"; }},
        {"P\xF8idej \xE8i zru\x9A polo\x9Eku v nab\xED"
         "dce",
         "*prid*polo\x9Eku*polozka*v nab\xED"
         "dce*nabidka*",
         [](const P& p) {
             std::string menu = t(p, 3) == kMainMenuName ? "M" : t(p, 3);
             return (idx(p, 1) == 0 ? "ADDPOL(" : "REMPOL(") + menu + "," + allAsStar(t(p, 2)) +
                    ");";
         }},
        {"Nastav maximum p\xF8"
         "edm\xECt\xF9, kter\xE9 lze pobrat",
         "*nast*maximum p\xF8"
         "edm\xECt\xF9 na hodnotu*nn*",
         [](const P& p) { return "SET(MAX," + sign(p) + t(p, 2) + ");"; }},
        {"Aktivuj / deaktivuj hlavn\xED cyklus", "*activ*hlavn\xED cyklus",
         [](const P& p) {
             return std::string("CYKLUS(") + (t(p, 1) == "Aktivuj" ? "1" : "0") + ");";
         }},
        {"\xC8"
         "ekej na stisknut\xED tla\xE8\xEDtka",
         "\xC8"
         "ekej na stisknut\xED tla\xE8\xEDtka*clr*",
         [](const P& p) { return std::string(idx(p, 1) == 0 ? "WAIT;" : "WAIT(0);"); }},
        {"P\xF8"
         "e\xE8ti text z kl\xE1vesnice",
         "P\xF8"
         "e\xE8ti z kl\xE1vesnice text do stringu*S*",
         [](const P& p) { return "READ(" + t(p, 1) + ");"; }},
        same("Vynuluj v\x9A"
             "echny p\xF8"
             "ep\xEDna\xE8"
             "e a \xE8\xEDta\xE8"
             "e",
             "CLEAR;"),
        same("Neprov\xE1"
             "d\xECj standardn\xED akci",
             "NOACTION;"),
        {"Konec hry", "Ukon\xE8i hru*win*",
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
        {"P\xF8"
         "ehrej zvuk",
         "P\xF8"
         "ehrej *zvuk**zvkam1* hlasitost a balanc *hlasbal*",
         [](const P& p) {
             const std::string& where = t(p, 2);
             std::string s = where == "v sekund\xE1rn\xED front\xEC" ? "PLAYSEC("
                             : where.starts_with("na pozad\xED")     ? "PLAYBG("
                                                                     : "PLAY(";
             s += t(p, 1);
             if (!t(p, 3).empty() && t(p, 3) != "100x100")
                 s += "," + t(p, 3);
             if (where.find("smy\xE8ka") != std::string::npos)
                 s += ",loop";
             return s + ");";
         }},
        {"Vlo\x9E pauzu", "Vlo\x9E pauzu*pauza**zvkam2*",
         [](const P& p) {
             std::string s = t(p, 2) == "v sekund\xE1rn\xED front\xEC" ? "PLAYSEC(%" : "PLAY(%";
             return s + std::to_string(pauseUnits(t(p, 1))) + ");";
         }},
        {"Zastav p\xF8"
         "ehr\xE1v\xE1n\xED zvuk\xF9",
         "Zastav p\xF8"
         "ehr\xE1v\xE1n\xED *zvuk\xF9**zvkam2*",
         [](const P& p) {
             std::string s = idx(p, 2) == 0 ? "STOP" : "STOPSEC";
             if (idx(p, 1) == 0)
                 return s + ";";
             if (idx(p, 1) == 1)
                 return s + "ALL;";
             return s + "(" + std::to_string(idx(p, 1) - 1) + ");";
         }},
        {"Zastav zvuk na pozad\xED", "Zastav zvuk *zvuk1* do ztracena *doztrac*",
         [](const P& p) {
             std::string s = "STOPBG(" + (t(p, 1) ==
                                                  "V\x9A"
                                                  "echny"
                                              ? std::string("*")
                                              : t(p, 1));
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
            return "Podm\xEDnka";
        case BuilderPurpose::Actions:
            return "Akce";
        default:
            return "Zvukov\xE1 akce";
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
        return {"Aktu\xE1ln\xED",
                "P\xF8"
                "edchoz\xED"};
    if (slot == "prid")
        return {"P\xF8idej", "Odeber"};
    if (slot == "nast")
        return {"Nastav", "Zvy\x9A", "Sni\x9E"};
    if (slot == "nastav")
        return {"nastaven na", "men\x9A\xED ne\x9E", "v\xECt\x9A\xED ne\x9E", "r\xF9zn\xFD od"};
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
        append(out, doc.Windows.names());
        return out;
    }
    if (slot == "predm") {
        out = doc.Items.names();
        out.push_back(
            "(v\x9A"
            "echny)");
        return out;
    }
    if (slot == "nabidka") {
        for (const auto& name : doc.Menus.names())
            if (name != kSystemMenuName)
                out.push_back(name);
        return out;
    }
    if (slot == "polozka") {
        out = doc.MenuItems.names();
        append(out, EditorDocument::DefaultMainMenu());
        out.push_back(
            "(v\x9A"
            "echny)");
        return out;
    }
    if (slot == "vsechno") {
        out = doc.Items.names();
        out.push_back("A");
        out.push_back("B");
        append(out, doc.Windows.names());
        append(out, doc.Menus.names());
        return out;
    }
    if (slot == "win")
        return {"V\xEDt\xECzstv\xEDm", "Por\xE1\x9Ekou"};
    if (slot == "clr")
        return {"Sma\x9E text", "Nema\x9E text"};
    if (slot == "zvuk")
        return soundKeys(doc);
    if (slot == "zvuk1") {
        out.push_back(
            "V\x9A"
            "echny");
        append(out, soundKeys(doc));
        return out;
    }
    if (slot == "hraje")
        return {"hraje", "dohr\xE1l"};
    if (slot == "pauza")
        return range(200, 10000, 200, " ms");
    if (slot == "zvuk\xF9") {
        out = {"Aktu\xE1ln\xEDho",
               "V\x9A"
               "ech"};
        for (int d = 1; d <= 9; ++d)
            out.push_back("Priority " + std::to_string(d) + " a ni\x9E\x9A\xED");
        return out;
    }
    if (slot == "zvkam1")
        return {"v prim\xE1rn\xED front\xEC", "v sekund\xE1rn\xED front\xEC", "na pozad\xED",
                "na pozad\xED, smy\xE8ka"};
    if (slot == "zvkam2")
        return {"v prim\xE1rn\xED front\xEC", "v sekund\xE1rn\xED front\xEC"};
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
