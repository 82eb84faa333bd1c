#pragma once

#include <memory>
#include <string>

namespace app {

class TData;

// The notes program: its store and its four windows, made in the start-up
// order (the main window, which becomes the application's main form, then the
// store, then the three dialogs, hidden) and reached by the handlers through
// the globals Form1, Data, Box, AboutBox and AboutBox1. When it ends, the
// windows go in the reverse order and the globals are cleared. A store that
// cannot be opened raises the store's error, and nothing is left made.
class ProgramWindows {
public:
    explicit ProgramWindows(const std::string& connectionString);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

private:
    void DeleteWindows();

    std::unique_ptr<TData> m_store;
};

} // namespace app
