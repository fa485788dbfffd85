// The large scenario the editor's benchmarks open: the size of the biggest games authors write.
#pragma once

#include <memory>
#include <string>

#include "editor/document/scenario_io.h"

namespace vek::editor {

// About 5 MB: 2,000 windows, 5,000 items and 5,000 sounds with scripts.
inline std::string largeScenario() {
    EditorDocument doc;
    doc.CreateStartupScenario();
    for (int w = 0; w < 2000; ++w) {
        auto o = std::make_unique<TOkna>();
        o->Name = "Okno_" + std::to_string(w);
        o->Kam = "do okna " + std::to_string(w);
        for (int l = 0; l < 12; ++l)
            o->LookScript.add("[IN(Okno_" + std::to_string(w) + ",Vec_" + std::to_string(l) +
                              ");C05>3] PLAY(zvuk_" + std::to_string(l) + "); SET(P0" +
                              std::to_string(l) + ",1); GO(Okno_" + std::to_string(w + 1) + ");");
        o->ArrivalScript.assign(o->LookScript.items());
        o->Paths.assign(
            {"Okno_" + std::to_string((w + 1) % 2000), "Okno_" + std::to_string((w + 7) % 2000)});
        o->Items.assign({"Vec_" + std::to_string(w), "Vec_" + std::to_string(w + 2000)});
        doc.Windows.add(std::move(o));
    }
    for (int i = 0; i < 5000; ++i) {
        auto p = std::make_unique<TPredmet>();
        p->Name = "Vec_" + std::to_string(i);
        p->Co = "vec " + std::to_string(i);
        for (int l = 0; l < 3; ++l)
            p->ExamineScript.add("[FIRST] PLAY(popis_" + std::to_string(i) +
                                 "); Obycejna vec cislo " + std::to_string(i) + ".");
        p->CanTake = i % 2 == 0;
        doc.Items.add(std::move(p));
    }
    for (int s = 0; s < 5000; ++s)
        doc.UserSounds.add("zvuk_" + std::to_string(s) + "=Nahravka " + std::to_string(s) +
                           "(wave\\zvuk" + std::to_string(s) + ".wav):2X");
    return ScenarioBytes(doc);
}

}  // namespace vek::editor
