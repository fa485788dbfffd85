#include "editor/ui/mirela2_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

#include "common/qt/qt_text.h"
#include "editor/ui/checker_link.h"
#include "editor/ui/edit_history_ui.h"
#include "editor/ui/field_controls.h"
#include "editor/ui/file_commands.h"
#include "editor/ui/items_page.h"
#include "editor/ui/menu_page.h"
#include "editor/ui/qt_text.h"
#include "editor/ui/sounds_page.h"
#include "editor/ui/status_panels.h"
#include "editor/ui/windows_page.h"

namespace vek::editor {

Mirela2_form::Mirela2_form(EditorDocument& doc, EditorServices services)
    : QMainWindow(nullptr),
      doc_(doc),
      services_(services),
      commands_(doc, services, this, [this](Page page, bool focus) {
          if (focus)
              showPage(page);
          else
              turnTo(page);
      }) {
    setObjectName("TForm1");
    setWindowTitle(u8("Editor scénářů"));
    setMinimumSize(550, 418);
    resize(kDesignWidth, kDesignHeight);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    setStyleSheet("QToolTip { background-color: rgb(238, 255, 255); color: black; }");

    PageControl = new QTabWidget;
    PageControl->setObjectName("PageControl");
    PageControl->tabBar()->setFocusPolicy(Qt::NoFocus);
    windows_ = new WindowsPage(commands_, keys_);
    items_ = new ItemsPage(commands_, keys_);
    sounds_ = new SoundsPage(commands_, keys_);
    menus_ = new editor::MenuPage(commands_, keys_);
    PageControl->addTab(windows_, u8("Okna"));
    PageControl->addTab(items_, u8("Předměty"));
    PageControl->addTab(sounds_, u8("Zvuky"));
    PageControl->addTab(menus_, u8("Menu"));
    setCentralWidget(PageControl);
    // A screen reader names the page the focus enters; the pages' stack would otherwise be an
    // unnamed "layered pane" spoken on every return to this window.
    for (int i = 0; i < PageControl->count(); ++i)
        PageControl->widget(i)->setAccessibleName(PageControl->tabText(i));
    auto* stack = PageControl->findChild<QStackedWidget*>();
    stack->setAccessibleName(PageControl->tabText(0));

    menu_ = std::make_unique<MainMenu>(*this, services_.prompts, services_.recent);
    status_ = std::make_unique<StatusPanels>(doc_, *this);
    files_ = std::make_unique<FileCommands>(
        commands_, *status_,
        [this](bool focus) {
            refreshAll();
            if (focus)
                focusFirstControl();
        },
        [this] { menu_->updateRecent(); });
    checker_ = std::make_unique<CheckerLink>(*this, doc_);
    auto* preview = new KeyPreview(*PageControl, keys_, [this](int d) { stepShown(d); });
    preview->watch(PageControl);
    history_ = new EditHistoryUi(*this);

    focusConnection_ = connect(qApp, &QApplication::focusChanged, this,
                               [this](QWidget*, QWidget* now) { focusChanged(now); });
    // A page that comes into view (Ctrl+Tab, the "Zobrazit" menu) takes the focus to its first
    // control: the one that had it is hidden now.
    connect(PageControl, &QTabWidget::currentChanged, this, [this, stack](int index) {
        menu_->pageShown(index);
        stack->setAccessibleName(PageControl->tabText(index));
        if (isVisible()) {
            focusFirstControl();
            status_->announce(PageControl->tabText(index));  // the page's name is heard
        }
    });
    refreshAll();
}

Mirela2_form::~Mirela2_form() {
    disconnect(focusConnection_);
}

void Mirela2_form::start(const std::string& argument) {
    WindowPlacement placement =
        LoadPlacement(services_.placement, {false, x(), y(), width(), height()});
    if (placement.maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        move(placement.left, placement.top);
        resize(std::max(placement.width, minimumWidth()),
               std::max(placement.height, minimumHeight()));
    }
    files_->start(argument);
}

void Mirela2_form::closeEvent(QCloseEvent* event) {
    if (!ConfirmDiscard()) {
        event->ignore();
        return;
    }
    bool maximized = isMaximized();
    QRect normal = maximized ? normalGeometry() : geometry();
    SavePlacement(services_.placement,
                  {maximized, normal.x(), normal.y(), normal.width(), normal.height()});
    // Closing empties the document; the window shows nothing more.
    for (int i = 0; i < PageControl->count(); ++i)
        page(i)->detach();
    status_->detach();
    doc_.ClearDocument();
    services_.recent.Save();
    event->accept();
}

void Mirela2_form::setToolHooks(ToolHooks hooks) {
    menu_->setToolHooks(std::move(hooks));
}

const ToolHooks& Mirela2_form::toolHooks() const {
    return menu_->hooks();
}

QMenu* Mirela2_form::insertMenu(const QString& title, const char* name) {
    return menu_->insertMenu(title, name);
}

void Mirela2_form::ShowChecker() {
    checker_->show();
}

void Mirela2_form::ShowProblem(const ProblemPlace& place) {
    checker_->showProblem(place);
}

CheckerWindow* Mirela2_form::checkerWindow() const {
    return checker_->window();
}

bool Mirela2_form::ConfirmDiscard() {
    return files_->ConfirmDiscard();
}

void Mirela2_form::New() {
    files_->New();
}

void Mirela2_form::Open() {
    files_->Open();
}

bool Mirela2_form::OpenScenario(const std::string& path) {
    return files_->OpenScenario(path);
}

bool Mirela2_form::Save() {
    return files_->Save();
}

bool Mirela2_form::SaveAs() {
    return files_->SaveAs();
}

void Mirela2_form::OpenRecent(std::size_t slot) {
    files_->OpenRecent(slot);
}

void Mirela2_form::PlayScenario() {
    files_->PlayScenario();
}

void Mirela2_form::ShowHelp() {
    files_->ShowHelp();
}

// ---- pages and focus -------------------------------------------------------------------------

EditorPage* Mirela2_form::page(int index) const {
    return static_cast<EditorPage*>(PageControl->widget(index));
}

void Mirela2_form::refreshAll() {
    for (int i = 0; i < PageControl->count(); ++i)
        page(i)->refill();
    status_->update();
    setWindowTitle(QString::fromStdString(doc_.WindowTitle()));
}

void Mirela2_form::showPage(Page shown) {
    turnTo(shown);
    focusFirstControl();
}

void Mirela2_form::turnTo(Page shown) {
    PageControl->setCurrentIndex(shown);
    menu_->pageShown(shown);
}

Mirela2_form::Page Mirela2_form::currentPage() const {
    return static_cast<Page>(PageControl->currentIndex());
}

void Mirela2_form::focusFirstControl() {
    page(PageControl->currentIndex())->firstControl()->setFocus();
}

QWidget* Mirela2_form::controlOf(Field field) const {
    for (int i = 0; i < PageControl->count(); ++i)
        if (QWidget* control = page(i)->controlOf(field))
            return control;
    return nullptr;
}

QWidget* Mirela2_form::controlOf(EntryList list) const {
    for (int i = 0; i < PageControl->count(); ++i)
        if (QWidget* control = page(i)->controlOf(list))
            return control;
    return nullptr;
}

QWidget* Mirela2_form::focusField(Field field) {
    QWidget* control = controlOf(field);
    for (int i = 0; control && i < PageControl->count(); ++i)
        if (page(i)->isAncestorOf(control)) {
            showPage(static_cast<Page>(i));
            control->setFocus();
        }
    return control;
}

QWidget* Mirela2_form::focusEntries(EntryList list) {
    QWidget* control = controlOf(list);
    for (int i = 0; control && i < PageControl->count(); ++i)
        if (page(i)->isAncestorOf(control)) {
            showPage(static_cast<Page>(i));
            control->setFocus();
        }
    return control;
}

// Ctrl+Up and Ctrl+Down step through what the page shows. The selector says its new value
// itself; from any other control the name is announced, and at the list's end, where nothing
// changes, the name stays the one heard.
void Mirela2_form::stepShown(int direction) {
    EntityKind kind = EntityKind::Window;
    QComboBox* selector = page(PageControl->currentIndex())->steppedSelector(lastFocus_, kind);
    if (!selector)
        return;
    bool stepped = doc_.StepShown(kind, direction);
    if (!stepped || lastFocus_ != selector)
        if (const std::string* name = shownName(doc_, kind))
            status_->announce(fromCp1250(*name));
}

void Mirela2_form::focusChanged(QWidget* now) {
    if (!now || now->window() != this)
        return;
    // An editable selector's inner line edit stands for the selector.
    if (auto* box = qobject_cast<QComboBox*>(now->parentWidget()))
        now = box;
    lastFocus_ = now;
    menu_->updateTools();
}

QPlainTextEdit* Mirela2_form::focusedScriptEditor() const {
    return isScriptEditor(lastFocus_) ? static_cast<QPlainTextEdit*>(lastFocus_) : nullptr;
}

bool Mirela2_form::insertIntoScriptEditor(const QString& text) {
    QPlainTextEdit* editor = focusedScriptEditor();
    if (!editor || !editor->isEnabled())
        return false;
    editor->insertPlainText(text);  // goes through the editor's own write-back
    return true;
}

}  // namespace vek::editor
