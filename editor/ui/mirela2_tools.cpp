#include "editor/ui/mirela2_tools.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextBlock>

#include "editor/ui/mirela2_form.h"

namespace vek::editor {

namespace {

// The script editors of the two pages in the search's field order.
std::array<QPlainTextEdit*, 3> windowEditors(const Mirela2_form& f) {
    return {f.RozhlEdit, f.PrichEdit, f.OdchEdit};
}
std::array<QPlainTextEdit*, 5> itemEditors(const Mirela2_form& f) {
    return {f.ProzkEdit, f.VezmiEdit, f.PolozEdit, f.PouzEdit, f.PromlEdit};
}

template <std::size_t N>
int fieldOf(const std::array<QPlainTextEdit*, N>& editors, const QWidget* control) {
    for (std::size_t i = 0; i < N; ++i)
        if (editors[i] == control)
            return static_cast<int>(i) + 1;
    return 0;
}

}  // namespace

Mirela2_tools::Mirela2_tools(Mirela2_form& form, MessageBoxes& boxes, EditorPrompts& prompts)
    : form_(form) {
    EditorDocument& doc = form.document();
    builder_ = new Akce_form(doc, boxes, &form);
    properties_ = new Vlastnosti_form(doc, boxes, &form);
    search_ = new Replace_form(doc, *this, *properties_, boxes, &form);
    collection_ = new WaveCol_form(doc, boxes, &form);
    properties_->setBuilder(builder_);
    properties_->chooseItem = [&prompts](const QString& caption,
                                         const std::vector<std::string>& choices) {
        return prompts.choose(caption.toStdString(), choices);
    };

    auto run = [this](BuilderPurpose purpose) {
        return [this, purpose](QWidget* control) {
            BuilderTarget target = qobject_cast<QLineEdit*>(control) ? BuilderTarget::CaseField
                                                                     : BuilderTarget::ScriptEditor;
            OpenBuilder(*builder_, purpose, control, target);
        };
    };
    ToolHooks hooks;
    hooks.condition = run(BuilderPurpose::Conditions);
    hooks.action = run(BuilderPurpose::Actions);
    hooks.soundAction = run(BuilderPurpose::SoundActions);
    hooks.search = [this] {
        search_->show();
        search_->raise();
        search_->activateWindow();
    };
    // F3 works with the dialog hidden too: its fields keep the last search.
    hooks.findNext = [this] { search_->FindNextCommand(); };
    hooks.properties = [this](int page) { properties_->Open(page); };
    hooks.collection = [this] { collection_->Open(); };
    form.setToolHooks(std::move(hooks));
}

Mirela2_tools::~Mirela2_tools() {
    form_.setToolHooks({});
    delete collection_;
    delete search_;
    delete properties_;
    delete builder_;
}

QPlainTextEdit* Mirela2_tools::ShowSearchField(const SearchHit& hit) {
    // The search has made the window or item current; the page follows that on its own.
    bool windows = hit.area == SearchArea::Windows;
    form_.PageControl->setCurrentIndex(windows ? Mirela2_form::OknaPage
                                               : Mirela2_form::PredmetyPage);
    if (windows)
        return hit.field >= 1 && hit.field <= 3 ? windowEditors(form_)[hit.field - 1] : nullptr;
    return hit.field >= 1 && hit.field <= 5 ? itemEditors(form_)[hit.field - 1] : nullptr;
}

SearchPlace Mirela2_tools::CurrentPlace() const {
    SearchPlace place;
    QPlainTextEdit* editor = nullptr;
    switch (form_.PageControl->currentIndex()) {
        case Mirela2_form::OknaPage:
            place.page = SearchPlace::Page::Windows;
            place.field = fieldOf(windowEditors(form_), form_.focusedControl());
            break;
        case Mirela2_form::PredmetyPage:
            place.page = SearchPlace::Page::Items;
            place.field = fieldOf(itemEditors(form_), form_.focusedControl());
            break;
        default:
            return place;
    }
    if (place.field > 0)
        editor = static_cast<QPlainTextEdit*>(form_.focusedControl());
    if (editor) {
        QTextCursor cursor = editor->textCursor();
        place.caretLine = static_cast<std::size_t>(cursor.blockNumber());
        place.caretColumn = static_cast<std::size_t>(cursor.positionInBlock());
    }
    return place;
}

QPlainTextEdit* Mirela2_tools::FocusedScriptEditor() const {
    return form_.focusedScriptEditor();
}

}  // namespace vek::editor
