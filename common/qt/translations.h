// Qt's own texts (standard buttons, file dialogs, the role names a screen reader hears) in
// Czech, from the translations installed with Qt; without them a Czech window speaks English
// wherever Qt draws the text itself.
#pragma once

class QCoreApplication;

namespace vek {

// Installs the Czech translations of Qt into `app`; false when none are installed.
bool installCzechQtTranslations(QCoreApplication& app);

}  // namespace vek
