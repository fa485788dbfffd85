#include "editor/ui/mirela2_tools.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "editor/document/fields.h"
#include "editor/ui/field_controls.h"
#include "editor/ui/mirela2_form.h"

namespace vek::editor {

namespace {

// The place of the focused script editor's field among the owner's searched fields, 1-based;
// 0 when no script editor of that page has the focus.
int fieldOf(FieldOwner owner, const QWidget* control) {
    std::optional<Field> shown = fieldOfControl(control);
    if (!shown || !isScriptEditor(control))
        return 0;
    auto fields = StoryFields(owner);
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i]->field == *shown)
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
    hooks.showSetting = [this](std::optional<Field> field, std::optional<EntryList> list) {
        properties_->ShowSetting(field, list);
    };
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
    form_.turnTo(windows ? Mirela2_form::OknaPage : Mirela2_form::PredmetyPage);
    auto fields = StoryFields(windows ? FieldOwner::Window : FieldOwner::Item);
    if (hit.field < 1 || hit.field > static_cast<int>(fields.size()))
        return nullptr;
    return qobject_cast<QPlainTextEdit*>(form_.controlOf(FieldOfHit(hit)));
}

SearchPlace Mirela2_tools::CurrentPlace() const {
    SearchPlace place;
    QPlainTextEdit* editor = nullptr;
    switch (form_.currentPage()) {
        case Mirela2_form::OknaPage:
            place.page = SearchPlace::Page::Windows;
            place.field = fieldOf(FieldOwner::Window, form_.focusedControl());
            break;
        case Mirela2_form::PredmetyPage:
            place.page = SearchPlace::Page::Items;
            place.field = fieldOf(FieldOwner::Item, form_.focusedControl());
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
