#include "common/system_sounds.h"

#include <string_view>

#include "common/sound_entry.h"

namespace vek {

namespace {

// key, text, file, editor, player sound, player text.
const std::vector<SystemSoundRow> kTable = {
    {"SZdot", "", "wave\\tch000.wav", true, true, false},
    {"SZmuzesjit",
     "M\xF9\x9E"
     "e\x9A j\xEDt:",
     "wave\\tch001.wav", true, false, true},
    {"SZmas", "M\xE1\x9A:", "wave\\tch002.wav", true, false, true},
    {"SZjetu", "Je tu:", "wave\\tch003.wav", true, false, true},
    {"SZnelzejit", "Nikam se j\xEDt ned\xE1", "wave\\tch004.wav", true, false, true},
    {"SZnicnemas", "Nic nem\xE1\x9A", "wave\\tch005.wav", true, false, true},
    {"SZnictuneni", "Nic tu nen\xED", "wave\\tch006.wav", true, false, true},
    {"SZjdi", "Jdi", "wave\\tch007.wav", true, false, true},
    {"SZprozkoumej", "Prozkoumej", "wave\\tch008.wav", true, false, true},
    {"SZvezmi", "Vezmi", "wave\\tch009.wav", true, false, true},
    {"SZpoloz", "Polo\x9E", "wave\\tch010.wav", true, false, true},
    {"SZpouzij", "Pou\x9Eij", "wave\\tch011.wav", true, false, true},
    {"SZna", "na", "wave\\tch012.wav", true, false, true},
    {"SZnic", "Nic", "wave\\tch013.wav", true, false, true},
    {"SZvzals", "Vzal jsi", "wave\\tch014.wav", true, false, true},
    {"SZpolozils", "Polo\x9Eil jsi", "wave\\tch015.wav", true, false, true},
    {"SZnepoberes", "To u\x9E nepobere\x9A", "wave\\tch016.wav", true, false, true},
    {"SZjdes", "Jde\x9A", "wave\\tch017.wav", true, false, true},
    {"SZnikam", "Nikam", "wave\\tch018.wav", true, false, true},
    {"SZukladam",
     "Ukl\xE1"
     "d\xE1m pozici",
     "wave\\tch019.wav", true, false, true},
    {"SZnacitam", "Na\xE8\xEDt\xE1m pozici", "wave\\tch020.wav", true, false, true},
    {"SZseznam", "Seznam", "wave\\tch021.wav", true, false, true},
    {"SZcest", "cest", "wave\\tch022.wav", true, false, true},
    {"SZinventar", "toho co m\xE1\x9A", "wave\\tch023.wav", true, false, true},
    {"SZveci",
     "v\xEC"
     "c\xED to tu jsou",
     "wave\\tch024.wav", true, false, true},
    {"SZzadny",
     "\x9E\xE1"
     "dn\xFD",
     "wave\\tch025.wav", true, false, true},
    {"SZnelzepouzit",
     "Tento p\xF8"
     "edm\xECt se zrovna pou\x9E\xEDt ned\xE1",
     "wave\\tch026.wav", true, false, true},
    {"SZnelzevzit", "Tohle se vz\xEDt ned\xE1", "wave\\tch027.wav", true, false, true},
    {"SZrozhledni",
     "Rozhl\xE9"
     "dni se",
     "wave\\tch028.wav", true, false, true},
    {"SZmenu", "Menu", "wave\\tch029.wav", true, false, true},
    {"SZpromluv", "Promluv si", "wave\\tch030.wav", true, false, true},
    {"SZzpetdohry", "Zp\xECt do hry", "wave\\tch031.wav", true, true, true},
    {"SZnovahra", "Nov\xE1 hra", "wave\\tch032.wav", true, true, true},
    {"SZnacti", "Na\xE8ti", "wave\\tch033.wav", true, true, true},
    {"SZuloz", "Ulo\x9E", "wave\\tch034.wav", true, true, true},
    {"SZnastaveni", "Nastaven\xED", "wave\\tch035.wav", true, true, true},
    {"SZvyberscenare",
     "V\xFD"
     "b\xECr sc\xE9n\xE1\xF8"
     "e",
     "wave\\tch036.wav", true, true, true},
    {"SZkonec", "Konec", "wave\\tch037.wav", true, true, true},
    {"SZneznamscenar", "Nezn\xE1m\xFD sc\xE9n\xE1\xF8", "wave\\tch038.wav", false, true, false},
    {"SZnicnevidis", "Nevid\xED\x9A nic zaj\xEDmav\xE9ho", "wave\\tch039.wav", true, false, false},
    {"SZnevidisnic", "Nevid\xED\x9A nic zaj\xEDmav\xE9ho", "", false, false, true},
    {"SZneodpovida",
     "Neodpov\xED"
     "d\xE1",
     "wave\\tch040.wav", true, false, true},
    {"SZpozice", "Pozice", "wave\\tch041.wav", false, true, true},
    {"SZprpozice", "Pr\xE1zdn\xE1 pozice", "wave\\tch042.wav", false, true, true},
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
        "VOLrec=Hlasitost dialog\xF9(sx01.wav)",
        "VOLsnd=Hlasitost zvuk\xF9(sx02.wav)X",
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
