#include "editor/ui/replace_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QVBoxLayout>

#include "common/cp1250.h"
#include "common/qt/cp1250_guard.h"
#include "common/qt/message_boxes.h"
#include "common/qt/qt_text.h"
#include "editor/document/document.h"
#include "editor/ui/vlastnosti_form.h"

namespace vek::editor {

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QCheckBox* option(QWidget* parent, const char* name, const char* caption) {
    auto* box = new QCheckBox(u(caption), parent);
    box->setObjectName(name);
    box->setAccessibleName(u(caption).remove('&'));
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption, const char* hint) {
    auto* b = new QPushButton(u(caption), parent);
    b->setObjectName(name);
    b->setAccessibleName(u(caption).remove('&'));
    b->setToolTip(u(hint));
    b->setAccessibleDescription(u(hint));
    b->setAutoDefault(false);
    return b;
}

// The widget position of (0-based line, 1-based column), or -1 when the editor has no such line.
int positionOf(QPlainTextEdit* editor, std::size_t line, std::size_t column) {
    QTextBlock block = editor->document()->findBlockByNumber(static_cast<int>(line));
    if (!block.isValid())
        return -1;
    return block.position() + static_cast<int>(column) - 1;
}

void select(QPlainTextEdit* editor, int from, int length) {
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(from + length, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    editor->ensureCursorVisible();
}

}  // namespace

Replace_form::Replace_form(EditorDocument& doc, SearchHost& host, Vlastnosti_form& properties,
                           MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      host_(host),
      properties_(properties),
      boxes_(boxes),
      search_(doc, *this) {
    setObjectName("Replace_form");
    setWindowTitle(u("Najdi / Zaměň"));
    setModal(false);

    HledanyEdit = new QLineEdit(this);
    HledanyEdit->setObjectName("HledanyEdit");
    HledanyEdit->setAccessibleName(u("Hledaný text"));
    NahradaEdit = new QLineEdit(this);
    NahradaEdit->setObjectName("NahradaEdit");
    NahradaEdit->setAccessibleName(u("Zaměnit za"));
    // An empty field is said by its name and hint alone.
    for (auto [edit, hint] : {std::pair{HledanyEdit, "Text, který se hledá ve skriptech a textech"},
                              std::pair{NahradaEdit, "Text, kterým se nalezený výskyt nahradí"}}) {
        edit->setToolTip(u(hint));
        edit->setAccessibleDescription(u(hint));
    }
    guardCp1250(HledanyEdit, boxes);
    guardCp1250(NahradaEdit, boxes);
    auto* hledanyLabel = new QLabel(u("&Hledaný text:"), this);
    hledanyLabel->setBuddy(HledanyEdit);
    auto* nahradaLabel = new QLabel(u("Zaměnit z&a:"), this);
    nahradaLabel->setBuddy(NahradaEdit);

    CelaSlovaBox = option(this, "CelaSlovaBox", "Pouze &celá slova");
    VelkaMalaBox = option(this, "VelkaMalaBox", "Rozlišovat velká/&malá");
    VParamFciBox = option(this, "VParamFciBox", "Jen v parametrech &funkcí");
    DotPriZamBox = option(this, "DotPriZamBox", "D&otázat se při záměně");
    VybTextBox = option(this, "VybTextBox", "Ve vybraném textu");
    VybTextBox->setEnabled(false);

    FirstButt = button(this, "FirstButt", "Najdi &první", "Najdi první výskyt");
    FindNextButt =
        button(this, "FindNextButt", "&Další", "Najdi další výskyt (od aktuální pozice)");
    ReplaceButt = button(this, "ReplaceButt", "&Zaměň", "Zaměň nalezené slovo a najdi další");
    ReplaceAllButt = button(this, "ReplaceAllButt", "Zaměň &vše",
                            "Zaměň všechny výskyty od naposled nalezeného");
    CloseButt = button(this, "CloseButt", "Zavřít", "Zavři okno Najdi / Zaměň");

    auto* fields = new QGridLayout;
    fields->addWidget(hledanyLabel, 0, 0);
    fields->addWidget(HledanyEdit, 0, 1);
    fields->addWidget(nahradaLabel, 1, 0);
    fields->addWidget(NahradaEdit, 1, 1);
    auto* options = new QGridLayout;
    options->addWidget(CelaSlovaBox, 0, 0);
    options->addWidget(VelkaMalaBox, 0, 1);
    options->addWidget(VParamFciBox, 1, 0);
    options->addWidget(DotPriZamBox, 1, 1);
    options->addWidget(VybTextBox, 2, 0);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {FirstButt, FindNextButt, ReplaceButt, ReplaceAllButt, CloseButt})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(options);
    layout->addLayout(buttons);

    connect(HledanyEdit, &QLineEdit::returnPressed, this, [this] { FindFirstCommand(); });
    connect(FirstButt, &QPushButton::clicked, this, [this] { FindFirstCommand(); });
    connect(FindNextButt, &QPushButton::clicked, this, [this] { FindNextCommand(); });
    connect(ReplaceButt, &QPushButton::clicked, this, [this] { ReplaceCommand(); });
    connect(ReplaceAllButt, &QPushButton::clicked, this, [this] { ReplaceAllCommand(); });
    connect(CloseButt, &QPushButton::clicked, this, &QDialog::hide);
}

ReplaceAnswer Replace_form::AskReplace() {
    // The dialog may be hidden meanwhile: the question belongs to the main window.
    switch (boxes_.ask(parentWidget(), u("Zaměnit výskyt?"), BoxButtons::YesNoCancel)) {
        case BoxAnswer::Yes:
        case BoxAnswer::Ok:
            return ReplaceAnswer::Yes;
        case BoxAnswer::No:
            return ReplaceAnswer::No;
        case BoxAnswer::Cancel:
            break;
    }
    return ReplaceAnswer::Cancel;
}

void Replace_form::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    search_.Shown();
    HledanyEdit->setFocus();
    HledanyEdit->selectAll();
}

void Replace_form::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool Replace_form::readFields(std::string& pattern, std::string& replacement) {
    UnmappableCharacter bad;
    auto p = toCp1250(HledanyEdit->text(), &bad);
    auto r = p ? toCp1250(NahradaEdit->text(), &bad) : std::nullopt;
    if (!p || !r) {
        boxes_.stop(this, unmappableMessage(bad));
        return false;
    }
    pattern = std::move(*p);
    replacement = std::move(*r);
    return true;
}

void Replace_form::applyOptions() {
    search_.options.wholeWords = CelaSlovaBox->isChecked();
    search_.options.caseSensitive = VelkaMalaBox->isChecked();
    search_.options.insideBrackets = VParamFciBox->isChecked();
    search_.askBeforeReplace = DotPriZamBox->isChecked();
}

void Replace_form::notFound() {
    // "Upozornění" with the warning icon.
    boxes_.show(parentWidget(), {captionText(BoxCaption::Notice),
                                 fromCp1250(search_.NotFoundMessage()), BoxIcon::Warning});
}

template <typename F>
auto Replace_form::hiddenWhileAsking(F command) {
    bool hideMe = DotPriZamBox->isChecked() && isVisible();
    if (hideMe)
        hide();
    auto result = command();
    if (hideMe)
        show();
    return result;
}

bool Replace_form::FindFirstCommand() {
    std::string pattern, replacement;
    if (!readFields(pattern, replacement))
        return false;
    applyOptions();
    bool found = search_.FindFirst(pattern, replacement);
    if (!found)
        notFound();
    return found;
}

bool Replace_form::FindNextCommand() {
    std::string pattern, replacement;
    if (!readFields(pattern, replacement))
        return false;
    applyOptions();
    bool found = search_.FindNext(pattern, replacement);
    if (!found)
        notFound();
    return found;
}

bool Replace_form::ReplaceCommand() {
    std::string pattern, replacement;
    if (!readFields(pattern, replacement))
        return false;
    applyOptions();
    bool done = hiddenWhileAsking([&] { return search_.ReplaceOne(pattern, replacement); });
    if (!done)
        notFound();
    return done;
}

int Replace_form::ReplaceAllCommand() {
    std::string pattern, replacement;
    if (!readFields(pattern, replacement))
        return -1;
    applyOptions();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    int count = hiddenWhileAsking([&] { return search_.ReplaceAll(pattern, replacement); });
    QApplication::restoreOverrideCursor();
    if (count < 0)
        notFound();
    return count;
}

bool Replace_form::ShowHit(const SearchHit& hit) {
    bool opened = false;
    QPlainTextEdit* editor = nullptr;
    if (hit.area == SearchArea::Texts) {
        int page = properties_.PageOfTextField(hit.field);
        if (properties_.isHidden()) {
            properties_.Open(page);
            opened = true;
        }
        properties_.PageControl->setCurrentIndex(page);
        editor = properties_.TextMemo(hit.field);
    } else {
        editor = host_.ShowSearchField(hit);
    }
    editor_ = editor;
    if (!editor)
        return opened;
    int from = positionOf(editor, hit.line, hit.column);
    if (from >= 0)
        select(editor, from, static_cast<int>(hit.length));
    // The match gets the keyboard focus in its window, so that the author (and a screen
    // reader) is where the match is; this dialog stays open behind it.
    QWidget* window = editor->window();
    window->raise();
    window->activateWindow();
    editor->setFocus(Qt::OtherFocusReason);
    return opened;
}

void Replace_form::CancelSelection() {
    if (QPlainTextEdit* editor = host_.FocusedScriptEditor()) {
        QTextCursor cursor = editor->textCursor();
        cursor.clearSelection();
        editor->setTextCursor(cursor);
    }
}

void Replace_form::HideProperties() {
    properties_.hide();
}

bool Replace_form::HitStillSelected(const SearchHit& hit) const {
    // The editor the match was shown in, whichever window the author works in now: the commands
    // usually come from this dialog, while the match is selected in the main window or the
    // properties dialog. It must still show the match's window or item.
    QPlainTextEdit* editor = editor_;
    if (!editor || !editor->isVisible())
        return false;
    if ((hit.area == SearchArea::Windows && doc_.ShownWindow() != hit.window) ||
        (hit.area == SearchArea::Items && doc_.ShownItem() != hit.item))
        return false;
    QTextCursor cursor = editor->textCursor();
    if (cursor.selectionStart() != positionOf(editor, hit.line, hit.column))
        return false;
    auto selected = toCp1250(cursor.selectedText());
    const std::string& pattern = search_.State().Pattern;
    if (!selected)
        return false;
    return search_.options.caseSensitive ? *selected == pattern
                                         : cpUpper(*selected) == cpUpper(pattern);
}

void Replace_form::FieldReplaced(const SearchHit& hit, std::size_t length) {
    const TSpecStrings* field = SearchedField(hit, doc_.Settings());
    QPlainTextEdit* editor = editor_;
    if (!field || !editor || hit.line >= field->size())
        return;
    EditorDocument::UpdateGuard guard(doc_);  // the document holds the change already
    QString line = fromCp1250((*field)[hit.line]);
    auto shownLine = [&] {
        return editor->document()->findBlockByNumber(static_cast<int>(hit.line)).text();
    };
    int from = positionOf(editor, hit.line, hit.column);
    if (from >= 0 && shownLine() != line) {
        QTextCursor cursor = editor->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(from + static_cast<int>(hit.length), QTextCursor::KeepAnchor);
        cursor.insertText(
            line.mid(static_cast<qsizetype>(hit.column - 1), static_cast<qsizetype>(length)));
    }
    if (from < 0 || shownLine() != line) {
        // The editor no longer showed the field as stored: show it again whole.
        QString text = fromCp1250(field->text());
        text.replace("\r\n", "\n");
        editor->setPlainText(text);
        from = positionOf(editor, hit.line, hit.column);
    }
    select(editor, from, static_cast<int>(length));
}

void Replace_form::PlaceCaretBehind(const SearchHit& hit) {
    QPlainTextEdit* editor = editor_;
    if (!editor)
        return;
    int from = positionOf(editor, hit.line, hit.column);
    if (from < 0)
        return;
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(from + static_cast<int>(hit.length));
    editor->setTextCursor(cursor);
}

}  // namespace vek::editor
