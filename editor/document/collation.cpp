#include "editor/document/collation.h"

#include <memory>

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/sortkey.h>
#include <unicode/unistr.h>

#include "common/cp1250.h"

namespace vek::editor {

namespace {

icu::Collator* czechCollator() {
    static std::unique_ptr<icu::Collator> collator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Collator> c(
            icu::Collator::createInstance(icu::Locale("cs", "CZ"), status));
        if (U_FAILURE(status) || !c)
            return std::unique_ptr<icu::Collator>();
        // Secondary strength: accents count, letter case does not.
        c->setStrength(icu::Collator::SECONDARY);
        return c;
    }();
    return collator.get();
}

}  // namespace

std::string czechSortKey(std::string_view cp1250) {
    icu::Collator* collator = czechCollator();
    if (!collator)
        return cpUpper(cp1250);  // no collation data: plain upper-cased byte order
    std::string utf8 = cp1250ToUtf8(cp1250);
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(utf8);
    uint8_t buffer[256];
    int32_t needed = collator->getSortKey(text, buffer, sizeof buffer);
    if (needed <= static_cast<int32_t>(sizeof buffer))
        return std::string(reinterpret_cast<const char*>(buffer),
                           needed > 0 ? static_cast<std::size_t>(needed - 1) : 0);
    std::string key(static_cast<std::size_t>(needed), '\0');
    collator->getSortKey(text, reinterpret_cast<uint8_t*>(key.data()), needed);
    key.pop_back();  // the terminating zero
    return key;
}

int czechCompare(std::string_view a, std::string_view b) {
    return czechSortKey(a).compare(czechSortKey(b));
}

}  // namespace vek::editor
