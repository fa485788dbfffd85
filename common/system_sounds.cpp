#include "common/system_sounds.h"

#include <string_view>

#include "common/cp1250_literal.h"
#include "common/sound_entry.h"

namespace vek {

namespace {

// key, text, file, editor, player sound, player text.
const std::vector<SystemSoundRow> kTable = {
    {"SZdot", "", "wave\\tch000.wav", true, true, false},
    {"SZmuzesjit", "Můžeš jít:"_cp, "wave\\tch001.wav", true, false, true},
    {"SZmas", "Máš:"_cp, "wave\\tch002.wav", true, false, true},
    {"SZjetu", "Je tu:", "wave\\tch003.wav", true, false, true},
    {"SZnelzejit", "Nikam se jít nedá"_cp, "wave\\tch004.wav", true, false, true},
    {"SZnicnemas", "Nic nemáš"_cp, "wave\\tch005.wav", true, false, true},
    {"SZnictuneni", "Nic tu není"_cp, "wave\\tch006.wav", true, false, true},
    {"SZjdi", "Jdi", "wave\\tch007.wav", true, false, true},
    {"SZprozkoumej", "Prozkoumej", "wave\\tch008.wav", true, false, true},
    {"SZvezmi", "Vezmi", "wave\\tch009.wav", true, false, true},
    {"SZpoloz", "Polož"_cp, "wave\\tch010.wav", true, false, true},
    {"SZpouzij", "Použij"_cp, "wave\\tch011.wav", true, false, true},
    {"SZna", "na", "wave\\tch012.wav", true, false, true},
    {"SZnic", "Nic", "wave\\tch013.wav", true, false, true},
    {"SZvzals", "Vzal jsi", "wave\\tch014.wav", true, false, true},
    {"SZpolozils", "Položil jsi"_cp, "wave\\tch015.wav", true, false, true},
    {"SZnepoberes", "To už nepobereš"_cp, "wave\\tch016.wav", true, false, true},
    {"SZjdes", "Jdeš"_cp, "wave\\tch017.wav", true, false, true},
    {"SZnikam", "Nikam", "wave\\tch018.wav", true, false, true},
    {"SZukladam", "Ukládám pozici"_cp, "wave\\tch019.wav", true, false, true},
    {"SZnacitam", "Načítám pozici"_cp, "wave\\tch020.wav", true, false, true},
    {"SZseznam", "Seznam", "wave\\tch021.wav", true, false, true},
    {"SZcest", "cest", "wave\\tch022.wav", true, false, true},
    {"SZinventar", "toho co máš"_cp, "wave\\tch023.wav", true, false, true},
    {"SZveci", "věcí to tu jsou"_cp, "wave\\tch024.wav", true, false, true},
    {"SZzadny", "žádný"_cp, "wave\\tch025.wav", true, false, true},
    {"SZnelzepouzit", "Tento předmět se zrovna použít nedá"_cp, "wave\\tch026.wav", true, false,
     true},
    {"SZnelzevzit", "Tohle se vzít nedá"_cp, "wave\\tch027.wav", true, false, true},
    {"SZrozhledni", "Rozhlédni se"_cp, "wave\\tch028.wav", true, false, true},
    {"SZmenu", "Menu", "wave\\tch029.wav", true, false, true},
    {"SZpromluv", "Promluv si", "wave\\tch030.wav", true, false, true},
    {"SZzpetdohry", "Zpět do hry"_cp, "wave\\tch031.wav", true, true, true},
    {"SZnovahra", "Nová hra"_cp, "wave\\tch032.wav", true, true, true},
    {"SZnacti", "Načti"_cp, "wave\\tch033.wav", true, true, true},
    {"SZuloz", "Ulož"_cp, "wave\\tch034.wav", true, true, true},
    {"SZnastaveni", "Nastavení"_cp, "wave\\tch035.wav", true, true, true},
    {"SZvyberscenare", "Výběr scénáře"_cp, "wave\\tch036.wav", true, true, true},
    {"SZkonec", "Konec", "wave\\tch037.wav", true, true, true},
    {"SZneznamscenar", "Neznámý scénář"_cp, "wave\\tch038.wav", false, true, false},
    {"SZnicnevidis", "Nevidíš nic zajímavého"_cp, "wave\\tch039.wav", true, false, false},
    {"SZnevidisnic", "Nevidíš nic zajímavého"_cp, "", false, false, true},
    {"SZneodpovida", "Neodpovídá"_cp, "wave\\tch040.wav", true, false, true},
    {"SZpozice", "Pozice", "wave\\tch041.wav", false, true, true},
    {"SZprpozice", "Prázdná pozice"_cp, "wave\\tch042.wav", false, true, true},
};

const SystemSoundRow& row(std::string_view key) {
    for (const auto& r : kTable)
        if (key == r.key)
            return r;
    return kTable.front();  // unreachable: the orders below name rows of the table only
}

std::string entryLine(const SystemSoundRow& r) {
    return std::string(r.key) + "=" + r.text + "(" + r.file + ")";
}

std::string textLine(const SystemSoundRow& r) {
    return std::string(r.key) + "=" + r.text;
}

template <std::size_t N, typename Make>
std::vector<std::string> linesFor(const std::string_view (&keys)[N], Make make) {
    std::vector<std::string> lines;
    lines.reserve(N);
    for (auto key : keys)
        lines.push_back(make(row(key)));
    return lines;
}

constexpr std::string_view kEditorOrder[] = {
    "SZdot",          "SZmuzesjit",  "SZmas",        "SZjetu",       "SZnelzejit",    "SZnicnemas",
    "SZnictuneni",    "SZrozhledni", "SZjdi",        "SZprozkoumej", "SZvezmi",       "SZpoloz",
    "SZpouzij",       "SZpromluv",   "SZna",         "SZnic",        "SZvzals",       "SZpolozils",
    "SZnepoberes",    "SZjdes",      "SZnikam",      "SZukladam",    "SZnacitam",     "SZseznam",
    "SZcest",         "SZinventar",  "SZveci",       "SZzadny",      "SZnelzepouzit", "SZnelzevzit",
    "SZmenu",         "SZzpetdohry", "SZnovahra",    "SZnacti",      "SZuloz",        "SZnastaveni",
    "SZvyberscenare", "SZkonec",     "SZnicnevidis", "SZneodpovida",
};

constexpr std::string_view kPlayerTextOrder[] = {
    "SZrozhledni", "SZjdi",       "SZprozkoumej", "SZvezmi",      "SZpoloz",       "SZpouzij",
    "SZpromluv",   "SZseznam",    "SZmenu",       "SZmuzesjit",   "SZmas",         "SZjetu",
    "SZnelzejit",  "SZnicnemas",  "SZnictuneni",  "SZna",         "SZnic",         "SZvzals",
    "SZpolozils",  "SZnepoberes", "SZjdes",       "SZnikam",      "SZukladam",     "SZnacitam",
    "SZcest",      "SZinventar",  "SZveci",       "SZzadny",      "SZnelzepouzit", "SZnelzevzit",
    "SZzpetdohry", "SZnovahra",   "SZnacti",      "SZuloz",       "SZnastaveni",   "SZvyberscenare",
    "SZkonec",     "SZpozice",    "SZprpozice",   "SZnevidisnic", "SZneodpovida",
};

constexpr std::string_view kPlayerSoundOrder[] = {
    "SZdot",  "SZzpetdohry", "SZnovahra",      "SZnacti",
    "SZuloz", "SZnastaveni", "SZvyberscenare", "SZkonec",
};

constexpr std::string_view kBasicSystemSounds[] = {"SZneznamscenar", "SZpozice", "SZprpozice"};

}  // namespace

const std::vector<SystemSoundRow>& systemSoundTable() {
    return kTable;
}

std::vector<std::string> editorDefaultSystemSounds() {
    return linesFor(kEditorOrder, entryLine);
}

std::vector<std::string> playerDefaultSystemTexts() {
    return linesFor(kPlayerTextOrder, textLine);
}

std::vector<std::string> playerDefaultSystemSounds() {
    return linesFor(kPlayerSoundOrder, entryLine);
}

std::vector<std::string> playerBasicSounds() {
    std::vector<std::string> lines = {
        "VOLrec=Hlasitost dialogů(sx01.wav)"_cp,
        "VOLsnd=Hlasitost zvuků(sx02.wav)X"_cp,
        "INTROmus=(sx04.wav)M",
    };
    for (const auto& line : linesFor(kBasicSystemSounds, entryLine))
        lines.push_back(line);
    for (char d = '0'; d <= '9'; ++d)
        lines.push_back(std::string("C") + d + "=" + d + "(wave\\" + d + ".wav)");
    return lines;
}

bool isPlayerRecording(std::string_view fileSpec) {
    auto normal = [](std::string_view spec) {
        std::string s(spec);
        for (char& c : s)
            c = c == '/' ? '\\' : static_cast<char>(c >= 'A' && c <= 'Z' ? c | 0x20 : c);
        return s;
    };
    static const std::vector<std::string> kFiles = [&] {
        std::vector<std::string> files;
        for (const SystemSoundRow& row : kTable)
            if (*row.file)
                files.push_back(normal(row.file));
        for (const std::string& line : playerBasicSounds())
            files.push_back(normal(entry_line::FileSpec(line)));
        return files;
    }();
    const std::string wanted = normal(fileSpec);
    for (const std::string& file : kFiles)
        if (file == wanted)
            return true;
    return false;
}

}  // namespace vek
