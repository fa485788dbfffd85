#include "editor/ui/qt_editor.h"

#include <string>

#include <QApplication>

#include "common/qt/dialog_owner.h"
#include "common/qt/line_edit_accessible.h"
#include "common/qt/translations.h"
#include "editor/document/document.h"
#include "editor/ui/mirela2_form.h"
#include "editor/ui/mirela2_tools.h"
#include "editor/ui/qt_services.h"
#include "editor/ui/recovery_offer.h"

#ifndef MIRELA_VERSION
#define MIRELA_VERSION "2.0.0"
#endif

namespace vek::editor {

int runQtEditor(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8("VEK Editor scénářů"));
    QApplication::setApplicationVersion(QStringLiteral(MIRELA_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Kvelmora"));
    installCzechQtTranslations(app);
    installLineEditReading();

    EditorDocument doc;
    QtFileDialogs files;
    QtPrompts prompts;
    QtDesktop desktop;
    SettingsPlacementStore placement;
    TMenuFilesList recent;
    OwnedMessageBoxes boxes(defaultMessageBoxes());
    Mirela2_form form(doc, {boxes, files, prompts, desktop, placement, recent});
    files.setParent(&form);
    prompts.setParent(&form);
    Mirela2_tools tools(form, boxes, prompts);
    form.start(argc > 1 ? std::string(argv[1]) : std::string());
    form.show();
    form.activateWindow();
    // Copies left by an editor that did not end normally are offered before this one keeps its own.
    std::filesystem::path recoveryDir = RecoveryDirectory();
    QtOneShotTimer recoveryTimer;
    RecoveryStore recovery(doc, recoveryDir, CurrentOwner(), recoveryTimer);
    OfferRecovery(FindLeftovers(recoveryDir), doc, recovery, defaultMessageBoxes(), &form,
                  [&prompts] { return prompts.password(); });
    return QApplication::exec();
}

}  // namespace vek::editor
