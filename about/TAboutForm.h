// The About window: the program's version, the installed graphics modules, the copyright and
// contact pages, on a frameless window in the outline of its picture.
#pragma once

#include "about/TBMShapedForm.h"
#include "about/TMButton.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Control.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/GdiObject.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/Memo.h"
#include "ui/Panel.h"

#include <string>

enum AboutControlId : int {
    ID_AboutButton1 = 300, ID_ComboBox1, ID_AboutListBox1, ID_Memo2, ID_AboutPanel1, ID_Label4, ID_Label5,
    ID_AboutLabel2, ID_AboutLabel1, ID_Label3, ID_AboutListBox2, ID_MButton3, ID_MButton2,
};

class TAboutForm : public ui::Form {
public:
    TAboutForm();

    ui::Label Label1, Label2, Label3, Label4, Label5;
    ui::ListBox ListBox1, ListBox2;
    ui::ComboBox ComboBox1;
    ui::Memo Memo2;
    ui::Panel Panel1;
    ui::Button Button1;
    TMButton MButton2, MButton3;
    TBMShapedForm BMShapedForm1;

    std::string aboutText;

    // Shows the window over owner until it closes.
    void ShowModal(HWND owner) { showModal(owner); }

    void FormShow();
    void SetPagesVisible(bool visible);
    void AddModule(const std::string& fileName, const std::string& description);
    void ComboBox1Change(ui::Control* sender);
    void ListBox1Click(ui::Control* sender);
    void Button1Click(ui::Control* sender);
    void MButton2Click(ui::Control* sender);
    void MButton3Click(ui::Control* sender);

protected:
    void onEvent(int id, ui::Event event) override;
    void onShow() override { FormShow(); }
    void afterClose() override;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateLayout();
    void Repaint();

    ui::GdiObject<HFONT> listFont_;
    ui::GdiObject<HBRUSH> silverBrush_;
};

// "Version " and the product version of the file as the About window shows it, or "" when the file
// has no readable version.
std::string versionText(const std::string& fileName);
// The product version words as shown: major, ".00.", the low word as a signed number.
std::string formatVersion(DWORD productVersionMS, DWORD productVersionLS);
