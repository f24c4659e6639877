#pragma once

class QCoreApplication;

// Qt's own dialogs (file and folder choice, colour and font choice, their buttons) speak
// French like the program: Qt's French catalogue, from Qt's translations folder. False when
// it is not installed; the dialogs then stay in English.
bool InstallerTraductions(QCoreApplication& application);
