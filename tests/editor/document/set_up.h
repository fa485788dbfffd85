// Test set-up puts content straight into a document, as a file read from disk would hold it:
// no operation, no event and no step of the history.
#pragma once

namespace vek::editor::test {

template <typename T>
T& Writable(const T& part) {
    return const_cast<T&>(part);
}

template <typename T>
T* Writable(const T* part) {
    return const_cast<T*>(part);
}

}  // namespace vek::editor::test
