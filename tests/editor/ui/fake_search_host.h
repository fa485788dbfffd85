// A stand-in for the main window's two script pages, for the search dialog's tests and
// benchmarks.
#pragma once

#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <QWidget>

#include "common/cp1250.h"
#include "editor/document/document.h"
#include "editor/ui/replace_form.h"

namespace vek::editor {

// The script editors of the main window's two pages, refilled from the document when the search
// shows another window or item, and writing every change back as the main window does.
class FakeMainWindow : public QWidget, public SearchHost {
  public:
    explicit FakeMainWindow(EditorDocument& doc) : doc_(doc) {
        auto* layout = new QVBoxLayout(this);
        for (auto* e : editors()) {
            *e = new QPlainTextEdit(this);
            layout->addWidget(*e);
            connect(*e, &QPlainTextEdit::textChanged, this, [this, e] { store(*e); });
        }
    }
    QPlainTextEdit* windowEditors[3];
    QPlainTextEdit* itemEditors[5];
    SearchPlace place;
    int pageShows = 0;

    QPlainTextEdit* ShowSearchField(const SearchHit& hit) override {
        if (hit.area == SearchArea::Windows && shownWindow_ != hit.window) {
            shownWindow_ = hit.window;
            fill(windowEditors, {&hit.window->LookScript, &hit.window->ArrivalScript,
                                 &hit.window->DepartureScript});
            ++pageShows;
        }
        if (hit.area == SearchArea::Items && shownItem_ != hit.item) {
            shownItem_ = hit.item;
            fill(itemEditors, {&hit.item->ExamineScript, &hit.item->TakeScript,
                               &hit.item->PutScript, &hit.item->UseScript, &hit.item->TalkScript});
            ++pageShows;
        }
        return hit.area == SearchArea::Windows ? windowEditors[hit.field - 1]
                                               : itemEditors[hit.field - 1];
    }
    SearchPlace CurrentPlace() const override { return place; }
    QPlainTextEdit* FocusedScriptEditor() const override {
        for (auto* e : editors())
            if (*e == focusWidget())
                return *e;
        return nullptr;
    }
    void showWindow(const TOkna* w) {
        shownWindow_ = w;
        doc_.Show(w);
        fill(windowEditors, {&w->LookScript, &w->ArrivalScript, &w->DepartureScript});
    }

  private:
    std::vector<QPlainTextEdit**> editors() const {
        auto* self = const_cast<FakeMainWindow*>(this);
        std::vector<QPlainTextEdit**> out;
        for (auto& e : self->windowEditors)
            out.push_back(&e);
        for (auto& e : self->itemEditors)
            out.push_back(&e);
        return out;
    }
    template <std::size_t N>
    void fill(QPlainTextEdit* (&to)[N], std::initializer_list<const TSpecStrings*> fields) {
        EditorDocument::UpdateGuard guard(doc_);
        std::size_t i = 0;
        for (const TSpecStrings* f : fields)
            to[i++]->setPlainText(
                QString::fromStdString(cp1250ToUtf8(f->text())).replace("\r\n", "\n"));
    }
    void store(QPlainTextEdit* editor) {
        if (doc_.Updating())
            return;
        static constexpr Field fields[8] = {
            Field::LookScript, Field::ArrivalScript, Field::DepartureScript, Field::ExamineScript,
            Field::TakeScript, Field::PutScript,     Field::UseScript,       Field::TalkScript};
        auto all = editors();
        for (std::size_t i = 0; i < all.size(); ++i)
            if (*all[i] == editor && (i < 3 ? shownWindow_ != nullptr : shownItem_ != nullptr)) {
                if (i < 3)
                    doc_.Show(shownWindow_);
                else
                    doc_.Show(shownItem_);
                doc_.SetField(fields[i], utf8ToCp1250(editor->toPlainText().toStdString()).value());
            }
    }

    EditorDocument& doc_;
    const TOkna* shownWindow_ = nullptr;
    const TPredmet* shownItem_ = nullptr;
};

}  // namespace vek::editor
