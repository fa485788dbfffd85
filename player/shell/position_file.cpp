#include "player/shell/position_file.h"

#include "common/text_file.h"

namespace vek::player {

std::string PositionFileName(int slot) {
    if (slot == kAutosaveSlot)
        return "autosave.sav";
    return "Pozice" + std::to_string(slot) + ".sav";
}

void PositionWriter::WriteLine(std::string_view line) {
    bytes_ += ScrambleLine(line, kPositionKey, ScrambleDirection::Scramble);
    bytes_ += "\r\n";
}

void PositionWriter::WriteList(const StringList& list) {
    for (const std::string& entry : list)
        WriteLine(entry);
    WriteLine("*");
}

PositionReader::PositionReader(std::string bytes) : lines_(splitLines(bytes)) {}

std::string PositionReader::ReadLine() {
    if (AtEnd()) {
        loadError_ = true;
        return {};
    }
    return ScrambleLine(std::string_view(lines_[next_++]), kPositionKey,
                        ScrambleDirection::Unscramble);
}

void PositionReader::ReadList(StringList& list) {
    list.clear();
    while (!AtEnd()) {
        std::string line = ReadLine();
        if (line == "*")
            return;
        list.add(std::move(line));
    }
}

}  // namespace vek::player
