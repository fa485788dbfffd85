#include "player/shell/qt/vek2_form.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QEventLoop>
#include <QLineEdit>
#include <QLinearGradient>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>

#include <utility>

#include "common/qt/key_translation.h"
#include "common/qt/message_boxes.h"
#include "common/qt/qt_text.h"
#include "player/shell/qt/vek2_options.h"
#include "player/shell/qt/vek2_splash.h"

namespace vek::player {
namespace {

constexpr int kMemoTop = 100;
const char* const kListName = "P\u0159\u00edkazy";
const char* const kListHint =
    "\u0160ipkami vyber p\u0159\u00edkaz, Enter ho provede, Escape vrac\u00ed zp\u011bt";
constexpr int kMemoHeight = 301;

QFont boldFont(const char* family, QFont::StyleHint hint) {
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(hint);
    font.setBold(true);
    return font;
}

}  // namespace

VEK2_form::VEK2_form(VEK2_splash* splash)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      splash_(splash) {
    setObjectName("TForm1");
    setWindowTitle(QStringLiteral("Kvelmora Sound Adventure"));
    setAccessibleName(QStringLiteral("Kvelmora Sound Adventure"));
    setFixedSize(kClientWidth, kClientHeight);
    setFocusPolicy(Qt::StrongFocus);

    MainBox = new QListWidget(this);
    MainBox->setObjectName("MainBox");
    MainBox->setGeometry(31, 116, 162, 251);
    MainBox->setFrameShape(QFrame::NoFrame);
    MainBox->setSelectionMode(QAbstractItemView::SingleSelection);
    MainBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MainBox->setStyleSheet(
        "QListWidget { background: black; color: white; } QListWidget::item { height: 22px; }"
        "QListWidget::item:selected { background: white; color: black; }");
    MainBox->setFont(boldFont("Times New Roman", QFont::Serif));
    MainBox->setAccessibleName(QString::fromUtf8(kListName));
    MainBox->setAccessibleDescription(QString::fromUtf8(kListHint));

    MainMemo = new QPlainTextEdit(this);
    MainMemo->setObjectName("MainMemo");
    MainMemo->setGeometry(221, kMemoTop, 292, kMemoHeight);
    MainMemo->setReadOnly(true);
    MainMemo->setFrameShape(QFrame::NoFrame);
    MainMemo->setFocusPolicy(Qt::NoFocus);
    MainMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MainMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MainMemo->setStyleSheet("QPlainTextEdit { background: black; color: white; }");
    QFont memoFont = boldFont("Times New Roman", QFont::Serif);
    memoFont.setPixelSize(15);
    MainMemo->setFont(memoFont);
    MainMemo->setAccessibleName(QString::fromUtf8("Text hry"));

    DotazEdit = new QLineEdit(this);
    DotazEdit->setObjectName("DotazEdit");
    DotazEdit->setGeometry(18, 378, 217, 21);
    DotazEdit->setStyleSheet("QLineEdit { background: grey; color: white; }");
    QFont editFont = boldFont("Arial", QFont::SansSerif);
    editFont.setPixelSize(12);
    DotazEdit->setFont(editFont);
    DotazEdit->setAccessibleName(QString::fromUtf8("Odpov\u011b\u010f"));
    DotazEdit->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(kTimerInterval);
    connect(Timer1, &QTimer::timeout, this, [this] {
        if (handlers_ && !closed_)
            handlers_->Timer1Timer();
    });

    OptionsForm = new VEK2_options(this);

    // Key preview: the window sees every key before the control that has the focus.
    for (QWidget* control : {static_cast<QWidget*>(MainBox), static_cast<QWidget*>(MainMemo),
                             static_cast<QWidget*>(DotazEdit)})
        control->installEventFilter(this);
    // The selection belongs to the shell: a click must not move it behind the shell's back.
    MainBox->viewport()->installEventFilter(this);
}

VEK2_form::~VEK2_form() = default;

void VEK2_form::attach(PlayerHandlers* handlers) {
    handlers_ = handlers;
    if (!handlers_)
        return;
    shownEntries_.clear();
    mainBoxChanged();
    dotazEditChanged();
    MainMemo->clear();
    for (const std::string& line : handlers_->mainMemo().lines)
        MainMemo->appendPlainText(fromCp1250(line));
    memoLayoutChanged();
}

void VEK2_form::mainBoxChanged() {
    if (!handlers_)
        return;
    const MainBoxModel& box = handlers_->mainBox();
    QSignalBlocker blocker(MainBox);
    const bool rebuilt = box.entries != shownEntries_ || box.heading != shownHeading_;
    if (box.entries != shownEntries_) {
        MainBox->clear();
        for (const std::string& entry : box.entries)
            MainBox->addItem(fromCp1250(entry));
        shownEntries_ = box.entries;
    }
    QFont font = MainBox->font();
    font.setPointSize(box.fontSize);
    MainBox->setFont(font);
    const bool inRange = box.selection >= 0 && box.selection < MainBox->count();
    const int selection = inRange ? box.selection : -1;
    if (rebuilt) {
        // The list's name says what it now holds. Focusing the list itself makes a screen
        // reader say that name (it names a list it enters, not one it stays in); the entry's
        // focus follows.
        shownHeading_ = box.heading;
        MainBox->setAccessibleName(box.heading.empty() ? QString::fromUtf8(kListName)
                                                       : fromCp1250(box.heading));
        MainBox->setAccessibleDescription(QString::fromUtf8(kListHint));
        if (listFocused()) {
            QAccessibleEvent list(MainBox, QAccessible::Focus);
            tellScreenReader(list);
        }
    }
    const int before = MainBox->currentRow();
    MainBox->setCurrentRow(selection);
    if (!inRange)
        MainBox->clearSelection();
    MainBox->setVisible(box.visible);
    syncFocus();
    // The list announces a move of its own cursor itself while it has the focus; a second
    // event would make a screen reader drop both as duplicates. It says nothing when the shell
    // selects the entry the list had put its cursor on by itself on getting the focus.
    const bool listAnnounced = MainBox->hasFocus() && MainBox->currentRow() != before;
    if (rebuilt || selection != shownSelection_) {
        shownSelection_ = selection;
        if (!listAnnounced && (selection >= 0 || !rebuilt))
            announceSelection();
    }
}

bool VEK2_form::listFocused() const {
    return handlers_ && handlers_->mainBox().focused && handlers_->mainBox().visible &&
           !handlers_->dotazEdit().focused;
}

void VEK2_form::announceSelection() {
    if (!listFocused())
        return;
    QAccessibleEvent focus(MainBox, QAccessible::Focus);
    if (shownSelection_ >= 0)
        focus.setChild(shownSelection_);
    tellScreenReader(focus);
}

void VEK2_form::tellScreenReader(QAccessibleEvent& event) {
    if (screenReaderEvents)
        screenReaderEvents(event);
    QAccessible::updateAccessibility(&event);
}

void VEK2_form::dotazEditChanged() {
    if (!handlers_)
        return;
    const DotazEditModel& edit = handlers_->dotazEdit();
    QString text = fromCp1250(edit.text);
    if (DotazEdit->text() != text)
        DotazEdit->setText(text);
    DotazEdit->setVisible(edit.visible);
    syncFocus();
}

void VEK2_form::syncFocus() {
    if (!handlers_)
        return;
    if (handlers_->dotazEdit().focused && DotazEdit->isVisibleTo(this))
        DotazEdit->setFocus();
    else if (handlers_->mainBox().focused && MainBox->isVisibleTo(this))
        MainBox->setFocus();
    else
        setFocus();
}

void VEK2_form::memoCleared() {
    MainMemo->clear();
}

void VEK2_form::memoLineAdded(const std::string& line) {
    MainMemo->appendPlainText(fromCp1250(line));
}

void VEK2_form::screenReaderSay(const std::string& text) {
    // The texts of one command reach the screen reader together, once the key is handled.
    if (readerText_.isEmpty())
        QTimer::singleShot(0, this, [this] { handToScreenReader(); });
    else
        readerText_ += QLatin1Char(' ');
    readerText_ += fromCp1250(text);
}

// A screen reader speaks a changed description of the object that has the focus: the selected
// entry, or the list when none is selected.
void VEK2_form::handToScreenReader() {
    const QString text = std::exchange(readerText_, QString());
    if (text.isEmpty() || closed_)
        return;
    QListWidgetItem* item = shownSelection_ >= 0 ? MainBox->item(shownSelection_) : nullptr;
    if (!item) {
        MainBox->setAccessibleDescription(text);
        QAccessibleEvent changed(MainBox, QAccessible::DescriptionChanged);
        if (screenReaderEvents)
            screenReaderEvents(changed);  // Qt itself has sent it
        return;
    }
    item->setData(Qt::AccessibleDescriptionRole, text);
    QAccessibleEvent changed(MainBox, QAccessible::DescriptionChanged);
    changed.setChild(shownSelection_);
    tellScreenReader(changed);
}

void VEK2_form::memoLayoutChanged() {
    if (!handlers_)
        return;
    const MainMemoModel& memo = handlers_->mainMemo();
    MainMemo->setGeometry(memo.left, kMemoTop, memo.width, kMemoHeight);
    MainMemo->setVerticalScrollBarPolicy(memo.scrollBar ? Qt::ScrollBarAlwaysOn
                                                        : Qt::ScrollBarAlwaysOff);
    MainMemo->setVisible(memo.visible);
    if (memo.caretLine == 0) {
        MainMemo->moveCursor(QTextCursor::Start);
        MainMemo->verticalScrollBar()->setValue(0);
    }
}

void VEK2_form::splash(const std::string& text, bool visible) {
    if (!splash_)
        return;
    if (visible)
        splash_->showText(fromCp1250(text));
    else
        splash_->hide();
}

BoxAnswer VEK2_form::messageBox(const MessageBoxRequest& request) {
    MessageRequest box{fromCp1250(request.caption), fromCp1250(request.text), request.icon,
                       request.buttons, request.defaultAnswer};
    const BoxAnswer answer = defaultMessageBoxes().show(isVisible() ? this : nullptr, box);
    syncFocus();
    announceSelection();
    return answer;
}

void VEK2_form::showOptions(TOptionsForm& form) {
    OptionsForm->showFor(form);
    syncFocus();
    announceSelection();
}

void VEK2_form::waitWhile(const std::function<bool()>& waiting) {
    // Keys and timer ticks go on inside: the timer wakes the loop at least every 100 ms, and
    // every key reaches the handlers that end the wait.
    QEventLoop loop;
    ++waitDepth_;
    while (!closing_ && waiting())
        loop.processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    --waitDepth_;
    if (waitDepth_ == 0 && closePending_) {
        closePending_ = false;
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

void VEK2_form::closeWindow() {
    closing_ = true;
    QTimer::singleShot(0, this, &QWidget::close);
}

void VEK2_form::setTimerEnabled(bool enabled) {
    if (enabled && !closed_)
        Timer1->start();
    else
        Timer1->stop();
}

bool VEK2_form::screenReaderActive() const {
    return QAccessible::isActive();
}

bool VEK2_form::eventFilter(QObject* watched, QEvent* event) {
    if (watched == MainBox && event->type() == QEvent::FocusIn) {
        // On getting the focus the list puts its cursor on its first entry by itself; put it
        // back where the shell has it, and name that entry.
        QTimer::singleShot(0, this, [this] {
            if (!handlers_ || closed_)
                return;
            const QSignalBlocker blocker(MainBox);
            MainBox->setCurrentRow(shownSelection_);
            announceSelection();
        });
    }
    if (event->type() == QEvent::KeyPress) {
        deliverKey(static_cast<const QKeyEvent&>(*event));
        return true;  // the shell moves the list and types into the entry field itself
    }
    if (watched == MainBox->viewport() &&
        (event->type() == QEvent::MouseButtonPress ||
         event->type() == QEvent::MouseButtonDblClick ||
         event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseMove))
        return true;
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();  // no shortcut may take a key from the player
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void VEK2_form::keyPressEvent(QKeyEvent* event) {
    deliverKey(*event);
}

void VEK2_form::deliverKey(const QKeyEvent& event) {
    if (!handlers_ || closed_)
        return;
    WindowsKey key = translateKey(event);
    handlers_->FormKeyDown(key.virtualKey, key.shift);
    if (key.character && !closed_)
        handlers_->FormKeyPress(*key.character);
}

void VEK2_form::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    syncFocus();
}

void VEK2_form::closeEvent(QCloseEvent* event) {
    if (closed_) {
        event->accept();
        return;
    }
    if (waitDepth_ > 0) {
        // A script is waiting below us: let it finish first, then close for real.
        closing_ = true;
        closePending_ = true;
        event->ignore();
        return;
    }
    closed_ = true;
    Timer1->stop();
    if (handlers_)
        handlers_->FormClose();
    event->accept();
}

void VEK2_form::paintEvent(QPaintEvent*) {
    // Image1: a dark evening sky behind the controls.
    QPainter painter(this);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(16, 24, 56));
    sky.setColorAt(1, QColor(0, 0, 0));
    painter.fillRect(rect(), sky);
    QFont title = boldFont("Times New Roman", QFont::Serif);
    title.setPixelSize(30);
    painter.setFont(title);
    painter.setPen(QColor(200, 170, 90));
    painter.drawText(QRect(0, 24, width(), 50), Qt::AlignCenter, QStringLiteral("Kvelmora"));
}

}  // namespace vek::player
