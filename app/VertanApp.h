#pragma once

/// The application object: runs the table window as a modal dialog and ends the program
/// when it closes.
class CVertanApp {
public:
    /// Runs the game; returns the process's exit code.
    int InitInstance();
};
