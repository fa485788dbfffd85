// Keeps the recovery copy of the open scenario: while the document has unsaved changes, a copy in
// the editor's own format is written (atomically) within a few seconds of each change; a save, a
// discard or a normal exit removes it. The document is copied between the window's events (a
// slice of entities at a time) and turned into bytes and written on a thread of its own, so a
// large scenario never holds up typing.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "editor/document/document_snapshot.h"
#include "editor/document/recovery_files.h"
#include "editor/document/serial_worker.h"

namespace vek::editor {

// A one-shot timer of the thread that owns the document (the window's event loop); tests fire it
// themselves.
class OneShotTimer {
  public:
    virtual ~OneShotTimer() = default;
    virtual void start(std::chrono::milliseconds delay, std::function<void()> due) = 0;
    virtual void stop() = 0;
    virtual bool active() const = 0;
};

class RecoveryStore {
  public:
    // A change waits this long before it is copied, so that a burst of typing is copied once;
    // copying and writing take well under the rest of the five seconds a change may wait.
    static constexpr std::chrono::milliseconds kDelay{2000};
    // Entities copied between two of the window's events.
    static constexpr std::size_t kSlice = 256;

    RecoveryStore(EditorDocument& doc, std::filesystem::path dir, RecoveryOwner owner,
                  OneShotTimer& timer);
    // A normal exit: the copy is removed.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // After a leftover copy was restored into the document: this editor's own copy of it is
    // written at once, and the leftover's files are removed once that copy is safe.
    void adopt(const RecoveryLeftover& leftover);

    // Waits until every write handed to the writing thread is done.
    void flush();
    // The files this store writes for the document as it is now.
    RecoveryFiles files() const;
    // The last write's failure (Czech), empty when it went well.
    std::string lastError() const;

  private:
    struct Written;

    void changed(const DocumentChange& change);
    void schedule();
    void stepSnapshot();
    void write(DocumentSnapshot snapshot, std::optional<RecoveryFiles> thenRemove);
    void remove();

    EditorDocument& doc_;
    std::filesystem::path dir_;
    RecoveryOwner owner_;
    OneShotTimer& timer_;
    SnapshotBuilder builder_;
    bool copying_ = false;  // a snapshot is being taken
    std::shared_ptr<Written> written_;
    DocumentSubscription subscription_;
    SerialWorker worker_;  // last: it ends (running what is left) before the rest goes
};

}  // namespace vek::editor
