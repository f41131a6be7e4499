#pragma once
#include <QString>
#include <memory>
#include <vector>

class Screen;

// The running program: the thirty-six screens, created once at start-up in
// order and kept until the end. TForm1, the main menu, is the main window.
class Program {
public:
    ~Program();
    Screen* screen(int number) const;  // 1 … 36
    Screen* byTitle(const QString& title) const;
    Screen* mainWindow() const { return screen(1); }
    int count() const { return static_cast<int>(screens_.size()); }
    // Makes the screens not made yet, in order, each with its FormCreate.
    void completeStartUp();

private:
    friend std::unique_ptr<Program> StartMainMenu();
    std::vector<std::unique_ptr<Screen>> screens_;
};

// Creates TForm1 … TForm36 strictly in order, running each FormCreate under the
// error guard before the next screen is made. The data folder is the working
// folder. Menus reach the screens of the program started last.
std::unique_ptr<Program> StartProgram();

// Start-up in two steps, so that the main menu is on screen at once: TForm1
// alone (with its FormCreate), then completeStartUp() for TForm2 … TForm36, still
// strictly in order. ScreenNumber completes a start-up that is not complete.
std::unique_ptr<Program> StartMainMenu();

// Menus reach the screens of the program started last through ScreenNumber
// (app/screen_lookup.h), which completes a start-up that is not complete.
