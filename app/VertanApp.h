#pragma once

#include <memory>

class QTranslator;

/// The application object: runs the table window as a modal dialog and ends the program
/// when it closes.
class CVertanApp {
public:
    /// Runs the game; returns the process's exit code.
    int InitInstance();
};

/// Qt's own texts in Russian, for the system's dialogs that the game opens (the colour
/// dialog); null when the translation is not installed, and they then stay in English.
std::unique_ptr<QTranslator> LoadSystemTranslation();
