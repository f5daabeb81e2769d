#pragma once

class QCoreApplication;

namespace orvane {

// Loads Qt's own Russian texts (standard buttons, dialogs) for the whole run.
void InstallRussianTranslations(QCoreApplication &application);

} // namespace orvane
