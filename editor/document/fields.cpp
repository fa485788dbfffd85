#include "editor/document/fields.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <vector>

namespace vek::editor {

namespace {

namespace key = scenario_key;

template <typename Owner>
constexpr FieldOwner ownerOfType() {
    if constexpr (std::is_same_v<Owner, TOkna>)
        return FieldOwner::Window;
    else if constexpr (std::is_same_v<Owner, TPredmet>)
        return FieldOwner::Item;
    else if constexpr (std::is_same_v<Owner, TNabidka>)
        return FieldOwner::Menu;
    else if constexpr (std::is_same_v<Owner, TPolozka>)
        return FieldOwner::MenuItem;
    else {
        static_assert(std::is_same_v<Owner, ScenarioSettings>);
        return FieldOwner::Settings;
    }
}

template <auto Member>
struct MemberTraits;
template <typename Owner, typename Type, Type Owner::*Member>
struct MemberTraits<Member> {
    using OwnerType = Owner;
    using ValueType = Type;
};

template <auto Member>
auto* access(void* owner) {
    return &(static_cast<typename MemberTraits<Member>::OwnerType*>(owner)->*Member);
}

struct Options {
    bool omittedWhenEmpty = false;
    bool story = false;
};

// A row whose owner and kind follow from the member it names, so they cannot disagree.
template <auto Member>
constexpr FieldDef row(Field field, std::string_view fileKey, std::string_view label,
                       Options options = {}) {
    using Traits = MemberTraits<Member>;
    using Type = typename Traits::ValueType;
    FieldDef d{ownerOfType<typename Traits::OwnerType>(),
               FieldKind::Text,
               field,
               EntryList::Paths,
               fileKey,
               label,
               options.omittedWhenEmpty,
               options.story,
               nullptr,
               nullptr,
               nullptr};
    if constexpr (std::is_same_v<Type, std::string>) {
        d.text = &access<Member>;
    } else if constexpr (std::is_same_v<Type, bool>) {
        d.kind = FieldKind::Flag;
        d.flag = &access<Member>;
    } else {
        static_assert(std::is_same_v<Type, TSpecStrings>);
        d.kind = FieldKind::Lines;
        d.lines = &access<Member>;
    }
    return d;
}

template <auto Member>
constexpr FieldDef entries(EntryList list, std::string_view fileKey, std::string_view label) {
    FieldDef d = row<Member>(Field::Kam, fileKey, label);
    d.kind = FieldKind::Entries;
    d.list = list;
    return d;
}

constexpr Options kOptional{.omittedWhenEmpty = true};
constexpr Options kStory{.story = true};

constexpr FieldDef kFields[] = {
    // the scenario settings
    row<&ScenarioSettings::ScenarioName>(Field::ScenarioName, key::kName, "Jméno"),
    row<&ScenarioSettings::StartWindow>(Field::StartWindow, key::kStart, "Začít na pozici"),
    row<&ScenarioSettings::MaxItems>(Field::MaxItems, key::kMaxItems, "Maximum předmětů"),
    entries<&ScenarioSettings::Inventory>(EntryList::Inventory, key::kInventory,
                                          "Předměty do začátku"),
    row<&ScenarioSettings::IntroText>(Field::IntroText, key::kIntroText, "Úvodní text", kStory),
    row<&ScenarioSettings::WinText>(Field::WinText, key::kWinText, "Vítězství", kStory),
    row<&ScenarioSettings::LoseText>(Field::LoseText, key::kLoseText, "Prohra", kStory),
    row<&ScenarioSettings::CycleText>(Field::CycleText, key::kCycleText, "Cyklus", kStory),
    row<&ScenarioSettings::TalkToItems>(Field::TalkToItems, key::kTalkToItems,
                                        "Lze mluvit s předměty"),
    row<&ScenarioSettings::ReportWalk>(Field::ReportWalk, key::kReportWalk,
                                       "Odezva přesunu (Jdeš...)"),
    row<&ScenarioSettings::ReportTake>(Field::ReportTake, key::kReportTake,
                                       "Odezva sebrání (Vzal jsi...)"),
    row<&ScenarioSettings::CycleInterval>(Field::CycleInterval, key::kCycleInterval,
                                          "Interval opakování cyklu (min 200 ms, max 58 hod)"),
    row<&ScenarioSettings::CycleActive>(Field::CycleActive, key::kCycleActive, "Aktivní"),
    // Whether and how the file is encoded is its header's business, not a key's.
    row<&ScenarioSettings::Encode>(Field::Encode, {}, "Zakódovat"),
    row<&ScenarioSettings::Password>(Field::Password, {}, "Heslo"),
    // a window
    row<&TOkna::Kam>(Field::Kam, key::kKam, "kam", kOptional),
    row<&TOkna::SoundId>(Field::WindowSound, key::kSoundName, "zvuk okna", kOptional),
    row<&TOkna::LookScript>(Field::LookScript, key::kLook, "Rozhlédni se", kStory),
    row<&TOkna::ArrivalScript>(Field::ArrivalScript, key::kArrival, "Při příchodu", kStory),
    row<&TOkna::DepartureScript>(Field::DepartureScript, key::kDeparture, "Při odchodu", kStory),
    entries<&TOkna::Paths>(EntryList::Paths, key::kPaths, "Cesty"),
    entries<&TOkna::Items>(EntryList::Items, key::kItems, "Předměty"),
    entries<&TOkna::Music>(EntryList::Music, key::kMusic, "Hudba"),
    // an item
    row<&TPredmet::Co>(Field::Co, key::kCo, "co", kOptional),
    row<&TPredmet::SoundId>(Field::ItemSound, key::kSoundName, "zvuk předmětu", kOptional),
    row<&TPredmet::ExamineScript>(Field::ExamineScript, key::kExamine, "Prozkoumej", kStory),
    row<&TPredmet::TakeScript>(Field::TakeScript, key::kTake, "Vezmi", kStory),
    row<&TPredmet::PutScript>(Field::PutScript, key::kPut, "Polož", kStory),
    row<&TPredmet::UseScript>(Field::UseScript, key::kUse, "Použij", kStory),
    row<&TPredmet::TalkScript>(Field::TalkScript, key::kTalk, "Promluv si", kStory),
    row<&TPredmet::CanTake>(Field::CanTake, key::kCanTake, "Lze vzít"),
    row<&TPredmet::UseOn>(Field::UseOn, key::kUseOn, "Použít na"),
    row<&TPredmet::IsCharacter>(Field::IsCharacter, key::kIsCharacter, "Postava"),
    // a menu
    row<&TNabidka::Parent>(Field::MenuParent, key::kMenuParent, "Nadřazená nabídka"),
    entries<&TNabidka::Entries>(EntryList::MenuEntries, key::kMenuEntries, "Seznam položek"),
    // a menu item
    row<&TPolozka::SoundId>(Field::MenuItemSound, key::kMenuItemSound, "Zvuk položky"),
    row<&TPolozka::FunctionScript>(Field::FunctionScript, key::kMenuItemFunction, "Funkce položky"),
};

}  // namespace

std::span<const FieldDef> FieldTable() {
    return kFields;
}

const FieldDef& FieldDefOf(Field field) {
    auto it = std::find_if(std::begin(kFields), std::end(kFields), [field](const FieldDef& d) {
        return d.kind != FieldKind::Entries && d.field == field;
    });
    if (it == std::end(kFields))
        throw std::out_of_range("field without a row");
    return *it;
}

const FieldDef& FieldDefOf(EntryList list) {
    auto it = std::find_if(std::begin(kFields), std::end(kFields), [list](const FieldDef& d) {
        return d.kind == FieldKind::Entries && d.list == list;
    });
    if (it == std::end(kFields))
        throw std::out_of_range("entry list without a row");
    return *it;
}

std::span<const FieldDef* const> StoryFields(FieldOwner owner) {
    static const auto byOwner = [] {
        std::array<std::vector<const FieldDef*>, 5> lists;
        for (const FieldDef& d : kFields)
            if (d.story)
                lists[static_cast<std::size_t>(d.owner)].push_back(&d);
        return lists;
    }();
    return byOwner[static_cast<std::size_t>(owner)];
}

FieldOwner OwnerOf(Field field) {
    return FieldDefOf(field).owner;
}

}  // namespace vek::editor
