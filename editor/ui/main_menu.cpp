#include "editor/ui/main_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "editor/ui/field_controls.h"
#include "editor/ui/items_page.h"
#include "editor/ui/mirela2_form.h"
#include "editor/ui/qt_text.h"
#include "editor/ui/sounds_page.h"
#include "editor/ui/windows_page.h"

namespace vek::editor {

namespace {

QAction* command(QMenu* menu, const char* name, const char* caption, QKeySequence shortcut,
                 std::function<void()> run) {
    QAction* a = menu->addAction(u8(caption));
    a->setObjectName(name);
    if (!shortcut.isEmpty()) {
        a->setShortcut(shortcut);
        a->setShortcutContext(Qt::WindowShortcut);
    }
    QObject::connect(a, &QAction::triggered, menu, [run = std::move(run)] { run(); });
    return a;
}

QMenu* menuOf(QMenuBar* bar, const char* caption, const char* name) {
    QMenu* menu = bar->addMenu(u8(caption));
    menu->setObjectName(name);
    return menu;
}

}  // namespace

MainMenu::MainMenu(Mirela2_form& form, EditorPrompts& prompts, TMenuFilesList& recent)
    : form_(form), prompts_(prompts), recent_(recent) {
    build();
    setToolHooks({});
}

void MainMenu::build() {
    Mirela2_form& f = form_;
    QMenuBar* bar = f.menuBar();
    QMenu* soubor = menuOf(bar, "&Soubor", "Soubor1");
    command(soubor, "MINovy", "&Nový", QKeySequence(Qt::CTRL | Qt::Key_N), [&f] { f.New(); });
    command(soubor, "MIOtevri", "&Otevři...", QKeySequence(Qt::CTRL | Qt::Key_O),
            [&f] { f.Open(); });
    command(soubor, "MIUloz", "&Ulož", QKeySequence(Qt::CTRL | Qt::Key_S), [&f] { f.Save(); });
    command(soubor, "MIUlozJako", "Ulož &jako...", {}, [&f] { f.SaveAs(); });
    soubor->addSeparator();
    for (std::size_t i = 0; i < MIRecent.size(); ++i) {
        std::string name = "MIRecent" + std::to_string(i);
        MIRecent[i] = command(soubor, name.c_str(), "", {}, [&f, i] { f.OpenRecent(i); });
        MIRecent[i]->setVisible(false);
    }
    soubor->addSeparator();
    soubor->setSeparatorsCollapsible(true);
    command(soubor, "MIKonec", "&Konec", {}, [&f] { f.close(); });

    ZobrazitMenu = menuOf(bar, "&Zobrazit", "Zobrazit1");
    auto* pages = new QActionGroup(ZobrazitMenu);
    pages->setExclusive(true);
    const std::array<const char*, 4> pageCaptions = {"Záložku &Okna", "Záložku &Předměty",
                                                     "Záložku &Zvuky", "Záložku &Menu"};
    for (std::size_t i = 0; i < MIPage.size(); ++i) {
        std::string name = "MIPage" + std::to_string(i);
        MIPage[i] = command(ZobrazitMenu, name.c_str(), pageCaptions[i], {},
                            [&f, i] { f.showPage(static_cast<Mirela2_form::Page>(i)); });
        MIPage[i]->setCheckable(true);
        pages->addAction(MIPage[i]);
    }
    MIPage[0]->setChecked(true);
    ZobrazitMenu->addSeparator();
    auto properties = [this](int page) {
        return [this, page] {
            if (hooks_.properties)
                hooks_.properties(page);
        };
    };
    MIVlastnosti = command(ZobrazitMenu, "MIVlastnosti", "&Vlastnosti scénáře...",
                           QKeySequence(Qt::Key_F5), properties(0));
    MIDalsiTexty = command(ZobrazitMenu, "MIDalsiTexty", "&Další texty...",
                           QKeySequence(Qt::SHIFT | Qt::Key_F5), properties(1));

    QMenu* nastroje = menuOf(bar, "Nás&troje", "Nastroje1");
    auto builder = [this](std::function<void(QWidget*)> ToolHooks::*hook, bool caseForms) {
        return [this, hook, caseForms] {
            QWidget* control = form_.focusedControl();
            bool fits = isScriptEditor(control) || (caseForms && isCaseForm(control));
            if (fits && hooks_.*hook)
                (hooks_.*hook)(control);
        };
    };
    MIPodminka = command(nastroje, "MIPodminka", "&Podmínka", QKeySequence(Qt::CTRL | Qt::Key_P),
                         builder(&ToolHooks::condition, false));
    MIAkce = command(nastroje, "MIAkce", "&Akce", QKeySequence(Qt::CTRL | Qt::Key_A),
                     builder(&ToolHooks::action, false));
    MIZvukovaAkce =
        command(nastroje, "MIZvukovaAkce", "&Zvuková akce", QKeySequence(Qt::CTRL | Qt::Key_Z),
                builder(&ToolHooks::soundAction, true));
    nastroje->addSeparator();
    MINajdi =
        command(nastroje, "MINajdi", "Najdi / Zaměň", QKeySequence(Qt::CTRL | Qt::Key_F), [this] {
            if (hooks_.search)
                hooks_.search();
        });
    MINajdiDalsi =
        command(nastroje, "MINajdiDalsi", "Najdi další", QKeySequence(Qt::Key_F3), [this] {
            if (hooks_.findNext)
                hooks_.findNext();
        });
    // The search keys act in every window of the editor: the search moves between the pages,
    // the properties dialog and its own window.
    for (QAction* key : {MINajdi, MINajdiDalsi})
        key->setShortcutContext(Qt::ApplicationShortcut);
    nastroje->addSeparator();
    command(nastroje, "MIKontrola", "&Kontrola scénáře", QKeySequence(Qt::Key_F8),
            [&f] { f.ShowChecker(); });
    QObject::connect(nastroje, &QMenu::aboutToShow, nastroje, [this] { updateTools(); });

    QMenu* scenar = menuOf(bar, "&Scénář", "Scenar1");
    QMenu* pridej = scenar->addMenu(u8("&Přidej"));
    pridej->setObjectName("Pridej1");
    command(pridej, "MIViceZvuku", "&Více zvuků", {}, [&f] { f.soundsPage().addMoreSounds(); });
    command(pridej, "MIOkno", "&Okno", {}, [&f] { f.windowsPage().newWindow(); });
    command(pridej, "MIPredmet", "&Předmět", {}, [&f] { f.itemsPage().newItem(); });
    command(pridej, "MIZvuk", "&Zvuk", {}, [&f] { f.soundsPage().addSound(); });
    command(pridej, "MICestu", "&Cestu", {}, [&f] { f.windowsPage().addEntry(EntryList::Paths); });
    command(pridej, "MIPredmetDoOkna", "Předmět &do okna", {},
            [&f] { f.windowsPage().addEntry(EntryList::Items); });
    MIKolekce = command(scenar, "MIKolekce", "&Kolekce zvuků...", {}, [this] {
        if (hooks_.collection)
            hooks_.collection();
    });
    scenar->addSeparator();
    command(scenar, "MIZahrat", "&Zahrát scénář", QKeySequence(Qt::Key_F9),
            [&f] { f.PlayScenario(); });

    QMenu* napoveda = menuOf(bar, "&Nápověda", "Napoveda1");
    command(napoveda, "MIPopis", "&Popis programu (HTML)", {}, [&f] { f.ShowHelp(); });
    command(napoveda, "MIOProgramu", "&O programu...", {}, [this] { prompts_.about(); });
}

void MainMenu::setToolHooks(ToolHooks hooks) {
    hooks_ = std::move(hooks);
    MIVlastnosti->setEnabled(bool(hooks_.properties));
    MIDalsiTexty->setEnabled(bool(hooks_.properties));
    MINajdi->setEnabled(bool(hooks_.search));
    MINajdiDalsi->setEnabled(bool(hooks_.findNext));
    MIKolekce->setEnabled(bool(hooks_.collection));
    updateTools();
}

void MainMenu::pageShown(int page) {
    if (page >= 0 && page < static_cast<int>(MIPage.size()))
        MIPage[static_cast<std::size_t>(page)]->setChecked(true);
}

void MainMenu::updateRecent() {
    std::vector<std::string> captions = recent_.NastavSoubory();
    for (std::size_t i = 0; i < MIRecent.size(); ++i) {
        // Slots beyond the list stay as they are: an opened file never leaves the list.
        if (i < captions.size()) {
            QString caption = QString::fromStdString(captions[i]);
            caption.replace('&', "&&");
            MIRecent[i]->setText(caption);
            MIRecent[i]->setVisible(true);
        }
    }
}

void MainMenu::updateTools() {
    QWidget* control = form_.focusedControl();
    bool script = isScriptEditor(control);
    MIPodminka->setEnabled(script && hooks_.condition);
    MIAkce->setEnabled(script && hooks_.action);
    MIZvukovaAkce->setEnabled((script || isCaseForm(control)) && hooks_.soundAction);
}

QMenu* MainMenu::insertMenu(const QString& title, const char* name) {
    auto* menu = new QMenu(title, form_.menuBar());
    menu->setObjectName(name);
    form_.menuBar()->insertMenu(ZobrazitMenu->menuAction(), menu);
    return menu;
}

}  // namespace vek::editor
