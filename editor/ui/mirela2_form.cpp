#include "editor/ui/mirela2_form.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/qt/accessible.h"
#include "common/qt/notice.h"
#include "editor/ui/edit_history_ui.h"
#include "editor/ui/qt_text.h"

namespace vek::editor {

namespace {

// Names a control for a screen reader: the label's text (without its colon) and the hint.
void describe(QWidget* control, const QString& name, const QString& hint) {
    QString accessible = name;
    if (accessible.endsWith(':'))
        accessible.chop(1);
    control->setAccessibleName(accessible);
    if (!hint.isEmpty()) {
        control->setToolTip(hint);
        control->setAccessibleDescription(hint);
    }
}

QLabel* labelFor(QWidget* control, const char* text, const char* hint = "") {
    auto* label = new QLabel(u8(text));
    label->setBuddy(control);
    describe(control, u8(text), u8(hint));
    return label;
}

// Page buttons are reached by their keys and menus, not by Tab. The accessible name says what
// the button acts on, as several buttons share a caption.
QPushButton* pageButton(const char* name, const char* caption, const char* hint,
                        const char* accessibleName = nullptr) {
    auto* button = new QPushButton(u8(caption));
    button->setObjectName(name);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    button->setToolTip(u8(hint));
    button->setAccessibleName(u8(accessibleName ? accessibleName : hint));
    button->setAccessibleDescription(u8(hint));
    return button;
}

QComboBox* selector(const char* name, bool editable) {
    auto* box = new QComboBox;
    box->setObjectName(name);
    if (editable)
        box->setEditable(true);
    else
        makeChoiceSpoken(box);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(12);
    box->setMaxVisibleItems(20);
    if (editable)
        box->setCompleter(nullptr);  // a typed sound name is stored as typed, never completed
    return box;
}

QListWidget* entryList(const char* name, bool several = false) {
    auto* list = new QListWidget;
    list->setObjectName(name);
    list->setSelectionMode(several ? QAbstractItemView::ExtendedSelection
                                   : QAbstractItemView::SingleSelection);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    list->setUniformItemSizes(true);
    return list;
}

QLineEdit* lineEdit(const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    return edit;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets, bool stretch = true) {
    auto* layout = new QHBoxLayout;
    for (QWidget* w : widgets)
        layout->addWidget(w);
    if (stretch)
        layout->addStretch(1);
    return layout;
}

}  // namespace

Mirela2_form::Mirela2_form(EditorDocument& doc, EditorServices services)
    : QMainWindow(nullptr), doc_(doc), services_(services) {
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
    PageControl->addTab(buildWindowsPage(), u8("Okna"));
    PageControl->addTab(buildItemsPage(), u8("Předměty"));
    PageControl->addTab(buildSoundsPage(), u8("Zvuky"));
    PageControl->addTab(buildMenuPage(), u8("Menu"));
    setCentralWidget(PageControl);
    // A screen reader names the page the focus enters; the pages' stack would otherwise be an
    // unnamed "layered pane" spoken on every return to this window.
    for (int i = 0; i < PageControl->count(); ++i)
        PageControl->widget(i)->setAccessibleName(PageControl->tabText(i));
    auto* stack = PageControl->findChild<QStackedWidget*>();
    stack->setAccessibleName(PageControl->tabText(0));

    for (QListWidget* list : {SeznamCestList, SeznamPredmetuList, HudbaList, ZvukyListBox,
                              ZvukySysListBox, SeznamPolBox})
        describeCurrentEntry(list);
    buildMainMenu();
    buildContextMenus();
    buildStatusBar();
    setTabOrder();
    guardFields();
    connectWriteBack();
    bindKeys();
    bindContextMenus();
    installKeyPreview();
    history_ = new EditHistoryUi(*this);

    subscription_ = DocumentSubscription(
        doc_, [this](const DocumentChange& change) { documentChanged(change); });
    focusConnection_ = connect(qApp, &QApplication::focusChanged, this,
                               [this](QWidget*, QWidget* now) { focusChanged(now); });
    // A page that comes into view (Ctrl+Tab, the "Zobrazit" menu) takes the focus to its first
    // control: the one that had it is hidden now.
    connect(PageControl, &QTabWidget::currentChanged, this, [this, stack](int index) {
        if (index >= 0 && index < static_cast<int>(MIPage.size()))
            MIPage[static_cast<std::size_t>(index)]->setChecked(true);
        stack->setAccessibleName(PageControl->tabText(index));
        if (isVisible()) {
            focusFirstControl();
            notice_->announce(PageControl->tabText(index));  // the page's name is heard
        }
    });
    refreshAll();
}

Mirela2_form::~Mirela2_form() {
    disconnect(focusConnection_);
}

// ---- pages -----------------------------------------------------------------------------------

QWidget* Mirela2_form::buildWindowsPage() {
    auto* page = new QWidget;
    page->setObjectName("OknaSheet");

    CisloOknaBox = selector("CisloOknaBox", false);
    OknoZvukEdit = selector("OknoZvukEdit", true);
    Okno2pEdit = lineEdit("Okno2pEdit");
    NoveOknoButton = pageButton("NoveOknoButton", "Nové", "Nové okno");
    RnOknoButton = pageButton("RnOknoButton", "Jméno", "Změnit jméno okna");
    SmazOknoButton = pageButton("SmazOknoButton", "Smaž", "Zruš toto okno");
    auto* top = new QHBoxLayout;
    top->addWidget(labelFor(CisloOknaBox, "Seznam oken:", "Název okna"));
    top->addWidget(CisloOknaBox, 2);
    top->addWidget(NoveOknoButton);
    top->addWidget(RnOknoButton);
    top->addWidget(SmazOknoButton);
    top->addWidget(labelFor(OknoZvukEdit, "zvuk okna:", "Zvuk okna"));
    top->addWidget(OknoZvukEdit, 1);
    top->addWidget(labelFor(Okno2pEdit, "kam:", "2. pád názvu okna"));
    top->addWidget(Okno2pEdit, 1);

    RozhlEdit = new QPlainTextEdit;
    PrichEdit = new QPlainTextEdit;
    OdchEdit = new QPlainTextEdit;
    auto* scripts = new QVBoxLayout;
    const std::array<std::tuple<QPlainTextEdit*, const char*, const char*, const char*>, 3>
        editors = {
            {{RozhlEdit, "RozhlEdit", "Rozhlédni se:", "Pole pro příkaz rozhlédni se"},
             {PrichEdit, "PrichEdit", "Při příchodu:", "Pole, prováděné po příchodu do okna"},
             {OdchEdit, "OdchEdit", "Při odchodu:", "Pole, prováděné před odchodem z okna"}}};
    for (auto [editor, name, label, hint] : editors) {
        editor->setObjectName(name);
        scripts->addWidget(labelFor(editor, label, hint));
        scripts->addWidget(editor, 1);
    }

    SeznamCestList = entryList("SeznamCestList");
    SeznamPredmetuList = entryList("SeznamPredmetuList");
    HudbaList = entryList("HudbaList");
    AddCestButton = pageButton("AddCestButton", "Přidej", "Přidej cestu");
    DelCestButton = pageButton("DelCestButton", "Uber", "Uber cestu");
    AddPredButton = pageButton("AddPredButton", "Přidej", "Přidej předmět do okna");
    DelPredButton = pageButton("DelPredButton", "Uber", "Uber předmět z okna");
    AddHudButton = pageButton("AddHudButton", "Přidej", "Přidej hudbu");
    DelHudButton = pageButton("DelHudButton", "Uber", "Uber hudbu");
    auto* lists = new QVBoxLayout;
    const std::array<std::tuple<QListWidget*, const char*, const char*, QPushButton*, QPushButton*>,
                     3>
        entryLists = {
            {{SeznamCestList, "Cesty:", "Seznam cest z tohoto okna", AddCestButton, DelCestButton},
             {SeznamPredmetuList, "Předměty:", "Seznam předmětů v tomto okně", AddPredButton,
              DelPredButton},
             {HudbaList, "Hudba:", "Hudba, která tu hraje", AddHudButton, DelHudButton}}};
    for (auto [list, label, hint, add, del] : entryLists) {
        lists->addLayout(row({labelFor(list, label, hint), add, del}));
        lists->addWidget(list, 1);
    }

    auto* body = new QHBoxLayout;
    body->addLayout(scripts, 3);
    body->addLayout(lists, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addLayout(body, 1);
    return page;
}

QWidget* Mirela2_form::buildItemsPage() {
    auto* page = new QWidget;
    page->setObjectName("PredmetySheet");

    CisloPredmetuBox = selector("CisloPredmetuBox", false);
    NovyPredmetButton = pageButton("NovyPredmetButton", "Nový", "Nový předmět");
    JmenoPredmetuButton = pageButton("JmenoPredmetuButton", "Jméno", "Změnit jméno předmětu");
    SmazPredmetButton = pageButton("SmazPredmetButton", "Smaž", "Zruš tento předmět");
    Pred4pEdit = lineEdit("Pred4pEdit");
    PredZvukEdit = selector("PredZvukEdit", true);
    auto* top = new QHBoxLayout;
    top->addWidget(labelFor(CisloPredmetuBox, "Seznam předmětů:", "Název předmětu"));
    top->addWidget(CisloPredmetuBox, 2);
    top->addWidget(NovyPredmetButton);
    top->addWidget(JmenoPredmetuButton);
    top->addWidget(SmazPredmetButton);
    top->addWidget(labelFor(Pred4pEdit, "co:", "4. pád názvu předmětu"));
    top->addWidget(Pred4pEdit, 1);
    top->addWidget(labelFor(PredZvukEdit, "zvuk předmětu:", "Zvuk předmětu"));
    top->addWidget(PredZvukEdit, 1);

    ProzkEdit = new QPlainTextEdit;
    VezmiEdit = new QPlainTextEdit;
    PolozEdit = new QPlainTextEdit;
    PouzEdit = new QPlainTextEdit;
    PromlEdit = new QPlainTextEdit;
    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    const std::array<std::tuple<QPlainTextEdit*, const char*, const char*, const char*>, 4>
        editors = {{{ProzkEdit, "ProzkEdit", "Prozkoumej:", "Pole pro příkaz prozkoumej"},
                    {VezmiEdit, "VezmiEdit", "Vezmi:", "Pole pro příkaz vezmi"},
                    {PolozEdit, "PolozEdit", "Polož:", "Pole pro příkaz polož"},
                    {PouzEdit, "PouzEdit", "Použij:", "Pole pro příkaz použij"}}};
    for (auto [editor, name, label, hint] : editors) {
        editor->setObjectName(name);
        leftLayout->addWidget(labelFor(editor, label, hint));
        leftLayout->addWidget(editor, 1);
    }

    PromlEdit->setObjectName("PromlEdit");
    LzeVzitBox = new QCheckBox(u8("Lze vzít"));
    PouzNaBox = new QCheckBox(u8("Použít na"));
    PostavaBox = new QCheckBox(u8("Postava"));
    const std::array<std::tuple<QCheckBox*, const char*, const char*>, 3> boxes = {
        {{LzeVzitBox, "LzeVzitBox", "Předmět lze sebrat"},
         {PouzNaBox, "PouzNaBox", "Předmět se používá na něco jiného"},
         {PostavaBox, "PostavaBox", "Předmět je postava"}}};
    for (auto [box, name, hint] : boxes) {
        box->setObjectName(name);
        describe(box, box->text(), u8(hint));
    }
    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(labelFor(PromlEdit, "Promluv si:", "Pole pro příkaz promluv si"));
    rightLayout->addWidget(PromlEdit, 1);
    rightLayout->addLayout(row({LzeVzitBox, PouzNaBox, PostavaBox}));

    PredmetySplitter = new QSplitter(Qt::Horizontal);
    PredmetySplitter->setObjectName("PredmetySplitter");
    PredmetySplitter->addWidget(left);
    PredmetySplitter->addWidget(right);
    PredmetySplitter->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(PredmetySplitter, 1);
    return page;
}

QWidget* Mirela2_form::buildSoundsPage() {
    auto* page = new QWidget;
    page->setObjectName("ZvukySheet");

    ZvukyListBox = entryList("ZvukyListBox", true);
    ZvukySysListBox = entryList("ZvukySysListBox", true);
    AddZvukButt = pageButton("AddZvukButt", "Přidej", "Přidej zvuk");
    ChZvukButt = pageButton("ChZvukButt", "Změň", "Změň označené zvuky");
    DelZvukButt = pageButton("DelZvukButt", "Smaž", "Smaž označené zvuky");
    AddMoreButt = pageButton("AddMoreButt", "Přidej více", "Přidej zvuky podle masky");
    ChSysZvukButt =
        pageButton("ChSysZvukButt", "Změnit...", "Změnit systémový zvuk", "Změnit systémový zvuk");
    SysZvukDefButt = pageButton("SysZvukDefButt", "Obnovit původní nastavení",
                                "Nastavit systémové zvuky na standardní hodnoty",
                                "Obnovit původní systémové zvuky");
    SysZvukDefButt->setFocusPolicy(Qt::StrongFocus);

    auto* user = new QVBoxLayout;
    user->addWidget(labelFor(ZvukyListBox, "Zvuky:", "Seznam nahrávek"));
    user->addWidget(ZvukyListBox, 1);
    user->addLayout(row({AddZvukButt, ChZvukButt, DelZvukButt, AddMoreButt}));
    auto* system = new QVBoxLayout;
    system->addWidget(labelFor(ZvukySysListBox, "Systémové zvuky:", "Seznam systémových zvuků"));
    system->addWidget(ZvukySysListBox, 1);
    system->addLayout(row({ChSysZvukButt, SysZvukDefButt}));

    auto* layout = new QHBoxLayout(page);
    layout->addLayout(user, 1);
    layout->addLayout(system, 1);
    return page;
}

QWidget* Mirela2_form::buildMenuPage() {
    auto* page = new QWidget;
    page->setObjectName("MenuSheet");

    CisloNabidkyBox = selector("CisloNabidkyBox", false);
    NewNabButton = pageButton("NewNabButton", "Nová", "Nová nabídka");
    JmenoNabButton = pageButton("JmenoNabButton", "Jméno", "Změnit jméno nabídky");
    SmazNabButton = pageButton("SmazNabButton", "Smaž", "Zruš tuto nabídku");
    ParentMenuBox = selector("ParentMenuBox", true);
    SeznamPolBox = entryList("SeznamPolBox");
    AddPolButt = pageButton("AddPolButt", "Přidej", "Přidej položku do této nabídky");
    DelPolButt = pageButton("DelPolButt", "Uber", "Uber položku z této nabídky");
    SetDefHNButt = pageButton("SetDefHNButt", "Obnovit původní nastavení",
                              "Nastavit hlavní nabídku na standardní hodnotu",
                              "Obnovit původní hlavní nabídku");
    SetDefHNButt->setFocusPolicy(Qt::StrongFocus);

    auto* menus = new QVBoxLayout;
    menus->addLayout(row({labelFor(CisloNabidkyBox, "Nabídka:", "Název nabídky"), CisloNabidkyBox,
                          NewNabButton, JmenoNabButton, SmazNabButton}));
    menus->addWidget(
        labelFor(ParentMenuBox, "Nadřazená nabídka:", "Nabídka, do které se tato vrací"));
    menus->addWidget(ParentMenuBox);
    menus->addLayout(row({labelFor(SeznamPolBox, "Seznam položek:", "Seznam položek nabídky"),
                          AddPolButt, DelPolButt}));
    menus->addWidget(SeznamPolBox, 1);
    menus->addLayout(row({SetDefHNButt}));

    CisloPolozkyBox = selector("CisloPolozkyBox", false);
    NewPolButton = pageButton("NewPolButton", "Nová", "Nová položka");
    JmenoPolButton = pageButton("JmenoPolButton", "Jméno", "Změnit jméno položky");
    SmazPolButton = pageButton("SmazPolButton", "Smaž", "Zruš tuto položku");
    ZvukPolBox = selector("ZvukPolBox", true);
    FunkcePolMemo = new QPlainTextEdit;
    FunkcePolMemo->setObjectName("FunkcePolMemo");

    auto* items = new QVBoxLayout;
    items->addLayout(row({labelFor(CisloPolozkyBox, "Položka:", "Název položky"), CisloPolozkyBox,
                          NewPolButton, JmenoPolButton, SmazPolButton}));
    items->addWidget(labelFor(ZvukPolBox, "Zvuk položky:", "Zvuk, který položku ohlásí"));
    items->addWidget(ZvukPolBox);
    items->addWidget(
        labelFor(FunkcePolMemo, "Funkce položky:", "Pole prováděné při aktivaci položky"));
    items->addWidget(FunkcePolMemo, 1);

    auto* layout = new QHBoxLayout(page);
    layout->addLayout(menus, 1);
    layout->addLayout(items, 1);
    return page;
}

// ---- menus -----------------------------------------------------------------------------------

void Mirela2_form::buildMainMenu() {
    auto action = [this](QMenu* menu, const char* name, const char* caption, QKeySequence shortcut,
                         std::function<void()> command) {
        QAction* a = menu->addAction(u8(caption));
        a->setObjectName(name);
        if (!shortcut.isEmpty()) {
            a->setShortcut(shortcut);
            a->setShortcutContext(Qt::WindowShortcut);
        }
        connect(a, &QAction::triggered, this, [command = std::move(command)] { command(); });
        return a;
    };
    QMenuBar* bar = menuBar();

    SouborMenu = bar->addMenu(u8("&Soubor"));
    SouborMenu->setObjectName("Soubor1");
    MINovy = action(SouborMenu, "MINovy", "&Nový", QKeySequence(Qt::CTRL | Qt::Key_N),
                    [this] { New(); });
    MIOtevri = action(SouborMenu, "MIOtevri", "&Otevři...", QKeySequence(Qt::CTRL | Qt::Key_O),
                      [this] { Open(); });
    MIUloz = action(SouborMenu, "MIUloz", "&Ulož", QKeySequence(Qt::CTRL | Qt::Key_S),
                    [this] { Save(); });
    MIUlozJako = action(SouborMenu, "MIUlozJako", "Ulož &jako...", {}, [this] { SaveAs(); });
    SouborMenu->addSeparator();
    for (std::size_t i = 0; i < MIRecent.size(); ++i) {
        std::string name = "MIRecent" + std::to_string(i);
        MIRecent[i] = action(SouborMenu, name.c_str(), "", {}, [this, i] { OpenRecent(i); });
        MIRecent[i]->setVisible(false);
    }
    SouborMenu->addSeparator();
    SouborMenu->setSeparatorsCollapsible(true);
    MIKonec = action(SouborMenu, "MIKonec", "&Konec", {}, [this] { close(); });

    ZobrazitMenu = bar->addMenu(u8("&Zobrazit"));
    ZobrazitMenu->setObjectName("Zobrazit1");
    auto* pages = new QActionGroup(this);
    pages->setExclusive(true);
    const std::array<const char*, 4> pageCaptions = {"Záložku &Okna", "Záložku &Předměty",
                                                     "Záložku &Zvuky", "Záložku &Menu"};
    for (std::size_t i = 0; i < MIPage.size(); ++i) {
        std::string name = "MIPage" + std::to_string(i);
        MIPage[i] = action(ZobrazitMenu, name.c_str(), pageCaptions[i], {},
                           [this, i] { showPage(static_cast<Page>(i)); });
        MIPage[i]->setCheckable(true);
        pages->addAction(MIPage[i]);
    }
    MIPage[0]->setChecked(true);
    ZobrazitMenu->addSeparator();
    MIVlastnosti = action(ZobrazitMenu, "MIVlastnosti", "&Vlastnosti scénáře...",
                          QKeySequence(Qt::Key_F5), [this] {
                              if (hooks_.properties)
                                  hooks_.properties(0);
                          });
    MIDalsiTexty = action(ZobrazitMenu, "MIDalsiTexty", "&Další texty...",
                          QKeySequence(Qt::SHIFT | Qt::Key_F5), [this] {
                              if (hooks_.properties)
                                  hooks_.properties(1);
                          });

    NastrojeMenu = bar->addMenu(u8("Nás&troje"));
    NastrojeMenu->setObjectName("Nastroje1");
    auto builder = [this](std::function<void(QWidget*)> ToolHooks::*hook, bool caseForms) {
        return [this, hook, caseForms] {
            QWidget* control = focusedControl();
            bool fits = isScriptEditor(control) ||
                        (caseForms && (control == Okno2pEdit || control == Pred4pEdit));
            if (fits && hooks_.*hook)
                (hooks_.*hook)(control);
        };
    };
    MIPodminka = action(NastrojeMenu, "MIPodminka", "&Podmínka", QKeySequence(Qt::CTRL | Qt::Key_P),
                        builder(&ToolHooks::condition, false));
    MIAkce = action(NastrojeMenu, "MIAkce", "&Akce", QKeySequence(Qt::CTRL | Qt::Key_A),
                    builder(&ToolHooks::action, false));
    MIZvukovaAkce =
        action(NastrojeMenu, "MIZvukovaAkce", "&Zvuková akce", QKeySequence(Qt::CTRL | Qt::Key_Z),
               builder(&ToolHooks::soundAction, true));
    NastrojeMenu->addSeparator();
    MINajdi = action(NastrojeMenu, "MINajdi", "Najdi / Zaměň", QKeySequence(Qt::CTRL | Qt::Key_F),
                     [this] {
                         if (hooks_.search)
                             hooks_.search();
                     });
    MINajdiDalsi =
        action(NastrojeMenu, "MINajdiDalsi", "Najdi další", QKeySequence(Qt::Key_F3), [this] {
            if (hooks_.findNext)
                hooks_.findNext();
        });
    // The search keys act in every window of the editor: the search moves between the pages,
    // the properties dialog and its own window.
    for (QAction* key : {MINajdi, MINajdiDalsi})
        key->setShortcutContext(Qt::ApplicationShortcut);
    NastrojeMenu->addSeparator();
    MIKontrola = action(NastrojeMenu, "MIKontrola", "&Kontrola scénáře", QKeySequence(Qt::Key_F8),
                        [this] { ShowChecker(); });
    connect(NastrojeMenu, &QMenu::aboutToShow, this, [this] { updateToolsMenu(); });

    ScenarMenu = bar->addMenu(u8("&Scénář"));
    ScenarMenu->setObjectName("Scenar1");
    PridejMenu = ScenarMenu->addMenu(u8("&Přidej"));
    PridejMenu->setObjectName("Pridej1");
    MIViceZvuku = action(PridejMenu, "MIViceZvuku", "&Více zvuků", {}, [this] { addMoreSounds(); });
    MIOkno = action(PridejMenu, "MIOkno", "&Okno", {}, [this] { newEntity(EntityKind::Window); });
    MIPredmet =
        action(PridejMenu, "MIPredmet", "&Předmět", {}, [this] { newEntity(EntityKind::Item); });
    MIZvuk = action(PridejMenu, "MIZvuk", "&Zvuk", {}, [this] { addSound(); });
    MICestu = action(PridejMenu, "MICestu", "&Cestu", {}, [this] { addEntry(EntryList::Paths); });
    MIPredmetDoOkna = action(PridejMenu, "MIPredmetDoOkna", "Předmět &do okna", {},
                             [this] { addEntry(EntryList::Items); });
    MIKolekce = action(ScenarMenu, "MIKolekce", "&Kolekce zvuků...", {}, [this] {
        if (hooks_.collection)
            hooks_.collection();
    });
    ScenarMenu->addSeparator();
    MIZahrat = action(ScenarMenu, "MIZahrat", "&Zahrát scénář", QKeySequence(Qt::Key_F9),
                      [this] { PlayScenario(); });

    NapovedaMenu = bar->addMenu(u8("&Nápověda"));
    NapovedaMenu->setObjectName("Napoveda1");
    MIPopis = action(NapovedaMenu, "MIPopis", "&Popis programu (HTML)", {}, [this] { ShowHelp(); });
    MIOProgramu = action(NapovedaMenu, "MIOProgramu", "&O programu...", {},
                         [this] { services_.prompts.about(); });
    setToolHooks({});
}

void Mirela2_form::setToolHooks(ToolHooks hooks) {
    hooks_ = std::move(hooks);
    MIVlastnosti->setEnabled(bool(hooks_.properties));
    MIDalsiTexty->setEnabled(bool(hooks_.properties));
    MINajdi->setEnabled(bool(hooks_.search));
    MINajdiDalsi->setEnabled(bool(hooks_.findNext));
    MIKolekce->setEnabled(bool(hooks_.collection));
    updateToolsMenu();
}

void Mirela2_form::buildContextMenus() {
    auto popup = [this](const char* name) {
        auto* menu = new QMenu(this);
        menu->setObjectName(name);
        return menu;
    };
    auto entry = [this](QMenu* menu, const char* name, const char* caption,
                        std::function<void()> command) {
        QAction* a = menu->addAction(u8(caption));
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, [command = std::move(command)] { command(); });
        return a;
    };

    PathsPopup = popup("PathsPopup");
    PopJdiNaCestu =
        entry(PathsPopup, "PopJdiNaCestu", "Jdi na", [this] { goToEntry(EntryList::Paths); });
    PopPridejCestu =
        entry(PathsPopup, "PopPridejCestu", "Přidej...", [this] { addEntry(EntryList::Paths); });
    PopOdstranCestu =
        entry(PathsPopup, "PopOdstranCestu", "Odstraň", [this] { removeEntry(EntryList::Paths); });
    ItemsPopup = popup("ItemsPopup");
    PopJdiNaPredmet =
        entry(ItemsPopup, "PopJdiNaPredmet", "Jdi na", [this] { goToEntry(EntryList::Items); });
    PopPridejPredmet =
        entry(ItemsPopup, "PopPridejPredmet", "Přidej...", [this] { addEntry(EntryList::Items); });
    PopOdstranPredmet = entry(ItemsPopup, "PopOdstranPredmet", "Odstraň",
                              [this] { removeEntry(EntryList::Items); });
    SoundsPopup = popup("SoundsPopup");
    PopHrej = entry(SoundsPopup, "PopHrej", "Hrej / Stop", [this] { togglePreview(popupList_); });
    PopPridejZvuk = entry(SoundsPopup, "PopPridejZvuk", "Přidej", [this] { addSound(); });
    PopZmenZvuk = entry(SoundsPopup, "PopZmenZvuk", "Změň", [this] {
        if (popupList_ == ZvukySysListBox)
            changeSystemSound();
        else
            changeSounds();
    });
    PopSmazZvuk = entry(SoundsPopup, "PopSmazZvuk", "Smaž", [this] { deleteSounds(); });
    PopPridejVice = entry(SoundsPopup, "PopPridejVice", "Přidej více", [this] { addMoreSounds(); });

    auto openAt = [](QMenu* menu, QListWidget* list, const QPoint& pos) {
        menu->popup(list->viewport()->mapToGlobal(pos));
    };
    connect(SeznamCestList, &QWidget::customContextMenuRequested, this,
            [this, openAt](const QPoint& pos) {
                bool selected = !SeznamCestList->selectedItems().isEmpty();
                PopJdiNaCestu->setEnabled(selected);
                PopOdstranCestu->setEnabled(selected);
                PopPridejCestu->setEnabled(doc_.ShownWindow() != nullptr);
                openAt(PathsPopup, SeznamCestList, pos);
            });
    connect(SeznamPredmetuList, &QWidget::customContextMenuRequested, this,
            [this, openAt](const QPoint& pos) {
                bool selected = !SeznamPredmetuList->selectedItems().isEmpty();
                PopJdiNaPredmet->setEnabled(selected);
                PopOdstranPredmet->setEnabled(selected);
                PopPridejPredmet->setEnabled(doc_.ShownWindow() != nullptr);
                openAt(ItemsPopup, SeznamPredmetuList, pos);
            });
    for (QListWidget* list : {ZvukyListBox, ZvukySysListBox}) {
        connect(list, &QWidget::customContextMenuRequested, this,
                [this, list, openAt](const QPoint& pos) {
                    popupList_ = list;
                    bool selected = !list->selectedItems().isEmpty();
                    bool system = list == ZvukySysListBox;
                    PopZmenZvuk->setEnabled(selected);
                    PopHrej->setEnabled(selected);
                    PopSmazZvuk->setEnabled(selected && !system);
                    PopPridejZvuk->setEnabled(!system);
                    PopPridejVice->setEnabled(!system);
                    openAt(SoundsPopup, list, pos);
                });
    }
}

void Mirela2_form::buildStatusBar() {
    auto panel = [](const char* name, int width, Qt::Alignment alignment) {
        auto* label = new QLabel;
        label->setObjectName(name);
        label->setMinimumWidth(width);
        label->setAlignment(alignment | Qt::AlignVCenter);
        return label;
    };
    CountsPanel = panel("CountsPanel", 220, Qt::AlignLeft);
    ModifiedPanel = panel("ModifiedPanel", 50, Qt::AlignHCenter);
    ActivityPanel = panel("ActivityPanel", 50, Qt::AlignLeft);
    statusBar()->setObjectName("StatusBar1");
    statusBar()->addWidget(CountsPanel);
    statusBar()->addWidget(ModifiedPanel);
    statusBar()->addWidget(ActivityPanel, 1);
    notice_ = new Notice;
    statusBar()->addWidget(notice_);
}

// ---- order and layout ------------------------------------------------------------------------

void Mirela2_form::setTabOrder() {
    scriptEditors_ = {RozhlEdit, PrichEdit, OdchEdit,  ProzkEdit,    VezmiEdit,
                      PolozEdit, PouzEdit,  PromlEdit, FunkcePolMemo};
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (QPlainTextEdit* editor : scriptEditors_) {
        editor->setFont(fixed);
        editor->setTabChangesFocus(true);
        editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    }
    const std::vector<std::vector<QWidget*>> chains = {
        {CisloOknaBox, OknoZvukEdit, Okno2pEdit, RozhlEdit, PrichEdit, OdchEdit, SeznamCestList,
         SeznamPredmetuList, HudbaList},
        {CisloPredmetuBox, Pred4pEdit, PredZvukEdit, ProzkEdit, VezmiEdit, PolozEdit, PouzEdit,
         PromlEdit, LzeVzitBox, PouzNaBox, PostavaBox},
        {ZvukyListBox, ZvukySysListBox, SysZvukDefButt},
        {CisloNabidkyBox, ParentMenuBox, SeznamPolBox, SetDefHNButt, CisloPolozkyBox, ZvukPolBox,
         FunkcePolMemo},
    };
    for (const auto& chain : chains)
        for (std::size_t i = 1; i < chain.size(); ++i)
            QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void Mirela2_form::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    layoutBands();
}

void Mirela2_form::layoutBands() {
    // The "Promluv si" side must not push the left editors out of the window.
    QList<int> sizes = PredmetySplitter->sizes();
    if (sizes.size() == 2 && width() - 20 < sizes[1])
        PredmetySplitter->setSizes({width() / 2, width() / 2});
}

void Mirela2_form::refreshAll() {
    showWindowPage();
    showItemPage();
    showSoundPage();
    showMenuPage();
    showMenuItemPage();
    updateStatus();
    updateTitle();
}

void Mirela2_form::showPage(Page page) {
    PageControl->setCurrentIndex(page);
    MIPage[page]->setChecked(true);
    focusFirstControl();
}

}  // namespace vek::editor
