// The working windows beside the main window: the builder, the scenario properties, search and
// replace, and the collection builder, created once and reached through the main window's tool
// hooks. The search reaches the main window's pages through SearchHost.
#pragma once

#include <QPointer>

#include "editor/ui/akce_form.h"
#include "editor/ui/replace_form.h"
#include "editor/ui/vlastnosti_form.h"
#include "editor/ui/wavecol_form.h"

namespace vek::editor {

class EditorPrompts;
class Mirela2_form;

class Mirela2_tools : private SearchHost {
  public:
    Mirela2_tools(Mirela2_form& form, MessageBoxes& boxes, EditorPrompts& prompts);
    ~Mirela2_tools() override;
    Mirela2_tools(const Mirela2_tools&) = delete;
    Mirela2_tools& operator=(const Mirela2_tools&) = delete;

    Akce_form* builder() const { return builder_; }
    Vlastnosti_form* properties() const { return properties_; }
    Replace_form* search() const { return search_; }
    WaveCol_form* collection() const { return collection_; }

  private:
    QPlainTextEdit* ShowSearchField(const SearchHit& hit) override;
    SearchPlace CurrentPlace() const override;
    QPlainTextEdit* FocusedScriptEditor() const override;

    Mirela2_form& form_;
    QPointer<Akce_form> builder_;
    QPointer<Vlastnosti_form> properties_;
    QPointer<Replace_form> search_;
    QPointer<WaveCol_form> collection_;
};

}  // namespace vek::editor
