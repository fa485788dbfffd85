// Packing chosen recordings of the scenario into a sound collection, and pointing their entries
// into it.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/collection.h"
#include "common/cp1250.h"
#include "common/cp1250_literal.h"

namespace vek::editor {

class EditorDocument;

// The keys offered: every recording, then every system sound, whose entry does not already
// point into a collection; in the sorted order of the dialog's list.
std::vector<std::string> OfferedCollectionKeys(const EditorDocument& doc);

// The proposed collection name (UTF-8, like the scenario's path it comes from): the scenario's
// path with its file name cut at its first "." plus ".zvk", or "collect01.zvk" for a scenario
// never saved.
std::string DefaultCollectionName(std::string_view scenarioFile);
// A name chosen in the save dialog: ".zvk" is added when its file name holds no ".".
std::string BrowsedCollectionName(std::string_view name);

// The file of a key's entry (recordings first), relative to the current directory; empty when
// the key has no entry or its entry no file.
std::filesystem::path CollectionKeyFile(const EditorDocument& doc, std::string_view key);

// "Formátuji kolekci: p%" in the index phase, "Ukládám kolekci: (p+50)%" in the data phase,
// p = position × 50 / count rounded.
std::string CollectionProgressText(CollectionPhase phase, std::size_t index, std::size_t count);

// The dialog's questions and its text while a build is being cancelled.
std::string CreateCollectionQuestion(std::size_t count);
std::string OverwriteCollectionQuestion(std::string_view file);
inline constexpr std::string_view kCollectionCancelPressed = "Akce zrušena!"_cp;

inline constexpr std::string_view kCollectionCancelled = "Tvorba kolekce zastavena";

// Writes the collection of `keys` (in that order) to `target`. `progress` gets each progress
// text and answers whether to go on. A cancelled or failed build leaves no file.
CollectionWriteResult BuildCollection(const EditorDocument& doc,
                                      const std::vector<std::string>& keys,
                                      const std::filesystem::path& target,
                                      const std::function<bool(const std::string&)>& progress,
                                      std::string* error = nullptr);

// Rewrites the entries of `keys` (code page 1250) to point into `collection` (a UTF-8 path,
// relative to `currentDirectory` when it lies inside) and marks the document modified. False,
// and nothing changes, when code page 1250 cannot hold the collection's path.
bool ReplaceWithCollectionPointers(EditorDocument& doc, const std::vector<std::string>& keys,
                                   std::string_view collection, std::string_view currentDirectory,
                                   EncodingError* error = nullptr);

}  // namespace vek::editor
