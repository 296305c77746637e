// Errors raised by a handler stop at the form: the error box shows them and the program goes on.
#include "platform/Error.h"
#include "support/ScriptedPrompts.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Form.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class ThrowingForm : public ui::Form {
public:
    ThrowingForm() {
        createWindow({"TThrowingForm", "Test", 0, 0, 200, 100, WS_OVERLAPPEDWINDOW, 0});
        createControls(*this, Rows);
    }
    void Button1Click(ui::Control*) {
        ++clicks;
        throw platform::Error("Unable to write to C:\\x.cfg");
    }
    void Button2Click(ui::Control*) { throw std::runtime_error("Something else."); }

    ui::Button Button1, Button2;
    int clicks = 0;

protected:
    void onEvent(int id, ui::Event event) override { ui::dispatchEvent(*this, Events, id, event); }

private:
    static inline const ui::ControlRow<ThrowingForm> Rows[] = {
        {{1001, "Button1", ui::Kind::Button, 0, 0, 0, 80, 25, "One", nullptr, ui::NoFlags},
         [](ThrowingForm& f) -> ui::Control& { return f.Button1; }},
        {{1002, "Button2", ui::Kind::Button, 0, 0, 30, 80, 25, "Two", nullptr, ui::NoFlags},
         [](ThrowingForm& f) -> ui::Control& { return f.Button2; }},
    };
    static inline const ui::EventBinding<ThrowingForm> Events[] = {
        {1001, ui::Event::Click, &ThrowingForm::Button1Click},
        {1002, ui::Event::Click, &ThrowingForm::Button2Click},
    };
};

TEST(FormDispatch, AHandlersErrorIsShownInTheErrorBoxAndTheFormGoesOn) {
    ScriptedPrompts prompts;
    ThrowingForm form;
    form.Button1.click();
    form.Button1.click();
    EXPECT_EQ(form.clicks, 2);
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0].text, "Unable to write to C:\\x.cfg.");
    EXPECT_EQ(prompts.messages[0].caption, ui::Application::title());
    EXPECT_EQ(prompts.messages[0].type, static_cast<UINT>(MB_ICONSTOP | MB_OK));
    form.Button2.click();
    EXPECT_EQ(prompts.messages.back().text, "Something else..") << "the full stop is added even after one";
}

TEST(FormLifetime, ADestroyedMainFormIsNoLongerTheMainForm) {
    auto form = std::make_unique<ThrowingForm>();
    ui::Application::setMainForm(form.get());
    form.reset();
    EXPECT_EQ(ui::Application::mainForm(), nullptr);
}

}  // namespace
