// The program's entry: the main window, then the message loop.
#include "mainwindow/TForm1.h"
#include "platform/StartupProfile.h"
#include "ui/Application.h"

#include <memory>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    startup::mark("WinMain");
    std::unique_ptr<TForm1> form;
    try {
        form = std::make_unique<TForm1>();
    } catch (const std::exception& error) {
        ui::Application::showError(error.what());
        return 1;
    }
    ui::Application::setMainForm(form.get());
    form->show();
    startup::mark("shown");
    startup::finishAfterFirstPaint();
    return ui::Application::run();
}
