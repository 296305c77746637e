// The program's entry: the main window and the About window, then the message loop.
#include "about/TAboutForm.h"
#include "app/TForm1.h"
#include "ui/Application.h"

#include <memory>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TAboutForm> about;
    try {
        form = std::make_unique<TForm1>();
        about = std::make_unique<TAboutForm>();
        AboutForm = about.get();
    } catch (const std::exception& error) {
        ui::Application::showError(error.what());
        return 1;
    }
    ui::Application::setMainForm(form.get());
    form->show();
    return ui::Application::run();
}
