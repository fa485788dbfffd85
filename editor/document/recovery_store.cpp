#include "editor/document/recovery_store.h"

#include <iostream>

#include "common/cp1250.h"
#include "common/cp1250_literal.h"
#include "common/scenario_format.h"
#include "common/text_file.h"

namespace vek::editor {

namespace fs = std::filesystem;

// What the writing thread has on disk; only its jobs touch `files`.
struct RecoveryStore::Written {
    std::optional<RecoveryFiles> files;
    mutable std::mutex mutex;
    std::string error;

    void fail(std::string message) {
        std::lock_guard lock(mutex);
        if (message != error)
            std::cerr << cp1250ToUtf8(message) << '\n';
        error = std::move(message);
    }
    void succeeded() {
        std::lock_guard lock(mutex);
        error.clear();
    }
};

namespace {

void removePair(const RecoveryFiles& files) {
    std::error_code ec;
    fs::remove(files.copy, ec);
    fs::remove(files.record, ec);
}

// The copies are the author's work: the folder is theirs alone.
bool makeDirectory(const fs::path& dir, std::string& error) {
    std::error_code ec;
    if (fs::is_directory(dir, ec))
        return true;
    fs::create_directories(dir, ec);
    if (ec) {
        error =
            "Složku " + utf8ToCp1250(dir.string()).value_or(dir.string()) + " nelze vytvořit."_cp;
        return false;
    }
    fs::permissions(dir, fs::perms::owner_all, ec);
    return true;
}

std::string originalPath(const std::string& fileName) {
    if (fileName.empty())
        return {};
    std::error_code ec;
    fs::path absolute = fs::absolute(fileName, ec);
    return ec ? fileName : absolute.lexically_normal().string();
}

}  // namespace

RecoveryStore::RecoveryStore(EditorDocument& doc, fs::path dir, RecoveryOwner owner,
                             OneShotTimer& timer)
    : doc_(doc),
      dir_(std::move(dir)),
      owner_(std::move(owner)),
      timer_(timer),
      builder_(doc, kSlice),
      written_(std::make_shared<Written>()),
      subscription_(doc, [this](const DocumentChange& change) { changed(change); }) {
    if (doc_.Modified())
        schedule();
}

RecoveryStore::~RecoveryStore() {
    subscription_.reset();
    remove();
}

void RecoveryStore::changed(const DocumentChange& change) {
    if (copying_)
        builder_.changed(change);
    if (change.kind == ChangeKind::ModifiedChanged && !doc_.Modified())
        remove();
    else if (doc_.Modified())
        schedule();
}

// A change while a copy is pending or being taken is in that copy; only a change after it needs
// another one, so steady typing cannot put the copy off.
void RecoveryStore::schedule() {
    if (copying_ || timer_.active())
        return;
    timer_.start(kDelay, [this] {
        copying_ = true;
        builder_.restart();
        stepSnapshot();
    });
}

void RecoveryStore::stepSnapshot() {
    if (!builder_.step()) {
        timer_.start(std::chrono::milliseconds(0), [this] { stepSnapshot(); });
        return;
    }
    copying_ = false;
    write(builder_.take(), std::nullopt);
}

void RecoveryStore::write(DocumentSnapshot snapshot, std::optional<RecoveryFiles> thenRemove) {
    RecoveryRecord record;
    record.originalPath = originalPath(snapshot.FileName);
    record.scenarioName = snapshot.Settings.ScenarioName;
    record.encoded = snapshot.Settings.Encode && !snapshot.Settings.Password.empty();
    record.owner = owner_;
    RecoveryFiles files = RecoveryFilesFor(dir_, owner_, record.originalPath);
    auto content = std::make_shared<DocumentSnapshot>(std::move(snapshot));
    worker_.post([written = written_, dir = dir_, files, record, content, thenRemove] {
        std::string bytes;
        try {
            bytes = ScenarioBytes(*content);
        } catch (const UnwritablePasswordError& e) {
            written->fail(e.what());  // the last copy that could be written stays
            return;
        }
        std::string error;
        if (!makeDirectory(dir, error) || !writeFileAtomically(files.copy, bytes, &error) ||
            !writeFileAtomically(files.record, RecordBytes(record), &error)) {
            written->fail(error);
            return;
        }
        if (written->files && written->files->copy != files.copy)
            removePair(*written->files);
        written->files = files;
        written->succeeded();
        if (thenRemove)
            removePair(*thenRemove);
    });
}

void RecoveryStore::remove() {
    timer_.stop();
    copying_ = false;
    worker_.post([written = written_] {
        if (written->files)
            removePair(*written->files);
        written->files.reset();
    });
}

void RecoveryStore::adopt(const RecoveryLeftover& leftover) {
    write(TakeSnapshot(doc_), leftover.files);
}

void RecoveryStore::flush() {
    worker_.flush();
}

RecoveryFiles RecoveryStore::files() const {
    return RecoveryFilesFor(dir_, owner_, originalPath(doc_.FileName));
}

std::string RecoveryStore::lastError() const {
    std::lock_guard lock(written_->mutex);
    return written_->error;
}

}  // namespace vek::editor
