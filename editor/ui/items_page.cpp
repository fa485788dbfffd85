#include "editor/ui/items_page.h"

#include <array>
#include <tuple>

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>

#include "editor/ui/page_controls.h"

namespace vek::editor {

ItemsPage::ItemsPage(PageCommands& commands, KeyMap& keys)
    : EditorPage(commands, keys, "PredmetySheet"), fields_(doc_, commands.services().boxes, keys) {
    CisloPredmetuBox = selector("CisloPredmetuBox", false);
    NovyPredmetButton = pageButton("NovyPredmetButton", "Nový", "Nový předmět");
    JmenoPredmetuButton = pageButton("JmenoPredmetuButton", "Jméno", "Změnit jméno předmětu");
    SmazPredmetButton = pageButton("SmazPredmetButton", "Smaž", "Zruš tento předmět");
    Pred4pEdit = lineEdit("Pred4pEdit");
    PredZvukEdit = selector("PredZvukEdit", true);
    auto* top = new QHBoxLayout;
    top->addWidget(labelled(CisloPredmetuBox, "Seznam předmětů:", "Název předmětu"));
    top->addWidget(CisloPredmetuBox, 2);
    top->addWidget(NovyPredmetButton);
    top->addWidget(JmenoPredmetuButton);
    top->addWidget(SmazPredmetButton);
    top->addWidget(fields_.add(Pred4pEdit, Field::Co, "4. pád názvu předmětu"));
    top->addWidget(Pred4pEdit, 1);
    top->addWidget(fields_.add(PredZvukEdit, Field::ItemSound, "Zvuk předmětu"));
    top->addWidget(PredZvukEdit, 1);

    ProzkEdit = scriptEditor("ProzkEdit");
    VezmiEdit = scriptEditor("VezmiEdit");
    PolozEdit = scriptEditor("PolozEdit");
    PouzEdit = scriptEditor("PouzEdit");
    PromlEdit = scriptEditor("PromlEdit");
    auto* left = new QWidget;
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    for (auto [editor, field, hint] :
         {std::tuple{ProzkEdit, Field::ExamineScript, "Pole pro příkaz prozkoumej"},
          {VezmiEdit, Field::TakeScript, "Pole pro příkaz vezmi"},
          {PolozEdit, Field::PutScript, "Pole pro příkaz polož"},
          {PouzEdit, Field::UseScript, "Pole pro příkaz použij"}}) {
        leftLayout->addWidget(fields_.add(editor, field, hint));
        leftLayout->addWidget(editor, 1);
    }

    LzeVzitBox = fields_.addCheckBox("LzeVzitBox", Field::CanTake, "Předmět lze sebrat");
    PouzNaBox = fields_.addCheckBox("PouzNaBox", Field::UseOn, "Předmět se používá na něco jiného");
    PostavaBox = fields_.addCheckBox("PostavaBox", Field::IsCharacter, "Předmět je postava");
    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(fields_.add(PromlEdit, Field::TalkScript, "Pole pro příkaz promluv si"));
    rightLayout->addWidget(PromlEdit, 1);
    rightLayout->addLayout(row({LzeVzitBox, PouzNaBox, PostavaBox}));

    PredmetySplitter = new QSplitter(Qt::Horizontal);
    PredmetySplitter->setObjectName("PredmetySplitter");
    PredmetySplitter->addWidget(left);
    PredmetySplitter->addWidget(right);
    PredmetySplitter->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(PredmetySplitter, 1);

    const std::array<QWidget*, 11> chain = {CisloPredmetuBox, Pred4pEdit, PredZvukEdit, ProzkEdit,
                                            VezmiEdit,        PolozEdit,  PouzEdit,     PromlEdit,
                                            LzeVzitBox,       PouzNaBox,  PostavaBox};
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);

    bindNameSelector(
        CisloPredmetuBox, EntityKind::Item, [this] { newItem(); }, "PredmetyPopup", "Nový");
    connect(NovyPredmetButton, &QPushButton::clicked, this, [this] { newItem(); });
    connect(JmenoPredmetuButton, &QPushButton::clicked, this,
            [this] { commands_.renameEntity(EntityKind::Item); });
    connect(SmazPredmetButton, &QPushButton::clicked, this,
            [this] { commands_.deleteEntity(EntityKind::Item); });

    follow([this](const DocumentChange& change) { changed(change); });
}

QWidget* ItemsPage::firstControl() const {
    return CisloPredmetuBox;
}

QWidget* ItemsPage::controlOf(Field field) const {
    return fields_.controlOf(field);
}

QComboBox* ItemsPage::steppedSelector(const QWidget*, EntityKind& kind) const {
    kind = EntityKind::Item;
    return CisloPredmetuBox;
}

void ItemsPage::changed(const DocumentChange& change) {
    switch (change.kind) {
        case ChangeKind::DocumentReplaced:
            return refill();
        case ChangeKind::EntityAdded:
        case ChangeKind::EntityRemoved:
        case ChangeKind::EntityRenamed:
        case ChangeKind::CurrentChanged:
            if (change.entity == EntityKind::Item)
                refill();
            return;
        case ChangeKind::FieldChanged:
            return fields_.fill(change.field);
        case ChangeKind::SoundsChanged: {
            EditorDocument::UpdateGuard filling(doc_);
            return fillSoundChoices(PredZvukEdit, shownSoundChoices_);
        }
        default:
            return;
    }
}

void ItemsPage::refill() {
    EditorDocument::UpdateGuard filling(doc_);
    fillSoundChoices(PredZvukEdit, shownSoundChoices_);
    const TPredmet* p = doc_.ShownItem();
    fillEntries(CisloPredmetuBox, doc_.Items().names(), shownNames_, doc_.Items().indexOfObject(p));
    CisloPredmetuBox->setCurrentIndex(doc_.Items().indexOfObject(p));
    fields_.fillOwner(FieldOwner::Item);
    enableAll({Pred4pEdit, PredZvukEdit, ProzkEdit, VezmiEdit, PolozEdit, PouzEdit, PromlEdit,
               LzeVzitBox, PouzNaBox, PostavaBox, JmenoPredmetuButton, SmazPredmetButton},
              p != nullptr);
}

void ItemsPage::newItem() {
    doc_.NewItem();
    commands_.turnTo(PredmetyPage, false);
}

void ItemsPage::resizeEvent(QResizeEvent* event) {
    EditorPage::resizeEvent(event);
    // The "Promluv si" side must not push the left editors out of the window.
    QList<int> sizes = PredmetySplitter->sizes();
    int width = window()->width();
    if (sizes.size() == 2 && width - 20 < sizes[1])
        PredmetySplitter->setSizes({width / 2, width / 2});
}

}  // namespace vek::editor
