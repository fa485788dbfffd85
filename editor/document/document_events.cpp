#include "editor/document/document_events.h"

#include <algorithm>

#include "editor/document/document.h"

namespace vek::editor {

DocumentEvents::Token DocumentEvents::subscribe(DocumentListener listener) {
    listeners_.push_back({next_, std::move(listener)});
    return next_++;
}

void DocumentEvents::unsubscribe(Token token) {
    std::erase_if(listeners_, [token](const Entry& e) { return e.token == token; });
}

void DocumentEvents::notify(const DocumentChange& change) const {
    // Listeners may come and go while the event is told: each listener present at the start
    // and still present when its turn comes hears it.
    std::vector<Token> tokens;
    tokens.reserve(listeners_.size());
    for (const auto& e : listeners_)
        tokens.push_back(e.token);
    for (Token token : tokens) {
        auto it = std::find_if(listeners_.begin(), listeners_.end(),
                               [token](const Entry& e) { return e.token == token; });
        if (it != listeners_.end()) {
            DocumentListener listener = it->listener;  // the entry may go during the call
            listener(change);
        }
    }
}

std::size_t DocumentEvents::listenerCount() const {
    return listeners_.size();
}

DocumentSubscription::DocumentSubscription(EditorDocument& doc, DocumentListener listener)
    : doc_(&doc), token_(doc.Subscribe(std::move(listener))) {}

DocumentSubscription::DocumentSubscription(DocumentSubscription&& other) noexcept
    : doc_(other.doc_), token_(other.token_) {
    other.doc_ = nullptr;
}

DocumentSubscription& DocumentSubscription::operator=(DocumentSubscription&& other) noexcept {
    if (this != &other) {
        reset();
        doc_ = other.doc_;
        token_ = other.token_;
        other.doc_ = nullptr;
    }
    return *this;
}

DocumentSubscription::~DocumentSubscription() {
    reset();
}

void DocumentSubscription::reset() {
    if (doc_)
        doc_->Unsubscribe(token_);
    doc_ = nullptr;
}

}  // namespace vek::editor
